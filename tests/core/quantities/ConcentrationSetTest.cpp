#include "quantities/ConcentrationSet.h"
#include "quantities/NumberFormat.h"
#include "quantities/ParseNumber.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace solvo {
namespace {

using Unit = ConcentrationUnit;

constexpr std::array<Unit, 8> kAllUnits = {Unit::Molar,     Unit::Millimolar, Unit::Molal,
                                           Unit::PercentWW, Unit::Ppm,        Unit::PercentWV,
                                           Unit::MoleFraction, Unit::Density};

std::array<double, 8> Fields(const ConcentrationSet& set)
{
    std::array<double, 8> fields{};
    for (std::size_t i = 0; i < kAllUnits.size(); ++i)
        fields[i] = set.GetConcentration(kAllUnits[i]);
    return fields;
}

// Worked values are printed to seven decimals.
void ExpectPrinted(double actual, double printed)
{
    EXPECT_NEAR(actual, printed, 1e-7 * std::max(1.0, std::fabs(printed)));
}

class SodiumChlorideSet : public ::testing::Test {
protected:
    SodiumChlorideSet() { set.SetMolarMass(58.44); }
    ConcentrationSet set;
};

struct WorkedCase {
    Unit unit;
    double value;
    std::vector<std::pair<Unit, double>> expected;
};

TEST_F(SodiumChlorideSet, WorkedExamplesWithoutDensityTable)
{
    const WorkedCase cases[] = {
        {Unit::Molar, 1.0,
         {{Unit::Millimolar, 1000.0}, {Unit::PercentWV, 5.844}, {Unit::PercentWW, 5.844},
          {Unit::Ppm, 58440.0}, {Unit::Molal, 1.0620672}, {Unit::MoleFraction, 0.0187742},
          {Unit::Density, 1.0}}},
        {Unit::PercentWW, 10.0,
         {{Unit::Molar, 1.7111567}, {Unit::Molal, 1.9012853}, {Unit::MoleFraction, 0.0331179},
          {Unit::PercentWV, 10.0}, {Unit::Ppm, 100000.0}}},
        {Unit::Molal, 1.0,
         {{Unit::Molar, 0.9447867}, {Unit::PercentWW, 5.5213333}, {Unit::PercentWV, 5.5213333},
          {Unit::MoleFraction, 0.0176965}}},
        {Unit::MoleFraction, 0.01,
         {{Unit::Molar, 0.5429015}, {Unit::Molal, 0.5606906}, {Unit::PercentWW, 3.1727165}}},
        {Unit::PercentWV, 5.0,
         {{Unit::Molar, 0.8555784}, {Unit::Molal, 0.9006088}, {Unit::MoleFraction, 0.0159657},
          {Unit::PercentWW, 5.0}}},
        {Unit::Millimolar, 1000.0, {{Unit::Molar, 1.0}, {Unit::Molal, 1.0620672}}},
        {Unit::Ppm, 100000.0, {{Unit::PercentWW, 10.0}, {Unit::Molar, 1.7111567}}},
    };
    for (const WorkedCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "set " << ConcentrationUnitSymbol(c.unit) << " = " << c.value);
        set.SetConcentration(c.value, c.unit);
        for (const auto& [unit, value] : c.expected) {
            SCOPED_TRACE(ConcentrationUnitSymbol(unit));
            ExpectPrinted(set.GetConcentration(unit), value);
        }
    }
}

TEST_F(SodiumChlorideSet, PureSubstanceHasInfiniteMolality)
{
    set.SetConcentration(100.0, Unit::PercentWW);
    EXPECT_EQ(set.GetConcentration(Unit::Molal), std::numeric_limits<double>::infinity());
    EXPECT_DOUBLE_EQ(set.GetConcentration(Unit::MoleFraction), 1.0);
    EXPECT_EQ(FormatDefault(set.GetConcentration(Unit::Molal), 4), "???");
}

