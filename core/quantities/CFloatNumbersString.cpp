#include "quantities/CFloatNumbersString.h"

#include "quantities/NumberFormat.h"

namespace solvo {

void CFloatNumbersString::FormatDefault(double x, std::int32_t displayDigits)
{
    text_ = solvo::FormatDefault(x, displayDigits);
}

void CFloatNumbersString::FormatSignificant(double x, std::int32_t digits, std::int32_t displayDigits)
{
    text_ = solvo::FormatSignificant(x, digits, displayDigits);
}

std::int32_t CFloatNumbersString::CountSignificantDigits() const
{
    return solvo::CountSignificantDigits(text_);
}

} // namespace solvo
