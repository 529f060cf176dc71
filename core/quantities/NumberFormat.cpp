#include "quantities/NumberFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace solvo {
namespace {

std::int32_t ShownDigits(std::int32_t digits)
{
    return std::clamp(digits, std::int32_t{1}, kMaxShownDigits);
}

bool InFixedRange(double magnitude)
{
    return magnitude >= 0.01 && magnitude <= 1000.0;
}

// to_chars writes as printf does in the C locale, with exponents of at least
// two digits on every platform. The buffer holds the longest case: a fixed
// number below 1000 or an exponent form, each with at most 32 decimals.
std::string ToChars(double x, std::chars_format format, std::int32_t precision)
{
    std::array<char, 64> buffer{};
    const std::to_chars_result written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, format, precision);
    return std::string(buffer.data(), written.ptr);
}

void RemoveTrailing(std::string& text, std::string_view characters)
{
    const std::size_t keep = text.find_last_not_of(characters);
    text.erase(keep == std::string::npos ? 0 : keep + 1);
}

// A number written with an exponent that must not show one: the mantissa's
// digits without the point, followed by as many zeros as the exponent still
// asks for ("1.2e+02" becomes "120").
std::string ExpandExponent(const std::string& text)
{
    const std::size_t e = text.find('e');
    std::string_view exponentText = std::string_view(text).substr(e + 1);
    if (!exponentText.empty() && exponentText.front() == '+')
        exponentText.remove_prefix(1);
    std::int32_t exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    std::string mantissa = text.substr(0, e);
    const std::size_t point = mantissa.find_first_of(".,");
    std::int64_t zeros = exponent;
    if (point != std::string::npos) {
        zeros -= static_cast<std::int64_t>(e - point - 1);
        mantissa.erase(point, 1);
    }
    mantissa.append(static_cast<std::size_t>(std::max<std::int64_t>(zeros, 0)), '0');
    return mantissa;
}

} // namespace

std::int32_t CountSignificantDigits(std::string_view text)
{
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    while (pos < text.size() && (text[pos] == '0' || text[pos] == '.'))
        ++pos;
    std::int32_t count = 0;
    for (; pos < text.size() && text[pos] != 'e' && text[pos] != 'E'; ++pos) {
        if (text[pos] >= '0' && text[pos] <= '9')
            ++count;
    }
    return count;
}

std::string FormatDefault(double x, std::int32_t displayDigits)
{
    if (!std::isfinite(x))
        return std::string(kNotFiniteText);
    if (x == 0.0)
        return "0";

    const std::int32_t p = ShownDigits(displayDigits);
    const double magnitude = std::fabs(x);
    if (InFixedRange(magnitude)) {
        std::string text = ToChars(x, std::chars_format::fixed, magnitude < 0.1 ? p + 1 : p);
        RemoveTrailing(text, "0");
        RemoveTrailing(text, ".,");
        return text;
    }

    std::string text = ToChars(x, std::chars_format::scientific, p - 1);
    const std::size_t e = text.find('e');
    const std::size_t mantissaEnd = text.find_last_not_of('0', e - 1) + 1;
    text.erase(mantissaEnd, e - mantissaEnd);
    if (text[mantissaEnd - 1] == '.')
        text.erase(mantissaEnd - 1, 1);
    return text;
}

std::string FormatSignificant(double x, std::int32_t digits, std::int32_t displayDigits)
{
    if (!std::isfinite(x))
        return std::string(kNotFiniteText);
    if (x == 0.0)
        return "0";

    const std::int32_t p = ShownDigits(digits == 0 ? displayDigits : digits);
    const double magnitude = std::fabs(x);
    if (!InFixedRange(magnitude))
        return ToChars(x, std::chars_format::scientific, p - 1);

    std::string text = ToChars(magnitude, std::chars_format::general, p);
    if (text.find('e') != std::string::npos) {
        text = ExpandExponent(text);
    } else {
        const std::int32_t counted = CountSignificantDigits(text);
        if (counted != p) {
            if (text.find_first_of(".,") == std::string::npos)
                text.push_back('.');
            text.append(static_cast<std::size_t>(std::max(p - counted, 0)), '0');
        }
    }
    if (x < 0.0)
        text.insert(text.begin(), '-');
    return text;
}

} // namespace solvo
