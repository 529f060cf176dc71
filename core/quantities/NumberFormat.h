#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace solvo {

/// The most significant digits a number is ever shown with: as many as a
/// field can hold. Larger counts (from an edited settings store or a damaged
/// file) are taken as this, counts below 1 as 1, so no count can make a
/// text absurdly long.
inline constexpr std::int32_t kMaxShownDigits = 31;

/// Significant digits for numbers shown without their own precision, until
/// the user chooses another count.
inline constexpr std::int32_t kDefaultDisplayDigits = 4;

/// The text shown for a value that is not finite.
inline constexpr std::string_view kNotFiniteText = "???";

/// Significant digits in a number's text: a leading sign and then every '0'
/// and '.' are passed over, then the digits up to the end or the first 'e'
/// or 'E' are counted (other characters are passed over). "120.50" has 5,
/// "0.00120" 3, "-0" 0, "1.5e3" 2, "" 0.
std::int32_t CountSignificantDigits(std::string_view text);

/// A number shown without a precision of its own, by the display-digits
/// setting P: "???" when not finite, "0" for ±0; for 0.01 ≤ |x| ≤ 1000 fixed
/// with P decimals (P + 1 below 0.1) and trailing zeros and point removed
/// ("12.5", "1000"); otherwise with an exponent of at least two digits and
/// P − 1 decimals, trailing zeros of the mantissa removed ("1.235e+04",
/// "1e-03"). Independent of the process locale.
std::string FormatDefault(double x, std::int32_t displayDigits);

/// A number shown with P significant digits, trailing zeros kept; P = digits,
/// or displayDigits when digits is 0. "???" when not finite, "0" for ±0; for
/// 0.01 ≤ |x| ≤ 1000 without exponent ("1.500", "0.0500", "-120" for −123 with
/// 2 digits); otherwise with P − 1 decimals and an exponent of at least two
/// digits ("1.23e+04", "9.99e-03"). Independent of the process locale.
std::string FormatSignificant(double x, std::int32_t digits, std::int32_t displayDigits);

} // namespace solvo
