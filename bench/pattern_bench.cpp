// Searches with patterns whose nested repeats make a backtracking matcher
// take exponential time; here the time grows with the text's length only.
// Also compiling a filter as typed, and filtering many substance names.
#include "pattern/Pattern.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

void NestedStarOnAs(benchmark::State& state)
{
    const solvo::Pattern pattern = solvo::Pattern::Compile("(a*)*b");
    const std::string text(static_cast<std::size_t>(state.range(0)), 'a');
    for (auto _ : state)
        benchmark::DoNotOptimize(pattern.Search(text));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(NestedStarOnAs)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void OverlappingAlternativesOnAs(benchmark::State& state)
{
    const solvo::Pattern pattern = solvo::Pattern::Compile("((a|aa)+)+(a|a?)+c");
    const std::string text(10000, 'a');
    for (auto _ : state)
        benchmark::DoNotOptimize(pattern.Search(text));
}
BENCHMARK(OverlappingAlternativesOnAs)->Unit(benchmark::kMicrosecond);

void CompileFilter(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(solvo::Pattern::Compile("(S)\\iod(ium|a)[^a-z]*(Cl|\\x42r)"));
}
BENCHMARK(CompileFilter);

// As the substance list filters: one searcher over every name.
void FilterManyNames(benchmark::State& state, const char* filter)
{
    const char* const stems[] = {"sodium chloride", "magnesium sulfate", "hydrochloric acid",
                                 "Potassium nitrate", "acetic acid", "Tris base"};
    std::vector<std::string> names;
    for (std::int64_t i = 0; i < state.range(0); ++i)
        names.push_back(std::string(stems[i % 6]) + " " + std::to_string(i));
    const solvo::Pattern pattern = solvo::Pattern::Compile(filter);
    solvo::PatternSearcher searcher(pattern);
    for (auto _ : state) {
        std::int64_t passed = 0;
        for (const std::string& name : names)
            passed += searcher.Search(name) ? 1 : 0;
        benchmark::DoNotOptimize(passed);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK_CAPTURE(FilterManyNames, Alternatives, "(S)\\iodium|(P)\\iotassium")
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FilterManyNames, FixedText, "sodium chloride 1")->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
