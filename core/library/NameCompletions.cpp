#include "library/NameCompletions.h"

#include "library/ReagentLibrary.h"
#include "substances/SolvoSubstanceDatabase.h"
#include "substances/SubstanceFilter.h"

namespace solvo {

std::vector<NameCompletion> NameCompletions::List(const SolvoSubstanceDatabase& database)
{
    std::vector<NameCompletion> completions;
    const SubstanceOrder order(database, FilterField::Name);
    for (std::size_t position = 0; position < order.Size(); ++position) {
        const std::string name(order.Row(position).text);
        completions.push_back({name, name, nullptr});
    }
    for (const LibraryRecord* record : ReagentLibrary::List(SubstanceFilter("")))
        completions.push_back({record->name, std::string(record->name) + " (library)", record});
    return completions;
}

std::optional<SolvoSubstance> NameCompletions::Substance(const NameCompletion& completion,
                                                         const SolvoSubstanceDatabase& database,
                                                         const ElementTable& elements)
{
    if (completion.library)
        return ReagentLibrary::ToSubstance(*completion.library, elements);
    if (const SolvoSubstance* substance = database.FindByName(completion.name))
        return *substance;
    return std::nullopt;
}

} // namespace solvo
