#include "library/ReagentLibrary.h"

#include "pattern/LetterCase.h"
#include "substances/SubstanceFilter.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace solvo {

namespace {

// Shortest text that reads back as the same double, as the handbook writes
// its figures.
std::string NumberText(double value)
{
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

} // namespace

const LibraryRecord* ReagentLibrary::Find(std::string_view name)
{
    const std::span<const LibraryRecord> records = LibraryRecords();
    for (const auto field : {&LibraryRecord::name, &LibraryRecord::synonym}) {
        const auto found = std::find_if(records.begin(), records.end(), [&](const LibraryRecord& record) {
            return *(record.*field) != '\0' && LetterCase::EqualIgnoringCase(record.*field, name);
        });
        if (found != records.end())
            return &*found;
    }
    return nullptr;
}

std::vector<const LibraryRecord*> ReagentLibrary::List(const SubstanceFilter& filter)
{
    std::vector<const LibraryRecord*> listed;
    for (const LibraryRecord& record : LibraryRecords()) {
        if (filter.Passes(record.name) || filter.Passes(record.synonym) ||
            filter.Passes(record.formula) || filter.Passes(record.cas))
            listed.push_back(&record);
    }
    std::stable_sort(listed.begin(), listed.end(), [](const LibraryRecord* a, const LibraryRecord* b) {
        return LetterCase::LessIgnoringCase(a->name, b->name);
    });
    return listed;
}

std::string ReagentLibrary::TableText(const LibraryRecord& record)
{
    std::string text = "0 " + NumberText(kWaterDensity);
    for (const LibraryRow& row : record.rows)
        text += "\r\n" + NumberText(row.w) + ' ' + NumberText(row.d);
    return text;
}

std::string ReagentLibrary::RangeText(const LibraryRecord& record)
{
    // En dash and degree sign in Windows-1252.
    return "0\x96" + NumberText(record.rows.back().w) + " % w/w, 20 \xB0" "C";
}

SolvoSubstance ReagentLibrary::ToSubstance(const LibraryRecord& record, const ElementTable& elements)
{
    SolvoSubstance substance;
    substance.SetName(record.name);
    substance.SetFormula(record.formula);
    if (*record.solid != '\0')
        substance.SetAlternatives({record.solid});
    substance.Table().SetText(TableText(record));
    substance.Table().SetKind(DensityTableKind::PercentWW);
    substance.Table().SetNoTable(false);
    substance.UpdateMolarMass(elements);
    substance.ParseDensityTable();
    substance.SetConcentration(0.0, ConcentrationUnit::Molar);
    return substance;
}

} // namespace solvo
