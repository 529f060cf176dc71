#include "GermanLocale.h"

#include "quantities/ConcentrationSet.h"
#include "quantities/NumberFormat.h"
#include "quantities/ParseNumber.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace solvo {
namespace {

// The windowed program sets the C locale from the environment, so a chemist
// in Germany runs with a decimal comma; the program's numbers must not notice.
TEST(LocaleIndependence, GermanNumericLocaleChangesNoText)
{
    if (!test::ProvideGermanLocale())
        GTEST_SKIP() << "no German locale on this machine and none could be generated";
    const test::ScopedLocale german(test::kGermanLocale);
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    ASSERT_STREQ(probe, "1,5") << "the locale did not take effect";

    EXPECT_EQ(FormatDefault(1.5, 4), "1.5");
    EXPECT_EQ(FormatDefault(12346.0, 4), "1.235e+04");
    EXPECT_EQ(FormatSignificant(1.5, 4, 4), "1.500");
    EXPECT_EQ(FormatSignificant(-123.0, 2, 4), "-120");
    EXPECT_EQ(FormatSignificant(0.00999, 3, 4), "9.99e-03");

    for (const char* text : {"1.5", "1,5"}) {
        const ParsedNumber parsed = ParseNumber(text);
        EXPECT_TRUE(parsed.valid) << text;
        EXPECT_EQ(parsed.value, 1.5) << text;
    }

    ConcentrationSet set;
    set.SetMolarMass(60.0);
    set.Table().SetNoTable(false);
    set.Table().SetText("0 1.000\r\n10 1,100\r\n20 1.200\r\n");
    set.ParseDensityTable();
    ASSERT_EQ(set.Table().Rows().size(), 3u);
    set.SetConcentration(5.0, ConcentrationUnit::PercentWW);
    EXPECT_NEAR(set.GetConcentration(ConcentrationUnit::Density), 1.05, 1e-12);
}

} // namespace
} // namespace solvo
