#pragma once

#include <cstdint>

namespace solvo {

/// Where a solution component's amount comes from. Codes from
/// FirstAlternative on select an alternative formula: FirstAlternative + i is
/// the i-th alternative. The codes are stored in both files.
enum class SourceKind : std::int32_t {
    AboveSubstance = 0, ///< the solid of the component's own formula
    OtherSubstance = 1, ///< the solid of another formula that the user types
    StockSolution = 2,  ///< the substance's stock solution
    OtherSolution = 3,  ///< another solution of the substance
    FirstAlternative = 4,
};

/// The source kind of the alternative formula at index (0 for the first).
constexpr SourceKind AlternativeSource(std::int32_t index)
{
    return static_cast<SourceKind>(static_cast<std::int32_t>(SourceKind::FirstAlternative) + index);
}

} // namespace solvo
