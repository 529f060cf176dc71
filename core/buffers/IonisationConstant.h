#pragma once

namespace solvo {

/// The thermodynamic constant of one ionisation step: pK at 25 °C and zero
/// ionic strength with the enthalpy and heat-capacity change that carry it
/// to other temperatures.
class IonisationConstant {
public:
    IonisationConstant(double pK25, double enthalpyKJPerMol, double heatCapacityJPerKMol);

    double Pk25() const { return pK25_; }
    double Enthalpy() const { return enthalpy_; }         ///< kJ/mol
    double HeatCapacity() const { return heatCapacity_; } ///< J/(K·mol)

    /// pK at kelvin, with ΔCp taken as constant over the range (the
    /// integrated van 't Hoff equation); exact at 298.15 K.
    double PkAt(double kelvin) const;

private:
    double pK25_;
    double enthalpy_;
    double heatCapacity_;
};

} // namespace solvo
