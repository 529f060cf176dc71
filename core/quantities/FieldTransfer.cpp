#include "quantities/FieldTransfer.h"

#include "quantities/NumberFormat.h"
#include "quantities/ParseNumber.h"

namespace solvo {

namespace {

/// What ParseNumber reads from a field that holds a number; none for a text
/// that is not one, "???" included.
std::optional<ParsedNumber> ParseField(std::string_view fieldText)
{
    ParsedNumber parsed = ParseNumber(fieldText);
    if (!parsed.valid || ShowsNotFinite(fieldText))
        return std::nullopt;
    return parsed;
}

} // namespace

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

bool ShowsNotFinite(std::string_view fieldText)
{
    const std::size_t start = fieldText.find_first_not_of(" \t");
    return start != std::string_view::npos && fieldText.substr(start) == kNotFiniteText;
}

TakenNumber<double> TakeDouble(std::string_view fieldText)
{
    const std::optional<ParsedNumber> parsed = ParseField(fieldText);
    if (!parsed)
        return {std::nullopt, kEnterNumberMessage};
    return {parsed->value, {}};
}

TakenNumber<CEditableDouble> TakeEditableDouble(std::string_view fieldText)
{
    const std::optional<ParsedNumber> parsed = ParseField(fieldText);
    if (!parsed)
        return {std::nullopt, kEnterNumberMessage};
    return {CEditableDouble(parsed->value, CountSignificantDigits(parsed->normalized)), {}};
}

} // namespace solvo
