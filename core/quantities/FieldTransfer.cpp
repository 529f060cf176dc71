#include "quantities/FieldTransfer.h"

#include "quantities/NumberFormat.h"
#include "quantities/ParseNumber.h"

namespace solvo {

std::string FieldText(double value, std::int32_t displayDigits)
{
    return FormatDefault(value, displayDigits);
}

std::string FieldText(const CEditableDouble& value, std::int32_t displayDigits)
{
    if (value.Digits() < 0)
        return {};
    if (value.Digits() == 0)
        return FormatDefault(value.Value(), displayDigits);
    return FormatSignificant(value.Value(), value.Digits(), displayDigits);
}

TakenNumber<double> TakeDouble(std::string_view fieldText)
{
    const ParsedNumber parsed = ParseNumber(fieldText);
    if (!parsed.valid)
        return {std::nullopt, kEnterNumberMessage};
    return {parsed.value, {}};
}

TakenNumber<CEditableDouble> TakeEditableDouble(std::string_view fieldText)
{
    const ParsedNumber parsed = ParseNumber(fieldText);
    if (!parsed.valid)
        return {std::nullopt, kEnterNumberMessage};
    return {CEditableDouble(parsed.value, CountSignificantDigits(parsed.normalized)), {}};
}

} // namespace solvo
