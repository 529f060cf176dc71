#pragma once

#include <string>
#include <vector>

namespace solvo {

/// One ion of a solved buffer.
struct BufferSpecies {
    std::string formula; ///< with charge markup, "HPO4^2-"
    int charge = 0;
    double molPerL = 0.0;
    double activityCoefficient = 1.0;
};

/// The state a buffer settles in.
struct BufferSolution {
    double pH = 0.0;            ///< −log10 of the hydrogen-ion activity
    double ionicStrength = 0.0; ///< mol/L, over every ion
    double capacity = 0.0;      ///< β, mol/L of strong base per pH unit
};

} // namespace solvo
