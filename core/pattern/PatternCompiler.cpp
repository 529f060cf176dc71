#include "pattern/PatternCompiler.h"

#include "pattern/LetterCase.h"

#include <string>

namespace solvo {

namespace {

using Kind = PatternProgram::Kind;
using State = PatternProgram::State;

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsNameCharacter(char c)
{
    return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '_';
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

State ByteState(unsigned char byte)
{
    State state;
    state.kind = Kind::Byte;
    state.byte = byte;
    state.alsoByte = byte;
    return state;
}

State SplitState(std::uint32_t out, std::uint32_t alt)
{
    State state;
    state.kind = Kind::Split;
    state.out = out;
    state.alt = alt;
    return state;
}

} // namespace

std::optional<PatternError> PatternCompiler::Compile(PatternProgram& program)
{
    program_ = &program;
    std::vector<Group> groups(1);
    std::size_t at = 0;
    while (at < text_.size()) {
        const char c = text_[at];
        switch (c) {
        case '(': {
            Group group;
            group.open = at;
            group.first = StateCount();
            groups.push_back(std::move(group));
            ++at;
            break;
        }
        case ')': {
            if (groups.size() == 1)
                return Fault(at, 1, "has no matching \"(\".");
            Group closed = std::move(groups.back());
            groups.pop_back();
            AddPiece(groups.back(), CloseGroup(closed), closed.first);
            ++at;
            break;
        }
        case '|':
            groups.back().alternatives.push_back(EndBranch(groups.back()));
            ++at;
            break;
        case '*':
        case '+':
        case '?':
            if (auto error = Repeat(groups.back(), at))
                return error;
            ++at;
            break;
        case '.': {
            State any;
            any.kind = Kind::Any;
            AddAtom(groups.back(), any);
            ++at;
            break;
        }
        case '[':
            if (auto error = ReadSet(groups.back(), at))
                return error;
            break;
        case '\\': {
            if (at + 1 < text_.size() && text_[at + 1] == 'i') {
                if (auto error = FoldCase(groups.back(), at))
                    return error;
                at += 2;
                break;
            }
            unsigned char byte = 0;
            if (auto error = ReadEscape(at, byte))
                return error;
            AddAtom(groups.back(), ByteState(byte));
            break;
        }
        case '$':
            if (at + 1 < text_.size() && IsAsciiLetter(text_[at + 1])) {
                std::size_t end = at + 1;
                while (end < text_.size() && IsNameCharacter(text_[end]))
                    ++end;
                return Fault(at, end - at, "names no predefined pattern.");
            }
            AddAtom(groups.back(), ByteState('$'));
            ++at;
            break;
        default:
            AddAtom(groups.back(), ByteState(static_cast<unsigned char>(c)));
            ++at;
            break;
        }
    }
    if (groups.size() > 1)
        return Fault(groups.back().open, 1, "is not closed.");
    const Fragment whole = CloseGroup(groups.front());
    State match;
    match.kind = Kind::Match;
    Link(whole.exit, AddState(match));
    program.start = whole.start;
    return std::nullopt;
}

std::uint32_t PatternCompiler::AddState(const State& state)
{
    program_->states.push_back(state);
    return static_cast<std::uint32_t>(program_->states.size() - 1);
}

std::uint32_t PatternCompiler::StateCount() const
{
    return static_cast<std::uint32_t>(program_->states.size());
}

void PatternCompiler::Link(std::uint32_t from, std::uint32_t to)
{
    program_->states[from].out = to;
}

PatternCompiler::Fragment PatternCompiler::Empty()
{
    const std::uint32_t pass = AddState(State{});
    return {pass, pass};
}

void PatternCompiler::AddAtom(Group& group, const State& state)
{
    const std::uint32_t index = AddState(state);
    AddPiece(group, {index, index}, index);
}

void PatternCompiler::AddPiece(Group& group, Fragment piece, std::uint32_t first)
{
    FlushPiece(group);
    group.piece = piece;
    group.pieceFirst = first;
}

void PatternCompiler::FlushPiece(Group& group)
{
    if (!group.piece)
        return;
    if (group.sequence) {
        Link(group.sequence->exit, group.piece->start);
        group.sequence->exit = group.piece->exit;
    } else {
        group.sequence = group.piece;
    }
    group.piece.reset();
}

PatternCompiler::Fragment PatternCompiler::EndBranch(Group& group)
{
    FlushPiece(group);
    const Fragment branch = group.sequence ? *group.sequence : Empty();
    group.sequence.reset();
    return branch;
}

PatternCompiler::Fragment PatternCompiler::CloseGroup(Group& group)
{
    group.alternatives.push_back(EndBranch(group));
    if (group.alternatives.size() == 1)
        return group.alternatives.front();
    const std::uint32_t exit = AddState(State{});
    std::uint32_t start = group.alternatives.back().start;
    Link(group.alternatives.back().exit, exit);
    for (std::size_t i = group.alternatives.size() - 1; i-- > 0;) {
        Link(group.alternatives[i].exit, exit);
        start = AddState(SplitState(group.alternatives[i].start, start));
    }
    return {start, exit};
}

std::optional<PatternError> PatternCompiler::Repeat(Group& group, std::size_t at)
{
    if (!group.piece)
        return Fault(at, 1, "has nothing to repeat.");
    const Fragment piece = *group.piece;
    const std::uint32_t exit = AddState(State{});
    const std::uint32_t split = AddState(SplitState(piece.start, exit));
    switch (text_[at]) {
    case '*':
        Link(piece.exit, split);
        group.piece = Fragment{split, exit};
        break;
    case '+':
        Link(piece.exit, split);
        group.piece = Fragment{piece.start, exit};
        break;
    default:
        Link(piece.exit, exit);
        group.piece = Fragment{split, exit};
        break;
    }
    return std::nullopt;
}

std::optional<PatternError> PatternCompiler::FoldCase(Group& group, std::size_t at)
{
    if (!group.piece)
        return Fault(at, 2, "has nothing to apply to.");
    // A piece's states are always the newest, so the ranges folded so far
    // either lie inside this one or wholly before it.
    const std::uint32_t first = group.pieceFirst;
    const std::uint32_t end = StateCount();
    std::uint32_t gapEnd = end;
    while (!folded_.empty() && folded_.back().first >= first) {
        FoldStates(folded_.back().second, gapEnd);
        gapEnd = folded_.back().first;
        folded_.pop_back();
    }
    FoldStates(first, gapEnd);
    folded_.emplace_back(first, end);
    return std::nullopt;
}

void PatternCompiler::FoldStates(std::uint32_t from, std::uint32_t to)
{
    for (std::uint32_t index = from; index < to; ++index) {
        State& state = program_->states[index];
        if (state.kind == Kind::Byte) {
            state.alsoByte = LetterCase::Lower(state.byte);
        } else if (state.kind == Kind::Set) {
            std::bitset<256>& members = program_->sets[state.set];
            for (unsigned value = 0; value < 256; ++value) {
                if (members.test(value))
                    members.set(LetterCase::Lower(static_cast<unsigned char>(value)));
            }
        }
    }
}

std::optional<PatternError> PatternCompiler::ReadSet(Group& group, std::size_t& at)
{
    const std::size_t open = at;
    std::size_t next = at + 1;
    const bool complement = next < text_.size() && text_[next] == '^';
    if (complement)
        ++next;
    std::bitset<256> members;
    // A "]" right after the opening is a member, so that sets can hold it.
    bool first = true;
    for (;;) {
        if (next >= text_.size())
            return Fault(open, 1, "is not closed.");
        if (text_[next] == ']' && !first)
            break;
        first = false;
        const std::size_t memberAt = next;
        unsigned char low = 0;
        if (auto error = ReadMember(next, low))
            return error;
        if (next + 1 < text_.size() && text_[next] == '-' && text_[next + 1] != ']') {
            ++next;
            unsigned char high = 0;
            if (auto error = ReadMember(next, high))
                return error;
            if (high < low)
                return Fault(memberAt, next - memberAt, "is a range that runs backwards.");
            for (unsigned value = low; value <= high; ++value)
                members.set(value);
        } else {
            members.set(low);
        }
    }
    if (complement)
        members.flip();
    program_->sets.push_back(members);
    State set;
    set.kind = Kind::Set;
    set.set = static_cast<std::uint32_t>(program_->sets.size() - 1);
    AddAtom(group, set);
    at = next + 1;
    return std::nullopt;
}

std::optional<PatternError> PatternCompiler::ReadMember(std::size_t& at, unsigned char& byte) const
{
    if (text_[at] == '\\')
        return ReadEscape(at, byte);
    byte = static_cast<unsigned char>(text_[at]);
    ++at;
    return std::nullopt;
}

std::optional<PatternError> PatternCompiler::ReadEscape(std::size_t& at, unsigned char& byte) const
{
    if (at + 1 >= text_.size())
        return Fault(at, 1, "ends the pattern.");
    const char escaped = text_[at + 1];
    switch (escaped) {
    case 'a': byte = '\a'; break;
    case 'b': byte = '\b'; break;
    case 't': byte = '\t'; break;
    case 'n': byte = '\n'; break;
    case 'v': byte = '\v'; break;
    case 'r': byte = '\r'; break;
    case 'x': {
        const int high = at + 2 < text_.size() ? HexValue(text_[at + 2]) : -1;
        const int low = at + 3 < text_.size() ? HexValue(text_[at + 3]) : -1;
        if (high < 0 || low < 0)
            return Fault(at, 2, "needs two hexadecimal digits.");
        byte = static_cast<unsigned char>(high * 16 + low);
        at += 4;
        return std::nullopt;
    }
    default: byte = static_cast<unsigned char>(escaped); break;
    }
    at += 2;
    return std::nullopt;
}

PatternError PatternCompiler::Fault(std::size_t at, std::size_t length,
                                    std::string_view complaint) const
{
    std::string message = "\"";
    message += text_.substr(at, length);
    message += "\" at character " + std::to_string(at + 1) + ' ';
    message += complaint;
    return {at, std::move(message)};
}

} // namespace solvo
