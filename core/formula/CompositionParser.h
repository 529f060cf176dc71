#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace solvo {

class ElementTable;

/// Counts the atoms of a formula text per element table entry.
///
/// The counts are combined on a stack of at most kStackLimit vectors. Each
/// vector is held sparsely as a value common to every entry plus the entries
/// that differ from it, which keeps a parse proportional to the length of the
/// formula instead of to the size of the table. Nesting is handled with an
/// explicit stack of levels, so any input runs in bounded call depth.
/// One parser may be reused for many formulas; it keeps its buffers.
class CompositionParser {
public:
    /// Deepest stack of count vectors; further pushes set the overflow flag.
    static constexpr std::size_t kStackLimit = 32;

    using Count = std::pair<std::int32_t, std::int32_t>; ///< (entry index, count − Base())

    /// Parses source (the formula text with its markup). Returns false when a
    /// symbol is not in the table, or when a count or a product of counts
    /// does not fit in an int32; the result is then all zero.
    bool Parse(const ElementTable& table, std::string_view source);

    bool Failed() const { return failed_; }
    bool Overflowed() const { return overflowed_; }
    /// Whether the failure came from a count that does not fit in an int32.
    bool CountTooLarge() const { return countTooLarge_; }

    /// The count of every entry not listed in Differences().
    std::int32_t Base() const { return resultBase_; }
    /// Entries whose count differs from Base(), by increasing index.
    std::span<const Count> Differences() const { return result_; }

    /// Reads the number at the start of text (which starts with a digit) as
    /// the C library's atof would, and returns it with the length of the
    /// digits, one optional point and the digits after it.
    static std::pair<double, std::size_t> ReadNumber(std::string_view text);

    /// A number as an atom count: truncated toward zero, limited to int32.
    static std::int32_t ToCount(double value);

private:
    struct Vector {
        std::int32_t base;  // value of every entry not listed
        std::size_t first;  // its differences start here in pool_
    };
    struct Level {
        std::size_t base;       // stack size above which this level folds
        bool multiplyOnReturn;  // a hydrate part with a number before it
    };

    void Reset(std::size_t textLength);
    std::int32_t Fit(std::int64_t count);
    std::int32_t Add(std::int32_t a, std::int32_t b);
    std::int32_t Mul(std::int32_t a, std::int32_t b);
    std::int32_t Sub(std::int32_t a, std::int32_t b);
    void PushUnit(std::int32_t index, std::int32_t count);
    void PushFill(std::int32_t count);
    void Fold();
    void Multiply();
    void FoldDownTo(std::size_t base);
    void EnterLevel(bool multiplyOnReturn);
    void ReturnFromLevel();
    std::size_t End(std::size_t vector) const;
    void TakeResult();
    std::int32_t ReadCount();
    void ReadCharge(const ElementTable& table);

    std::string stripped_; // the text without "_", when it had any
    std::string_view text_;
    std::size_t pos_ = 0;
    std::array<Vector, kStackLimit> stack_{};
    std::size_t depth_ = 0;
    std::vector<Count> pool_; // differences of all vectors, bottom vector first
    std::size_t used_ = 0;
    std::vector<Level> levels_;
    bool failed_ = false;
    bool overflowed_ = false;
    bool countTooLarge_ = false;
    std::int32_t resultBase_ = 0;
    std::span<const Count> result_; // the bottom vector's differences, inside pool_
};

} // namespace solvo
