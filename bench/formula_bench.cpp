// Formulas parsed to composition and molar mass per second, over the shared
// corpus of realistic formulas (plain notation, brackets, hydrates, charges).
#include "formula/ChemicalFormula.h"
#include "formula/ElementTable.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const std::vector<std::string>& Corpus()
{
    static const std::vector<std::string> formulas = [] {
        std::ifstream file(SOLVO_FORMULA_CORPUS);
        if (!file)
            throw std::runtime_error("cannot read " SOLVO_FORMULA_CORPUS);
        std::vector<std::string> lines;
        for (std::string line; std::getline(file, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (!line.empty())
                lines.push_back(line);
        }
        return lines;
    }();
    return formulas;
}

solvo::ElementTable BuiltInTable()
{
    solvo::ElementTable table;
    table.LoadDefaults();
    return table;
}

// Sets every corpus formula in turn and asks one result of it.
template <typename Request>
void OverCorpus(benchmark::State& state, const solvo::ElementTable& table, Request request)
{
    const auto& formulas = Corpus();
    solvo::ChemicalFormula formula(table);
    for (auto _ : state) {
        for (const auto& text : formulas) {
            formula.SetText(text);
            benchmark::DoNotOptimize(request(formula));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(formulas.size()));
}

void MolarMassOfCorpus(benchmark::State& state)
{
    OverCorpus(state, BuiltInTable(), [](const auto& formula) { return formula.MolarMass(); });
}
BENCHMARK(MolarMassOfCorpus);

// The molar mass alone, from the text as a file or a caller holds it: what a
// substance's formula costs when it is read or its table changes.
void MolarMassOnlyOfCorpus(benchmark::State& state)
{
    const auto& formulas = Corpus();
    const solvo::ElementTable table = BuiltInTable();
    for (auto _ : state) {
        for (const auto& text : formulas)
            benchmark::DoNotOptimize(solvo::ChemicalFormula::MolarMassOf(table, text));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(formulas.size()));
}
BENCHMARK(MolarMassOnlyOfCorpus);

void CompositionOfCorpus(benchmark::State& state)
{
    OverCorpus(state, BuiltInTable(),
               [](const auto& formula) { return formula.FormulaComposition(); });
}
BENCHMARK(CompositionOfCorpus);

// The same work with many moieties in the table, which the symbol index
// must keep cheap.
void MolarMassWithMoieties(benchmark::State& state)
{
    solvo::ElementTable table = BuiltInTable();
    for (int i = 0; i < 200; ++i)
        table.AddEntry("Mo" + std::to_string(i), "", "", 100.0 + i, 1);
    OverCorpus(state, table, [](const auto& formula) { return formula.MolarMass(); });
}
BENCHMARK(MolarMassWithMoieties);

} // namespace

BENCHMARK_MAIN();
