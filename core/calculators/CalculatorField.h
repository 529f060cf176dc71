#pragma once

#include <cstdint>

namespace solvo {

/// The fields of the concentration calculator. The eight concentration
/// fields carry the codes of their ConcentrationUnit, so a field converts to
/// its unit and back by value.
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
};

inline constexpr std::int32_t kCalculatorFieldCount = 15;

/// Which group of quantities the calculator holds when another is typed.
enum class CalculatorMode : std::int32_t {
    BeSmart = 0,           ///< "be smart": the calculator chooses
    HoldAmount = 1,        ///< "= const" beside mass and n
    HoldVolume = 2,        ///< "= const" beside V and Sm
    HoldConcentration = 3, ///< "= const" beside the concentrations
};

} // namespace solvo
