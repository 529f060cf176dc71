#include "quantities/ConcentrationSet.h"
#include "quantities/DensityTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace solvo {
namespace {

using Unit = ConcentrationUnit;

// A component of molar mass 60 with a table of % w/w against density.
class DensityTableTest : public ::testing::Test {
protected:
    DensityTableTest() { set.SetMolarMass(60.0); }

    void UseTable(const std::string& text, DensityTableKind kind = DensityTableKind::PercentWW)
    {
        set.Table().SetNoTable(false);
        set.Table().SetKind(kind);
        set.Table().SetText(text);
        set.ParseDensityTable();
    }

    double Get(Unit unit) const { return set.GetConcentration(unit); }
    bool Outside(Unit unit) const { return set.Table().IsOutsideDensityRange(Get(unit), unit); }

    ConcentrationSet set;
};

constexpr const char* kRising = "0 1.000\r\n10 1.100\r\n20 1.200\r\n";
constexpr const char* kWithMaximum = "0 1.00\r\n50 1.10\r\n100 1.00\r\n";
constexpr double kTolerance = 1e-6; // worked values are printed to six decimals

TEST_F(DensityTableTest, ConcentrationsLookUpTheDensity)
{
    UseTable(kRising);
    set.SetConcentration(5.0, Unit::PercentWW);
    EXPECT_NEAR(Get(Unit::Density), 1.05, 1e-12);
    EXPECT_FALSE(Outside(Unit::PercentWW));

    set.SetConcentration(30.0, Unit::PercentWW);
    EXPECT_NEAR(Get(Unit::Density), 1.2, 1e-12);
    EXPECT_TRUE(Outside(Unit::PercentWW));

    set.SetConcentration(-10.0, Unit::PercentWW);
    EXPECT_NEAR(Get(Unit::Density), 0.9, 1e-12);
    EXPECT_TRUE(Outside(Unit::PercentWW));

    // 20 % w/w at 1.2 g/mL is 4 M: the molarity column gives the same density.
    set.SetConcentration(2.0, Unit::Molar);
    EXPECT_NEAR(Get(Unit::Density), 1.1 + 0.1 * (2.0 - 11.0 / 6.0) / (4.0 - 11.0 / 6.0), 1e-12);
    set.SetConcentration(4000.0, Unit::Millimolar);
    EXPECT_NEAR(Get(Unit::Density), 1.2, 1e-12);
    set.SetConcentration(50000.0, Unit::Ppm);
    EXPECT_NEAR(Get(Unit::Density), 1.05, 1e-12);
}

TEST_F(DensityTableTest, DensityFindsTheConcentration)
{
    UseTable(kRising);
    set.SetConcentration(1.15, Unit::Density);
    EXPECT_NEAR(Get(Unit::Molar), 2.916667, kTolerance);
    EXPECT_NEAR(Get(Unit::PercentWW), 15.217391, kTolerance);
    EXPECT_FALSE(Outside(Unit::Density));

    set.SetConcentration(1.3, Unit::Density);
    EXPECT_NEAR(Get(Unit::PercentWW), 20.0, 1e-9);
    EXPECT_NEAR(Get(Unit::Molar), 4.0, 1e-12);
    EXPECT_EQ(Get(Unit::Density), 1.3);
    EXPECT_TRUE(Outside(Unit::Density));

    set.SetConcentration(0.95, Unit::Density);
    EXPECT_EQ(Get(Unit::PercentWW), 0.0);
    EXPECT_EQ(Get(Unit::Molar), 0.0);
    EXPECT_EQ(Get(Unit::Density), 0.95);
}

TEST_F(DensityTableTest, BeyondAFallingTableTheNearerEndRowIsTaken)
{
    UseTable("0 1.2\r\n10 1.1\r\n20 1.0\r\n");
    set.SetConcentration(1.3, Unit::Density);
    EXPECT_EQ(Get(Unit::PercentWW), 0.0);
    set.SetConcentration(0.9, Unit::Density);
    EXPECT_NEAR(Get(Unit::PercentWW), 20.0, 1e-9);
}

TEST_F(DensityTableTest, MaximumGivesTwoRootsAndSelectOtherRootFlips)
{
    UseTable(kWithMaximum);
    EXPECT_EQ(set.Table().Rows()[2].m, DensityTable::kSolventlessMolality);

    set.SetConcentration(1.05, Unit::Density);
    EXPECT_NEAR(Get(Unit::Molar), 4.583333, kTolerance);
    EXPECT_NEAR(Get(Unit::PercentWW), 26.190476, kTolerance);
    EXPECT_TRUE(set.Table().IsAmbiguous());

    set.SelectOtherRoot();
    EXPECT_NEAR(Get(Unit::Molar), 12.916667, kTolerance);
    EXPECT_NEAR(Get(Unit::PercentWW), 73.809524, kTolerance);
    EXPECT_EQ(Get(Unit::Density), 1.05);

    set.SelectOtherRoot();
    EXPECT_NEAR(Get(Unit::PercentWW), 26.190476, kTolerance);
    set.SelectOtherRoot();
    EXPECT_NEAR(Get(Unit::PercentWW), 73.809524, kTolerance);
}

TEST_F(DensityTableTest, AmbiguityCountsASharedRowOnce)
{
    UseTable(kWithMaximum);
    set.SetConcentration(1.10, Unit::Density); // the top: only 50 % w/w
    EXPECT_FALSE(set.Table().IsAmbiguous());
    set.SetConcentration(1.00, Unit::Density); // both 0 and 100 % w/w
    EXPECT_TRUE(set.Table().IsAmbiguous());
    set.SetConcentration(1.2, Unit::Density);
    EXPECT_FALSE(set.Table().IsAmbiguous());

    // Every concentration update checks again.
    set.SetConcentration(20.0, Unit::PercentWW);
    EXPECT_TRUE(set.Table().IsAmbiguous());
    set.SetConcentration(50.0, Unit::PercentWW);
    EXPECT_FALSE(set.Table().IsAmbiguous());

    // A conversion keeps the flag found for the converted value.
    set.ConvertConcentration(20.0, Unit::PercentWW, Unit::Molar);
    EXPECT_TRUE(set.Table().IsAmbiguous());
    EXPECT_EQ(Get(Unit::PercentWW), 50.0);
}

TEST_F(DensityTableTest, ParsingPairsNumbersAcrossLines)
{
    struct Case {
        const char* text;
        std::vector<std::pair<double, double>> wd; // w and d of each row
    };
    const Case cases[] = {
        {"0 1.0 10 1.1", {{0, 1.0}, {10, 1.1}}},
        {"0 1.0 10", {{0, 1.0}}},
        {"0,5 1,002", {{0.5, 1.002}}},
        {"  \r\n\t0\r\n1.0\r\n", {{0, 1.0}}},
        {"abc 1.0 10xyz 1.1e0;", {{0, 1.0}, {10, 1.1}}},
        {"1e400 1.0 5 1.1 7 -1e999", {{5, 1.1}}},
        {"", {}},
        {"\r\n \t", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        UseTable(c.text);
        const auto& rows = set.Table().Rows();
        ASSERT_EQ(rows.size(), c.wd.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_DOUBLE_EQ(rows[i].w, c.wd[i].first);
            EXPECT_DOUBLE_EQ(rows[i].d, c.wd[i].second);
        }
    }
}

TEST_F(DensityTableTest, EveryKindFillsEveryColumn)
{
    struct Case {
        DensityTableKind kind;
        DensityRow row;
    };
    const Case cases[] = {
        {DensityTableKind::PercentWW, {1.1, 10.0, 11.0, 11.0 / 6.0, 1000.0 * 11.0 / 6.0 / 990.0, 0.0}},
        {DensityTableKind::Molarity, {1.1, 120.0 / 11.0, 12.0, 2.0, 2.0408163265, 0.0354621209}},
        {DensityTableKind::Molality, {1.1, 10.7142857143, 11.7857142857, 1.9642857143, 2.0, 0.0347775442}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        UseTable(c.kind == DensityTableKind::PercentWW ? "10 1.1" : "2 1.1", c.kind);
        ASSERT_EQ(set.Table().Rows().size(), 1u);
        const DensityRow& row = set.Table().Rows()[0];
        EXPECT_NEAR(row.d, c.row.d, 1e-9);
        EXPECT_NEAR(row.w, c.row.w, 1e-9);
        EXPECT_NEAR(row.v, c.row.v, 1e-9);
        EXPECT_NEAR(row.M, c.row.M, 1e-9);
        EXPECT_NEAR(row.m, c.row.m, 1e-9);
        const double x = row.M / (row.M + (1000.0 * row.d - row.M * 60.0) / ConcentrationSet::kSolventMolarMass);
        EXPECT_NEAR(row.x, x, 1e-12);
    }
}

TEST_F(DensityTableTest, UnknownKindOrNoPairsLeaveNoTable)
{
    UseTable(kRising, static_cast<DensityTableKind>(7));
    EXPECT_TRUE(set.Table().Rows().empty());
    EXPECT_FALSE(set.Table().InUse());

    UseTable("only words here");
    ASSERT_EQ(set.Table().Rows().size(), 1u); // two tokens that are not numbers make 0 0
    UseTable("5");
    EXPECT_TRUE(set.Table().Rows().empty());
    EXPECT_EQ(set.Table().MinDensity(), 1.0);
    EXPECT_EQ(set.Table().MaxDensity(), 1.0);
    set.SetConcentration(10.0, Unit::PercentWW);
    EXPECT_EQ(Get(Unit::Density), 1.0);
    EXPECT_FALSE(set.Table().IsOutsideDensityRange(1e9, Unit::PercentWW));
}

TEST_F(DensityTableTest, NoTableFlagFreezesTheRows)
{
    UseTable(kRising);
    EXPECT_EQ(set.Table().MinDensity(), 1.0);
    EXPECT_EQ(set.Table().MaxDensity(), 1.2);

    set.Table().SetNoTable(true);
    set.Table().SetText("0 2.0 10 3.0");
    set.ParseDensityTable();
    EXPECT_EQ(set.Table().Rows().size(), 3u);
    set.SetConcentration(3.0, Unit::Molar);
    EXPECT_EQ(Get(Unit::Density), 1.0);
    EXPECT_FALSE(set.Table().IsOutsideDensityRange(1e9, Unit::Molar));
    EXPECT_TRUE(set.Table().IsOutsideDensityRange(-1.0, Unit::Molar));

    // Clearing the flag makes the rows parsed before usable again.
    set.Table().SetNoTable(false);
    set.SetConcentration(5.0, Unit::PercentWW);
    EXPECT_NEAR(Get(Unit::Density), 1.05, 1e-12);
}

TEST_F(DensityTableTest, OutsideRangeByUnit)
{
    UseTable(kRising);
    const DensityTable& table = set.Table();
    EXPECT_FALSE(table.IsOutsideDensityRange(20.0, Unit::PercentWW));
    EXPECT_TRUE(table.IsOutsideDensityRange(20.001, Unit::PercentWW));
    EXPECT_FALSE(table.IsOutsideDensityRange(200000.0, Unit::Ppm));
    EXPECT_TRUE(table.IsOutsideDensityRange(200100.0, Unit::Ppm));
    EXPECT_FALSE(table.IsOutsideDensityRange(4000.0, Unit::Millimolar));
    EXPECT_TRUE(table.IsOutsideDensityRange(4001.0, Unit::Millimolar));
    EXPECT_FALSE(table.IsOutsideDensityRange(24.0, Unit::PercentWV));
    EXPECT_TRUE(table.IsOutsideDensityRange(24.1, Unit::PercentWV));
    EXPECT_FALSE(table.IsOutsideDensityRange(1.0, Unit::Density));
    EXPECT_TRUE(table.IsOutsideDensityRange(1.21, Unit::Density));
    EXPECT_TRUE(table.IsOutsideDensityRange(0.99, Unit::Density));
    EXPECT_FALSE(table.IsOutsideDensityRange(1e9, Unit::OwnUnit));
    EXPECT_TRUE(table.IsOutsideDensityRange(-1e-9, Unit::OwnUnit));
}

// One row describes a solution of constant density at one concentration.
TEST_F(DensityTableTest, OneRowTableActsAsASinglePoint)
{
    UseTable("10 1.1");
    ASSERT_EQ(set.Table().Rows().size(), 1u);

    for (const double w : {-5.0, 10.0, 50.0}) {
        set.SetConcentration(w, Unit::PercentWW);
        EXPECT_EQ(Get(Unit::Density), 1.1);
        EXPECT_FALSE(set.Table().IsAmbiguous());
    }
    for (const double d : {0.9, 1.1, 1.3}) {
        set.SetConcentration(d, Unit::Density);
        EXPECT_NEAR(Get(Unit::PercentWW), 10.0, 1e-9);
        EXPECT_NEAR(Get(Unit::Molar), 11.0 / 6.0, 1e-12);
        EXPECT_EQ(Get(Unit::Density), d);
        EXPECT_FALSE(set.Table().IsAmbiguous());
    }

    set.SelectOtherRoot();
    EXPECT_NEAR(Get(Unit::Molar), 11.0 / 6.0, 1e-12);

    const DensityTable& table = set.Table();
    EXPECT_FALSE(table.IsOutsideDensityRange(10.0, Unit::PercentWW));
    EXPECT_TRUE(table.IsOutsideDensityRange(9.0, Unit::PercentWW));
    EXPECT_FALSE(table.IsOutsideDensityRange(1.1, Unit::Density));
    EXPECT_TRUE(table.IsOutsideDensityRange(1.2, Unit::Density));
}

TEST_F(DensityTableTest, WithoutTableSelectOtherRootDoesNothing)
{
    set.SetConcentration(1.0, Unit::Molar);
    set.SetConcentration(1.05, Unit::Density);
    set.SelectOtherRoot();
    EXPECT_EQ(Get(Unit::Molar), 1.0);
    EXPECT_FALSE(set.Table().IsAmbiguous());
}

TEST_F(DensityTableTest, HugeTablesParse)
{
    std::string text;
    text.reserve(10'000'000);
    for (int i = 0; text.size() < 10'000'000; ++i)
        text += std::to_string(i) + ",5 1,0" + std::to_string(i % 10) + "\r\n";
    UseTable(text);
    EXPECT_GT(set.Table().Rows().size(), 500'000u);

    UseTable(std::string(10'000'000, '7') + " 1.0");
    ASSERT_EQ(set.Table().Rows().size(), 0u); // 7777… overflows to infinity: skipped

    UseTable(std::string(10'000'000, '-'));
    EXPECT_EQ(set.Table().Rows().size(), 0u); // one token: a dangling number
}

TEST_F(DensityTableTest, AnyBytesParseIntoFiniteRows)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 200; ++i) {
        std::string text(static_cast<std::size_t>(byte(random)) * 4, ' ');
        for (char& c : text)
            c = static_cast<char>(random() % 3 == 0 ? "0123456789., \r\n-e"[random() % 17] : byte(random));
        UseTable(text);
        for (const DensityRow& row : set.Table().Rows())
            ASSERT_TRUE(std::isfinite(row.d));
        set.SetConcentration(1.05, Unit::Density);
        set.SelectOtherRoot();
    }
}

// A flat stretch reaches its density over a range of concentrations:
// "next" moves between the stretch's ends, and back.
TEST_F(DensityTableTest, NextMovesBetweenTheEndsOfAFlatStretch)
{
    struct Case {
        const char* table;
        double density;
        double start; // % w/w
        double other;
    };
    const Case cases[] = {
        {"0 1.00\n10 1.05\n20 1.05\n30 1.05\n40 1.02\n", 1.05, 10.0, 30.0},
        {"0 1.05\n10 1.05\n", 1.05, 0.0, 10.0},
        // The stretch is the first region; the later crossing is not reached.
        {"0 1.00\n10 1.05\n20 1.05\n30 1.00\n40 1.05\n", 1.05, 10.0, 20.0},
        // A first region at one point, then a flat stretch: its first row.
        {"0 1.00\n10 1.05\n20 1.00\n30 1.05\n40 1.05\n", 1.05, 10.0, 30.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table);
        UseTable(c.table);
        set.SetConcentration(c.density, Unit::Density);
        EXPECT_TRUE(set.Table().IsAmbiguous());
        EXPECT_NEAR(Get(Unit::PercentWW), c.start, 1e-9);
        set.SelectOtherRoot();
        EXPECT_NEAR(Get(Unit::PercentWW), c.other, 1e-9);
        for (int unit = 0; unit < kConcentrationUnitCount; ++unit)
            EXPECT_TRUE(std::isfinite(Get(static_cast<Unit>(unit)))) << unit;
        EXPECT_EQ(Get(Unit::Density), c.density);
        set.SelectOtherRoot();
        EXPECT_NEAR(Get(Unit::PercentWW), c.start, 1e-9);
    }
}

// At 100 % w/w there is no solvent: only the molality is infinite.
TEST_F(DensityTableTest, ThePureSubstanceRowGivesExactFractions)
{
    UseTable("90 1.10\n100 1.20\n");
    for (const double density : {1.20, 1.25}) {
        SCOPED_TRACE(density);
        set.SetConcentration(density, Unit::Density);
        EXPECT_EQ(Get(Unit::PercentWW), 100.0);
        EXPECT_EQ(Get(Unit::Ppm), 1000000.0);
        EXPECT_NEAR(Get(Unit::PercentWV), 120.0, 1e-12);
        EXPECT_NEAR(Get(Unit::MoleFraction), 1.0, 1e-12);
        EXPECT_NEAR(Get(Unit::Molar), 20.0, 1e-12);
        EXPECT_TRUE(std::isinf(Get(Unit::Molal)));
    }
}

// A concentration computed from an end row through another unit differs
// from that row's own value by rounding only; it is inside the table.
TEST_F(DensityTableTest, EndRowsAreInsideInEveryUnit)
{
    UseTable("0 0.998\n10 1.07\n26 1.1972\n");
    for (const double w : {0.0, 26.0}) {
        set.SetConcentration(w, Unit::PercentWW);
        for (int unit = 0; unit < kConcentrationUnitCount; ++unit)
            EXPECT_FALSE(Outside(static_cast<Unit>(unit))) << "w " << w << " unit " << unit;
    }
    set.SetConcentration(26.0 * (1.0 + 1e-6), Unit::PercentWW);
    EXPECT_TRUE(Outside(Unit::PercentWW));
    EXPECT_TRUE(Outside(Unit::Molar));
}

// Without a molar mass a table knows only its own column: it still gives
// the density and the units that need no molar mass, and nothing is NaN.
TEST_F(DensityTableTest, WithoutMolarMassTheTableGivesItsOwnColumn)
{
    set.SetMolarMass(0.0);
    UseTable("0 1.00\n10 1.05\n20 1.10\n");
    set.SetConcentration(1.05, Unit::Density);
    EXPECT_NEAR(Get(Unit::PercentWW), 10.0, 1e-12);
    EXPECT_NEAR(Get(Unit::Ppm), 100000.0, 1e-6);
    EXPECT_NEAR(Get(Unit::PercentWV), 10.5, 1e-12);
    set.SetConcentration(15.0, Unit::PercentWW);
    const double density = Get(Unit::Density);
    EXPECT_NEAR(density, 1.075, 1e-12);
    // The table cannot place a molarity: the density stays.
    set.SetConcentration(1.0, Unit::Molar);
    EXPECT_EQ(Get(Unit::Density), density);
    EXPECT_FALSE(Outside(Unit::Molar));

    UseTable("0 1.00\n2 1.05\n", DensityTableKind::Molarity);
    set.SetConcentration(1.025, Unit::Density);
    EXPECT_NEAR(Get(Unit::Molar), 1.0, 1e-12);
    EXPECT_NEAR(Get(Unit::Millimolar), 1000.0, 1e-9);
    for (int unit = 0; unit < kConcentrationUnitCount; ++unit)
        EXPECT_FALSE(std::isnan(Get(static_cast<Unit>(unit)))) << unit;
}

} // namespace
} // namespace solvo

