#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace solvo {

/// A text that holds one formatted number, with the formatting operations
/// of NumberFormat.h as members.
class CFloatNumbersString {
public:
    CFloatNumbersString() = default;
    explicit CFloatNumbersString(std::string_view text) : text_(text) {}

    /// Replaces the text with FormatDefault(x, displayDigits).
    void FormatDefault(double x, std::int32_t displayDigits);
    /// Replaces the text with FormatSignificant(x, digits, displayDigits).
    void FormatSignificant(double x, std::int32_t digits, std::int32_t displayDigits);
    /// CountSignificantDigits of the text.
    std::int32_t CountSignificantDigits() const;

    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

} // namespace solvo
