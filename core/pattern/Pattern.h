#pragma once

#include "pattern/PatternError.h"
#include "pattern/PatternProgram.h"

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace solvo {

/// A compiled search pattern over 8-bit text.
///
/// Syntax: a byte matches itself; "." matches any byte; "[...]" matches one
/// byte of a set with ranges such as "a-z", "^" first for the complement and
/// "]" first as a member; "(" and ")" group; "|" separates alternatives;
/// "*", "+" and "?" after a part repeat it zero or more times, once or more,
/// or make it optional; "\i" after a part lets its uppercase letters also
/// match their lowercase forms; "\" makes the next character ordinary, and
/// \t, \n, \r, \a, \b, \v and \xHH stand for control codes, also inside
/// sets; "$" followed by a letter names a predefined pattern, of which there
/// are none, so such a name does not compile ("$" before anything else is
/// ordinary). Matching is case-sensitive otherwise.
///
/// Searching takes time proportional to the text's length times the
/// pattern's, whatever the pattern, and compiling takes time and memory
/// proportional to the pattern's length, whatever its nesting.
class Pattern {
public:
    /// Patterns longer than this many bytes are refused, which bounds the
    /// memory of compiling and searching.
    static constexpr std::size_t kMaxLength = std::size_t{1} << 20;

    /// Compiles text. A pattern that cannot be compiled gives a Pattern whose
    /// Error() says why and that matches nothing; nothing is thrown but
    /// std::bad_alloc.
    static Pattern Compile(std::string_view text);

    /// Why the pattern could not be compiled; empty when it was.
    const std::optional<PatternError>& Error() const { return error_; }

    /// Whether the pattern matches some part of text, the empty part at
    /// either end included (so the empty pattern matches every text).
    /// Always false for a pattern that could not be compiled. To search many
    /// texts, a PatternSearcher saves setting up each search.
    bool Search(std::string_view text) const;

private:
    friend class PatternSearcher;

    Pattern() = default;

    PatternProgram program_;
    std::optional<PatternError> error_;
    std::bitset<256> firstBytes_;
    bool matchesEmpty_ = false;
    // A pattern that stands for one fixed run of bytes is searched for as
    // such, much faster than by following the automaton.
    std::optional<std::string> literal_;
};

/// Searches texts for one pattern, keeping the working memory of a search
/// from one text to the next. The pattern must outlive the searcher.
class PatternSearcher {
public:
    explicit PatternSearcher(const Pattern& pattern) : pattern_(pattern) {}

    /// As Pattern::Search.
    bool Search(std::string_view text);

private:
    friend class Pattern;

    // The bytes with which a match can begin; whether the empty text matches.
    std::bitset<256> FirstBytes(bool& matchesEmpty);
    bool Simulate(std::string_view text);
    bool Enter(std::uint32_t index, std::vector<std::uint32_t>& list);

    const Pattern& pattern_;
    std::vector<std::uint64_t> seen_;
    std::uint64_t generation_ = 1;
    std::vector<std::uint32_t> current_;
    std::vector<std::uint32_t> next_;
    std::vector<std::uint32_t> pending_;
};

} // namespace solvo
