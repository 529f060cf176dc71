#include "calculators/SolutionMixerForm.h"

#include "formula/ElementTable.h"
#include "substances/DefaultSubstances.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace solvo {
namespace {

using Field = MixerField;

class SolutionMixerFormTest : public ::testing::Test {
protected:
    SolutionMixerFormTest() { elements.LoadDefaults(); }

    // Types text as a user does, one more character at a time; no keystroke
    // may bring up a message.
    void Key(Field field, const std::string& text)
    {
        form.Type(field, "");
        for (std::size_t length = 1; length <= text.size(); ++length) {
            const auto message = form.Type(field, text.substr(0, length));
            ASSERT_FALSE(message) << message->text;
        }
    }

    // Sodium chloride by its molar mass, every row in M, without a table.
    void TwoSolutionsMixed()
    {
        Key(Field::MolarMass, "58.44");
        Key(Field::Concentration1, "1");
        Key(Field::Volume1, "100");
        Key(Field::Concentration2, "0");
        Key(Field::Volume2, "100");
    }

    ElementTable elements;
    UnitLabels units = UnitLabels::Defaults();
    SolutionMixerForm form{elements, units, 4};
};

TEST_F(SolutionMixerFormTest, FieldStatesFollowMolarMassTogglesAndConstantConcentrations)
{
    for (std::size_t row = 0; row < kMixerRowCount; ++row) {
        EXPECT_FALSE(form.Enabled(ConcentrationField(row)));
        EXPECT_FALSE(form.Enabled(VolumeField(row)));
        EXPECT_FALSE(form.ConcButtonEnabled(row));
        EXPECT_FALSE(form.ToggleEnabled(row));
        EXPECT_EQ(form.Row(row).unit, ConcentrationUnit::Molar);
    }
    EXPECT_TRUE(form.Enabled(Field::MolarMass));

    Key(Field::MolarMass, "58.44");
    EXPECT_TRUE(form.Enabled(Field::Concentration3));
    EXPECT_TRUE(form.ConcButtonEnabled(2));
    EXPECT_TRUE(form.Enabled(Field::Volume2));
    EXPECT_FALSE(form.Enabled(Field::SolutionMass2));
    form.Toggle(1);
    EXPECT_EQ(form.ToggleCaption(1), ">");
    EXPECT_FALSE(form.Enabled(Field::Volume2));
    EXPECT_TRUE(form.Enabled(Field::SolutionMass2));
    EXPECT_EQ(form.ToggleCaption(0), "<");

    EXPECT_FALSE(form.ClickConstantConcentrations(true));
    EXPECT_FALSE(form.Enabled(Field::Concentration1));
    EXPECT_FALSE(form.ConcButtonEnabled(0));
    EXPECT_TRUE(form.Enabled(Field::Volume1));

    Key(Field::Formula, "KCl");
    EXPECT_FALSE(form.Enabled(Field::MolarMass));
    EXPECT_EQ(form.FormulaFrameText(), "KCl");
    EXPECT_NE(form.Text(Field::MolarMass), "58.44");
}

TEST_F(SolutionMixerFormTest, MixesForwardAndSolvesTheSecondSolution)
{
    TwoSolutionsMixed();
    EXPECT_EQ(form.Text(Field::SolutionMass1), "100");
    EXPECT_EQ(form.Text(Field::SolutionMass2), "100");
    EXPECT_EQ(form.Text(Field::SolutionMass3), "200");
    EXPECT_EQ(form.Text(Field::Volume3), "200");
    EXPECT_EQ(form.Text(Field::Concentration3), "0.5");

    Key(Field::Concentration3, "0.25");
    EXPECT_EQ(form.Text(Field::SolutionMass3), "200");
    EXPECT_EQ(form.Text(Field::Concentration2), "-0.5");
    EXPECT_TRUE(form.Red(Field::Concentration2));
    EXPECT_FALSE(form.Red(Field::Concentration1));
    EXPECT_EQ(form.Text(Field::Volume2), "100");
    EXPECT_EQ(form.Text(Field::SolutionMass2), "100");
    EXPECT_EQ(form.Text(Field::Concentration1), "1");
    EXPECT_FALSE(form.Accept());
}

TEST_F(SolutionMixerFormTest, ConstantConcentrationsRescaleTheOtherRows)
{
    TwoSolutionsMixed();
    EXPECT_FALSE(form.ClickConstantConcentrations(true));
    Key(Field::Volume3, "1000");
    EXPECT_EQ(form.Text(Field::Volume1), "500");
    EXPECT_EQ(form.Text(Field::Volume2), "500");
    EXPECT_EQ(form.Text(Field::SolutionMass3), "1000");
    EXPECT_EQ(form.Text(Field::Concentration3), "0.5");

    Key(Field::Volume1, "200");
    EXPECT_EQ(form.Text(Field::Volume2), "200");
    EXPECT_EQ(form.Text(Field::Volume3), "400");
    EXPECT_EQ(form.Text(Field::SolutionMass3), "400");

    Key(Field::Volume2, "300");
    EXPECT_EQ(form.Text(Field::Volume1), "300");
    EXPECT_EQ(form.Text(Field::Volume3), "600");
}

TEST_F(SolutionMixerFormTest, EqualConcentrationsLeaveTheOtherRowsAlone)
{
    Key(Field::MolarMass, "58.44");
    Key(Field::Concentration1, "1");
    Key(Field::Concentration2, "0.5");
    Key(Field::Volume2, "100");
    EXPECT_EQ(form.Text(Field::Concentration3), "0.5");
    EXPECT_FALSE(form.ClickConstantConcentrations(true));
    Key(Field::Volume1, "50");
    EXPECT_EQ(form.Text(Field::SolutionMass1), "50");
    EXPECT_EQ(form.Text(Field::Volume2), "100");
    EXPECT_EQ(form.Text(Field::Volume3), "100");
    EXPECT_EQ(form.Text(Field::SolutionMass3), "100");
}

TEST_F(SolutionMixerFormTest, UnitChangeConvertsOnlyItsRow)
{
    TwoSolutionsMixed();
    EXPECT_FALSE(form.ChooseUnit(0, ConcentrationUnit::PercentWW));
    EXPECT_EQ(form.Text(Field::Concentration1), "5.844");
    EXPECT_EQ(form.Row(0).unit, ConcentrationUnit::PercentWW);
    EXPECT_EQ(form.Text(Field::Concentration3), "0.5");
    EXPECT_EQ(form.Text(Field::Volume3), "200");

    // The mixture follows in its own unit from here on.
    Key(Field::Volume1, "300");
    EXPECT_EQ(form.Text(Field::Concentration3), "0.75");
}

TEST_F(SolutionMixerFormTest, ConcentrationCalculatorWorksOnTheRow)
{
    TwoSolutionsMixed();
    const auto start = form.BeginConcentrationCalculator(0);
    EXPECT_EQ(start.volume, 100.0);
    EXPECT_EQ(start.solutionMass, 100.0);
    EXPECT_DOUBLE_EQ(form.Component().GetConcentration(ConcentrationUnit::Molar), 1.0);
    EXPECT_DOUBLE_EQ(form.Component().Amount(), 0.1);
    EXPECT_DOUBLE_EQ(form.Component().Mass(), 5.844);

    form.Component().SetConcentration(3.0, ConcentrationUnit::Molar);
    EXPECT_FALSE(form.EndConcentrationCalculator(0, false, 300.0, 300.0));
    EXPECT_EQ(form.Component().GetConcentration(ConcentrationUnit::Molar), 0.0);
    EXPECT_EQ(form.Component().Amount(), 0.0);
    EXPECT_EQ(form.Text(Field::Concentration1), "1");
    EXPECT_EQ(form.Text(Field::Volume1), "100");
    EXPECT_EQ(form.Text(Field::Concentration3), "0.5");

    form.BeginConcentrationCalculator(1);
    form.Component().SetConcentration(2.0, ConcentrationUnit::Molar);
    EXPECT_FALSE(form.EndConcentrationCalculator(1, true, 100.0, 100.0));
    EXPECT_EQ(form.Text(Field::Concentration2), "2");
    EXPECT_EQ(form.Text(Field::Concentration3), "1.5");
    EXPECT_EQ(form.Text(Field::Volume3), "200");
}

TEST_F(SolutionMixerFormTest, ClearKeepsTheSubstanceClearAllDoesNot)
{
    TwoSolutionsMixed();
    form.Toggle(2);
    EXPECT_FALSE(form.ChooseUnit(2, ConcentrationUnit::Millimolar));
    EXPECT_FALSE(form.ClickConstantConcentrations(true));
    form.Clear();
    for (std::size_t row = 0; row < kMixerRowCount; ++row) {
        EXPECT_EQ(form.Text(ConcentrationField(row)), "0");
        EXPECT_EQ(form.Text(VolumeField(row)), "0");
        EXPECT_EQ(form.Row(row).unit, ConcentrationUnit::Molar);
        EXPECT_TRUE(form.Row(row).volumeIsInput);
    }
    EXPECT_FALSE(form.ConstantConcentrations());
    EXPECT_EQ(form.Text(Field::MolarMass), "58.44");

    form.ClearAll();
    EXPECT_EQ(form.Text(Field::MolarMass), "0");
    EXPECT_FALSE(form.Enabled(Field::Volume1));
}

TEST_F(SolutionMixerFormTest, DatabaseSubstanceMixesThroughItsDensityTable)
{
    for (const SolvoSubstance& substance : DefaultSubstances(elements)) {
        if (substance.Name() == "sulfuric acid")
            form.UseDatabaseSubstance(substance);
    }
    EXPECT_EQ(form.FormulaFrameText(), "H2SO4");
    EXPECT_FALSE(form.Enabled(Field::MolarMass));
    EXPECT_FALSE(form.ChooseUnit(0, ConcentrationUnit::PercentWW));
    EXPECT_FALSE(form.ChooseUnit(1, ConcentrationUnit::PercentWW));
    EXPECT_FALSE(form.ChooseUnit(2, ConcentrationUnit::PercentWW));
    Key(Field::Concentration1, "50");
    Key(Field::Volume1, "100");
    Key(Field::Volume2, "100");
    // 50 % acid is denser than water: masses add, volumes do not.
    const double S1 = std::stod(form.Text(Field::SolutionMass1));
    const double S3 = std::stod(form.Text(Field::SolutionMass3));
    EXPECT_GT(S1, 130.0);
    EXPECT_NEAR(S3, S1 + std::stod(form.Text(Field::SolutionMass2)), 0.01);
    EXPECT_NE(form.Text(Field::Volume3), "200");
    EXPECT_NEAR(std::stod(form.Text(Field::Concentration3)), 50.0 * S1 / S3, 0.01);
}

// "???" shows a value that is not finite: what it stands for is unknown,
// never 0. Actions elsewhere leave it as it is and OK refuses it.
TEST_F(SolutionMixerFormTest, UnknownConcentrationIsNeverTakenAsZero)
{
    TwoSolutionsMixed();
    form.BeginConcentrationCalculator(0);
    form.Component().StoreConcentration(std::numeric_limits<double>::quiet_NaN(), ConcentrationUnit::Molar);
    EXPECT_FALSE(form.EndConcentrationCalculator(0, true, 100.0, 100.0));
    ASSERT_EQ(form.Text(Field::Concentration1), "???");

    EXPECT_FALSE(form.ChooseUnit(1, ConcentrationUnit::Millimolar));
    EXPECT_TRUE(std::isnan(form.Row(0).c));
    Key(Field::Volume2, "50");
    EXPECT_TRUE(std::isnan(form.Row(0).c));
    const auto refused = form.Accept();
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->field, Field::Concentration1);
    EXPECT_EQ(refused->text, "Enter a number.");

