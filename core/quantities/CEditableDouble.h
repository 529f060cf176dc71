#pragma once

#include <cstdint>

namespace solvo {

/// A number together with the count of significant digits it was typed
/// with, so that it is shown again as typed (trailing zeros included).
/// Digits 0 means: show by the display-digits setting; a negative count
/// means: show an empty field.
class CEditableDouble {
public:
    /// An empty value: 0 with digits 0.
    CEditableDouble() = default;
    explicit CEditableDouble(double value, std::int32_t digits = 0)
        : value_(value), digits_(digits)
    {
    }

    double Value() const { return value_; }
    void SetValue(double value) { value_ = value; }
    std::int32_t Digits() const { return digits_; }
    void SetDigits(std::int32_t digits) { digits_ = digits; }

    /// Compares the value only, whatever the digits.
    bool operator==(double other) const { return value_ == other; }

    /// The quotient, shown with the dividend's digits.
    CEditableDouble operator/(double divisor) const { return CEditableDouble(value_ / divisor, digits_); }

private:
    double value_ = 0.0;
    std::int32_t digits_ = 0;
};

} // namespace solvo
