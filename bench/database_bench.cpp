// The program database as a lab's whole inventory: loading a database file
// of 1,000 to 1,000,000 substances as the program does at start-up, and
// opening the substance database dialog on one of 100,000 (checking the file
// for a change by another program, then listing and sorting every entry).
// Each benchmark writes its own file first, in a child process, so that the
// peak memory reported is the load's own.
#include "BenchSupport.h"

#include "app/CSolvoApp.h"
#include "app/DatabaseCommands.h"
#include "app/MemorySettingsStore.h"
#include "quantities/UnitLabels.h"
#include "substances/ArchiveFile.h"
#include "substances/DatabaseFile.h"
#include "substances/SubstanceDatabaseForm.h"

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

using solvo::bench::NoPrompts;
using solvo::bench::TwentyRowTable;

void WriteDatabase(const std::filesystem::path& path, std::int64_t count)
{
    solvo::ElementTable elements;
    elements.LoadDefaults();
    solvo::SolvoSubstanceDatabase database;
    solvo::SolvoSubstance substance;
    substance.Table().SetText(TwentyRowTable());
    substance.Table().SetNoTable(false);
    substance.SetAlternatives({"MgCl_2&6H_2O"});
    for (std::int64_t i = 0; i < count; ++i) {
        // Scattered numbers, so that the list is not sorted already.
        substance.SetName("substance " + std::to_string(i * 7919 % 1000003));
        substance.SetFormula(i % 2 ? "Na_2B_4O_7" : "MgCl_2");
        substance.UpdateMolarMass(elements);
        database.AddSubstance(substance);
    }
    solvo::WriteArchiveFile(path, [&](solvo::ArchiveWriter& writer) {
        solvo::DatabaseFile::Write(writer, "", elements, database);
    });
}

// A database file of count substances, written once per run by a child
// process and dated a minute back, as a file saved earlier is.
std::filesystem::path DatabaseOf(std::int64_t count)
{
    const auto path = std::filesystem::temp_directory_path() /
                      ("solvo_database_bench_" + std::to_string(count) + ".dat");
    const pid_t child = fork();
    if (child == 0) {
        WriteDatabase(path, count);
        std::_Exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    std::filesystem::last_write_time(
        path, std::filesystem::file_time_type::clock::now() - std::chrono::minutes(1));
    return path;
}

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

struct App {
    solvo::MemorySettingsStore store;
    solvo::CSolvoApp app{store, solvo::DataFolder(std::filesystem::temp_directory_path())};
    NoPrompts prompts;

    explicit App(const std::filesystem::path& path) { app.Settings().SetDatabasePath(path); }
};

void LoadDatabaseFile(benchmark::State& state)
{
    const auto path = DatabaseOf(state.range(0));
    for (auto _ : state) {
        auto loaded = std::make_unique<App>(path);
        if (!loaded->app.LoadDatabaseFile(path, loaded->prompts) ||
            loaded->app.Substances().GetSubstanceCount() != state.range(0))
            state.SkipWithError("cannot load");
        // Freeing the database is the program's exit, not its load. The
        // memory goes back to the system, so that every load faults its pages
        // in as the program's one load at start-up does.
        state.PauseTiming();
        loaded.reset();
        malloc_trim(0);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    const auto bytes = static_cast<double>(std::filesystem::file_size(path));
    state.counters["file_MiB"] = bytes / (1024.0 * 1024.0);
    state.counters["peak_per_file"] = PeakMegabytes() * 1024.0 * 1024.0 / bytes;
    std::filesystem::remove(path);
}
BENCHMARK(LoadDatabaseFile)
    ->Arg(1000)->Arg(10000)->Arg(100000)->Arg(1000000)
    ->Unit(benchmark::kMillisecond)->Iterations(3);

// What opening the dialog costs before any widget is made: the question
// whether the file changed on disk, and the sorted list.
void OpenDatabaseDialog(benchmark::State& state)
{
    const auto path = DatabaseOf(100000);
    App loaded(path);
    loaded.app.LoadDatabaseFile(path, loaded.prompts);
    const solvo::UnitLabels units = solvo::UnitLabels::Defaults();
    for (auto _ : state) {
        solvo::OfferDatabaseReload(loaded.app, loaded.prompts);
        solvo::SubstanceDatabaseForm form(loaded.app.Substances(), loaded.app.Elements(), units, 4,
                                          solvo::DatabaseDialogMode::Browsing);
        form.Open();
        benchmark::DoNotOptimize(form.Rows().size());
    }
    std::filesystem::remove(path);
}
BENCHMARK(OpenDatabaseDialog)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
