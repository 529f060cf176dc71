// The substance database dialog on a database of 100,000 substances: opening
// it (listing and sorting every entry) and listing again after each
// keystroke in the filter, as the form model does it for the window.
#include "quantities/UnitLabels.h"
#include "formula/ElementTable.h"
#include "substances/SolvoSubstanceDatabase.h"
#include "substances/SubstanceDatabaseForm.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

constexpr std::int32_t kSubstances = 100000;

struct BigDatabase {
    solvo::ElementTable elements;
    solvo::SolvoSubstanceDatabase database;
    solvo::UnitLabels units = solvo::UnitLabels::Defaults();

    BigDatabase()
    {
        elements.LoadDefaults();
        database.LoadDefaultSubstances(elements);
        const solvo::SolvoSubstance model = database.GetSubstance(0);
        const char* const stems[] = {"sodium chloride", "magnesium sulfate", "hydrochloric acid",
                                     "Potassium nitrate", "acetic acid", "Tris base"};
        for (std::int32_t i = 0; database.GetSubstanceCount() < kSubstances; ++i) {
            solvo::SolvoSubstance substance = model;
            // Scattered numbers, so the list is not sorted already.
            substance.SetName(std::string(stems[i % 6]) + " " + std::to_string(i * 7919 % 100003));
            database.AddSubstance(substance);
        }
    }
};

BigDatabase& Shared()
{
    static BigDatabase big;
    return big;
}

void OpenDialog(benchmark::State& state)
{
    BigDatabase& big = Shared();
    for (auto _ : state) {
        solvo::SubstanceDatabaseForm form(big.database, big.elements, big.units, 4,
                                          solvo::DatabaseDialogMode::Browsing);
        form.Open();
        benchmark::DoNotOptimize(form.Rows().size());
    }
}
BENCHMARK(OpenDialog)->Unit(benchmark::kMillisecond);

void TypeFilterKeystroke(benchmark::State& state)
{
    BigDatabase& big = Shared();
    solvo::SubstanceDatabaseForm form(big.database, big.elements, big.units, 4,
                                      solvo::DatabaseDialogMode::Browsing);
    form.Open();
    const std::string typed = "(S)\\iodium 12";
    std::size_t length = 0;
    for (auto _ : state) {
        length = length % typed.size() + 1;
        form.Type(solvo::SubstanceDatabaseField::FilterText, typed.substr(0, length));
        benchmark::DoNotOptimize(form.Rows().size());
    }
}
BENCHMARK(TypeFilterKeystroke)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
