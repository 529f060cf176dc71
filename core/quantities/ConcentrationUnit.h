#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace solvo {

/// The units a concentration is given in. The codes are stored in solution
/// and database files and never change. Codes read from a file may lie
/// outside the list; every function that takes a unit copes with them.
enum class ConcentrationUnit : std::int32_t {
    Molar = 0,        ///< M: mol of substance per litre of solution
    Millimolar = 1,   ///< mM: mmol per litre of solution
    Molal = 2,        ///< m: mol of substance per kg of solvent
    PercentWW = 3,    ///< % w/w: g of substance per 100 g of solution
    Ppm = 4,          ///< ppm: mg of substance per kg of solution
    PercentWV = 5,    ///< % w/v: g of substance per 100 mL of solution
    MoleFraction = 6, ///< x: mol of substance per mol of substance and solvent
    Density = 7,      ///< d: density of the solution, g/mL
    OwnUnit = 8,      ///< the unit the component itself is expressed in (reading only)
};

/// The number of real units, codes 0 … 7.
inline constexpr std::int32_t kConcentrationUnitCount = 8;

/// Whether unit is one of the codes 0 … 7.
bool IsConcentrationUnit(ConcentrationUnit unit);

/// The unit's short symbol: "M", "mM", "m", "w", "ppm", "v", "x", "d"; empty
/// for any code outside 0 … 7.
std::string_view ConcentrationUnitSymbol(ConcentrationUnit unit);

/// The unit whose symbol is exactly symbol (case-sensitive: "m" is molal,
/// "M" molar); none for any other text.
std::optional<ConcentrationUnit> ConcentrationUnitFromSymbol(std::string_view symbol);

} // namespace solvo
