#include "buffers/IonisationConstant.h"

#include <cmath>
#include <numbers>

namespace solvo {

namespace {

constexpr double kReferenceKelvin = 298.15;
constexpr double kGasConstant = 8.314462618; // J/(K·mol), CODATA 2018 exact value

} // namespace

IonisationConstant::IonisationConstant(double pK25, double enthalpyKJPerMol, double heatCapacityJPerKMol)
    : pK25_(pK25), enthalpy_(enthalpyKJPerMol), heatCapacity_(heatCapacityJPerKMol)
{
}

double IonisationConstant::PkAt(double kelvin) const
{
    const double rLn10 = kGasConstant * std::numbers::ln10;
    const double ratio = kReferenceKelvin / kelvin;
    // A constant ΔCp, integrated twice, gives θ/T − 1 + ln(T/θ): second order
    // in (T − θ), vanishing with its slope at 25 °C. A first-order term in
    // its place would change the slope that ΔH alone sets there.
    return pK25_ - enthalpy_ * 1000.0 / rLn10 * (1.0 / kReferenceKelvin - 1.0 / kelvin) -
           heatCapacity_ / rLn10 * (ratio - 1.0 + std::log(kelvin / kReferenceKelvin));
}

} // namespace solvo
