#pragma once

#include "quantities/ConcentrationSet.h"
#include "quantities/ConcentrationUnit.h"
#include "quantities/UnitLabels.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace solvo {

/// A list of concentration units as a form offers them: the units and their
/// labels, in the order of kConcentrationUnits, some of them left out.
class UnitChoices {
public:
    /// Every unit, labelled with labels.
    void Fill(const UnitLabels& labels);
    /// Leaves unit out; nothing when it is not listed.
    void Remove(ConcentrationUnit unit);
    /// Lists unit again in its place, labelled with labels; nothing when it
    /// is listed or the list was never filled.
    void Insert(ConcentrationUnit unit, const UnitLabels& labels);
    /// Lists % v/v only when concentration can be given in it, that is with
    /// a density of the pure liquid.
    void OfferVolumePercent(const ConcentrationSet& concentration, const UnitLabels& labels);

    const std::vector<std::string>& Items() const { return items_; }
    /// The position of unit, −1 when it is not listed.
    std::int32_t IndexOf(ConcentrationUnit unit) const;
    /// The unit at a position; none outside the list.
    std::optional<ConcentrationUnit> UnitAt(std::int32_t index) const;

private:
    std::vector<ConcentrationUnit> units_;
    std::vector<std::string> items_;
};

} // namespace solvo
