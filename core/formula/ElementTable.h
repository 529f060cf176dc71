#pragma once

#include "formula/Element.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace solvo {

/// The longest symbol found at the start of a text.
struct SymbolMatch {
    std::int32_t index = -1; ///< entry index, −1 when no symbol matched
    std::int32_t length = 1; ///< bytes of the matched symbol; 1 when none matched
};

/// The program's table of elements and moieties. An entry's index is its
/// identity: composition vectors are indexed by it. Index 0 is "e", 1 … 103
/// the elements by atomic number, moieties follow from 104.
///
/// Entries in use are 0 … Count() − 1. Deleting shifts later entries down and
/// leaves a stale copy in the last slot; such leftover slots are ignored by
/// everything but the database file writer (Slots()).
class ElementTable {
public:
    static constexpr std::int32_t kBuiltInCount = 104;
    static constexpr std::int32_t kElectron = 0;

    /// An empty table; LoadDefaults() fills it with the built-in entries.
    ElementTable();

    /// Replaces the content with the 104 built-in entries; not modified afterwards.
    void LoadDefaults();

    /// Exact, case-sensitive lookup; −1 when no entry in use has the symbol.
    std::int32_t FindSymbol(std::string_view symbol) const;

    /// The entry whose symbol is the longest prefix of text (byte comparison).
    SymbolMatch MatchLongestSymbol(std::string_view text) const;

    /// Adds an entry at index Count(), reusing a leftover slot when there is
    /// one. Returns the new index, or −1 and changes nothing when the symbol
    /// is already in use.
    std::int32_t AddEntry(std::string_view symbol, std::string_view composition,
                          std::string_view comment, double molarMass, std::int32_t decimals);

    /// Replaces all fields of the entry at index. Returns index, or −1 and
    /// changes nothing when another entry in use has the symbol or index is
    /// not in use.
    std::int32_t ModifyEntry(std::int32_t index, std::string_view symbol,
                             std::string_view composition, std::string_view comment,
                             double molarMass, std::int32_t decimals);

    /// Removes the entry at index and shifts the later ones down; an index
    /// not in use changes nothing.
    void DeleteEntry(std::int32_t index);

    std::int32_t Count() const { return count_; }

    /// The entry at index 0 … Count() − 1; throws std::out_of_range otherwise.
    const Element& Entry(std::int32_t index) const;

    /// Whether other holds the same entries in use, so that every formula
    /// reads the same with both; leftover slots do not count.
    bool SameEntries(const ElementTable& other) const;

    /// Every slot, including leftovers of deletions past Count().
    const std::vector<Element>& Slots() const { return entries_; }

    /// Replaces the whole content as read from the database file: the first
    /// count slots are in use, the rest are leftovers.
    void Assign(std::vector<Element> slots, std::int32_t count);

    bool IsModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    /// Whether the table block read from the database file ended as expected.
    bool IsComplete() const { return complete_; }
    void SetComplete(bool complete) { complete_ = complete; }

    /// True when every molar mass in use is finite; formulas may then skip
    /// zero counts when summing masses without changing the result.
    bool AllMassesFinite() const { return allMassesFinite_; }

private:
    void RebuildIndex();
    void IndexEntry(std::int32_t index);

    std::vector<Element> entries_;
    std::int32_t count_ = 0;
    bool modified_ = false;
    bool complete_ = false;
    bool allMassesFinite_ = true;

    // Transparent hashing lets lookups by string_view skip building a string.
    struct SymbolHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const
        {
            return std::hash<std::string_view>{}(text);
        }
    };
    std::unordered_map<std::string, std::int32_t, SymbolHash, std::equal_to<>> symbolIndex_;
    // Symbols of one and two bytes, which are nearly all of them, are found
    // by direct lookup; longer ones are tried first, longest first, among
    // those that share the first byte. Every result equals that of a scan of
    // the whole table.
    std::array<std::int32_t, 256> oneByte_{};
    // By first byte, -1 or where the 256 slots of its second bytes start
    // further on in the same vector.
    std::vector<std::int32_t> twoBytes_;
    std::array<std::vector<std::int32_t>, 256> longer_;
};

// Inline: reading a formula is mostly this.
inline SymbolMatch ElementTable::MatchLongestSymbol(std::string_view text) const
{
    if (text.empty())
        return {};
    const auto first = static_cast<unsigned char>(text[0]);
    for (const std::int32_t index : longer_[first]) {
        const std::string& symbol = entries_[static_cast<std::size_t>(index)].symbol;
        if (text.starts_with(symbol))
            return {index, static_cast<std::int32_t>(symbol.size())};
    }
    if (const std::int32_t page = twoBytes_[first]; page >= 0 && text.size() >= 2) {
        const auto second = static_cast<unsigned char>(text[1]);
        if (const std::int32_t index = twoBytes_[static_cast<std::size_t>(page) + second]; index >= 0)
            return {index, 2};
    }
    if (const std::int32_t index = oneByte_[first]; index >= 0)
        return {index, 1};
    return {};
}

} // namespace solvo
