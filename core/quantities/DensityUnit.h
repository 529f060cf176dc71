#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace solvo {

/// The units a density is shown and typed in. Densities are always held in
/// g/mL; these units exist only at the surface.
enum class DensityUnit : std::int32_t {
    GramsPerMillilitre = 0,     ///< "g/mL"
    GramsPerLitre = 1,          ///< "g/L"
    KilogramsPerCubicMetre = 2, ///< "kg/m3"
    PoundsPerCubicFoot = 3,     ///< "lb/ft3"
    PoundsPerGallon = 4,        ///< "lb/gal"
};

inline constexpr std::int32_t kDensityUnitCount = 5;

/// The label shown in the unit list; empty for a code outside 0 … 4.
std::string_view DensityUnitLabel(DensityUnit unit);

/// The unit whose label is exactly label; none for any other text.
std::optional<DensityUnit> DensityUnitFromLabel(std::string_view label);

/// A density in g/mL expressed in unit; NaN for a code outside 0 … 4.
double DensityToUnit(double gramsPerMillilitre, DensityUnit unit);

/// A density typed in unit, in g/mL; NaN for a code outside 0 … 4.
double DensityFromUnit(double value, DensityUnit unit);

} // namespace solvo
