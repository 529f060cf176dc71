#pragma once

#include <cstdint>
#include <vector>

namespace solvo {

/// How one display character of a formula is set.
enum class CharKind : std::uint8_t {
    Normal = 0,
    Subscript = 1,
    Superscript = 2,
    HydrateDot = 3, ///< a "." that stands for a typed "&"
};

/// Atom counts of a formula, one per entry of the element table, indexed by
/// entry index. Entry 0 ("e") holds the charge.
using Composition = std::vector<std::int32_t>;

} // namespace solvo
