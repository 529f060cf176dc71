#pragma once

#include <string>
#include <string_view>

namespace solvo {

/// What ParseNumber read from a text.
struct ParsedNumber {
    bool valid = false;
    double value = 0.0; ///< 0 when not valid
    /// The text as it was read: its first 31 bytes from the first byte that
    /// is not a space or tab, with commas as points, a last 'e', 'd', 'D',
    /// '-' or '+' completed with '0', and an exponent letter d or D written
    /// as 'e'.
    /// CountSignificantDigits of this text is the precision that was typed.
    std::string normalized;
};

/// Reads a number typed into a field, leniently: only the first 31 bytes
/// count; leading spaces and tabs are skipped; an empty text, "-", "." and
/// "???" (what a value that is not finite is shown as) read as 0; a comma is a
/// decimal point; the exponent letter may be e, E, d or D, and a number that
/// ends in e, d or D, or in a sign, is completed ("1e" reads as 1e0, "2e-"
/// as 2e-0, "1,5d" as 1.5). A non-zero number is valid when only spaces and tabs
/// follow it; a zero is valid when nothing follows it, or when the text
/// begins with the digit 0 and only spaces and tabs follow (so "-0 " and
/// "abc" are not valid, while "0.0 " is). Any bytes of any length are safe;
/// the process locale is never consulted.
ParsedNumber ParseNumber(std::string_view text);

} // namespace solvo
