#include "pattern/Pattern.h"

#include "pattern/PatternCompiler.h"

#include <bitset>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

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

// Follows the automaton on all its paths at once: the set of states reached
// after each byte is kept without duplicates, so each byte costs at most one
// visit of every state and no input can make the search backtrack.
class Simulation {
public:
    explicit Simulation(const PatternProgram& program)
        : program_(program), seen_(program.states.size(), 0)
    {
        current_.reserve(program.states.size());
        next_.reserve(program.states.size());
    }

    // The bytes with which a match can begin; whether the empty text matches.
    std::bitset<256> FirstBytes(bool& matchesEmpty)
    {
        std::bitset<256> first;
        matchesEmpty = Enter(program_.start, current_);
        for (const std::uint32_t index : current_) {
            const PatternProgram::State& state = program_.states[index];
            if (state.kind == PatternProgram::Kind::Byte) {
                first.set(state.byte);
                first.set(state.alsoByte);
            } else if (state.kind == PatternProgram::Kind::Set) {
                first |= program_.sets[state.set];
            } else {
                first.set();
            }
        }
        return first;
    }

    // Never called when the empty text matches. Where no match is under way,
    // it skips to the next byte that can begin one.
    bool Search(std::string_view text, const std::bitset<256>& firstBytes)
    {
        std::size_t at = 0;
        for (;;) {
            if (current_.empty()) {
                at = SkipToFirstByte(text, at, firstBytes);
                if (at == text.size())
                    return false;
                ++generation_;
                Enter(program_.start, current_);
            }
            ++generation_;
            next_.clear();
            const auto byte = static_cast<unsigned char>(text[at]);
            for (const std::uint32_t index : current_) {
                const PatternProgram::State& state = program_.states[index];
                if (program_.Accepts(state, byte) && Enter(state.out, next_))
                    return true;
            }
            if (++at == text.size())
                return false;
            // Unanchored: a match may also begin after this byte.
            if (!next_.empty())
                Enter(program_.start, next_);
            std::swap(current_, next_);
        }
    }

private:
    // Adds the consuming states reachable from index without consuming
    // anything to list; true when the final state is among them.
    bool Enter(std::uint32_t index, std::vector<std::uint32_t>& list)
    {
        pending_.push_back(index);
        while (!pending_.empty()) {
            const std::uint32_t at = pending_.back();
            pending_.pop_back();
            if (seen_[at] == generation_)
                continue;
            seen_[at] = generation_;
            const PatternProgram::State& state = program_.states[at];
            switch (state.kind) {
            case PatternProgram::Kind::Match:
                pending_.clear();
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

    const PatternProgram& program_;
    std::vector<std::uint64_t> seen_;
    std::uint64_t generation_ = 1;
    std::vector<std::uint32_t> current_;
    std::vector<std::uint32_t> next_;
    std::vector<std::uint32_t> pending_;
};

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
    if (pattern.error_)
        pattern.program_ = PatternProgram();
    else
        pattern.firstBytes_ = Simulation(pattern.program_).FirstBytes(pattern.matchesEmpty_);
    return pattern;
}

bool Pattern::Search(std::string_view text) const
{
    if (error_)
        return false;
    if (matchesEmpty_)
        return true;
    // Most texts of a filtered list never start a match: they need no
    // simulation set up at all.
    const std::size_t first = SkipToFirstByte(text, 0, firstBytes_);
    if (first == text.size())
        return false;
    return Simulation(program_).Search(text.substr(first), firstBytes_);
}

} // namespace solvo
