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
    std::vector<SubstanceListRow> rows;
    for (std::int32_t index = 0; index < database.GetSubstanceCount(); ++index) {
        const SolvoSubstance& substance = database.GetSubstance(index);
        const std::string& text =
            field_ == FilterField::Name ? substance.Name() : substance.Formula();
        if (listsAll_ || pattern_.Search(text))
            rows.push_back({index, text});
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const SubstanceListRow& a, const SubstanceListRow& b) {
                         return LetterCase::LessIgnoringCase(a.text, b.text);
                     });
    return rows;
}

} // namespace solvo
