#include "substances/SubstanceImport.h"

#include "substances/SolvoSubstanceDatabase.h"

#include <optional>

namespace solvo {

namespace {

std::optional<std::int32_t> IndexOf(const SolvoSubstanceDatabase& database, const std::string& name)
{
    for (std::int32_t index = 0; index < database.GetSubstanceCount(); ++index) {
        if (database.GetSubstance(index).Name() == name)
            return index;
    }
    return std::nullopt;
}

} // namespace

std::vector<std::string> SubstanceImport::Clashes(const SolvoSubstanceDatabase& database,
                                                  const std::vector<SolvoSubstance>& substances)
{
    std::vector<std::string> names;
    for (const SolvoSubstance& substance : substances) {
        if (database.FindByName(substance.Name()))
            names.push_back(substance.Name());
    }
    return names;
}

ImportCounts SubstanceImport::Apply(SolvoSubstanceDatabase& database,
                                    const std::vector<SolvoSubstance>& substances)
{
    ImportCounts counts;
    for (const SolvoSubstance& substance : substances) {
        const std::optional<std::int32_t> index = IndexOf(database, substance.Name());
        if (!index) {
            database.AddSubstance(substance);
            ++counts.added;
            continue;
        }
        SolvoSubstance updated = database.GetSubstance(*index);
        updated.SetFormula(substance.Formula());
        updated.SetMolarMass(substance.MolarMass());
        updated.SetAlternatives(substance.Alternatives());
        updated.Table() = substance.Table();
        updated.ParseDensityTable();
        updated.SetConcentration(updated.GetConcentration(updated.Unit()), updated.Unit());
        database.ReplaceSubstance(*index, updated);
        ++counts.replaced;
    }
    return counts;
}

std::string SubstanceImport::Summary(const ImportCounts& counts)
{
    return std::to_string(counts.added) + (counts.added == 1 ? " substance" : " substances") +
           " added, " + std::to_string(counts.replaced) + " replaced";
}

} // namespace solvo
