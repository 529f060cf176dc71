#pragma once

#include "pattern/Pattern.h"

#include <chrono>
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

/// One listed substance: the text shown and the database index it stands
/// for. The text lives in the SubstanceOrder the row was listed from.
struct SubstanceListRow {
    std::int32_t index = 0;
    std::string_view text;
};

/// Every substance of a database in the order of the list by one field: by
/// the shown text compared byte by byte without regard to case
/// (LetterCase), equal texts in database order. Sorting is most of the cost
/// of listing a large database, so an order is made once and serves every
/// filter while the database is unchanged; it keeps its own copy of the
/// texts, side by side in list order, so that filtering reads them in one
/// sweep.
class SubstanceOrder {
public:
    SubstanceOrder() = default;
    SubstanceOrder(const SolvoSubstanceDatabase& database, FilterField field);

    /// Whether this is the order of database as it is now, by field.
    bool Fits(const SolvoSubstanceDatabase& database, FilterField field) const;

    std::size_t Size() const { return entries_.size(); }
    SubstanceListRow Row(std::size_t position) const
    {
        const Entry& entry = entries_[position];
        return {entry.index, std::string_view(texts_).substr(entry.offset, entry.length)};
    }

private:
    struct Entry {
        std::int32_t index;
        std::size_t offset;
        std::size_t length;
    };

    std::uint64_t revision_ = 0;
    FilterField field_ = FilterField::Name;
    std::string texts_;
    std::vector<Entry> entries_;
};

/// The rules by which the substance database is listed: each substance is
/// shown by its name or its formula (the field of the SubstanceOrder); the
/// filter text "." or an empty one lists every substance, any other is a
/// pattern (see Pattern) that must match somewhere in the shown text, and a
/// pattern that cannot be compiled lists nothing. The filter text is
/// compiled once, when the filter is made.
class SubstanceFilter {
public:
    explicit SubstanceFilter(std::string_view filterText);

    /// Why the filter text is not a pattern; empty when it is.
    const std::optional<PatternError>& Error() const { return pattern_.Error(); }

    /// The substances of order whose text passes, in that order; the rows'
    /// texts live as long as order. Empty when the pattern could not be
    /// compiled.
    std::vector<SubstanceListRow> List(const SubstanceOrder& order) const;

    /// Whether one text passes: false when the pattern could not be compiled.
    bool Passes(std::string_view text) const;

    /// Lists on from position of order, appending to rows, until the order
    /// ends or the clock has passed deadline, which is read every few names
    /// so that a slow pattern over many names can be listed a slice at a
    /// time. Returns the position to go on from: order.Size() when done.
    std::size_t ListFrom(const SubstanceOrder& order, std::size_t position,
                         std::vector<SubstanceListRow>& rows,
                         std::chrono::steady_clock::time_point deadline) const;

private:
    bool listsAll_;
    Pattern pattern_;
};

} // namespace solvo
