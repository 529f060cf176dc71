#pragma once

#include "quantities/CEditableDouble.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace solvo {

/// The message shown when a field's text is not a number; the caller then
/// puts the focus on that field and takes no further fields.
inline constexpr std::string_view kEnterNumberMessage = "Enter a number.";

/// A number taken from a field, or the message to show when its text is not one.
template <typename Number>
struct TakenNumber {
    std::optional<Number> number; ///< empty when the text is not a number
    std::string_view message;     ///< kEnterNumberMessage when number is empty, else empty
};

/// The text a field shows for a plain number: FormatDefault.
std::string FieldText(double value, std::int32_t displayDigits);

/// The text a field shows for a number with its precision: empty for
/// negative digits, FormatDefault for digits 0, else FormatSignificant with
/// the digits.
std::string FieldText(const CEditableDouble& value, std::int32_t displayDigits);

/// Whether a field's text is what a value that is not finite is shown as
/// ("???", after any spaces and tabs). ParseNumber reads that text as 0 so
/// that typing over it is harmless, but the value it stands for is not 0.
bool ShowsNotFinite(std::string_view fieldText);

/// The number a field's text holds, read with ParseNumber. "???" is not a
/// number: what it stands for is unknown, so it gives the message.
TakenNumber<double> TakeDouble(std::string_view fieldText);

/// As TakeDouble, with the significant digits that were typed.
TakenNumber<CEditableDouble> TakeEditableDouble(std::string_view fieldText);

} // namespace solvo
