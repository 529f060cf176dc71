#include "quantities/LeadingNumber.h"
#include "quantities/NumberFormat.h"
#include "quantities/ParseNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace solvo {
namespace {

struct ParseCase {
    std::string text;
    bool valid;
    double value;
    std::int32_t digits; // CountSignificantDigits of the normalised text
};

TEST(ParseNumber, ReadsFieldTextsLeniently)
{
    const ParseCase cases[] = {
        {"", true, 0.0, 0},
        {" \t  ", true, 0.0, 0},
        {"-", true, 0.0, 0},
        {".", true, 0.0, 0},
        {"???", true, 0.0, 0},
        {"+", true, 0.0, 0},
        {"1,5", true, 1.5, 2},
        {"2,50", true, 2.5, 3},
        {"  5 \t", true, 5.0, 1},
        {"1e", true, 1.0, 1},
        {"1e-", true, 1.0, 1},
        {"1,5d", true, 1.5, 2},
        {"1,5D", true, 1.5, 2},
        {"1,5d-", true, 1.5, 2},
        {"d", false, 0.0, 0},
        {"1d3", true, 1000.0, 1},
        {"2.5D-3", true, 0.0025, 2},
        {"-2.5E+2", true, -250.0, 2},
        {"1.5e3", true, 1500.0, 2},
        {"0.00120", true, 0.0012, 3},
        {"120.50", true, 120.5, 5},
        {"+7", true, 7.0, 1},
        {"0", true, 0.0, 0},
        {"-0", true, 0.0, 0},
        {".0", true, 0.0, 0},
        {"0.0 ", true, 0.0, 0},
        {"0 ", true, 0.0, 0},
        {"12abc", false, 0.0, 0},
        {"abc", false, 0.0, 0},
        {"5-", false, 0.0, 0},
        {"0x10", false, 0.0, 0},
        {"-0 ", false, 0.0, 0},
        {".0 ", false, 0.0, 0},
        {"0abc", false, 0.0, 0},
        {"1 2", false, 0.0, 0},
        {"1,5,3", false, 0.0, 0},
        {"1E", false, 0.0, 0}, // only a lower-case e is completed with 0
        {"1e ", false, 0.0, 0},
        {"- 5", false, 0.0, 0},
        {"inf", false, 0.0, 0},
        {"nan", false, 0.0, 0},
        {"infinity", false, 0.0, 0},
        {"5\xA0", false, 0.0, 0},
        {std::string("5\0", 2), false, 0.0, 0},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        const ParsedNumber parsed = ParseNumber(c.text);
        EXPECT_EQ(parsed.valid, c.valid);
        if (!c.valid)
            continue;
        EXPECT_DOUBLE_EQ(parsed.value, c.value);
        EXPECT_EQ(CountSignificantDigits(parsed.normalized), c.digits);
    }
}

TEST(ParseNumber, NormalisesTheTextItRead)
{
    EXPECT_EQ(ParseNumber("  2,50").normalized, "2.50");
    EXPECT_EQ(ParseNumber("1e").normalized, "1e0");
    EXPECT_EQ(ParseNumber("2e-").normalized, "2e-0");
    EXPECT_EQ(ParseNumber("1,5d-").normalized, "1.5e-0");
    EXPECT_EQ(ParseNumber("6.022d23").normalized, "6.022e23");
}

TEST(ParseNumber, OnlyTheFirst31BytesCount)
{
    // The 32nd byte would make the text invalid.
    const std::string padded = "1" + std::string(30, ' ') + "x";
    const ParsedNumber parsed = ParseNumber(padded);
    EXPECT_TRUE(parsed.valid);
    EXPECT_EQ(parsed.value, 1.0);

    const std::string digits = "1234567890123456789012345678901234567890";
    const ParsedNumber cut = ParseNumber(digits);
    EXPECT_TRUE(cut.valid);
    EXPECT_DOUBLE_EQ(cut.value, 1234567890123456789012345678901.0);
    EXPECT_EQ(CountSignificantDigits(cut.normalized), 31);

    EXPECT_TRUE(ParseNumber(std::string(1'000'000, ' ')).valid);
}

TEST(ParseNumber, MagnitudesBeyondDoubleBehaveAsTheCLibraryDoes)
{
    EXPECT_EQ(ParseNumber("1e400").value, std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseNumber("-1e400").value, -std::numeric_limits<double>::infinity());
    const ParsedNumber tiny = ParseNumber("1e-400");
    EXPECT_TRUE(tiny.valid);
    EXPECT_EQ(tiny.value, 0.0);
    EXPECT_EQ(ParseNumber("4.9e-324").value, std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(ParseNumber("1e99999999999999999999999").value,
              std::numeric_limits<double>::infinity());
}

TEST(ReadLeadingNumber, StopsWhereTheNumberEnds)
{
    struct Case {
        std::string text;
        double value;
        std::size_t length;
    };
    const Case cases[] = {
        {"12abc", 12.0, 2},   {"-.5x", -0.5, 3}, {"5.", 5.0, 2},     {"1e5e", 1e5, 3},
        {"1e+x", 1.0, 1},     {"1.5d-2 ", 0.015, 6}, {"+", 0.0, 0}, {".e3", 0.0, 0},
        {"abc", 0.0, 0},      {"", 0.0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        const LeadingNumber number = ReadLeadingNumber(c.text);
        EXPECT_DOUBLE_EQ(number.value, c.value);
        EXPECT_EQ(number.length, c.length);
    }
}

TEST(ReadLeadingNumber, LongNumbersConvertWithoutOverflowingAnything)
{
    EXPECT_EQ(ReadLeadingNumber("1" + std::string(400, '0')).value,
              std::numeric_limits<double>::infinity());
    EXPECT_EQ(ReadLeadingNumber("-0." + std::string(400, '0') + "1").value, 0.0);
    EXPECT_TRUE(std::signbit(ReadLeadingNumber("-0." + std::string(400, '0') + "1").value));
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("0." + std::string(400, '0') + "1e405").value, 1e4);
    const std::string many = std::string(100'000, '3') + "e-99999";
    EXPECT_DOUBLE_EQ(ReadLeadingNumber(many).value, 3.333333333333333);
}

TEST(ParseNumber, AnyBytesGiveAFiniteOrInfiniteNumberNeverNaN)
{
    std::mt19937 random(20240601);
    const std::string alphabet = "0123456789+-.,eEdD \t?x\xB7\xFF";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<std::size_t> length(0, 40);
    for (int i = 0; i < 20000; ++i) {
        std::string text(length(random), ' ');
        for (char& c : text)
            c = alphabet[pick(random)];
        const ParsedNumber parsed = ParseNumber(text);
        ASSERT_FALSE(std::isnan(parsed.value)) << text;
        ASSERT_LE(parsed.normalized.size(), 32u) << text;
    }
}

} // namespace
} // namespace solvo
