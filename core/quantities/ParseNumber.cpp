#include "quantities/ParseNumber.h"

#include "quantities/LeadingNumber.h"

#include <algorithm>

namespace solvo {
namespace {

// A field is read into a 32-byte buffer, so only this much of its text counts.
constexpr std::size_t kMaxFieldLength = 31;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsAllBlank(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), IsBlank);
}

} // namespace

ParsedNumber ParseNumber(std::string_view text)
{
    text = text.substr(0, kMaxFieldLength);
    const std::size_t start = std::min(text.find_first_not_of(" \t"), text.size());
    ParsedNumber result;
    result.normalized.assign(text.substr(start));
    std::string& normalized = result.normalized;

    if (normalized.empty() || normalized == "-" || normalized == "." || normalized == "???") {
        result.valid = true;
        return result;
    }

    std::replace(normalized.begin(), normalized.end(), ',', '.');
    // A number being typed may stop at its exponent letter or sign; d and D
    // are exponent letters as e is.
    const char last = normalized.back();
    if (last == 'e' || last == 'd' || last == 'D' || last == '-' || last == '+')
        normalized.push_back('0');

    const LeadingNumber number = ReadLeadingNumber(normalized);
    const std::string_view rest = std::string_view(normalized).substr(number.length);
    if (number.value != 0.0)
        result.valid = IsAllBlank(rest);
    else
        result.valid = rest.empty() || (normalized.front() == '0' && IsAllBlank(rest));

    if (result.valid) {
        result.value = number.value;
        // An exponent letter d would otherwise have its exponent's digits
        // counted as significant digits of the number.
        if (number.exponentLetter != std::string_view::npos)
            normalized[number.exponentLetter] = 'e';
    }
    return result;
}

} // namespace solvo
