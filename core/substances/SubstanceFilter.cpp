#include "substances/SubstanceFilter.h"

#include "pattern/LetterCase.h"
#include "substances/SolvoSubstanceDatabase.h"

#include <algorithm>

namespace solvo {

SubstanceFilter::SubstanceFilter(std::string_view filterText, FilterField field)
    : field_(field),
      listsAll_(filterText.empty() || filterText == "."),
      pattern_(Pattern::Compile(filterText))
{
}

std::vector<SubstanceListRow> SubstanceFilter::List(const SolvoSubstanceDatabase& database) const
{
    std::vector<const std::string*> passed;
    std::vector<std::int32_t> indexes;
    for (std::int32_t index = 0; index < database.GetSubstanceCount(); ++index) {
        const SolvoSubstance& substance = database.GetSubstance(index);
        const std::string& text =
            field_ == FilterField::Name ? substance.Name() : substance.Formula();
        if (listsAll_ || pattern_.Search(text)) {
            passed.push_back(&text);
            indexes.push_back(index);
        }
    }

    // Sorting compares each text many times: lowering every text once and
    // comparing the lowered bytes gives the same order much faster.
    std::vector<std::string> keys(passed.size());
    for (std::size_t k = 0; k < passed.size(); ++k) {
        keys[k].resize(passed[k]->size());
        std::transform(passed[k]->begin(), passed[k]->end(), keys[k].begin(), [](char c) {
            return static_cast<char>(LetterCase::Lower(static_cast<unsigned char>(c)));
        });
    }
    std::vector<std::size_t> order(passed.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        order[k] = k;
    std::stable_sort(order.begin(), order.end(),
                     [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });

    std::vector<SubstanceListRow> rows;
    rows.reserve(order.size());
    for (const std::size_t k : order)
        rows.push_back({indexes[k], *passed[k]});
    return rows;
}

} // namespace solvo
