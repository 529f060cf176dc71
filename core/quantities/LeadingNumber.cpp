#include "quantities/LeadingNumber.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace solvo {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    return pos;
}

// from_chars reports a result beyond the range of double without giving it.
// The C conversion gives ±infinity for an overflow and ±0 for an underflow;
// which of the two happened follows from the decimal exponent of the first
// significant digit (saturated, so an exponent of any length is safe).
double OutOfRangeValue(std::string_view number, std::size_t exponentLetter)
{
    const bool negative = number.front() == '-';
    std::int64_t magnitude = 0;
    const std::size_t mantissaEnd = std::min(exponentLetter, number.size());
    const std::string_view mantissa = number.substr(0, mantissaEnd);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first < point)
        magnitude = static_cast<std::int64_t>(point - first) - 1;
    else if (first != std::string_view::npos)
        magnitude = -static_cast<std::int64_t>(first - point);

    if (exponentLetter < number.size()) {
        std::size_t pos = exponentLetter + 1;
        const bool negativeExponent = number[pos] == '-';
        if (number[pos] == '-' || number[pos] == '+')
            ++pos;
        constexpr std::int64_t kSaturation = 1'000'000'000;
        std::int64_t exponent = 0;
        for (; pos < number.size(); ++pos)
            exponent = std::min(kSaturation, exponent * 10 + (number[pos] - '0'));
        magnitude += negativeExponent ? -exponent : exponent;
    }

    const double result = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -result : result;
}

} // namespace

LeadingNumber ReadLeadingNumber(std::string_view text)
{
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    const std::size_t integerStart = pos;
    pos = SkipDigits(text, pos);
    std::size_t digits = pos - integerStart;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionStart = pos + 1;
        pos = SkipDigits(text, fractionStart);
        digits += pos - fractionStart;
    }
    if (digits == 0)
        return {};

    LeadingNumber result;
    if (pos < text.size()) {
        const char letter = text[pos];
        if (letter == 'e' || letter == 'E' || letter == 'd' || letter == 'D') {
            std::size_t exponentStart = pos + 1;
            if (exponentStart < text.size() && (text[exponentStart] == '+' || text[exponentStart] == '-'))
                ++exponentStart;
            const std::size_t exponentEnd = SkipDigits(text, exponentStart);
            if (exponentEnd > exponentStart) {
                result.exponentLetter = pos;
                pos = exponentEnd;
            }
        }
    }
    result.length = pos;

    // from_chars takes neither a leading plus sign nor the letter d, so the
    // number is handed over in the form it does take.
    std::string_view number = text.substr(0, pos);
    std::size_t letter = result.exponentLetter;
    if (number.front() == '+') {
        number.remove_prefix(1);
        if (letter != std::string_view::npos)
            --letter;
    }
    std::string withLetterE;
    if (letter != std::string_view::npos && (number[letter] == 'd' || number[letter] == 'D')) {
        withLetterE.assign(number);
        withLetterE[letter] = 'e';
        number = withLetterE;
    }

    const std::from_chars_result parsed = std::from_chars(
        number.data(), number.data() + number.size(), result.value, std::chars_format::general);
    if (parsed.ec == std::errc::result_out_of_range)
        result.value = OutOfRangeValue(number, letter);
    return result;
}

} // namespace solvo
