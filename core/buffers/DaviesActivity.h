#pragma once

namespace solvo {

/// Activity coefficients of ions in water by the Davies equation,
/// log10 γ = −A·z²·(√I/(1 + √I) − 0.3·I), with the Debye–Hückel constant A
/// of water at the temperature given.
class DaviesActivity {
public:
    /// Ionic strength beyond which the equation is no longer reliable, mol/L.
    static constexpr double kReliableIonicStrength = 0.3;

    explicit DaviesActivity(double kelvin);

    /// The Debye–Hückel A of water, (mol/L)^−½: 0.511 at 25 °C.
    double A() const { return a_; }

    /// log10 γ of an ion of charge ±1 at ionic strength I (mol/L, ≥ 0);
    /// a charge z multiplies it by z². Never above 0: where the equation
    /// would give γ > 1 (I beyond about 1.9 mol/L, far outside its range)
    /// γ is taken as 1, so that no amount typed drives a solve out of the
    /// range of doubles.
    double Log10GammaUnit(double ionicStrength) const;

private:
    double a_;
};

} // namespace solvo
