#pragma once

#include "pattern/Pattern.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace solvo {

class SolvoSubstanceDatabase;

/// Which text of a substance the database list shows and filters by.
enum class FilterField : std::int32_t {
    Name = 0,    ///< shown as "name"
    Formula = 1, ///< shown as "formula"
};

/// One listed substance: the text shown and the database index it stands for.
struct SubstanceListRow {
    std::int32_t index = 0;
    std::string text;
};

/// The rules by which the substance database is listed: each substance is
/// shown by its name or its formula; the filter text "." or an empty one
/// lists every substance, any other is a pattern (see Pattern) that must
/// match somewhere in the shown text, and a pattern that cannot be compiled
/// lists nothing. The filter text is compiled once, when the filter is made.
class SubstanceFilter {
public:
    SubstanceFilter(std::string_view filterText, FilterField field);

    /// Why the filter text is not a pattern; empty when it is.
    const std::optional<PatternError>& Error() const { return pattern_.Error(); }

    /// The substances that pass, sorted by the shown text compared byte by
    /// byte without regard to case (LetterCase), equal texts in database
    /// order. Empty when the pattern could not be compiled.
    std::vector<SubstanceListRow> List(const SolvoSubstanceDatabase& database) const;

private:
    FilterField field_;
    bool listsAll_;
    Pattern pattern_;
};

} // namespace solvo
