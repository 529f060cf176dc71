#pragma once

#include "buffers/BufferField.h"
#include "buffers/BufferRecipe.h"

#include <optional>
#include <string>
#include <vector>

namespace solvo {

class BufferCatalogue;

/// What the buffer calculator was given, every number read and in range.
struct BufferInputs {
    BufferMethod method = BufferMethod::Pair;
    BufferForm acid;    ///< the acid form, or the one form titrated
    BufferForm base;    ///< the base form of a pair
    BufferForm titrant; ///< the strong acid or base of a titration
    double stockMolar = 0.0; ///< mol/L of the titrant's stock; 0 when weighed
    double pH = 7.0;
    double total = 0.1;      ///< mol/L of the pair together, or of the form titrated
    double celsius = 25.0;   ///< of preparation
    std::optional<double> useCelsius;
    std::vector<BufferIngredient> others; ///< salt, counted for the ionic strength
    double litres = 1.0;
};

/// One point of the curve of pH against what is added.
struct BufferCurvePoint {
    double x = 0.0;  ///< share of the base form, or mL (g) of titrant for the volume
    double pH = 0.0;
};

/// The recipe for inputs, the pH it shows at the temperature of use, the
/// notes, and the curve the target lies on; or the reason there is none.
struct BufferCalculation {
    /// Computes everything; a refusal of the chemistry (a pH out of reach,
    /// a form of no use) becomes refusal, never an exception.
    static BufferCalculation Run(const BufferCatalogue& catalogue, const BufferInputs& inputs);

    std::optional<BufferRecipe> recipe;
    std::optional<double> pHAtUse;
    std::vector<std::string> warnings; ///< at preparation, then at use
    std::string refusal;               ///< the program's text, empty when there is a recipe
    std::vector<BufferCurvePoint> curve;
    BufferCurvePoint target;
};

} // namespace solvo
