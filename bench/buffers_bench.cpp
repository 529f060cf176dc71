// Buffer solves per second: the pH of a mixture (the charge balance with the
// ionic strength settled) must take at most 20 µs, a recipe for a target pH
// (the reachable range checked, the amounts found and solved again) at most
// 200 µs.
#include "buffers/BufferAmounts.h"
#include "buffers/BufferCatalogue.h"
#include "buffers/BufferFormReader.h"
#include "buffers/BufferModel.h"
#include "buffers/BufferRecipe.h"
#include "formula/ElementTable.h"

#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

namespace {

using solvo::BufferCatalogue;

struct Forms {
    Forms() { elements.LoadDefaults(); }
    solvo::BufferForm operator()(const char* formula) const { return reader.Read(formula); }

    solvo::ElementTable elements;
    solvo::BufferFormReader reader{elements, BufferCatalogue::BuiltIn()};
};

const std::vector<std::vector<std::pair<const char*, double>>> kMixtures = {
    {{"NaH2PO4", 0.019}, {"Na2HPO4", 0.081}},                   // sodium phosphate, pH 7.4
    {{"C6H8O7", 0.0485}, {"Na2HPO4", 0.103}},                   // citric acid with phosphate
    {{"C4H11NO3", 0.05}, {"HCl", 0.029}, {"NaCl", 0.15}},       // Tris-buffered saline
};

void MixturePh(benchmark::State& state)
{
    const Forms forms;
    const BufferCatalogue& catalogue = BufferCatalogue::BuiltIn();
    const solvo::BufferModel model(catalogue, 25.0);
    solvo::BufferAmounts amounts(catalogue.Systems().size());
    for (const auto& [formula, molPerL] : kMixtures[static_cast<std::size_t>(state.range(0))])
        amounts.Add(forms(formula), molPerL);
    for (auto _ : state)
        benchmark::DoNotOptimize(model.Solve(amounts).pH);
}
BENCHMARK(MixturePh)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void PairRecipe(benchmark::State& state)
{
    const Forms forms;
    const solvo::BufferModel model(BufferCatalogue::BuiltIn(), 25.0);
    const solvo::BufferForm acid = forms("NaH2PO4.H2O");
    const solvo::BufferForm base = forms("Na2HPO4.7H2O");
    for (auto _ : state)
        benchmark::DoNotOptimize(solvo::BufferRecipe::ForPair(model, acid, base, 0.1, {}, 7.4).Solution().pH);
}
BENCHMARK(PairRecipe)->Unit(benchmark::kMicrosecond);

void TitrationRecipe(benchmark::State& state)
{
    const Forms forms;
    const solvo::BufferModel model(BufferCatalogue::BuiltIn(), 25.0);
    const solvo::BufferForm tris = forms("C4H11NO3");
    const solvo::BufferForm acid = forms("HCl");
    const std::vector<solvo::BufferIngredient> salt = {{forms("NaCl"), 0.15, 0.0}};
    for (auto _ : state)
        benchmark::DoNotOptimize(
            solvo::BufferRecipe::ForTitration(model, tris, 0.05, acid, 1.0, salt, 8.0).Solution().pH);
}
BENCHMARK(TitrationRecipe)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
