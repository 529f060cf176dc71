// The substance database dialog on a database of 100,000 substances: opening
// it (listing and sorting every entry) and listing again after each
// keystroke in the filter, as the form model does it for the window.
#include "quantities/UnitLabels.h"
#include "formula/ElementTable.h"
#include "substances/SolvoSubstanceDatabase.h"
#include "substances/SubstanceDatabaseForm.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
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

// A pattern that is slow on every name: the keystroke and each later slice
// of the listing hold the window; the time reported is the longest of
// them, the whole listing is a counter. On a busy machine the wall clock
// counts time the process waited too, so the longest slice's processor
// time is a counter as well.
void TypePathologicalFilterKeystroke(benchmark::State& state)
{
    BigDatabase& big = Shared();
    solvo::SubstanceDatabaseForm form(big.database, big.elements, big.units, 4,
                                      solvo::DatabaseDialogMode::Browsing);
    form.Open();
    const std::string patterns[] = {"((a|aa)+)+(a|a?)+c", "((a|aa)+)+(a|a?)+d"};
    std::size_t typed = 0;
    double slices = 0;
    double whole = 0;
    double longestCpu = 0;
    using Clock = std::chrono::steady_clock;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        Clock::duration longest = Clock::now() - start;
        const auto timed = [&](const auto& work) {
            const Clock::time_point begin = Clock::now();
            const std::clock_t cpu = std::clock();
            work();
            longest = std::max(longest, Clock::now() - begin);
            longestCpu = std::max(longestCpu, 1e3 * static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC);
            ++slices;
        };
        timed([&] { form.Type(solvo::SubstanceDatabaseField::FilterText, patterns[typed++ % 2]); });
        while (form.Filtering())
            timed([&] { form.ContinueFilter(); });
        whole += std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        state.SetIterationTime(std::chrono::duration<double>(longest).count());
        benchmark::DoNotOptimize(form.Rows().size());
    }
    state.counters["slices"] = benchmark::Counter(slices, benchmark::Counter::kAvgIterations);
    state.counters["whole_ms"] = benchmark::Counter(whole, benchmark::Counter::kAvgIterations);
    state.counters["longest_cpu_ms"] = longestCpu;
}
BENCHMARK(TypePathologicalFilterKeystroke)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

BENCHMARK_MAIN();
