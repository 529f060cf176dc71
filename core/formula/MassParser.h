#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace solvo {

class ElementTable;

/// The molar mass of a formula text in one pass, for the formulas that
/// nearly every substance has: symbols with counts, brackets with counts,
/// state marks, braces, subscript marks and water of crystallisation at the
/// outer level. Each symbol's count is kept as it is read (a bracket's count
/// scales its stretch of them in place, nothing is merged), and the counts
/// are summed per table entry at the end and weighed in entry order, as
/// CompositionParser's result is, so the mass is the same to the bit.
/// Anything else (charges, a count with nothing to multiply, a count of 0,
/// unknown symbols, counts near the int32 limit, deep nesting, a table with
/// masses that are not finite) gives no result: the caller counts it with
/// CompositionParser, whose rules cover every text.
class MassParser {
public:
    /// g/mol of source (the formula text with its markup), or none.
    std::optional<double> MolarMass(const ElementTable& table, std::string_view source);

private:
    using Term = std::pair<std::int32_t, std::int64_t>; // (entry index, count)

    enum class Outcome { Read, Refused, SubscriptMark };

    Outcome Read(const ElementTable& table, std::string_view text);
    std::optional<double> Weigh(const ElementTable& table);

    std::string stripped_;
    std::vector<Term> terms_;
    std::vector<std::size_t> groups_; // where each open bracket's terms start
};

} // namespace solvo
