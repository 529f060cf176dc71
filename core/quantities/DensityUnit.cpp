#include "quantities/DensityUnit.h"

#include <array>
#include <limits>

namespace solvo {
namespace {

struct DensityUnitInfo {
    std::string_view label;
    double perGramPerMillilitre; ///< how many of the unit make 1 g/mL
};

constexpr std::array<DensityUnitInfo, kDensityUnitCount> kUnits = {{
    {"g/mL", 1.0},
    {"g/L", 1000.0},
    {"kg/m3", 1000.0},
    {"lb/ft3", 62.42796058},
    {"lb/gal", 8.34540443},
}};

const DensityUnitInfo* Find(DensityUnit unit)
{
    const auto code = static_cast<std::int32_t>(unit);
    if (code < 0 || code >= kDensityUnitCount)
        return nullptr;
    return &kUnits[static_cast<std::size_t>(code)];
}

} // namespace

std::string_view DensityUnitLabel(DensityUnit unit)
{
    const DensityUnitInfo* info = Find(unit);
    return info ? info->label : std::string_view{};
}

std::optional<DensityUnit> DensityUnitFromLabel(std::string_view label)
{
    for (std::size_t code = 0; code < kUnits.size(); ++code) {
        if (kUnits[code].label == label)
            return static_cast<DensityUnit>(code);
    }
    return std::nullopt;
}

double DensityToUnit(double gramsPerMillilitre, DensityUnit unit)
{
    const DensityUnitInfo* info = Find(unit);
    return info ? gramsPerMillilitre * info->perGramPerMillilitre
                : std::numeric_limits<double>::quiet_NaN();
}

double DensityFromUnit(double value, DensityUnit unit)
{
    const DensityUnitInfo* info = Find(unit);
    return info ? value / info->perGramPerMillilitre : std::numeric_limits<double>::quiet_NaN();
}

} // namespace solvo
