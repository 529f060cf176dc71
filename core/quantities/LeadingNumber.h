#pragma once

#include <cstddef>
#include <string_view>

namespace solvo {

/// The decimal number at the start of a text, as far as it reaches.
struct LeadingNumber {
    double value = 0.0;      ///< 0 when the text does not begin with a number
    std::size_t length = 0;  ///< bytes taken by the number; 0 when there is none
    /// Position of the exponent letter when the number has an exponent, else
    /// std::string_view::npos.
    std::size_t exponentLetter = std::string_view::npos;
};

/// Reads the longest decimal number at the start of text: an optional sign,
/// digits with an optional point (at least one digit in all), and an optional
/// exponent made of one of the letters e, E, d or D, an optional sign and at
/// least one digit (a letter without digits is not part of the number).
/// Hexadecimal, infinity and NaN forms are not numbers. A magnitude beyond
/// the range of double gives ±infinity, one below it gives ±0, as the C
/// library's conversion does; nothing depends on the process locale.
/// Runs in time linear in the length of the number.
LeadingNumber ReadLeadingNumber(std::string_view text);

} // namespace solvo
