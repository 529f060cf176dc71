#pragma once

#include "pattern/PatternError.h"
#include "pattern/PatternProgram.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace solvo {

/// Turns the text of a pattern into the automaton that Pattern searches with.
/// It reads the text once from left to right and keeps the open groups on a
/// stack of its own, so no nesting can exhaust the call stack; every
/// character adds at most two states, and the end three more.
class PatternCompiler {
public:
    explicit PatternCompiler(std::string_view text) : text_(text) {}

    /// Builds the automaton into program, which should be empty. Returns why
    /// the text is not a pattern, leaving program incomplete; never throws
    /// but std::bad_alloc.
    std::optional<PatternError> Compile(PatternProgram& program);

private:
    // Part of an automaton: entered at start, left from exit, a state whose
    // successor is not linked yet.
    struct Fragment {
        std::uint32_t start = 0;
        std::uint32_t exit = 0;
    };

    // What is known of the group being read (the whole pattern at the bottom
    // of the stack). The last piece is kept apart from the sequence before it
    // because "*", "+", "?" and "\i" act on it alone. Each piece's states are
    // the newest ones, from its first state on.
    struct Group {
        std::size_t open = 0;
        std::uint32_t first = 0;
        std::optional<Fragment> sequence;
        std::optional<Fragment> piece;
        std::uint32_t pieceFirst = 0;
        std::vector<Fragment> alternatives;
    };

    std::uint32_t AddState(const PatternProgram::State& state);
    std::uint32_t StateCount() const;
    void Link(std::uint32_t from, std::uint32_t to);
    Fragment Empty();

    void AddAtom(Group& group, const PatternProgram::State& state);
    void AddPiece(Group& group, Fragment piece, std::uint32_t first);
    void FlushPiece(Group& group);
    Fragment EndBranch(Group& group);
    Fragment CloseGroup(Group& group);
    std::optional<PatternError> Repeat(Group& group, std::size_t at);
    std::optional<PatternError> FoldCase(Group& group, std::size_t at);
    void FoldStates(std::uint32_t from, std::uint32_t to);

    std::optional<PatternError> ReadSet(Group& group, std::size_t& at);
    std::optional<PatternError> ReadMember(std::size_t& at, unsigned char& byte) const;
    std::optional<PatternError> ReadEscape(std::size_t& at, unsigned char& byte) const;

    PatternError Fault(std::size_t at, std::size_t length, std::string_view complaint) const;

    std::string_view text_;
    PatternProgram* program_ = nullptr;
    // The state ranges already folded by "\i", in ascending order; a state
    // is folded once however many "\i" enclose it.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> folded_;
};

} // namespace solvo
