#include "solution/UnitChoices.h"

#include <algorithm>

namespace solvo {

void UnitChoices::Fill(const UnitLabels& labels)
{
    units_.assign(kConcentrationUnits.begin(), kConcentrationUnits.end());
    items_.clear();
    for (const ConcentrationUnit unit : units_)
        items_.push_back(labels.Label(static_cast<std::int32_t>(unit)));
}

void UnitChoices::Remove(ConcentrationUnit unit)
{
    const std::int32_t index = IndexOf(unit);
    if (index < 0)
        return;
    units_.erase(units_.begin() + index);
    items_.erase(items_.begin() + index);
}

void UnitChoices::Insert(ConcentrationUnit unit, const UnitLabels& labels)
{
    if (units_.empty() || IndexOf(unit) >= 0)
        return;
    const auto position =
        std::find_if(units_.begin(), units_.end(),
                     [unit](ConcentrationUnit listed) {
                         return ConcentrationUnitIndex(listed) > ConcentrationUnitIndex(unit);
                     }) -
        units_.begin();
    units_.insert(units_.begin() + position, unit);
    items_.insert(items_.begin() + position, labels.Label(static_cast<std::int32_t>(unit)));
}

void UnitChoices::OfferVolumePercent(const ConcentrationSet& concentration, const UnitLabels& labels)
{
    if (concentration.Offers(ConcentrationUnit::PercentVV))
        Insert(ConcentrationUnit::PercentVV, labels);
    else
        Remove(ConcentrationUnit::PercentVV);
}

std::int32_t UnitChoices::IndexOf(ConcentrationUnit unit) const
{
    const auto found = std::find(units_.begin(), units_.end(), unit);
    return found == units_.end() ? -1 : static_cast<std::int32_t>(found - units_.begin());
}

std::optional<ConcentrationUnit> UnitChoices::UnitAt(std::int32_t index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= units_.size())
        return std::nullopt;
    return units_[static_cast<std::size_t>(index)];
}

} // namespace solvo
