#include "buffers/DaviesActivity.h"

#include <algorithm>
#include <cmath>

namespace solvo {

// A(T) = 1.82483e6·(ε·T)^−3/2 with the relative permittivity of water
// ε(T) = 249.21 − 0.79069·T + 7.2997e-4·T² (Malmberg and Maryott, J. Res.
// NBS 56, 1 (1956), fitted over 0–100 °C).
DaviesActivity::DaviesActivity(double kelvin)
    : a_(1.82483e6 * std::pow((249.21 - 0.79069 * kelvin + 7.2997e-4 * kelvin * kelvin) * kelvin, -1.5))
{
}

double DaviesActivity::Log10GammaUnit(double ionicStrength) const
{
    const double I = std::max(ionicStrength, 0.0);
    const double root = std::sqrt(I);
    // The curve turns upwards past 0.4 mol/L and would give γ > 1 beyond
    // 1.9 mol/L, where no ion behaves so; results there carry a warning.
    return -a_ * std::max(root / (1.0 + root) - 0.3 * I, 0.0);
}

} // namespace solvo