namespace solvo {
namespace {

// The ambiguity check walks root regions, and skips the walk when the
// densities only rise or only fall; its answer must stay that of counting
// every concentration at which the table has the density.
TEST(DensityTableAmbiguity, ShortcutAgreesWithTheFullWalk)
{
    // A density is ambiguous when the table reaches it at more than one
    // concentration: over a flat stretch (a range), or at two points, each a
    // row of exactly that density or a crossing inside a segment.
    const auto fullWalk = [](const std::vector<DensityRow>& rows, double density) {
        int points = 0;
        for (std::size_t k = 0; k < rows.size(); ++k) {
            if (rows[k].d == density)
                ++points;
            if (k + 1 == rows.size())
                continue;
            const double a = rows[k].d;
            const double b = rows[k + 1].d;
            if (a == density && b == density)
                return true;
            if (std::min(a, b) < density && density < std::max(a, b))
                ++points;
        }
        return points > 1;
    };

    std::mt19937 random(11);
    for (int round = 0; round < 400; ++round) {
        const int rows = 2 + static_cast<int>(random() % 6);
        const int shape = round % 4; // rising, falling, with a maximum, with flat parts
        std::string text;
        std::vector<double> densities;
        for (int row = 0; row < rows; ++row) {
            double d = 1.0 + 0.01 * row;
            if (shape == 1)
                d = 1.1 - 0.01 * row;
            else if (shape == 2)
                d = 1.0 + 0.01 * std::min(row, rows - 1 - row);
            else if (shape == 3)
                d = 1.0 + 0.01 * static_cast<int>(random() % 3);
            densities.push_back(d);
            text += std::to_string(row) + " " + std::to_string(d) + "\n";
        }
        DensityTable table;
        table.SetNoTable(false);
        table.SetText(text);
        table.ParseDensityTable(60.0, 18.0153);
        for (const double d : densities) {
            for (const double probe : {d, d + 0.005, d - 0.005}) {
                table.CheckAmbiguity(probe);
                ASSERT_EQ(table.IsAmbiguous(), fullWalk(table.Rows(), probe))
                    << "table:\n" << text << "density " << probe;
            }
        }
    }
}

} // namespace
} // namespace solvo