TEST_F(SodiumChlorideSet, WithoutMolarMassOnlyTheRelationsNeedingNoneHold)
{
    const WorkedCase cases[] = {
        {Unit::Molar, 2.0, {{Unit::Molar, 2.0}, {Unit::Millimolar, 2000.0}}},
        {Unit::PercentWW, 10.0,
         {{Unit::PercentWW, 10.0}, {Unit::Ppm, 100000.0}, {Unit::PercentWV, 10.0}}},
        {Unit::Molal, 3.0, {{Unit::Molal, 3.0}}},
        {Unit::MoleFraction, 0.5, {{Unit::MoleFraction, 0.5}}},
    };
    for (const WorkedCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "set " << ConcentrationUnitSymbol(c.unit) << " = " << c.value);
        set.SetMolarMass(58.44);
        set.SetConcentration(1.0, Unit::Molar);
        set.SetMolarMass(0.0);
        std::array<double, 8> expected = Fields(set);
        for (const auto& [unit, value] : c.expected)
            expected[static_cast<std::size_t>(unit)] = value;

        set.SetConcentration(c.value, c.unit);
        EXPECT_EQ(Fields(set), expected);
    }
}

TEST_F(SodiumChlorideSet, GetConcentrationOfOwnAndUnknownUnits)
{
    set.SetConcentration(1.0, Unit::Molar);
    EXPECT_EQ(set.GetConcentration(static_cast<Unit>(16)), -1.0);
    EXPECT_EQ(set.GetConcentration(static_cast<Unit>(-1)), -1.0);

    set.SetUnit(Unit::PercentWV);
    EXPECT_DOUBLE_EQ(set.GetConcentration(Unit::OwnUnit), 5.844);

    // A unit read from a damaged file must not send OwnUnit round in circles.
    set.SetUnit(Unit::OwnUnit);
    EXPECT_EQ(set.GetConcentration(Unit::OwnUnit), -1.0);
    set.SetUnit(static_cast<Unit>(1234));
    EXPECT_EQ(set.GetConcentration(Unit::OwnUnit), -1.0);
}

TEST_F(SodiumChlorideSet, UnknownUnitsSetNothing)
{
    set.SetConcentration(1.0, Unit::Molar);
    const std::array<double, 8> before = Fields(set);
    set.SetConcentration(5.0, Unit::OwnUnit);
    set.SetConcentration(5.0, static_cast<Unit>(-3));
    EXPECT_EQ(Fields(set), before);
}

TEST_F(SodiumChlorideSet, ConvertConcentrationPutsTheFieldsBack)
{
    set.SetConcentration(2.0, Unit::PercentWW);
    const std::array<double, 8> before = Fields(set);
    EXPECT_NEAR(set.ConvertConcentration(1.0, Unit::Molar, Unit::PercentWW), 5.844, 1e-12);
    EXPECT_EQ(Fields(set), before);
    EXPECT_EQ(set.GetConcentration(Unit::PercentWW), 2.0);
}

// Whatever is typed or read, every field either shows as a number that reads
// back, or as "???"; nothing traps.
TEST(ConcentrationSet, ExtremeValuesGiveNumbersOrQuestionMarks)
{
    const double values[] = {std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN(),
                             0.0,
                             -0.0,
                             std::numeric_limits<double>::denorm_min(),
                             1e308,
                             -1e308};
    for (const double molarMass : {58.44, 0.0, 1e308}) {
        for (const char* table : {"", "0 1.0\r\n10 1.1\r\n20 1.2\r\n", "10 1.1", "0 1 50 1.1 100 1"}) {
            ConcentrationSet set;
            set.SetMolarMass(molarMass);
            set.Table().SetNoTable(table[0] == '\0');
            set.Table().SetText(table);
            set.ParseDensityTable();
            for (const Unit unit : kAllUnits) {
                for (const double value : values) {
                    set.SetConcentration(value, unit);
                    set.SelectOtherRoot();
                    for (const Unit shown : kAllUnits) {
                        const double field = set.GetConcentration(shown);
                        const std::string text = FormatSignificant(field, 4, 4);
                        if (std::isfinite(field))
                            ASSERT_TRUE(ParseNumber(text).valid) << text;
                        else
                            ASSERT_EQ(text, "???");
                        set.Table().IsOutsideDensityRange(field, shown);
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace solvo
