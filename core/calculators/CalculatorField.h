#pragma once

#include <cstdint>

namespace solvo {

/// The fields of the concentration calculator. The eight concentration
/// fields carry the codes of their ConcentrationUnit, so a field converts to
/// its unit and back by value; the later units follow the substance's fields,
/// each at its unit's code plus kLaterUnitFieldOffset.
enum class CalculatorField : std::int32_t {
    Molar = 0,        ///< "M", mol/L
    Millimolar = 1,   ///< "mM", mmol/L
    Molal = 2,        ///< "m", mol/kg
    PercentWW = 3,    ///< "%" w/w
    Ppm = 4,          ///< "ppm" w/w
    PercentWV = 5,    ///< "%" w/v
    MoleFraction = 6, ///< "x"
    Density = 7,      ///< "d", in the chosen density unit
    Mass = 8,         ///< the substance's mass, g
    Amount = 9,       ///< "n", the substance's amount, mol
    Volume = 10,      ///< "V", the solution's volume, mL
    SolutionMass = 11, ///< "Sm", the solution's mass, g
    MolarMass = 12,   ///< g/mol
    Name = 13,
    Formula = 14,
    Micromolar = 15,  ///< "µM"
    Nanomolar = 16,   ///< "nM"
    MgPerML = 17,     ///< "mg/mL"
    UgPerML = 18,     ///< "µg/mL"
    MgPerL = 19,      ///< "mg/L"
    PercentVV = 20,   ///< "%" v/v, only with a density of the pure liquid
    Normal = 21,      ///< "N", following the component's equivalents
};

inline constexpr std::int32_t kCalculatorFieldCount = 22;

/// What a later unit's code is shifted by to give its field's code.
inline constexpr std::int32_t kLaterUnitFieldOffset = 6;

/// Which group of quantities the calculator holds when another is typed.
enum class CalculatorMode : std::int32_t {
    BeSmart = 0,           ///< "be smart": the calculator chooses
    HoldAmount = 1,        ///< "= const" beside mass and n
    HoldVolume = 2,        ///< "= const" beside V and Sm
    HoldConcentration = 3, ///< "= const" beside the concentrations
};

} // namespace solvo
