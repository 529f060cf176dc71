// Any bytes given as a CSV file of substances are read all or nothing: no
// crash, and whatever is read writes and reads back as the same substances.
#include "formula/ElementTable.h"
#include "substances/SolvoSubstanceDatabase.h"
#include "substances/SubstanceCsv.h"
#include "substances/SubstanceImport.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const solvo::ElementTable table = [] {
        solvo::ElementTable built;
        built.LoadDefaults();
        return built;
    }();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const solvo::SubstanceCsvResult read = solvo::SubstanceCsv::Read(bytes, table);
    if (!read.error.empty())
        return 0;
    solvo::SolvoSubstanceDatabase database;
    solvo::SubstanceImport::Apply(database, read.substances);
    const std::string written = solvo::SubstanceCsv::Write(database);
    const solvo::SubstanceCsvResult again = solvo::SubstanceCsv::Read(written, table);
    if (!again.error.empty() || again.substances.size() != read.substances.size())
        std::abort();
    return 0;
}
