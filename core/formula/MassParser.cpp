#include "formula/MassParser.h"

#include "formula/CompositionParser.h"
#include "formula/ElementTable.h"

#include <algorithm>
#include <limits>

namespace solvo {

namespace {

constexpr unsigned char kMiddleDot = 0xB7;
constexpr std::int64_t kLargestCount = std::numeric_limits<std::int32_t>::max();
// Counts and nesting far beyond any real formula; past them the overflow
// rules of CompositionParser decide.
constexpr std::int64_t kLargestFactor = 1000000;
constexpr std::size_t kDeepestNesting = 6;
constexpr int kMostHydrateParts = 4;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<double> MassParser::MolarMass(const ElementTable& table, std::string_view source)
{
    if (!table.AllMassesFinite())
        return std::nullopt;
    // Subscript marks only shape the display; counting ignores them.
    std::string_view text = source;
    if (source.find('_') != std::string_view::npos) {
        stripped_.clear();
        std::copy_if(source.begin(), source.end(), std::back_inserter(stripped_),
                     [](char c) { return c != '_'; });
        text = stripped_;
    }
    if (!Read(table, text))
        return std::nullopt;
    return Weigh(table);
}

bool MassParser::Read(const ElementTable& table, std::string_view text)
{
    terms_.clear();
    groups_.clear();
    std::size_t pos = 0;
    if (!text.empty() && IsDigit(text.front()))
        pos = CompositionParser::ReadNumber(text).second;
    // What a count right here multiplies: the terms from scaleFrom on, or
    // nothing (npos).
    std::size_t scaleFrom = std::string_view::npos;
    std::int64_t hydrateFactor = 1;
    int hydrateParts = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        switch (c) {
        case ')':
        case ']':
            // A count after an empty bracket multiplies what came before it.
            if (groups_.empty() || groups_.back() == terms_.size())
                return false;
            scaleFrom = groups_.back();
            groups_.pop_back();
            ++pos;
            break;
        case '(':
        case '[':
            if (pos + 2 < text.size() && (text[pos + 1] == 'g' || text[pos + 1] == 's') &&
                text[pos + 2] == ')') {
                pos += 3; // a state mark such as "(s)" counts nothing
                scaleFrom = std::string_view::npos;
            } else {
                if (groups_.size() == kDeepestNesting)
                    return false;
                groups_.push_back(terms_.size());
                scaleFrom = std::string_view::npos;
                ++pos;
            }
            break;
        case '0': case '1': case '2': case '3': case '4':
        case '5': case '6': case '7': case '8': case '9': {
            const auto [value, length] = CompositionParser::ReadNumber(text.substr(pos));
            pos += length;
            const std::int64_t factor = CompositionParser::ToCount(value);
            if (scaleFrom == std::string_view::npos || factor < 1 || factor > kLargestFactor)
                return false;
            for (std::size_t k = scaleFrom; k < terms_.size(); ++k) {
                terms_[k].second *= factor;
                if (terms_[k].second > kLargestCount)
                    return false;
            }
            scaleFrom = std::string_view::npos;
            break;
        }
        case '&':
        case ',':
        case static_cast<char>(kMiddleDot): {
            // Each part of water of crystallisation nests in the one before,
            // so its count multiplies every count after it.
            if (!groups_.empty() || ++hydrateParts > kMostHydrateParts)
                return false;
            ++pos;
            scaleFrom = std::string_view::npos;
            if (pos < text.size() && IsDigit(text[pos])) {
                const auto [value, length] = CompositionParser::ReadNumber(text.substr(pos));
                pos += length;
                const std::int64_t factor = CompositionParser::ToCount(value);
                if (factor < 1 || factor > kLargestFactor)
                    return false;
                hydrateFactor *= factor;
            }
            break;
        }
        case '{':
        case '}':
            ++pos;
            break;
        case '^':
            return false;
        default: {
            const SymbolMatch match = table.MatchLongestSymbol(text.substr(pos));
            if (match.index < 0 || match.index == ElementTable::kElectron)
                return false;
            scaleFrom = terms_.size();
            terms_.emplace_back(match.index, hydrateFactor);
            pos += static_cast<std::size_t>(match.length);
        }
        }
    }
    return true;
}

// The mass of the terms' sums per entry, weighed in entry order; none when
// a sum leaves the int32 range.
std::optional<double> MassParser::Weigh(const ElementTable& table)
{
    if (counts_.size() != static_cast<std::size_t>(table.Count()))
        counts_.assign(static_cast<std::size_t>(table.Count()), 0);
    counted_.clear();
    for (const auto& [index, count] : terms_) {
        std::int64_t& sum = counts_[static_cast<std::size_t>(index)];
        if (sum == 0)
            counted_.push_back(index);
        sum += count;
    }
    std::sort(counted_.begin(), counted_.end());
    const std::vector<Element>& entries = table.Slots();
    double total = 0.0;
    bool fits = true;
    for (const std::int32_t index : counted_) {
        std::int64_t& sum = counts_[static_cast<std::size_t>(index)];
        fits = fits && sum <= kLargestCount;
        total += static_cast<std::int32_t>(sum) * entries[static_cast<std::size_t>(index)].molarMass;
        sum = 0;
    }
    if (!fits)
        return std::nullopt;
    return total;
}

} // namespace solvo
