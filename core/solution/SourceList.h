#pragma once

#include "substances/SolvoSubstance.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace solvo {

/// The list from which the user chooses where a component comes from: the
/// names of the four source kinds and the substance's alternative formulas.
class SourceList {
public:
    /// "above substance", "other substance", "stock solution" or "other
    /// solution"; empty for the alternatives and any other code.
    static std::string_view KindName(SourceKind kind);

    /// The sources component may have: for a substance that cannot be
    /// weighed only its stock solution (when it has one) and another
    /// solution; otherwise the substance itself, another substance, the stock
    /// solution (when it has one), another solution and the alternatives.
    /// withAlternatives false leaves the alternatives out.
    static std::vector<std::string> Items(const SolvoSubstance& component, bool withAlternatives);

    /// The position of the item that stands for the component's source kind
    /// in items, −1 when none does.
    static std::int32_t Selection(const SolvoSubstance& component, const std::vector<std::string>& items);

    /// The source kind an item's text stands for: one of the four names, else
    /// the alternative formula it equals; none for any other text.
    static std::optional<SourceKind> KindOfItem(const SolvoSubstance& component, std::string_view text);
};

} // namespace solvo
