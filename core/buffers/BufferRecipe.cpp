#include "buffers/BufferRecipe.h"

#include "buffers/BufferCatalogue.h"
#include "buffers/BufferError.h"
#include "buffers/BufferModel.h"
#include "buffers/BufferWarnings.h"
#include "quantities/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace solvo {

namespace {

constexpr std::int32_t kDigits = 4;
// A pH meter's resolution.
constexpr std::int32_t kPhDecimals = 2;

BufferAmounts AmountsOf(const BufferModel& model, const std::vector<BufferIngredient>& ingredients)
{
    BufferAmounts amounts(model.Catalogue().Systems().size());
    for (const BufferIngredient& ingredient : ingredients)
        amounts.Add(ingredient.form, ingredient.molPerL);
    return amounts;
}

BufferAmounts AmountsOf(const BufferModel& model, const BufferForm& form, double molPerL)
{
    return AmountsOf(model, {{form, molPerL, 0.0}});
}

std::string Quoted(const BufferForm& form)
{
    return "\"" + form.formula + "\"";
}

// The share t in [low, high] at which base + t·direction has the pH; the pH
// must lie between those of the two ends, which bound what can be made.
double ShareFor(const BufferModel& model, const BufferAmounts& base, const BufferAmounts& direction, double low,
                double high, double pH)
{
    const double atLow = model.Solve(base.Plus(direction, low)).pH;
    const double atHigh = model.Solve(base.Plus(direction, high)).pH;
    const double lowest = std::min(atLow, atHigh);
    const double highest = std::max(atLow, atHigh);
    // The ends are solved to 1e-12 pH; a target equal to one of them is reachable.
    constexpr double kSlack = 1e-9;
    if (!(pH >= lowest - kSlack && pH <= highest + kSlack))
        throw BufferError("pH " + FormatDefault(pH, kDigits) + " cannot be reached with these forms: they give pH " +
                          FormatDefault(lowest, kPhDecimals) + " to " + FormatDefault(highest, kPhDecimals) + ".");
    const double share = model.ShareAt(base, direction, pH);
    return std::isnan(share) ? low : std::clamp(share, low, high);
}

} // namespace

BufferRecipe::BufferRecipe(const BufferModel& model, std::vector<BufferIngredient> ingredients,
                           const std::vector<int>& systems, double pH)
    : ingredients_(std::move(ingredients)), amounts_(AmountsOf(model, ingredients_)),
      solution_(model.Solve(amounts_)), warnings_(BufferWarnings::ForSolution(model, solution_))
{
    std::vector<int> unique = systems;
    std::sort(unique.begin(), unique.end());
    unique.erase(std::unique(unique.begin(), unique.end()), unique.end());
    unique.erase(std::remove(unique.begin(), unique.end(), -1), unique.end());
    const auto far = BufferWarnings::ForTarget(model, unique, pH);
    warnings_.insert(warnings_.begin(), far.begin(), far.end());
}

BufferRecipe BufferRecipe::ForPair(const BufferModel& model, const BufferForm& acid, const BufferForm& base,
                                   double total, const std::vector<BufferIngredient>& others, double pH)
{
    if (acid.IsStrong() && base.IsStrong())
        throw BufferError(Quoted(acid) + " and " + Quoted(base) + " are no forms of a buffer system.");
    const BufferAmounts fixed = AmountsOf(model, others).Plus(AmountsOf(model, acid, total), 1.0);
    const BufferAmounts direction = AmountsOf(model, base, total).Plus(AmountsOf(model, acid, total), -1.0);
    const double share = ShareFor(model, fixed, direction, 0.0, 1.0, pH);
    std::vector<BufferIngredient> ingredients{{acid, (1.0 - share) * total, 0.0}, {base, share * total, 0.0}};
    ingredients.insert(ingredients.end(), others.begin(), others.end());
    return BufferRecipe(model, std::move(ingredients), {acid.system, base.system}, pH);
}

BufferRecipe BufferRecipe::ForTitration(const BufferModel& model, const BufferForm& form, double total,
                                        const BufferForm& titrant, double stockMolar,
                                        const std::vector<BufferIngredient>& others, double pH)
{
    if (form.IsStrong())
        throw BufferError(Quoted(form) + " is no form of a buffer system.");
    if (!titrant.IsStrong() || titrant.StrongCharge() == 0)
        throw BufferError(Quoted(titrant) + " is neither a strong acid nor a strong base.");
    if (!(stockMolar >= 0.0 && stockMolar <= BufferAmounts::kMostMolPerL))
        throw BufferError("A stock of " + FormatDefault(stockMolar, kDigits) + " mol/L " + Quoted(titrant) +
                          " cannot be made.");
    // At most a litre of stock goes into a litre of buffer.
    const double most = stockMolar > 0.0 ? stockMolar : BufferAmounts::kMostMolPerL;
    const BufferAmounts fixed = AmountsOf(model, others).Plus(AmountsOf(model, form, total), 1.0);
    const double amount = ShareFor(model, fixed, AmountsOf(model, titrant, 1.0), 0.0, most, pH);
    std::vector<BufferIngredient> ingredients{{form, total, 0.0}, {titrant, amount, stockMolar}};
    ingredients.insert(ingredients.end(), others.begin(), others.end());
    return BufferRecipe(model, std::move(ingredients), {form.system}, pH);
}

} // namespace solvo
