#include "solution/SourceMultiple.h"

#include "formula/ChemicalFormula.h"
#include "formula/ElementTable.h"
#include "substances/SolvoSubstance.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

namespace solvo {

namespace {

using Counts = std::vector<std::int64_t>;

// Moieties made of moieties are spelled out this many levels deep; a
// moiety whose text names itself stops here too.
constexpr int kSpellingDepth = 8;
// Counts stay within what a formula can hold, so products cannot overflow.
constexpr std::int64_t kCountLimit = std::numeric_limits<std::int32_t>::max();

// The counts of a formula without its charge; none when it gives none.
std::optional<Counts> CountsOf(const ElementTable& elements, std::string_view text)
{
    const ChemicalFormula formula(elements, text);
    const Composition composition = formula.FormulaComposition();
    if (formula.Failed())
        return std::nullopt;
    Counts counts(composition.begin(), composition.end());
    counts[static_cast<std::size_t>(ElementTable::kElectron)] = 0;
    if (std::none_of(counts.begin(), counts.end(), [](std::int64_t count) { return count > 0; }))
        return std::nullopt;
    return counts;
}

Counts SpelledOut(const ElementTable& elements, Counts counts)
{
    for (int depth = 0; depth < kSpellingDepth; ++depth) {
        bool spelled = false;
        for (std::int32_t index = ElementTable::kBuiltInCount; index < elements.Count(); ++index) {
            std::int64_t& times = counts[static_cast<std::size_t>(index)];
            const std::optional<Counts> parts =
                times > 0 ? CountsOf(elements, elements.Entry(index).composition) : std::nullopt;
            if (!parts)
                continue;
            const std::int64_t moieties = times;
            times = 0;
            for (std::size_t entry = 0; entry < counts.size(); ++entry)
                counts[entry] = std::min(kCountLimit, counts[entry] + moieties * (*parts)[entry]);
            spelled = true;
        }
        if (!spelled)
            break;
    }
    return counts;
}

std::int64_t Multiple(const Counts& whole, const Counts& part)
{
    std::int64_t multiple = kCountLimit;
    for (std::size_t entry = 0; entry < part.size(); ++entry)
        if (part[entry] > 0)
            multiple = std::min(multiple, std::max<std::int64_t>(whole[entry], 0) / part[entry]);
    return multiple;
}

} // namespace

std::int32_t SourceMultiple(const SolvoSubstance& component, const ElementTable& elements)
{
    const SourceKind source = component.Source();
    if (source == SourceKind::AboveSubstance || source == SourceKind::StockSolution ||
        source == SourceKind::OtherSolution)
        return 1;
    const std::optional<Counts> part = CountsOf(elements, component.Formula());
    const std::optional<Counts> whole = CountsOf(elements, component.SourceFormula());
    if (!part || !whole)
        return 1;
    std::int64_t multiple = Multiple(*whole, *part);
    if (multiple == 0)
        multiple = Multiple(SpelledOut(elements, *whole), SpelledOut(elements, *part));
    return static_cast<std::int32_t>(multiple);
}

} // namespace solvo
