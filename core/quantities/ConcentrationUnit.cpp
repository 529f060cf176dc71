#include "quantities/ConcentrationUnit.h"

#include <array>

namespace solvo {
namespace {

constexpr std::array<std::string_view, kConcentrationUnitCount> kSymbols = {
    "M", "mM", "m", "w", "ppm", "v", "x", "d"};

} // namespace

bool IsConcentrationUnit(ConcentrationUnit unit)
{
    const auto code = static_cast<std::int32_t>(unit);
    return code >= 0 && code < kConcentrationUnitCount;
}

std::string_view ConcentrationUnitSymbol(ConcentrationUnit unit)
{
    if (!IsConcentrationUnit(unit))
        return {};
    return kSymbols[static_cast<std::size_t>(unit)];
}

std::optional<ConcentrationUnit> ConcentrationUnitFromSymbol(std::string_view symbol)
{
    for (std::size_t code = 0; code < kSymbols.size(); ++code) {
        if (kSymbols[code] == symbol)
            return static_cast<ConcentrationUnit>(code);
    }
    return std::nullopt;
}

} // namespace solvo
