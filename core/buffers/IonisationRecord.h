#pragma once

#include <span>

namespace solvo {

/// One line of the buffer constants file: an ionisation step of a buffer
/// acid at 25 °C and zero ionic strength. Texts are UTF-8, as in the file.
struct IonisationRecord {
    const char* system;   ///< the buffer system's name, "water" for pKw
    const char* compound; ///< the neutral compound as sold, a formula, maybe followed by a remark
    int step;             ///< number of the step within the acid
    int acidCharge;       ///< charge of the form that gives up the proton
    double pK;            ///< at 25 °C and zero ionic strength
    double enthalpy;      ///< standard enthalpy of ionisation, kJ/mol
    double heatCapacity;  ///< heat-capacity change of ionisation, J/(K·mol)
    const char* source;   ///< where the numbers come from
};

/// Every line of the file, in its order; generated at build time.
std::span<const IonisationRecord> IonisationRecords();

} // namespace solvo
