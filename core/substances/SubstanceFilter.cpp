#include "substances/SubstanceFilter.h"

#include "pattern/LetterCase.h"
#include "substances/SolvoSubstanceDatabase.h"

#include <algorithm>
#include <numeric>
#include <string>

namespace solvo {

SubstanceFilter::SubstanceFilter(std::string_view filterText)
    : listsAll_(filterText.empty() || filterText == "."), pattern_(Pattern::Compile(filterText))
{
}

namespace {

// Names between two looks at the clock: few enough that a slow pattern
// overruns a slice by little, many enough that reading the clock costs
// nothing beside the matching.
constexpr std::size_t kNamesBetweenClockReads = 64;

} // namespace

std::vector<SubstanceListRow> SubstanceFilter::List(const SubstanceOrder& order) const
{
    std::vector<SubstanceListRow> rows;
    ListFrom(order, 0, rows, std::chrono::steady_clock::time_point::max());
    return rows;
}

std::size_t SubstanceFilter::ListFrom(const SubstanceOrder& order, std::size_t position,
                                      std::vector<SubstanceListRow>& rows,
                                      std::chrono::steady_clock::time_point deadline) const
{
    if (Error())
        return order.Size();
    if (listsAll_)
        rows.reserve(order.Size());
    PatternSearcher searcher(pattern_);
    // Every slice lists some names, however late it starts.
    const std::size_t start = position;
    for (; position < order.Size(); ++position) {
        if (position > start && (position - start) % kNamesBetweenClockReads == 0 &&
            std::chrono::steady_clock::now() > deadline)
            break;
        const SubstanceListRow row = order.Row(position);
        if (listsAll_ || searcher.Search(row.text))
            rows.push_back(row);
    }
    return position;
}

bool SubstanceFilter::Passes(std::string_view text) const
{
    return !Error() && (listsAll_ || pattern_.Search(text));
}

SubstanceOrder::SubstanceOrder(const SolvoSubstanceDatabase& database, FilterField field)
    : revision_(database.Revision()), field_(field)
{
    const auto count = static_cast<std::size_t>(database.GetSubstanceCount());
    std::vector<std::string_view> shown(count);
    for (std::size_t k = 0; k < count; ++k) {
        const SolvoSubstance& substance = database.GetSubstance(static_cast<std::int32_t>(k));
        shown[k] = field == FilterField::Name ? substance.Name() : substance.Formula();
    }

    // Sorting compares each text many times: lowering every text once and
    // comparing the lowered bytes gives the same order much faster.
    std::vector<std::string> keys(count);
    for (std::size_t k = 0; k < count; ++k) {
        keys[k].resize(shown[k].size());
        std::transform(shown[k].begin(), shown[k].end(), keys[k].begin(), [](char c) {
            return static_cast<char>(LetterCase::Lower(static_cast<unsigned char>(c)));
        });
    }
    std::vector<std::int32_t> indexes(count);
    std::iota(indexes.begin(), indexes.end(), 0);
    std::stable_sort(indexes.begin(), indexes.end(), [&keys](std::int32_t a, std::int32_t b) {
        return keys[static_cast<std::size_t>(a)] < keys[static_cast<std::size_t>(b)];
    });

    std::size_t total = 0;
    for (const std::string_view text : shown)
        total += text.size();
    texts_.reserve(total);
    entries_.reserve(count);
    for (const std::int32_t index : indexes) {
        const std::string_view text = shown[static_cast<std::size_t>(index)];
        entries_.push_back({index, texts_.size(), text.size()});
        texts_ += text;
    }
}

bool SubstanceOrder::Fits(const SolvoSubstanceDatabase& database, FilterField field) const
{
    return revision_ == database.Revision() && field_ == field;
}

} // namespace solvo
