#pragma once

#include "buffers/StrongIon.h"

#include <array>
#include <cstddef>
#include <vector>

namespace solvo {

struct BufferForm;

/// What a litre of buffer holds, in mol/L: the total of each buffer system
/// (all its species together) and of each strong ion.
class BufferAmounts {
public:
    /// The most of one form a litre can hold here, mol/L: beyond it the
    /// amount is a typing error, not a solution.
    static constexpr double kMostMolPerL = 100.0;

    explicit BufferAmounts(std::size_t systemCount);

    /// Adds molPerL of form. Throws BufferError naming the form when the
    /// amount is not a number from 0 to kMostMolPerL.
    void Add(const BufferForm& form, double molPerL);

    /// This plus factor times other (factor may be negative).
    BufferAmounts Plus(const BufferAmounts& other, double factor) const;

    std::size_t SystemCount() const { return systems_.size(); }
    double System(std::size_t index) const { return systems_[index]; }
    double StrongIon(std::size_t index) const { return strong_[index]; }

    /// Σ z·c over the strong ions.
    double StrongCharge() const;
    /// Σ z²·c over the strong ions (twice their ionic strength).
    double StrongChargeSquares() const;

private:
    std::vector<double> systems_;
    std::array<double, kStrongIonCount> strong_{};
};

} // namespace solvo
