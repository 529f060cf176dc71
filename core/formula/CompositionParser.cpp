#include "formula/CompositionParser.h"

#include "formula/ElementTable.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace solvo {

namespace {

constexpr unsigned char kMiddleDot = 0xB7;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Counts wrap on overflow as two's-complement integers do, without the
// undefined behaviour of signed overflow.
std::int32_t Add(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

std::int32_t Mul(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}

std::int32_t Sub(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

} // namespace

std::pair<double, std::size_t> CompositionParser::ReadNumber(std::string_view text)
{
    std::size_t length = 0;
    std::uint64_t integer = 0;
    bool small = true;
    while (length < text.size() && IsDigit(text[length])) {
        if (integer > (std::uint64_t{1} << 52))
            small = false;
        integer = integer * 10 + static_cast<std::uint64_t>(text[length] - '0');
        ++length;
    }
    const char next = length < text.size() ? text[length] : '\0';
    const bool plain = next != '.' && next != 'e' && next != 'E' && next != 'x' && next != 'X';
    if (plain && small)
        return {static_cast<double>(integer), length};

    const char* begin = text.data();
    const char* end = text.data() + text.size();
    double value = 0.0;
    const bool hex = length == 1 && text[0] == '0' && (next == 'x' || next == 'X') &&
                     length + 1 < text.size() &&
                     (IsHexDigit(text[length + 1]) ||
                      (text[length + 1] == '.' && length + 2 < text.size() &&
                       IsHexDigit(text[length + 2])));
    const auto result = hex ? std::from_chars(begin + 2, end, value, std::chars_format::hex)
                            : std::from_chars(begin, end, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large gives infinity, too small a value that truncates to 0.
        const std::string_view parsed(begin, static_cast<std::size_t>(result.ptr - begin));
        const auto exponent = parsed.find_first_of(hex ? "pP" : "eE");
        const bool negativeExponent =
            exponent != std::string_view::npos && exponent + 1 < parsed.size() &&
            parsed[exponent + 1] == '-';
        value = negativeExponent ? 0.0 : std::numeric_limits<double>::infinity();
    }

    if (next == '.') {
        ++length;
        while (length < text.size() && IsDigit(text[length]))
            ++length;
    }
    return {value, length};
}

std::int32_t CompositionParser::ToCount(double value)
{
    if (!(value < 2147483648.0))
        return std::numeric_limits<std::int32_t>::max();
    if (!(value > -2147483649.0))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

void CompositionParser::Reset()
{
    pos_ = 0;
    stack_.clear();
    pool_.clear();
    levels_.clear();
    failed_ = false;
    overflowed_ = false;
    resultBase_ = 0;
    result_.clear();
}

std::size_t CompositionParser::End(std::size_t vector) const
{
    return vector + 1 < stack_.size() ? stack_[vector + 1].first : pool_.size();
}

void CompositionParser::PushUnit(std::int32_t index, std::int32_t count)
{
    if (overflowed_ || stack_.size() == kStackLimit) {
        overflowed_ = true;
        return;
    }
    stack_.push_back({0, pool_.size()});
    pool_.push_back({index, count});
}

void CompositionParser::PushFill(std::int32_t count)
{
    if (overflowed_ || stack_.size() == kStackLimit) {
        overflowed_ = true;
        return;
    }
    stack_.push_back({count, pool_.size()});
}

void CompositionParser::Fold()
{
    if (overflowed_ || stack_.size() < 2)
        return;
    const Vector top = stack_.back();
    Vector& below = stack_[stack_.size() - 2];
    below.base = Add(below.base, top.base);
    // The top's differences follow the one below in the pool, so merging them
    // in place never overwrites one that is still to be read.
    std::size_t end = top.first;
    for (std::size_t k = top.first; k < pool_.size(); ++k) {
        const Count entry = pool_[k];
        auto it = std::find_if(pool_.begin() + static_cast<std::ptrdiff_t>(below.first),
                               pool_.begin() + static_cast<std::ptrdiff_t>(end),
                               [&](const Count& c) { return c.first == entry.first; });
        if (it != pool_.begin() + static_cast<std::ptrdiff_t>(end))
            it->second = Add(it->second, entry.second);
        else
            pool_[end++] = entry;
    }
    pool_.resize(end);
    stack_.pop_back();
}

void CompositionParser::Multiply()
{
    if (overflowed_)
        return;
    if (stack_.size() < 2) {
        // A count with nothing before it multiplies nothing.
        if (!stack_.empty()) {
            pool_.resize(stack_.back().first);
            stack_.pop_back();
        }
        return;
    }
    const Vector top = stack_.back();
    Vector& below = stack_[stack_.size() - 2];
    const std::int32_t b1 = below.base;
    const std::int32_t b2 = top.base;
    const std::int32_t base = Mul(b1, b2);
    const auto topBegin = pool_.begin() + static_cast<std::ptrdiff_t>(top.first);
    const auto findInTop = [&](std::int32_t index) {
        return std::find_if(topBegin, pool_.end(),
                            [&](const Count& c) { return c.first == index; });
    };
    // Entry i is (b1 + d1) × (b2 + d2); its difference from the new base is
    // what is stored.
    for (std::size_t k = below.first; k < top.first; ++k) {
        const auto match = findInTop(pool_[k].first);
        const std::int32_t d2 = match == pool_.end() ? 0 : match->second;
        pool_[k].second = Sub(Mul(Add(b1, pool_[k].second), Add(b2, d2)), base);
    }
    std::size_t end = top.first;
    for (std::size_t k = top.first; k < pool_.size(); ++k) {
        const Count entry = pool_[k];
        const bool inBelow = std::any_of(
            pool_.begin() + static_cast<std::ptrdiff_t>(below.first),
            pool_.begin() + static_cast<std::ptrdiff_t>(top.first),
            [&](const Count& c) { return c.first == entry.first; });
        if (!inBelow)
            pool_[end++] = {entry.first, Mul(b1, entry.second)};
    }
    pool_.resize(end);
    below.base = base;
    stack_.pop_back();
}

void CompositionParser::FoldDownTo(std::size_t base)
{
    if (overflowed_)
        return;
    while (stack_.size() > base)
        Fold();
}

void CompositionParser::EnterLevel(bool multiplyOnReturn)
{
    if (pos_ >= text_.size()) {
        PushFill(0);
        if (multiplyOnReturn)
            Multiply();
        return;
    }
    levels_.push_back({stack_.size() + 1, multiplyOnReturn});
}

void CompositionParser::ReturnFromLevel()
{
    const Level level = levels_.back();
    levels_.pop_back();
    if (level.multiplyOnReturn)
        Multiply();
}

bool CompositionParser::Parse(const ElementTable& table, std::string_view source)
{
    Reset();
    text_.clear();
    std::copy_if(source.begin(), source.end(), std::back_inserter(text_),
                 [](char c) { return c != '_'; });
    const std::string_view text = text_;
    if (!text.empty() && IsDigit(text.front()))
        pos_ = ReadNumber(text).second;

    EnterLevel(false);
    while (!levels_.empty() && !failed_) {
        const std::size_t base = levels_.back().base;
        if (pos_ >= text.size()) {
            FoldDownTo(base);
            ReturnFromLevel();
            continue;
        }
        const char c = text[pos_];
        const std::string_view rest = text.substr(pos_);
        if (c == ')' || c == ']') {
            FoldDownTo(base);
            ++pos_;
            ReturnFromLevel();
        } else if (c == '(' || c == '[') {
            if (rest.size() >= 3 && (rest.substr(1, 2) == "g)" || rest.substr(1, 2) == "s)")) {
                pos_ += 3;
            } else {
                FoldDownTo(base);
                ++pos_;
                EnterLevel(false);
            }
        } else if (IsDigit(c)) {
            const auto [value, length] = ReadNumber(rest);
            PushFill(ToCount(value));
            pos_ += length;
            Multiply();
        } else if (c == '&' || c == ',' || static_cast<unsigned char>(c) == kMiddleDot) {
            ++pos_;
            if (pos_ >= text.size())
                continue;
            if (!IsDigit(text[pos_])) {
                EnterLevel(false);
            } else {
                const auto [value, length] = ReadNumber(text.substr(pos_));
                PushFill(ToCount(value));
                pos_ += length;
                EnterLevel(true);
            }
        } else if (c == '^') {
            ++pos_;
            if (pos_ >= text.size())
                continue;
            if (text[pos_] == '{' && ++pos_ >= text.size())
                continue;
            std::int32_t charge = 0;
            const char first = text[pos_];
            if (IsDigit(first)) {
                const auto [value, length] = ReadNumber(text.substr(pos_));
                charge = ToCount(value);
                pos_ += length;
            } else if (first == '+' || first == '-') {
                charge = first == '+' ? 1 : -1;
                ++pos_;
            } else {
                const SymbolMatch match = table.MatchLongestSymbol(text.substr(pos_));
                if (match.index < 0) {
                    failed_ = true;
                    break;
                }
                pos_ += static_cast<std::size_t>(match.length);
            }
            if (pos_ < text.size() && text[pos_] == '+') {
                ++pos_;
            } else if (pos_ < text.size() && text[pos_] == '-') {
                charge = Sub(0, charge);
                ++pos_;
            } else if (pos_ < text.size() && text[pos_] == '^') {
                ++pos_;
            }
            PushUnit(ElementTable::kElectron, charge);
            if (pos_ < text.size() && text[pos_] == '}')
                ++pos_;
        } else if (c == '{' || c == '}') {
            ++pos_;
        } else {
            if (stack_.size() > base)
                Fold();
            const SymbolMatch match = table.MatchLongestSymbol(rest);
            if (match.index < 0) {
                failed_ = true;
                break;
            }
            if (match.index != ElementTable::kElectron)
                PushUnit(match.index, 1);
            pos_ += static_cast<std::size_t>(match.length);
        }
    }
    TakeResult();
    return !failed_;
}

void CompositionParser::TakeResult()
{
    if (failed_ || stack_.empty())
        return;
    resultBase_ = stack_.front().base;
    result_.assign(pool_.begin() + static_cast<std::ptrdiff_t>(stack_.front().first),
                   pool_.begin() + static_cast<std::ptrdiff_t>(End(0)));
    std::sort(result_.begin(), result_.end());
}

} // namespace solvo
