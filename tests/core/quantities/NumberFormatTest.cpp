#include "quantities/CFloatNumbersString.h"
#include "quantities/NumberFormat.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace solvo {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct DefaultCase {
    double x;
    std::int32_t displayDigits;
    const char* text;
};

TEST(FormatDefault, FollowsTheDisplayDigitsRule)
{
    const DefaultCase cases[] = {
        {12.5, 4, "12.5"},
        {123.456789, 4, "123.4568"},
        {0.05, 4, "0.05"},
        {1000.0, 4, "1000"},
        {1000.6, 4, "1.001e+03"},
        {12346.0, 4, "1.235e+04"},
        {0.001, 4, "1e-03"},
        {0.0012, 4, "1.2e-03"},
        {-0.5, 4, "-0.5"},
        {0.01, 4, "0.01"},
        {0.0123456, 4, "0.01235"},
        {0.0999999, 4, "0.1"},
        {999.99999, 4, "1000"},
        {-12346.0, 4, "-1.235e+04"},
        {1e100, 4, "1e+100"},
        {-1.5e-100, 4, "-1.5e-100"},
        {1e308, 4, "1e+308"},
        {5e-324, 4, "4.941e-324"},
        {0.0, 4, "0"},
        {-0.0, 4, "0"},
        {kInf, 4, "???"},
        {-kInf, 4, "???"},
        {kNaN, 4, "???"},
        {2.5, 6, "2.5"},
        {123.456789, 6, "123.456789"},
        {12346.0, 6, "1.2346e+04"},
        // Counts that only an edited settings store can hold.
        {1000.0, 0, "1000"},
        {100.0, -3, "100"},
        {12346.0, 1, "1e+04"},
    };
    for (const DefaultCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "x " << c.x << " P " << c.displayDigits);
        EXPECT_EQ(FormatDefault(c.x, c.displayDigits), c.text);
    }
}

struct SignificantCase {
    double x;
    std::int32_t digits;
    const char* text;
};

TEST(FormatSignificant, ShowsExactlyTheDigitsAsked)
{
    const SignificantCase cases[] = {
        {1.5, 4, "1.500"},
        {120.0, 4, "120.0"},
        {0.05, 3, "0.0500"},
        {1000.0, 4, "1000"},
        {123.0, 2, "120"},
        {150.0, 1, "200"},
        {999.9, 2, "1000"},
        {-123.0, 2, "-120"},
        {-1.5, 4, "-1.500"},
        {0.01, 3, "0.0100"},
        {0.00999, 3, "9.99e-03"},
        {0.001, 4, "1.000e-03"},
        {12346.0, 3, "1.23e+04"},
        {0.004, 1, "4e-03"},
        {1000.6, 4, "1.001e+03"},
        {2.5, 0, "2.500"}, // 0 digits: the display digits, 4 here
        {0.0, 3, "0"},
        {-0.0, 3, "0"},
        {kInf, 3, "???"},
        {kNaN, 3, "???"},
        // Large and tiny negative numbers keep every digit asked for.
        {-1.5e100, 4, "-1.500e+100"},
        {-2.5e-150, 3, "-2.50e-150"},
        {-1.2345e300, 5, "-1.2345e+300"},
        {1e100, 2, "1.0e+100"},
    };
    for (const SignificantCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "x " << c.x << " n " << c.digits);
        EXPECT_EQ(FormatSignificant(c.x, c.digits, 4), c.text);
    }
}

TEST(FormatSignificant, DigitCountsFromDamagedDataStayBounded)
{
    EXPECT_EQ(FormatSignificant(1.5, -7, 4), "2");
    EXPECT_EQ(FormatSignificant(1.5, 0, 0), "2");
    const std::string huge = FormatSignificant(-1e-300, 2'000'000'000, 4);
    EXPECT_EQ(huge.size(), std::string("-1.").size() + kMaxShownDigits - 1 + std::string("e-300").size());
    EXPECT_EQ(FormatSignificant(1.0 / 3.0, 1000, 4).size(), 2u + kMaxShownDigits);
}

TEST(CountSignificantDigits, SkipsSignLeadingZerosAndExponent)
{
    EXPECT_EQ(CountSignificantDigits("120.50"), 5);
    EXPECT_EQ(CountSignificantDigits("0.00120"), 3);
    EXPECT_EQ(CountSignificantDigits("-0"), 0);
    EXPECT_EQ(CountSignificantDigits("1.5e3"), 2);
    EXPECT_EQ(CountSignificantDigits("-1.50E-3"), 3);
    EXPECT_EQ(CountSignificantDigits("+0.0"), 0);
    EXPECT_EQ(CountSignificantDigits(""), 0);
    EXPECT_EQ(CountSignificantDigits("???"), 0);
}

TEST(CFloatNumbersString, HoldsTheFormattedText)
{
    CFloatNumbersString text;
    text.FormatSignificant(0.05, 3, 4);
    EXPECT_EQ(text.Text(), "0.0500");
    EXPECT_EQ(text.CountSignificantDigits(), 3);
    text.FormatDefault(12346.0, 4);
    EXPECT_EQ(text.Text(), "1.235e+04");
    EXPECT_EQ(CFloatNumbersString("0.00120").CountSignificantDigits(), 3);
}

} // namespace
} // namespace solvo
