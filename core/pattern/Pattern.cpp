#include "pattern/Pattern.h"

#include "pattern/PatternCompiler.h"

#include <utility>

namespace solvo {

namespace {

// The position of the first byte at or after at that is one of bytes, or the
// text's size.
std::size_t SkipToFirstByte(std::string_view text, std::size_t at, const std::bitset<256>& bytes)
{
    while (at < text.size() && !bytes.test(static_cast<unsigned char>(text[at])))
        ++at;
    return at;
}

// The run of bytes that program matches when it matches exactly one run of
// fixed bytes and nothing else, as most typed filters do.
std::optional<std::string> FixedRun(const PatternProgram& program)
{
    std::string run;
    std::uint32_t at = program.start;
    // Without a branch, no state is reached twice on the way to the end.
    for (std::size_t steps = 0; at != PatternProgram::kNoState && steps < program.states.size(); ++steps) {
        const PatternProgram::State& state = program.states[at];
        switch (state.kind) {
        case PatternProgram::Kind::Byte:
            if (state.byte != state.alsoByte)
                return std::nullopt;
            run += static_cast<char>(state.byte);
            break;
        case PatternProgram::Kind::Pass:
            break;
        case PatternProgram::Kind::Match:
            return run;
        case PatternProgram::Kind::Set:
        case PatternProgram::Kind::Any:
        case PatternProgram::Kind::Split:
            return std::nullopt;
        }
        at = state.out;
    }
    return std::nullopt;
}

} // namespace

Pattern Pattern::Compile(std::string_view text)
{
    Pattern pattern;
    if (text.size() > kMaxLength) {
        pattern.error_ = PatternError{kMaxLength, "The pattern is longer than " +
                                                      std::to_string(kMaxLength) + " characters."};
        return pattern;
    }
    pattern.error_ = PatternCompiler(text).Compile(pattern.program_);
    if (pattern.error_) {
        pattern.program_ = PatternProgram();
        return pattern;
    }
    pattern.firstBytes_ = PatternSearcher(pattern).FirstBytes(pattern.matchesEmpty_);
    pattern.literal_ = FixedRun(pattern.program_);
    return pattern;
}

bool Pattern::Search(std::string_view text) const
{
    return PatternSearcher(*this).Search(text);
}

bool PatternSearcher::Search(std::string_view text)
{
    if (pattern_.error_)
        return false;
    if (pattern_.matchesEmpty_)
        return true;
    if (pattern_.literal_)
        return text.find(*pattern_.literal_) != std::string_view::npos;
    // Most texts of a filtered list never start a match: they need no
    // simulation at all.
    const std::size_t first = SkipToFirstByte(text, 0, pattern_.firstBytes_);
    if (first == text.size())
        return false;
    return Simulate(text.substr(first));
}

std::bitset<256> PatternSearcher::FirstBytes(bool& matchesEmpty)
{
    const PatternProgram& program = pattern_.program_;
    seen_.assign(program.states.size(), 0);
    current_.clear();
    std::bitset<256> first;
    matchesEmpty = Enter(program.start, current_);
    for (const std::uint32_t index : current_) {
        const PatternProgram::State& state = program.states[index];
        if (state.kind == PatternProgram::Kind::Byte) {
            first.set(state.byte);
            first.set(state.alsoByte);
        } else if (state.kind == PatternProgram::Kind::Set) {
            first |= program.sets[state.set];
        } else {
            first.set();
        }
    }
    return first;
}

// Follows the automaton on all its paths at once: the set of states reached
// after each byte is kept without duplicates, so each byte costs at most one
// visit of every state and no input can make the search backtrack. Never
// called when the empty text matches. Where no match is under way, it skips
// to the next byte that can begin one.
bool PatternSearcher::Simulate(std::string_view text)
{
    const PatternProgram& program = pattern_.program_;
    if (seen_.size() != program.states.size()) {
        seen_.assign(program.states.size(), 0);
        current_.reserve(program.states.size());
        next_.reserve(program.states.size());
    }
    current_.clear();
    std::size_t at = 0;
    for (;;) {
        if (current_.empty()) {
            at = SkipToFirstByte(text, at, pattern_.firstBytes_);
            if (at == text.size())
                return false;
            ++generation_;
            Enter(program.start, current_);
        }
        ++generation_;
        next_.clear();
        const auto byte = static_cast<unsigned char>(text[at]);
        for (const std::uint32_t index : current_) {
            const PatternProgram::State& state = program.states[index];
            if (program.Accepts(state, byte) && Enter(state.out, next_))
                return true;
        }
        if (++at == text.size())
            return false;
        // Unanchored: a match may also begin after this byte.
        if (!next_.empty())
            Enter(program.start, next_);
        std::swap(current_, next_);
    }
}

// Adds the consuming states reachable from index without consuming anything
// to list; true when the final state is among them.
bool PatternSearcher::Enter(std::uint32_t index, std::vector<std::uint32_t>& list)
{
    const PatternProgram& program = pattern_.program_;
    pending_.clear();
    pending_.push_back(index);
    while (!pending_.empty()) {
        const std::uint32_t at = pending_.back();
        pending_.pop_back();
        if (seen_[at] == generation_)
            continue;
        seen_[at] = generation_;
        const PatternProgram::State& state = program.states[at];
        switch (state.kind) {
        case PatternProgram::Kind::Match:
            return true;
        case PatternProgram::Kind::Split:
            pending_.push_back(state.alt);
            pending_.push_back(state.out);
            break;
        case PatternProgram::Kind::Pass:
            pending_.push_back(state.out);
            break;
        case PatternProgram::Kind::Byte:
        case PatternProgram::Kind::Set:
        case PatternProgram::Kind::Any:
            list.push_back(at);
            break;
        }
    }
    return false;
}

} // namespace solvo
