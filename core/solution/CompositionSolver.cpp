#include "solution/CompositionSolver.h"

#include "formula/ChemicalFormula.h"
#include "solution/CSolvoDoc.h"
#include "solution/RecipeNote.h"
#include "solution/SourceMultiple.h"

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

// g of the weighed form per mol of the component: its molar mass shared out
// among the formula units of the component it holds, and more of it as it
// is less pure; NaN when it holds none.
double GramsPerMole(const SolvoSubstance& component, std::int32_t multiple)
{
    return multiple == 0 ? std::numeric_limits<double>::quiet_NaN()
                         : WeighedMolarMass(component) / multiple /
                               (component.Purity() / SolvoSubstance::kFullPurity);
}

double Mass(const SolvoSubstance& component, double finalVolume, std::int32_t multiple)
{
    if (IsMissingMolarMass(component, WeighedMolarMass(component)))
        return std::numeric_limits<double>::quiet_NaN();
    return component.GetConcentration(ConcentrationUnit::Molar) * finalVolume *
           GramsPerMole(component, multiple);
}

void SolidStep(const SolvoSubstance& component, double finalVolume, std::int32_t multiple,
               const ElementTable& elements, RecipeStep& step)
{
    const bool exactly = component.PrepareStandardSolution();
    step.kind = exactly ? StepKind::WeighExactly : StepKind::Weigh;
    step.mass = Mass(component, finalVolume, multiple);
    step.sourceMultiple = multiple;
    step.purity = component.Purity();
    if (multiple != 1)
        step.multipleOf = ChemicalFormula(elements, component.Formula()).DisplayText();
    step.massDigits =
        std::max(component.ConcentrationDigits(), exactly ? kWeighExactlyDigits : kWeighDigits);
    step.formulaShown = component.Source() == SourceKind::AboveSubstance
                            ? component.Formula()
                            : component.SourceFormula();
    step.exactWeight = component.ExactWeight();
    step.exactWeightEntered = component.ExactWeightEntered();
}

void Summary(const SolvoSubstance& component, double finalVolume, std::int32_t multiple,
             RecipeStep& step)
{
    step.summaryUnit = component.Unit();
    if (component.PrepareStandardSolution() && component.ExactWeightEntered()) {
        // The weighed mass gives a molarity; a component shown in another
        // unit is summarised in that unit, converted as the component would.
        const double obtained = component.ExactWeight().Value() /
                                (GramsPerMole(component, multiple) * finalVolume);
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

RecipePlan SolveComposition(const CSolvoDoc& document, const ElementTable& elements)
{
    RecipePlan plan;
    const double finalVolume = document.FinalVolume();
    const std::int32_t count = document.GetComponentCount();
    plan.steps.resize(static_cast<std::size_t>(count));
    for (std::int32_t index = 0; index < count; ++index) {
        const SolvoSubstance& component = document.GetComponent(index);
        RecipeStep& step = plan.steps[static_cast<std::size_t>(index)];
        const SourceKind source = component.Source();
        const std::int32_t multiple = SourceMultiple(component, elements);
        if (source == SourceKind::StockSolution || source == SourceKind::OtherSolution) {
            SolutionStep(component, finalVolume, step);
            plan.addedVolume += step.volume;
        } else {
            SolidStep(component, finalVolume, multiple, elements, step);
            plan.anySolid = true;
            plan.standardMode = plan.standardMode || component.PrepareStandardSolution();
        }
        Summary(component, finalVolume, multiple, step);
        const std::vector<RecipeNote> notes = ComponentNotes(component, elements);
        plan.notes.insert(plan.notes.end(), notes.begin(), notes.end());
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

double MassToWeigh(const SolvoSubstance& component, double finalVolume,
                   const ElementTable& elements)
{
    return Mass(component, finalVolume, SourceMultiple(component, elements));
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
