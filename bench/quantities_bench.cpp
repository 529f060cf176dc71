// Concentration conversions and number round trips per second: every unit
// set on a component with a 100-row density table, and typed numbers read
// with ParseNumber and shown again with FormatSignificant.
#include "quantities/ConcentrationSet.h"
#include "quantities/NumberFormat.h"
#include "quantities/ParseNumber.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

namespace {

using solvo::ConcentrationUnit;

solvo::ConcentrationSet ComponentWithTable()
{
    solvo::ConcentrationSet set;
    set.SetMolarMass(98.079);
    std::string text;
    for (int row = 0; row < 100; ++row)
        text += std::to_string(row) + " " + std::to_string(1.0 + 0.0084 * row) + "\r\n";
    set.Table().SetNoTable(false);
    set.Table().SetText(text);
    set.ParseDensityTable();
    return set;
}

void SetConcentrationWithTable(benchmark::State& state)
{
    solvo::ConcentrationSet set = ComponentWithTable();
    const auto unit = static_cast<ConcentrationUnit>(state.range(0));
    const std::array<double, 8> values = {5.0, 5000.0, 5.0, 40.0, 400000.0, 50.0, 0.1, 1.3};
    const double value = values[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) {
        set.SetConcentration(value, unit);
        benchmark::DoNotOptimize(set.GetConcentration(ConcentrationUnit::Molar));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(SetConcentrationWithTable)->DenseRange(0, 7);

void ParseAndFormatRoundTrip(benchmark::State& state)
{
    const std::vector<std::string> typed = {"1,5",     "0.00120", "12346",  "2.50",   "-123",
                                            "6.022e23", "999.9",   "0.05",   "1e-3",   "120.50"};
    for (auto _ : state) {
        for (const std::string& text : typed) {
            const solvo::ParsedNumber parsed = solvo::ParseNumber(text);
            const std::int32_t digits = solvo::CountSignificantDigits(parsed.normalized);
            benchmark::DoNotOptimize(solvo::FormatSignificant(parsed.value, digits, 4));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(typed.size()));
}
BENCHMARK(ParseAndFormatRoundTrip);

} // namespace

BENCHMARK_MAIN();
