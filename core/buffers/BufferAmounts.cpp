#include "buffers/BufferAmounts.h"

#include "buffers/BufferError.h"
#include "buffers/BufferForm.h"
#include "quantities/NumberFormat.h"

#include <cmath>

namespace solvo {

BufferAmounts::BufferAmounts(std::size_t systemCount) : systems_(systemCount, 0.0) {}

void BufferAmounts::Add(const BufferForm& form, double molPerL)
{
    if (!(molPerL >= 0.0 && molPerL <= kMostMolPerL))
        throw BufferError("\"" + form.formula + "\": " + FormatDefault(molPerL, 6) +
                          " mol/L is not an amount from 0 to " + FormatDefault(kMostMolPerL, 6) + " mol/L.");
    if (!form.IsStrong())
        systems_[static_cast<std::size_t>(form.system)] += molPerL;
    for (std::size_t i = 0; i < kStrongIonCount; ++i)
        strong_[i] += form.strongIons[i] * molPerL;
}

BufferAmounts BufferAmounts::Plus(const BufferAmounts& other, double factor) const
{
    BufferAmounts sum = *this;
    for (std::size_t i = 0; i < systems_.size(); ++i)
        sum.systems_[i] += factor * other.systems_[i];
    for (std::size_t i = 0; i < kStrongIonCount; ++i)
        sum.strong_[i] += factor * other.strong_[i];
    return sum;
}

double BufferAmounts::StrongCharge() const
{
    double sum = 0.0;
    for (std::size_t i = 0; i < kStrongIonCount; ++i)
        sum += kStrongIons[i].charge * strong_[i];
    return sum;
}

double BufferAmounts::StrongChargeSquares() const
{
    double sum = 0.0;
    for (std::size_t i = 0; i < kStrongIonCount; ++i)
        sum += kStrongIons[i].charge * kStrongIons[i].charge * strong_[i];
    return sum;
}

} // namespace solvo
