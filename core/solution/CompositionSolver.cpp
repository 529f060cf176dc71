#include "solution/CompositionSolver.h"

#include "solution/CSolvoDoc.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace solvo {

namespace {

constexpr std::int32_t kWeighDigits = 2;
constexpr std::int32_t kWeighExactlyDigits = 5;
constexpr std::int32_t kVolumeDigits = 2;

// The solver only reads the document, so conversions run on a copy of the
// component's concentrations rather than on the component itself.
double Convert(const SolvoSubstance& component, double value, ConcentrationUnit fromUnit,
               ConcentrationUnit toUnit)
{
    ConcentrationSet concentrations = component.Concentration();
    concentrations.SetMolarMass(component.MolarMass());
    return concentrations.ConvertConcentration(value, fromUnit, toUnit);
}

void SolutionStep(const SolvoSubstance& component, double finalVolume, RecipeStep& step)
{
    if (component.Source() == SourceKind::StockSolution) {
        step.kind = StepKind::AddStockSolution;
        step.sourceConcentration = component.StockConcentration();
        step.sourceUnit = component.StockUnit();
    } else {
        step.kind = StepKind::AddOtherSolution;
        step.sourceConcentration = component.OtherConcentration();
        step.sourceUnit = component.OtherUnit();
    }
    const double sourceMolarity =
        Convert(component, step.sourceConcentration, step.sourceUnit, ConcentrationUnit::Molar);
    step.volume =
        component.GetConcentration(ConcentrationUnit::Molar) * finalVolume / sourceMolarity;
    step.volumeDigits = std::max(component.ConcentrationDigits(), kVolumeDigits);
    step.formulaShown = component.Formula();
}

void SolidStep(const SolvoSubstance& component, double finalVolume, RecipeStep& step)
{
    const bool exactly = component.PrepareStandardSolution();
    step.kind = exactly ? StepKind::WeighExactly : StepKind::Weigh;
    step.mass = MassToWeigh(component, finalVolume);
    step.massDigits =
        std::max(component.ConcentrationDigits(), exactly ? kWeighExactlyDigits : kWeighDigits);
    step.formulaShown = component.Source() == SourceKind::AboveSubstance
                            ? component.Formula()
                            : component.SourceFormula();
    step.exactWeight = component.ExactWeight();
    step.exactWeightEntered = component.ExactWeightEntered();
}

void Summary(const SolvoSubstance& component, double finalVolume, RecipeStep& step)
{
    step.summaryUnit = component.Unit();
    if (component.PrepareStandardSolution() && component.ExactWeightEntered()) {
        // The weighed mass gives a molarity; a component shown in another
        // unit is summarised in that unit, converted as the component would.
        const double obtained =
            component.ExactWeight().Value() / (WeighedMolarMass(component) * finalVolume);
        step.summaryValue =
            Convert(component, obtained, ConcentrationUnit::Molar, component.Unit());
        step.summaryDigits = component.ExactWeight().Digits();
        step.summaryApproximate = false;
        return;
    }
    step.summaryValue = component.GetConcentration(ConcentrationUnit::OwnUnit);
    step.summaryDigits = component.ConcentrationDigits();
    step.summaryApproximate = component.PrepareStandardSolution();
}

} // namespace

RecipePlan SolveComposition(const CSolvoDoc& document)
{
    RecipePlan plan;
    const double finalVolume = document.FinalVolume();
    const std::int32_t count = document.GetComponentCount();
    plan.steps.resize(static_cast<std::size_t>(count));
    for (std::int32_t index = 0; index < count; ++index) {
        const SolvoSubstance& component = document.GetComponent(index);
        RecipeStep& step = plan.steps[static_cast<std::size_t>(index)];
        const SourceKind source = component.Source();
        if (source == SourceKind::StockSolution || source == SourceKind::OtherSolution) {
            SolutionStep(component, finalVolume, step);
            plan.addedVolume += step.volume;
        } else {
            SolidStep(component, finalVolume, step);
            plan.anySolid = true;
            plan.standardMode = plan.standardMode || component.PrepareStandardSolution();
        }
        Summary(component, finalVolume, step);
    }
    plan.remainingVolume = finalVolume - plan.addedVolume;
    plan.impossible = finalVolume < plan.addedVolume;
    plan.volumesMatch = finalVolume == plan.addedVolume;
    plan.startVolume = NiceStartVolume(plan.remainingVolume);
    plan.waterStepShown = plan.startVolume > 0.0 && !plan.volumesMatch;
    return plan;
}

double WeighedMolarMass(const SolvoSubstance& component)
{
    return component.Source() == SourceKind::AboveSubstance ? component.MolarMass()
                                                            : component.SourceMolarMass();
}

bool IsMissingMolarMass(const SolvoSubstance& component, double molarMass)
{
    return molarMass == 0.0 && component.GetConcentration(ConcentrationUnit::OwnUnit) != 0.0;
}

double MassToWeigh(const SolvoSubstance& component, double finalVolume)
{
    const double molarMass = WeighedMolarMass(component);
    if (IsMissingMolarMass(component, molarMass))
        return std::numeric_limits<double>::quiet_NaN();
    return component.GetConcentration(ConcentrationUnit::Molar) * finalVolume * molarMass;
}

double NiceStartVolume(double remaining)
{
    // Nothing left (or a volume that is no number) leaves no room for water;
    // the rounding below would give NaN there.
    if (!(remaining > 0.0))
        return 0.0;
    const double eighth = remaining * 0.125;
    // The power of ten goes through exp and ln 10, not pow, so that the
    // results (0.7999999999999998 L for 1 L) stay those the recipes have
    // always shown.
    const double power = std::exp(std::floor(std::log10(eighth)) * 2.302585092994046);
    const double leading = eighth / power;
    double stepSize = power;
    if (leading > 7.5)
        stepSize = 10.0 * power;
    else if (leading > 3.5)
        stepSize = 5.0 * power;
    else if (leading > 1.5)
        stepSize = 2.0 * power;
    return std::floor(remaining * 0.8 / stepSize) * stepSize;
}

} // namespace solvo
