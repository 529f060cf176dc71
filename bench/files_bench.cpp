// Saving a large program database (100,000 substances, each with a 20-row
// density table) to its file, and reading and writing a 50-component
// solution in memory. Peak resident memory is reported too. Loading the
// database is database_bench's.
#include "BenchSupport.h"

#include "formula/ElementTable.h"
#include "solution/CSolvoDoc.h"
#include "substances/ArchiveFile.h"
#include "substances/DatabaseFile.h"
#include "substances/SolvoSubstanceDatabase.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <filesystem>
#include <string>

namespace {

using solvo::bench::TwentyRowTable;

constexpr int kSubstances = 100000;

const solvo::ElementTable& Elements()
{
    static const solvo::ElementTable table = [] {
        solvo::ElementTable built;
        built.LoadDefaults();
        return built;
    }();
    return table;
}

solvo::SolvoSubstance Substance(int index, const std::string& table)
{
    solvo::SolvoSubstance substance;
    substance.SetName("substance " + std::to_string(index));
    substance.SetFormula(index % 2 ? "Na_2B_4O_7" : "MgCl_2");
    substance.SetAlternatives({"MgCl_2&6H_2O"});
    substance.UpdateMolarMass(Elements());
    substance.Table().SetText(table);
    substance.Table().SetNoTable(false);
    substance.ParseDensityTable();
    return substance;
}

std::filesystem::path DatabasePath()
{
    return std::filesystem::temp_directory_path() / "solvo_files_bench.dat";
}

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void SaveLargeDatabase(benchmark::State& state)
{
    solvo::ElementTable elements = Elements();
    solvo::SolvoSubstanceDatabase database;
    const std::string table = TwentyRowTable();
    for (int i = 0; i < kSubstances; ++i)
        database.AddSubstance(Substance(i, table));
    for (auto _ : state) {
        const bool saved = solvo::WriteArchiveFile(DatabasePath(), [&](solvo::ArchiveWriter& writer) {
            solvo::DatabaseFile::Write(writer, "", elements, database);
        });
        if (!saved)
            state.SkipWithError("cannot save");
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(DatabasePath()));
    state.counters["peak_MiB"] = PeakMegabytes();
}
BENCHMARK(SaveLargeDatabase)->Unit(benchmark::kMillisecond)->Iterations(3);

void SolutionReadWrite(benchmark::State& state)
{
    solvo::CSolvoDoc doc;
    const std::string table = TwentyRowTable();
    doc.GetComponent(0) = Substance(0, table);
    for (int i = 1; i < 50; ++i)
        doc.AddComponent(Substance(i, table));
    doc.SetFinalVolume(0.5);
    for (auto _ : state) {
        const std::string bytes = doc.Write(Elements());
        solvo::CSolvoDoc read;
        benchmark::DoNotOptimize(read.Read(bytes, Elements()));
    }
}
BENCHMARK(SolutionReadWrite)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
