#pragma once

#include <array>
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
    Micromolar = 9,   ///< µM: µmol per litre of solution
    Nanomolar = 10,   ///< nM: nmol per litre of solution
    MgPerML = 11,     ///< mg/mL: mg of substance per mL of solution
    UgPerML = 12,     ///< µg/mL: µg of substance per mL of solution
    MgPerL = 13,      ///< mg/L: mg of substance per litre of solution
    PercentVV = 14,   ///< % v/v: mL of the pure liquid per 100 mL of solution
    Normal = 15,      ///< N: equivalents per litre of solution
};

/// The number of the first units, codes 0 … 7, which every file version
/// knows and every component holds as fields.
inline constexpr std::int32_t kConcentrationUnitCount = 8;

/// Every unit a concentration can be given in, in the order of the unit
/// lists: the first eight, then the codes 9 … 15.
inline constexpr std::array<ConcentrationUnit, 15> kConcentrationUnits = {
    ConcentrationUnit::Molar,      ConcentrationUnit::Millimolar, ConcentrationUnit::Molal,
    ConcentrationUnit::PercentWW,  ConcentrationUnit::Ppm,        ConcentrationUnit::PercentWV,
    ConcentrationUnit::MoleFraction, ConcentrationUnit::Density,  ConcentrationUnit::Micromolar,
    ConcentrationUnit::Nanomolar,  ConcentrationUnit::MgPerML,    ConcentrationUnit::UgPerML,
    ConcentrationUnit::MgPerL,     ConcentrationUnit::PercentVV,  ConcentrationUnit::Normal};

/// Whether unit is one of the codes 0 … 7 or 9 … 15.
bool IsConcentrationUnit(ConcentrationUnit unit);

/// Whether unit is one of the codes 9 … 15, which only newer files hold.
bool IsLaterConcentrationUnit(ConcentrationUnit unit);

/// The position of unit in kConcentrationUnits (and so in every unit
/// list); −1 for a code that is no unit.
std::int32_t ConcentrationUnitIndex(ConcentrationUnit unit);

/// The unit's short symbol: "M", "mM", "m", "w", "ppm", "v", "x", "d", "uM",
/// "nM", "mg/mL", "ug/mL", "mg/L", "v/v", "N"; empty for any other code.
std::string_view ConcentrationUnitSymbol(ConcentrationUnit unit);

/// The unit whose symbol is exactly symbol (case-sensitive: "m" is molal,
/// "M" molar); "µM" and "µg/mL" with µ as the byte 0xB5 are taken too.
/// None for any other text.
std::optional<ConcentrationUnit> ConcentrationUnitFromSymbol(std::string_view symbol);

} // namespace solvo
