#include "solution/SourceList.h"

#include <algorithm>
#include <array>

namespace solvo {

namespace {

constexpr std::array<std::string_view, 4> kKindNames = {"above substance", "other substance",
                                                       "stock solution", "other solution"};

std::int32_t PositionOf(const std::vector<std::string>& items, std::string_view text)
{
    const auto found = std::find(items.begin(), items.end(), text);
    return found == items.end() ? -1 : static_cast<std::int32_t>(found - items.begin());
}

} // namespace

std::string_view SourceList::KindName(SourceKind kind)
{
    const auto code = static_cast<std::int32_t>(kind);
    if (code < 0 || code >= static_cast<std::int32_t>(kKindNames.size()))
        return {};
    return kKindNames[static_cast<std::size_t>(code)];
}

std::vector<std::string> SourceList::Items(const SolvoSubstance& component, bool withAlternatives)
{
    std::vector<std::string> items;
    if (!component.NoSolid()) {
        items.emplace_back(KindName(SourceKind::AboveSubstance));
        items.emplace_back(KindName(SourceKind::OtherSubstance));
    }
    if (component.UseStockSolution())
        items.emplace_back(KindName(SourceKind::StockSolution));
    items.emplace_back(KindName(SourceKind::OtherSolution));
    if (withAlternatives && !component.NoSolid())
        items.insert(items.end(), component.Alternatives().begin(), component.Alternatives().end());
    return items;
}

std::int32_t SourceList::Selection(const SolvoSubstance& component, const std::vector<std::string>& items)
{
    const auto code = static_cast<std::int32_t>(component.Source());
    if (code < 0)
        return -1;
    if (code < static_cast<std::int32_t>(SourceKind::FirstAlternative))
        return PositionOf(items, KindName(component.Source()));
    // An alternative sits at its own position after the names, whatever its
    // text: two alternatives may read alike.
    const auto alternative = static_cast<std::size_t>(code - static_cast<std::int32_t>(SourceKind::FirstAlternative));
    const std::size_t alternatives = component.Alternatives().size();
    if (alternative >= alternatives || items.size() < alternatives)
        return -1;
    const std::size_t position = items.size() - alternatives + alternative;
    if (items[position] != component.Alternatives()[alternative])
        return -1;
    return static_cast<std::int32_t>(position);
}

std::optional<SourceKind> SourceList::KindOfItem(const SolvoSubstance& component, std::string_view text)
{
    const auto name = std::find(kKindNames.begin(), kKindNames.end(), text);
    if (name != kKindNames.end())
        return static_cast<SourceKind>(name - kKindNames.begin());
    const std::int32_t alternative = PositionOf(component.Alternatives(), text);
    if (alternative < 0)
        return std::nullopt;
    return AlternativeSource(alternative);
}

} // namespace solvo
