#include "buffers/BufferCalculation.h"

#include "buffers/BufferCatalogue.h"
#include "buffers/BufferError.h"
#include "buffers/BufferModel.h"
#include "buffers/BufferWarnings.h"

#include <algorithm>

namespace solvo {

namespace {

// Enough points that the steep ends of a curve look smooth at any size.
constexpr int kCurveSteps = 80;
// A titration curve runs past the target by half as much again, and always
// through one whole equivalent, so the buffer region shows whole.
constexpr double kTitrationReach = 1.5;

BufferAmounts Of(std::size_t systems, const BufferForm& form, double molPerL)
{
    BufferAmounts amounts(systems);
    amounts.Add(form, molPerL);
    return amounts;
}

void Trace(BufferCalculation& result, const BufferModel& model, const BufferAmounts& start,
           const BufferAmounts& direction, double reach, double xPerShare)
{
    for (int i = 0; i <= kCurveSteps; ++i) {
        const double share = reach * i / kCurveSteps;
        result.curve.push_back({share * xPerShare, model.Solve(start.Plus(direction, share)).pH});
    }
}

void Curve(BufferCalculation& result, const BufferModel& model, const BufferInputs& inputs)
{
    const std::size_t systems = model.Catalogue().Systems().size();
    BufferAmounts others(systems);
    for (const BufferIngredient& other : inputs.others)
        others.Add(other.form, other.molPerL);
    const BufferAmounts acid = Of(systems, inputs.acid, inputs.total);
    const std::vector<BufferIngredient>& ingredients = result.recipe->Ingredients();
    const double pH = result.recipe->Solution().pH;
    if (inputs.method == BufferMethod::Pair) {
        const BufferAmounts towardsBase = Of(systems, inputs.base, inputs.total).Plus(acid, -1.0);
        Trace(result, model, others.Plus(acid, 1.0), towardsBase, 1.0, 1.0);
        result.target = {ingredients[1].molPerL / inputs.total, pH};
        return;
    }
    const double share = ingredients[1].molPerL / inputs.total;
    const double xPerShare = inputs.total * inputs.litres *
                             (inputs.stockMolar > 0.0 ? 1000.0 / inputs.stockMolar : inputs.titrant.molarMass);
    Trace(result, model, others.Plus(acid, 1.0), Of(systems, inputs.titrant, inputs.total),
          std::max(1.0, kTitrationReach * share), xPerShare);
    result.target = {share * xPerShare, pH};
}

} // namespace

BufferCalculation BufferCalculation::Run(const BufferCatalogue& catalogue, const BufferInputs& inputs)
{
    BufferCalculation result;
    try {
        const BufferModel model(catalogue, inputs.celsius);
        result.recipe = inputs.method == BufferMethod::Pair
                            ? BufferRecipe::ForPair(model, inputs.acid, inputs.base, inputs.total, inputs.others,
                                                    inputs.pH)
                            : BufferRecipe::ForTitration(model, inputs.acid, inputs.total, inputs.titrant,
                                                         inputs.stockMolar, inputs.others, inputs.pH);
        result.warnings = result.recipe->Warnings();
        if (inputs.useCelsius) {
            const BufferModel use(catalogue, *inputs.useCelsius);
            const BufferSolution solution = use.Solve(result.recipe->Amounts());
            result.pHAtUse = solution.pH;
            for (std::string& warning : BufferWarnings::ForSolution(use, solution)) {
                if (std::find(result.warnings.begin(), result.warnings.end(), warning) == result.warnings.end())
                    result.warnings.push_back(std::move(warning));
            }
        }
        Curve(result, model, inputs);
    } catch (const BufferError& error) {
        result = BufferCalculation();
        result.refusal = error.what();
    }
    return result;
}

} // namespace solvo