    Key(Field::Concentration1, "1");
    EXPECT_FALSE(form.Accept());
    EXPECT_TRUE(form.Type(Field::Volume1, "???"));
    EXPECT_EQ(form.Row(0).V, 100.0);
}

TEST_F(SolutionMixerFormTest, InvalidNumberStopsReading)
{
    Key(Field::MolarMass, "58.44");
    const auto message = form.Type(Field::Volume1, "x1");
    ASSERT_TRUE(message);
    EXPECT_EQ(message->field, Field::Volume1);
    EXPECT_EQ(message->text, "Enter a number.");
    EXPECT_TRUE(form.Accept());
}

// Every row offers % v/v only while the substance has a density of the pure
// liquid, and a row can then be given in it.
TEST_F(SolutionMixerFormTest, VolumePercentOnlyWithThePureLiquidDensity)
{
    EXPECT_EQ(form.Units().IndexOf(ConcentrationUnit::PercentVV), -1);
    EXPECT_EQ(form.Units().Items().size(), kConcentrationUnits.size() - 1);
    for (const SolvoSubstance& substance : DefaultSubstances(elements)) {
        if (substance.Name() == "ethanol")
            form.UseDatabaseSubstance(substance);
    }
    const std::int32_t index = form.Units().IndexOf(ConcentrationUnit::PercentVV);
    ASSERT_GE(index, 0);
    EXPECT_EQ(form.Units().Items()[static_cast<std::size_t>(index)], "% v/v");
    Key(Field::Concentration1, "20");
    EXPECT_FALSE(form.ChooseUnit(0, *form.Units().UnitAt(index)));
    EXPECT_EQ(form.Row(0).unit, ConcentrationUnit::PercentVV);
    EXPECT_EQ(form.Text(Field::Concentration1).find("???"), std::string::npos);
    form.ClearAll();
    EXPECT_EQ(form.Units().IndexOf(ConcentrationUnit::PercentVV), -1);
}

} // namespace
} // namespace solvo
