#include "substances/DensityPlot.h"

#include "quantities/DensityTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace solvo {
namespace {

DensityTable Parsed(const std::string& text, DensityTableKind kind = DensityTableKind::PercentWW,
                    double molarMass = 58.443)
{
    DensityTable table;
    table.SetText(text);
    table.SetKind(kind);
    table.SetNoTable(false);
    table.ParseDensityTable(molarMass, 18.0153);
    return table;
}

TEST(DensityPlotTest, DrawsHigherDensitiesHigherAcrossTheWholeWidth)
{
    EXPECT_EQ(DensityPlot::Polyline(Parsed("10 1.1\r\n20 1.0\r\n40 1.3")),
              (std::vector<PlotPoint>{{0, 74}, {0, 74}, {34, 110}, {102, 0}}));
}

TEST(DensityPlotTest, LeavesThePictureBlankOrFlatWhereTheTableGivesNoShape)
{
    struct Case {
        std::string text;
        DensityTableKind kind;
        double molarMass;
        std::vector<PlotPoint> points;
    };
    const std::vector<Case> cases = {
        {"", DensityTableKind::PercentWW, 58.443, {}},
        {"10 1.1", DensityTableKind::PercentWW, 58.443, {}},
        // Constant density, constant concentration: no division by zero.
        {"10 1.0\r\n20 1.0", DensityTableKind::PercentWW, 58.443, {{0, 110}, {0, 110}, {102, 110}}},
        {"10 1.0\r\n10 1.2", DensityTableKind::PercentWW, 58.443, {{0, 110}, {0, 110}, {0, 0}}},
        // A molar mass too large for the % w/w column to stay finite.
        {"1 1.0\r\n100 1.1", DensityTableKind::Molarity, 1e308, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DensityPlot::Polyline(Parsed(c.text, c.kind, c.molarMass)), c.points) << c.text;

    DensityTable off = Parsed("10 1.0\r\n20 1.2");
    off.SetNoTable(true);
    EXPECT_TRUE(DensityPlot::Polyline(off).empty());
}

} // namespace
} // namespace solvo
