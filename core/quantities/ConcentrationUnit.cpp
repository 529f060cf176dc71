#include "quantities/ConcentrationUnit.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace solvo {
namespace {

constexpr std::array<std::string_view, kConcentrationUnits.size()> kSymbols = {
    "M", "mM", "m", "w", "ppm", "v", "x", "d", "uM", "nM", "mg/mL", "ug/mL", "mg/L", "v/v", "N"};

// What people write for micro, in the program's 8-bit text.
constexpr std::string_view kMicroSign = "\xB5";

} // namespace

bool IsConcentrationUnit(ConcentrationUnit unit)
{
    return ConcentrationUnitIndex(unit) >= 0;
}

bool IsLaterConcentrationUnit(ConcentrationUnit unit)
{
    return IsConcentrationUnit(unit) && static_cast<std::int32_t>(unit) > kConcentrationUnitCount;
}

std::int32_t ConcentrationUnitIndex(ConcentrationUnit unit)
{
    const auto found = std::find(kConcentrationUnits.begin(), kConcentrationUnits.end(), unit);
    return found == kConcentrationUnits.end()
               ? -1
               : static_cast<std::int32_t>(std::distance(kConcentrationUnits.begin(), found));
}

std::string_view ConcentrationUnitSymbol(ConcentrationUnit unit)
{
    const std::int32_t index = ConcentrationUnitIndex(unit);
    return index < 0 ? std::string_view{} : kSymbols[static_cast<std::size_t>(index)];
}

std::optional<ConcentrationUnit> ConcentrationUnitFromSymbol(std::string_view symbol)
{
    std::string_view ascii = symbol;
    std::string spelled;
    if (symbol.starts_with(kMicroSign)) {
        spelled = "u" + std::string(symbol.substr(kMicroSign.size()));
        ascii = spelled;
    }
    for (std::size_t index = 0; index < kSymbols.size(); ++index) {
        if (kSymbols[index] == ascii)
            return kConcentrationUnits[index];
    }
    return std::nullopt;
}

} // namespace solvo
