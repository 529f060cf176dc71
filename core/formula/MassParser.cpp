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

// The count that the number at pos gives, as CompositionParser::ToCount of
// CompositionParser::ReadNumber would; pos moves past it. Plain short runs of
// digits, which are nearly every count, are read here; anything else is left
// to ReadNumber's rules.
std::int64_t ReadCount(std::string_view text, std::size_t& pos)
{
    constexpr std::size_t kPlainDigits = 9;
    std::size_t end = pos;
    std::int64_t value = 0;
    while (end < text.size() && end - pos < kPlainDigits && IsDigit(text[end]))
        value = value * 10 + (text[end++] - '0');
    const char next = end < text.size() ? text[end] : '\0';
    if (!IsDigit(next) && next != '.' && next != 'e' && next != 'E' && next != 'x' && next != 'X') {
        pos = end;
        return value;
    }
    const auto [number, length] = CompositionParser::ReadNumber(text.substr(pos));
    pos += length;
    return CompositionParser::ToCount(number);
}

} // namespace

std::optional<double> MassParser::MolarMass(const ElementTable& table, std::string_view source)
{
    if (!table.AllMassesFinite())
        return std::nullopt;
    Outcome outcome = Read(table, source);
    if (outcome == Outcome::SubscriptMark) {
        // Subscript marks only shape the display; counting ignores them.
        // The text is copied without them only once one is met, which ends
        // the first reading there.
        stripped_.clear();
        std::copy_if(source.begin(), source.end(), std::back_inserter(stripped_),
                     [](char c) { return c != '_'; });
        outcome = Read(table, stripped_);
    }
    if (outcome != Outcome::Read)
        return std::nullopt;
    return Weigh(table);
}

MassParser::Outcome MassParser::Read(const ElementTable& table, std::string_view text)
{
    terms_.clear();
    groups_.clear();
    std::size_t pos = 0;
    if (!text.empty() && IsDigit(text.front()))
        ReadCount(text, pos);
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
                return Outcome::Refused;
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
                    return Outcome::Refused;
                groups_.push_back(terms_.size());
                scaleFrom = std::string_view::npos;
                ++pos;
            }
            break;
        case '0': case '1': case '2': case '3': case '4':
        case '5': case '6': case '7': case '8': case '9': {
            const std::int64_t factor = ReadCount(text, pos);
            if (scaleFrom == std::string_view::npos || factor < 1 || factor > kLargestFactor)
                return Outcome::Refused;
            for (std::size_t k = scaleFrom; k < terms_.size(); ++k) {
                terms_[k].second *= factor;
                if (terms_[k].second > kLargestCount)
                    return Outcome::Refused;
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
                return Outcome::Refused;
            ++pos;
            scaleFrom = std::string_view::npos;
            if (pos < text.size() && IsDigit(text[pos])) {
                const std::int64_t factor = ReadCount(text, pos);
                if (factor < 1 || factor > kLargestFactor)
                    return Outcome::Refused;
                hydrateFactor *= factor;
                // Past the int32 range every later count would be too, and
                // four parts' factors could leave the int64 range.
                if (hydrateFactor > kLargestCount)
                    return Outcome::Refused;
            }
            break;
        }
        case '{':
        case '}':
            ++pos;
            break;
        case '^':
            return Outcome::Refused;
        case '_':
            return Outcome::SubscriptMark;
        default: {
            const SymbolMatch match = table.MatchLongestSymbol(text.substr(pos));
            if (match.index < 0 || match.index == ElementTable::kElectron)
                return Outcome::Refused;
            scaleFrom = terms_.size();
            terms_.emplace_back(match.index, hydrateFactor);
            pos += static_cast<std::size_t>(match.length);
        }
        }
    }
    return Outcome::Read;
}

// The mass of the terms' sums per entry, weighed in entry order; none when
// a sum leaves the int32 range.
std::optional<double> MassParser::Weigh(const ElementTable& table)
{
    // Sorted by entry, the terms of one entry sit together.
    std::sort(terms_.begin(), terms_.end(),
              [](const Term& a, const Term& b) { return a.first < b.first; });
    const std::vector<Element>& entries = table.Slots();
    double total = 0.0;
    for (std::size_t k = 0; k < terms_.size();) {
        const std::int32_t index = terms_[k].first;
        std::int64_t sum = 0;
        for (; k < terms_.size() && terms_[k].first == index; ++k)
            sum += terms_[k].second;
        if (sum > kLargestCount)
            return std::nullopt;
        total += static_cast<std::int32_t>(sum) * entries[static_cast<std::size_t>(index)].molarMass;
    }
    return total;
}

} // namespace solvo
