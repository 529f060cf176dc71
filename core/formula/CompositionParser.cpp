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

} // namespace

std::pair<double, std::size_t> CompositionParser::ReadNumber(std::string_view text)
{
    std::size_t length = 0;
    while (length < text.size() && IsDigit(text[length]))
        ++length;
    const char next = length < text.size() ? text[length] : '\0';
    const bool plain = next != '.' && next != 'e' && next != 'E' && next != 'x' && next != 'X';
    if (plain && length <= 15) {
        // Up to 15 digits are exact in a double: the common case needs no
        // general conversion.
        std::int64_t integer = 0;
        for (std::size_t i = 0; i < length; ++i)
            integer = integer * 10 + (text[i] - '0');
        return {static_cast<double>(integer), length};
    }

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

// A count that leaves the int32 range fails the formula: a wrapped count
// would give a plausible-looking but wrong (even negative) molar mass.
std::int32_t CompositionParser::Fit(std::int64_t count)
{
    if (count < std::numeric_limits<std::int32_t>::min() || count > std::numeric_limits<std::int32_t>::max()) {
        failed_ = true;
        countTooLarge_ = true;
        return 0;
    }
    return static_cast<std::int32_t>(count);
}

std::int32_t CompositionParser::Add(std::int32_t a, std::int32_t b)
{
    return Fit(std::int64_t{a} + b);
}

std::int32_t CompositionParser::Mul(std::int32_t a, std::int32_t b)
{
    return Fit(std::int64_t{a} * b);
}

std::int32_t CompositionParser::Sub(std::int32_t a, std::int32_t b)
{
    return Fit(std::int64_t{a} - b);
}

std::int32_t CompositionParser::ToCount(double value)
{
    if (!(value < 2147483648.0))
        return std::numeric_limits<std::int32_t>::max();
    if (!(value > -2147483649.0))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

void CompositionParser::Reset(std::size_t textLength)
{
    pos_ = 0;
    depth_ = 0;
    used_ = 0;
    // Each difference comes from a symbol or a charge of at least one byte.
    if (pool_.size() < textLength + 1)
        pool_.resize(textLength + 1);
    levels_.clear();
    failed_ = false;
    overflowed_ = false;
    countTooLarge_ = false;
    resultBase_ = 0;
    result_ = {};
}

std::size_t CompositionParser::End(std::size_t vector) const
{
    return vector + 1 < depth_ ? stack_[vector + 1].first : used_;
}

void CompositionParser::PushUnit(std::int32_t index, std::int32_t count)
{
    if (overflowed_ || depth_ == kStackLimit) {
        overflowed_ = true;
        return;
    }
    stack_[depth_++] = {0, used_};
    pool_[used_++] = {index, count};
}

void CompositionParser::PushFill(std::int32_t count)
{
    if (overflowed_ || depth_ == kStackLimit) {
        overflowed_ = true;
        return;
    }
    stack_[depth_++] = {count, used_};
}

void CompositionParser::Fold()
{
    if (overflowed_ || depth_ < 2)
        return;
    const Vector top = stack_[depth_ - 1];
    Vector& below = stack_[depth_ - 2];
    below.base = Add(below.base, top.base);
    // The top's differences follow the ones below in the pool, so merging
    // them in place never overwrites one that is still to be read.
    Count* const pool = pool_.data();
    std::size_t end = top.first;
    for (std::size_t k = top.first; k < used_; ++k) {
        const Count entry = pool[k];
        std::size_t j = below.first;
        while (j < end && pool[j].first != entry.first)
            ++j;
        if (j < end)
            pool[j].second = Add(pool[j].second, entry.second);
        else
            pool[end++] = entry;
    }
    used_ = end;
    --depth_;
}

void CompositionParser::Multiply()
{
    if (overflowed_)
        return;
    if (depth_ < 2) {
        // A count with nothing before it multiplies nothing.
        if (depth_ == 1)
            used_ = stack_[--depth_].first;
        return;
    }
    const Vector top = stack_[depth_ - 1];
    Vector& below = stack_[depth_ - 2];
    Count* const pool = pool_.data();
    const std::int32_t b1 = below.base;
    const std::int32_t b2 = top.base;
    const std::int32_t base = Mul(b1, b2);
    if (top.first == used_) {
        // A plain count: every entry is scaled, and so is every difference.
        for (std::size_t k = below.first; k < top.first; ++k)
            pool[k].second = Mul(pool[k].second, b2);
    } else {
        // Entry i is (b1 + d1) × (b2 + d2); its difference from the new base
        // is what is stored.
        const auto differenceIn = [&](std::size_t from, std::size_t to, std::int32_t index,
                                      bool& found) {
            for (std::size_t k = from; k < to; ++k) {
                if (pool[k].first == index) {
                    found = true;
                    return pool[k].second;
                }
            }
            found = false;
            return 0;
        };
        bool found = false;
        for (std::size_t k = below.first; k < top.first; ++k) {
            const std::int32_t d2 = differenceIn(top.first, used_, pool[k].first, found);
            pool[k].second = Sub(Mul(Add(b1, pool[k].second), Add(b2, d2)), base);
        }
        std::size_t end = top.first;
        for (std::size_t k = top.first; k < used_; ++k) {
            const Count entry = pool[k];
            differenceIn(below.first, top.first, entry.first, found);
            if (!found)
                pool[end++] = {entry.first, Mul(b1, entry.second)};
        }
        used_ = end;
    }
    below.base = base;
    --depth_;
}

void CompositionParser::FoldDownTo(std::size_t base)
{
    if (overflowed_)
        return;
    while (depth_ > base)
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
    levels_.push_back({depth_ + 1, multiplyOnReturn});
}

void CompositionParser::ReturnFromLevel()
{
    const Level level = levels_.back();
    levels_.pop_back();
    if (level.multiplyOnReturn)
        Multiply();
}

std::int32_t CompositionParser::ReadCount()
{
    const auto [value, length] = ReadNumber(text_.substr(pos_));
    pos_ += length;
    if (!(value <= std::numeric_limits<std::int32_t>::max())) {
        failed_ = true;
        countTooLarge_ = true;
    }
    return ToCount(value);
}

void CompositionParser::ReadCharge(const ElementTable& table)
{
    ++pos_;
    if (pos_ >= text_.size())
        return;
    if (text_[pos_] == '{' && ++pos_ >= text_.size())
        return;
    std::int32_t charge = 0;
    const char first = text_[pos_];
    if (IsDigit(first)) {
        charge = ReadCount();
    } else if (first == '+' || first == '-') {
        charge = first == '+' ? 1 : -1;
        ++pos_;
    } else {
        // A symbol where the charge should be is passed over and counts 0.
        const SymbolMatch match = table.MatchLongestSymbol(text_.substr(pos_));
        if (match.index < 0) {
            failed_ = true;
            return;
        }
        pos_ += static_cast<std::size_t>(match.length);
    }
    if (pos_ < text_.size() && text_[pos_] == '+') {
        ++pos_;
    } else if (pos_ < text_.size() && text_[pos_] == '-') {
        charge = Sub(0, charge);
        ++pos_;
    } else if (pos_ < text_.size() && text_[pos_] == '^') {
        ++pos_;
    }
    PushUnit(ElementTable::kElectron, charge);
    if (pos_ < text_.size() && text_[pos_] == '}')
        ++pos_;
}

bool CompositionParser::Parse(const ElementTable& table, std::string_view source)
{
    Reset(source.size());
    // Subscript marks only shape the display; counting ignores them.
    if (source.find('_') == std::string_view::npos) {
        text_ = source;
    } else {
        stripped_.clear();
        std::copy_if(source.begin(), source.end(), std::back_inserter(stripped_),
                     [](char c) { return c != '_'; });
        text_ = stripped_;
    }
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
        switch (c) {
        case ')':
        case ']':
            FoldDownTo(base);
            ++pos_;
            ReturnFromLevel();
            break;
        case '(':
        case '[':
            if (pos_ + 2 < text.size() && (text[pos_ + 1] == 'g' || text[pos_ + 1] == 's') &&
                text[pos_ + 2] == ')') {
                pos_ += 3; // a state mark such as "(s)" counts nothing
            } else {
                FoldDownTo(base);
                ++pos_;
                EnterLevel(false);
            }
            break;
        case '0': case '1': case '2': case '3': case '4':
        case '5': case '6': case '7': case '8': case '9': {
            PushFill(ReadCount());
            Multiply();
            break;
        }
        case '&':
        case ',':
        case static_cast<char>(kMiddleDot):
            ++pos_;
            if (pos_ >= text.size())
                break;
            if (!IsDigit(text[pos_])) {
                EnterLevel(false);
            } else {
                PushFill(ReadCount());
                EnterLevel(true);
            }
            break;
        case '^':
            ReadCharge(table);
            break;
        case '{':
        case '}':
            ++pos_;
            break;
        default:
            if (depth_ > base)
                Fold();
            const SymbolMatch match = table.MatchLongestSymbol(text.substr(pos_));
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
    if (failed_ || depth_ == 0)
        return;
    resultBase_ = stack_[0].base;
    Count* begin = pool_.data() + stack_[0].first;
    Count* end = pool_.data() + End(0);
    // Few entries, mostly in order already: insertion sort suits them.
    for (Count* k = begin + (begin != end); k < end; ++k) {
        const Count entry = *k;
        Count* j = k;
        for (; j > begin && (j - 1)->first > entry.first; --j)
            *j = *(j - 1);
        *j = entry;
    }
    result_ = std::span<const Count>(begin, end);
}

} // namespace solvo
