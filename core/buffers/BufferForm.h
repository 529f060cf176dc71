#pragma once

#include "buffers/StrongIon.h"

#include <array>
#include <string>

namespace solvo {

/// A substance as it goes into a buffer: one species of a buffer system
/// (or none, for a strong acid, base or salt) with the strong ions that
/// balance it, per formula unit.
struct BufferForm {
    std::string formula;   ///< as typed, the program's text
    int system = -1;       ///< index in the catalogue; −1 for a strong electrolyte
    int charge = 0;        ///< charge of the system's species it carries
    std::array<int, kStrongIonCount> strongIons{}; ///< count of each strong ion
    double molarMass = 0.0; ///< g/mol, water of crystallisation included

    bool IsStrong() const { return system < 0; }

    /// Net charge of its strong ions: +1 for NaOH or NaH2PO4, −1 for HCl.
    int StrongCharge() const
    {
        int sum = 0;
        for (std::size_t i = 0; i < kStrongIonCount; ++i)
            sum += strongIons[i] * kStrongIons[i].charge;
        return sum;
    }
};

} // namespace solvo
