// Solving a 50-component solution and wording its recipe, as the recipe
// window does on every repaint (target: under 50 µs for both). The
// components mix every kind of step: solids, hydrates, standard solids,
// and stock and other solutions given in % w/w through a density table.
#include "formula/ElementTable.h"
#include "solution/CSolvoDoc.h"
#include "solution/CompositionSolver.h"
#include "solution/RecipeGenerator.h"
#include "solution/RecipeTemplate.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kComponents = 50;

solvo::SolvoSubstance Component(const solvo::ElementTable& elements, int index)
{
    solvo::SolvoSubstance component;
    component.SetName("component " + std::to_string(index));
    component.SetFormula(index % 2 ? "NaCl" : "MgCl_2");
    component.SetAlternatives({"MgCl_2&6H_2O"});
    component.UpdateMolarMass(elements);
    component.Table().SetText("0 0.998\r\n10 1.07\r\n20 1.15\r\n30 1.2");
    component.Table().SetNoTable(false);
    component.ParseDensityTable();
    component.SetConcentration(0.001 * (index + 1), solvo::ConcentrationUnit::Molar);
    component.SetConcentrationDigits(3);
    switch (index % 5) {
    case 0:
        component.SetSource(solvo::SourceKind::AboveSubstance);
        component.SetSourceFormula(component.Formula());
        break;
    case 1:
        component.SetSource(solvo::AlternativeSource(0));
        component.SetSourceFormula("MgCl_2&6H_2O");
        break;
    case 2:
        component.SetPrepareStandardSolution(true);
        component.SetExactWeight(solvo::CEditableDouble(0.1 + index * 0.01, 5));
        break;
    case 3:
        component.SetSource(solvo::SourceKind::StockSolution);
        component.SetStockConcentration(20.0);
        component.SetStockUnit(solvo::ConcentrationUnit::PercentWW);
        break;
    default:
        component.SetSource(solvo::SourceKind::OtherSolution);
        component.SetOtherConcentration(2.0);
        component.SetOtherUnit(solvo::ConcentrationUnit::Molar);
        break;
    }
    component.UpdateSourceMolarMass(elements);
    return component;
}

solvo::ElementTable DefaultElements()
{
    solvo::ElementTable elements;
    elements.LoadDefaults();
    return elements;
}

solvo::CSolvoDoc FiftyComponents(const solvo::ElementTable& elements)
{
    solvo::CSolvoDoc doc;
    for (int index = 0; index < kComponents; ++index) {
        if (index > 0)
            doc.AddComponent(solvo::SolvoSubstance());
        doc.GetComponent(index) = Component(elements, index);
    }
    doc.SetFinalVolume(1.0);
    doc.SetVolumeDigits(4);
    return doc;
}

void SolveAndWordRecipe(benchmark::State& state)
{
    const solvo::ElementTable elements = DefaultElements();
    const solvo::CSolvoDoc doc = FiftyComponents(elements);
    const solvo::RecipeTemplate recipeTemplate;
    solvo::RecipeOptions options;
    options.title = "fifty";
    options.date = std::chrono::year_month_day{std::chrono::year{2026}, std::chrono::December,
                                               std::chrono::day{10}};
    std::size_t lines = 0;
    for (auto _ : state) {
        const solvo::RecipePlan plan = solvo::SolveComposition(doc, elements);
        const std::vector<solvo::RecipeLine> recipe =
            solvo::GenerateRecipe(doc, plan, recipeTemplate, options);
        lines = recipe.size();
        benchmark::DoNotOptimize(recipe.data());
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(SolveAndWordRecipe)->Unit(benchmark::kMicrosecond);

void SolveOnly(benchmark::State& state)
{
    const solvo::ElementTable elements = DefaultElements();
    const solvo::CSolvoDoc doc = FiftyComponents(elements);
    for (auto _ : state) {
        const solvo::RecipePlan plan = solvo::SolveComposition(doc, elements);
        benchmark::DoNotOptimize(plan.steps.data());
    }
}
BENCHMARK(SolveOnly)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
