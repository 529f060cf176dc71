#pragma once

#include "quantities/CEditableDouble.h"
#include "quantities/ConcentrationUnit.h"

#include <cstdint>
#include <string>

namespace solvo {

/// What a recipe asks the chemist to do with one component.
enum class StepKind : std::int32_t {
    Weigh = 0,            ///< weigh the solid
    WeighExactly = 1,     ///< weigh about the mass exactly and enter it afterwards
    AddStockSolution = 2, ///< measure a volume of the substance's stock solution
    AddOtherSolution = 3, ///< measure a volume of another solution of the substance
};

/// The quantities the composition solver works out for one component.
struct RecipeStep {
    StepKind kind = StepKind::Weigh;
    /// g to weigh (Weigh and WeighExactly), and the significant digits it is shown with.
    double mass = 0.0;
    std::int32_t massDigits = 0;
    /// Litres to measure (the two Add kinds), and the significant digits it is shown with.
    double volume = 0.0;
    std::int32_t volumeDigits = 0;
    /// For the two Add kinds: the source's concentration as entered, in its own unit.
    double sourceConcentration = 0.0;
    ConcentrationUnit sourceUnit = ConcentrationUnit::Molar;
    /// The formula drawn in the step (markup text): the substance's own, or
    /// that of the other solid form actually weighed.
    std::string formulaShown;
    /// For Weigh and WeighExactly: formula units of the component that one
    /// formula unit of the weighed form holds (2 for As weighed as As_2O_3),
    /// 0 when it holds none and there is no mass; and, when that is not 1,
    /// the component's formula as display text, to say so.
    std::int32_t sourceMultiple = 1;
    std::string multipleOf;
    /// For Weigh and WeighExactly: the assay of the weighed form, percent;
    /// the mass already allows for it, and a recipe names one below 100.
    double purity = 100.0;
    /// For WeighExactly: the mass weighed so far (g) and whether one was entered.
    CEditableDouble exactWeight;
    bool exactWeightEntered = false;
    /// The concentration shown in the recipe's list of components, in
    /// summaryUnit, with summaryDigits significant digits (0: by DisplayDigits).
    double summaryValue = 0.0;
    std::int32_t summaryDigits = 0;
    ConcentrationUnit summaryUnit = ConcentrationUnit::Molar;
    /// The summary is the target, not yet confirmed by an exact weight.
    bool summaryApproximate = false;
};

} // namespace solvo
