// Typed numbers and density table texts come from users and files: any
// bytes must parse, convert and format without a crash, a trap or a hang.
#include "quantities/ConcentrationSet.h"
#include "quantities/NumberFormat.h"
#include "quantities/ParseNumber.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const auto kind = static_cast<solvo::DensityTableKind>(data[0] % 4);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const solvo::ParsedNumber typed = solvo::ParseNumber(text);
    const std::int32_t digits = solvo::CountSignificantDigits(typed.normalized);
    (void)solvo::FormatSignificant(typed.value, digits, 4);
    (void)solvo::FormatDefault(typed.value, 6);

    solvo::ConcentrationSet set;
    set.SetMolarMass(typed.valid ? typed.value : 58.44);
    set.Table().SetNoTable(false);
    set.Table().SetKind(kind);
    set.Table().SetText(text);
    set.ParseDensityTable();
    for (int unit = 0; unit < 8; ++unit) {
        set.SetConcentration(typed.value, static_cast<solvo::ConcentrationUnit>(unit));
        (void)set.GetConcentration(solvo::ConcentrationUnit::Molar);
        set.SelectOtherRoot();
    }
    return 0;
}
