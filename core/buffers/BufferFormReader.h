#pragma once

#include "buffers/BufferForm.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace solvo {

class BufferCatalogue;
class ElementTable;

/// Recognises a formula as a buffer form by its composition alone: the
/// strong ions (Na⁺, K⁺, Cl⁻, …) are set aside, water of crystallisation is
/// left out for the match (and counted in the molar mass), and what remains
/// must be one species of a buffer system, or nothing but H⁺, OH⁻ and water
/// for a strong acid, base or salt. So "Na2HPO4.7H2O", "Na_2HPO_4&7H_2O" and
/// "HNa2PO4" are the same form, and Tris·HCl is Tris's acid form with Cl⁻.
class BufferFormReader {
public:
    /// table reads the formulas typed (its moieties are expanded); both
    /// must outlive the reader.
    BufferFormReader(const ElementTable& table, const BufferCatalogue& catalogue);

    /// The form that text stands for. A "." or "*" in it is the hydrate dot,
    /// as a buffer salt has no fractional atom counts. Throws BufferError
    /// naming the text when a symbol is unknown, the formula is charged, or
    /// it is neither a buffer form nor a strong electrolyte.
    BufferForm Read(std::string_view text) const;

private:
    using Counts = std::vector<long long>; // per element, by atomic number

    std::optional<Counts> ElementCounts(std::string_view formula, int depth) const;
    bool IsStrongElectrolyte(const Counts& rest, int strongCharge) const;
    bool MatchSystem(const Counts& rest, int strongCharge, BufferForm& form) const;

    const ElementTable& table_;
    const BufferCatalogue& catalogue_;
    std::vector<Counts> compounds_;
    std::int32_t hydrogen_;
    std::int32_t oxygen_;
    std::array<std::int32_t, kStrongIonCount> strongIndices_{};
};

} // namespace solvo
