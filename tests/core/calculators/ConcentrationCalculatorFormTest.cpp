#include "calculators/ConcentrationCalculatorForm.h"

#include "formula/ElementTable.h"
#include "quantities/ParseNumber.h"
#include "substances/DefaultSubstances.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace solvo {
namespace {

using Field = CalculatorField;
using Mode = CalculatorMode;

class ConcentrationCalculatorFormTest : public ::testing::Test {
protected:
    ConcentrationCalculatorFormTest() { elements.LoadDefaults(); }

    SolvoSubstance BuiltIn(std::string_view name) const
    {
        for (const SolvoSubstance& substance : DefaultSubstances(elements)) {
            if (substance.Name() == name)
                return substance;
        }
        ADD_FAILURE() << name;
        return {};
    }

    // Types text as a user does, one more character at a time, as every
    // keystroke recomputes; no keystroke may bring up a message.
    void Key(ConcentrationCalculatorForm& form, Field field, const std::string& text)
    {
        for (std::size_t length = 1; length <= text.size(); ++length) {
            const auto message = form.Type(field, text.substr(0, length));
            ASSERT_FALSE(message) << message->text;
        }
    }

    // A built-in substance in 100 mL at a density typed afresh.
    void AtDensity(ConcentrationCalculatorForm& form, std::string_view substance, const std::string& density)
    {
        form.UseDatabaseSubstance(BuiltIn(substance));
        Key(form, Field::Volume, "100");
        form.Type(Field::Density, "");
        Key(form, Field::Density, density);
    }

    static double Value(const ConcentrationCalculatorForm& form, Field field)
    {
        return ParseNumber(form.Text(field)).value;
    }

    ElementTable elements;
    SolvoSubstance component;
};

TEST_F(ConcentrationCalculatorFormTest, FieldsWaitForAMolarMass)
{
    ConcentrationCalculatorForm form(component, elements, false, 4);
    for (const Field field : {Field::Mass, Field::Amount, Field::Volume, Field::SolutionMass,
                              Field::Molar, Field::Ppm, Field::Density})
        EXPECT_FALSE(form.Enabled(field)) << static_cast<int>(field);
    EXPECT_FALSE(form.ToggleEnabled());
    EXPECT_TRUE(form.NoTableShown());
    EXPECT_FALSE(form.NextEnabled());
    EXPECT_TRUE(form.Enabled(Field::MolarMass));
    EXPECT_EQ(form.Text(Field::Volume), "0");
    EXPECT_EQ(form.Text(Field::Density), "1");

    Key(form, Field::MolarMass, "58.44");
    EXPECT_TRUE(form.Enabled(Field::Volume));
    EXPECT_FALSE(form.Enabled(Field::SolutionMass));
    EXPECT_EQ(form.ToggleCaption(), "<");
    EXPECT_TRUE(form.Enabled(Field::Mass));
    EXPECT_TRUE(form.Enabled(Field::MoleFraction));
    form.Toggle();
    EXPECT_EQ(form.ToggleCaption(), ">");
    EXPECT_FALSE(form.Enabled(Field::Volume));
    EXPECT_TRUE(form.Enabled(Field::SolutionMass));
}

TEST_F(ConcentrationCalculatorFormTest, ModesDecideWhichFieldsCanBeTyped)
{
    component.SetMolarMass(58.44);
    ConcentrationCalculatorForm form(component, elements, false, 4);
    struct Case {
        Mode mode;
        bool amount, volume, concentration;
    };
    for (const Case& c : {Case{Mode::BeSmart, true, true, true}, Case{Mode::HoldAmount, false, true, true},
                          Case{Mode::HoldVolume, true, false, true},
                          Case{Mode::HoldConcentration, true, true, false}}) {
        EXPECT_FALSE(form.ChooseMode(c.mode));
        EXPECT_EQ(form.Enabled(Field::Mass), c.amount) << static_cast<int>(c.mode);
        EXPECT_EQ(form.Enabled(Field::Amount), c.amount);
        EXPECT_EQ(form.Enabled(Field::Volume), c.volume);
        EXPECT_FALSE(form.Enabled(Field::SolutionMass));
        EXPECT_EQ(form.Enabled(Field::PercentWV), c.concentration);
        EXPECT_EQ(form.Enabled(Field::Density), c.concentration);
        EXPECT_TRUE(form.ToggleEnabled());
    }
}

// Sodium chloride by its molar mass alone, without a density table.
TEST_F(ConcentrationCalculatorFormTest, WorkedExampleTypedFieldByField)
{
    ConcentrationCalculatorForm form(component, elements, false, 4);
    Key(form, Field::MolarMass, "58.44");
    Key(form, Field::Volume, "100");
    Key(form, Field::Molar, "1");
    EXPECT_EQ(form.Text(Field::Amount), "0.1");
    EXPECT_EQ(form.Text(Field::Mass), "5.844");
    EXPECT_EQ(form.Text(Field::SolutionMass), "100");
    EXPECT_EQ(form.Text(Field::PercentWW), "5.844");
    EXPECT_EQ(form.Text(Field::Millimolar), "1000");

    form.Type(Field::Mass, "");
    Key(form, Field::Mass, "11.688");
    EXPECT_EQ(form.Text(Field::Amount), "0.2");
    EXPECT_EQ(form.Text(Field::Molar), "2");
    EXPECT_EQ(form.Text(Field::SolutionMass), "100");

    EXPECT_FALSE(form.ChooseMode(Mode::HoldConcentration));
    form.Type(Field::Volume, "");
    Key(form, Field::Volume, "250");
    EXPECT_EQ(form.Text(Field::Amount), "0.5");
    EXPECT_EQ(form.Text(Field::Mass), "29.22");
    EXPECT_EQ(form.Text(Field::SolutionMass), "250");
    EXPECT_EQ(form.Text(Field::Molar), "2");

    EXPECT_FALSE(form.ChooseMode(Mode::HoldAmount));
    Key(form, Field::Molar, "0.5");
    EXPECT_EQ(form.Text(Field::Volume), "1000");
    EXPECT_EQ(form.Text(Field::SolutionMass), "1000");
    EXPECT_EQ(form.Text(Field::Amount), "0.5");

    form.Toggle();
    EXPECT_FALSE(form.ChooseMode(Mode::BeSmart));
    Key(form, Field::Mass, "29.22");
    form.Type(Field::SolutionMass, "");
    Key(form, Field::SolutionMass, "200");
    EXPECT_EQ(form.Text(Field::PercentWW), "14.61");
    EXPECT_EQ(form.Text(Field::PercentWV), "14.61");
    EXPECT_EQ(form.Text(Field::Volume), "200");
    EXPECT_EQ(form.Text(Field::Amount), "0.5");

    EXPECT_FALSE(form.Accept());
    EXPECT_DOUBLE_EQ(form.Volume(), 200.0);
    EXPECT_DOUBLE_EQ(component.Mass(), 29.22);
}

TEST_F(ConcentrationCalculatorFormTest, TypedFieldKeepsItsTextUntilItReformatsItself)
{
    component.SetMolarMass(58.44);
    ConcentrationCalculatorForm form(component, elements, false, 4, 100.0);
    Key(form, Field::Molar, "1.");
    EXPECT_EQ(form.Text(Field::Molar), "1.");
    EXPECT_EQ(form.Text(Field::Mass), "5.844");
    EXPECT_EQ(form.Text(Field::Amount), "0.1");

    form.Reformatted(Field::Molar, "1");
    EXPECT_EQ(form.Text(Field::Molar), "1");
    EXPECT_EQ(form.Text(Field::Mass), "5.844");

    // The next action shows every value again, this field included.
    Key(form, Field::Volume, "200");
    EXPECT_EQ(form.Text(Field::Volume), "200");
    EXPECT_EQ(form.Text(Field::Molar), "0.5");
}

TEST_F(ConcentrationCalculatorFormTest, AValueIsUsedAsShown)
{
    component.SetMolarMass(58.44);
    ConcentrationCalculatorForm form(component, elements, false, 4);
    Key(form, Field::Volume, "300");
    Key(form, Field::Molar, "1");
    form.Type(Field::Mass, "");
    Key(form, Field::Mass, "10");
    // n = 10/58.44 = 0.171116; M = n/0.3 = 0.570386, shown as 0.5704.
    EXPECT_EQ(form.Text(Field::Molar), "0.5704");
    EXPECT_NE(component.GetConcentration(ConcentrationUnit::Molar), 0.5704);
    EXPECT_FALSE(form.Accept());
    EXPECT_DOUBLE_EQ(component.GetConcentration(ConcentrationUnit::Molar), 0.5704);
}

TEST_F(ConcentrationCalculatorFormTest, FormulaGivesTheMolarMassButRecomputesNothing)
{
    component.SetMolarMass(58.44);
    ConcentrationCalculatorForm form(component, elements, false, 4, 100.0);
    Key(form, Field::Molar, "1");
    Key(form, Field::Formula, "KCl");
    EXPECT_EQ(form.Text(Field::MolarMass), "74.5513");
    EXPECT_FALSE(form.Enabled(Field::MolarMass));
    EXPECT_EQ(form.FormulaFrameText(), "KCl");
    EXPECT_EQ(form.Text(Field::Mass), "5.844");
    EXPECT_EQ(form.Text(Field::Amount), "0.1");

    Key(form, Field::Amount, "0.1");
    EXPECT_EQ(form.Text(Field::Mass), "7.4551");

    // An empty formula gives no molar mass: the quantities cannot be typed.
    form.Type(Field::Formula, "");
    EXPECT_EQ(form.Text(Field::MolarMass), "0");
    EXPECT_TRUE(form.Enabled(Field::MolarMass));
    EXPECT_FALSE(form.Enabled(Field::Mass));
}

TEST_F(ConcentrationCalculatorFormTest, MassOutsideItsRangeAndTextsThatAreNoNumbers)
{
    component.SetMolarMass(58.44);
    ConcentrationCalculatorForm form(component, elements, false, 4, 100.0);
    Key(form, Field::Molar, "1");

    auto message = form.Type(Field::Mass, "2000000");
    ASSERT_TRUE(message);
    EXPECT_EQ(message->field, Field::Mass);
    EXPECT_EQ(message->text, "Enter a number between 0 and 1000000.");
    EXPECT_EQ(form.Text(Field::Mass), "2000000");
    EXPECT_EQ(form.Text(Field::Amount), "0.1");
    EXPECT_TRUE(form.Accept());

    message = form.Type(Field::Mass, "-1");
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text, "Enter a number between 0 and 1000000.");
    EXPECT_FALSE(form.Type(Field::Mass, "1000000"));

    // Reading stops at the field that is no number: the ones after it keep
    // their old values, while the typed field's rule still runs.
    message = form.Type(Field::Volume, "abc");
    ASSERT_TRUE(message);
    EXPECT_EQ(message->field, Field::Volume);
    EXPECT_EQ(message->text, "Enter a number.");
    EXPECT_EQ(form.Text(Field::Volume), "abc");
    EXPECT_TRUE(form.Accept());
}

// "???" shows a value that is not finite. What it stands for is unknown,
// never 0: actions elsewhere leave it as it is and OK refuses it, while
// "???" typed into a field is no number either.
TEST_F(ConcentrationCalculatorFormTest, UnknownConcentrationIsNeverTakenAsZero)
{
    component = BuiltIn("sodium chloride");
    component.SetConcentration(0.5, ConcentrationUnit::Molar);
    component.StoreConcentration(std::numeric_limits<double>::quiet_NaN(), ConcentrationUnit::Molar);
    ConcentrationCalculatorForm form(component, elements, true, 4, 100.0);
    ASSERT_EQ(form.Text(Field::Molar), "???");

    EXPECT_FALSE(form.ChooseMode(Mode::HoldVolume));
    EXPECT_TRUE(std::isnan(component.GetConcentration(ConcentrationUnit::Molar)));
    const auto refused = form.Accept();
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->field, Field::Molar);
    EXPECT_EQ(refused->text, "Enter a number.");
    EXPECT_TRUE(std::isnan(component.GetConcentration(ConcentrationUnit::Molar)));

    // Typing a concentration makes every value known again.
    Key(form, Field::Millimolar, "500");
    EXPECT_EQ(form.Text(Field::Molar), "0.5");
    EXPECT_FALSE(form.Accept());

    const auto typed = form.Type(Field::Molar, "???");
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->field, Field::Molar);
    EXPECT_EQ(typed->text, "Enter a number.");
    EXPECT_DOUBLE_EQ(component.GetConcentration(ConcentrationUnit::Molar), 0.5);
    EXPECT_TRUE(form.Accept());
}

// Holding a concentration of 0 while typing a mass needs an infinite volume.
TEST_F(ConcentrationCalculatorFormTest, UnknownVolumeIsNeverTakenAsZero)
{
    component.SetMolarMass(58.44);
    ConcentrationCalculatorForm form(component, elements, false, 4, 100.0);
    EXPECT_FALSE(form.ChooseMode(Mode::HoldConcentration));
    Key(form, Field::Mass, "5");
    ASSERT_EQ(form.Text(Field::Volume), "???");
    ASSERT_EQ(form.Text(Field::SolutionMass), "???");

    EXPECT_FALSE(form.ChooseMode(Mode::BeSmart));
    EXPECT_TRUE(std::isinf(form.Volume()));
    const auto refused = form.Accept();
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->field, Field::SolutionMass);
    EXPECT_EQ(refused->text, "Enter a number.");

    Key(form, Field::Volume, "100");
    EXPECT_EQ(form.Text(Field::Molar), "0.8556");
    EXPECT_EQ(form.Text(Field::SolutionMass), "100");
    EXPECT_FALSE(form.Accept());
}

TEST_F(ConcentrationCalculatorFormTest, LockedComponentKeepsItsSubstance)
{
    component = BuiltIn("sodium chloride");
    component.SetMolarMass(1234.5678);
    component.SetConcentration(1.0, ConcentrationUnit::Molar);
    ConcentrationCalculatorForm form(component, elements, true, 4, 500.0);
    EXPECT_EQ(form.Text(Field::Volume), "500");
    EXPECT_EQ(form.Text(Field::SolutionMass), "0");
    EXPECT_EQ(form.Text(Field::Name), "sodium chloride");
    EXPECT_TRUE(form.Locked());
    for (const Field field : {Field::Name, Field::Formula, Field::MolarMass})
        EXPECT_FALSE(form.Enabled(field));
    EXPECT_FALSE(form.ClearAll());
    EXPECT_EQ(component.Name(), "sodium chloride");

    // The molar mass shown as 1.235e+03 is never read back from its field.
    Key(form, Field::Molar, "2");
    EXPECT_EQ(component.MolarMass(), 1234.5678);
    EXPECT_DOUBLE_EQ(component.Amount(), 1.0);
    EXPECT_DOUBLE_EQ(component.Mass(), 1234.5678);
    EXPECT_FALSE(form.Accept());
    EXPECT_EQ(component.MolarMass(), 1234.5678);
}

// Acetic acid is densest at about 77 % w/w, so a density just below the
// maximum belongs to two concentrations.
TEST_F(ConcentrationCalculatorFormTest, NextFlipsBetweenTheTwoConcentrationsOfADensity)
{
    ConcentrationCalculatorForm form(component, elements, false, 4);
    form.UseDatabaseSubstance(BuiltIn("acetic acid"));
    EXPECT_FALSE(form.NoTableShown());
    EXPECT_EQ(form.Text(Field::MolarMass), "60.052");
    EXPECT_FALSE(form.Enabled(Field::MolarMass));
    Key(form, Field::Volume, "100");
    EXPECT_FALSE(form.NextEnabled());

    form.Type(Field::Density, "");
    Key(form, Field::Density, "1.0695");
    EXPECT_TRUE(form.NextEnabled());
    const std::string firstMolar = form.Text(Field::Molar);
    const double firstW = Value(form, Field::PercentWW);
    EXPECT_NEAR(Value(form, Field::Mass), Value(form, Field::Amount) * 60.052, 0.01);

    EXPECT_FALSE(form.Next());
    const double secondW = Value(form, Field::PercentWW);
    EXPECT_GT(std::abs(secondW - firstW), 5.0) << firstW << " " << secondW;
    EXPECT_NE(form.Text(Field::Molar), firstMolar);
    EXPECT_EQ(form.Text(Field::Density), "1.0695");
    EXPECT_TRUE(form.NextEnabled());
    // The amount follows the concentration at the volume typed.
    EXPECT_NEAR(Value(form, Field::Amount), Value(form, Field::Molar) * 0.1, 1e-3);

    EXPECT_FALSE(form.Next());
    EXPECT_EQ(form.Text(Field::Molar), firstMolar);
    EXPECT_NEAR(Value(form, Field::PercentWW), firstW, 0.01);
}

// Acetic acid holds 1.0700 g/mL from 77 to 79 % w/w: "next" moves between
// the ends of that stretch, every field a number each time.
TEST_F(ConcentrationCalculatorFormTest, NextAcrossAFlatStretchShowsNumbers)
{
    ConcentrationCalculatorForm form(component, elements, false, 4);
    AtDensity(form, "acetic acid", "1.0700");
    EXPECT_EQ(form.Text(Field::PercentWW), "77");
    EXPECT_TRUE(form.NextEnabled());

    for (const char* expected : {"79", "77", "79"}) {
        SCOPED_TRACE(expected);
        EXPECT_FALSE(form.Next());
        EXPECT_EQ(form.Text(Field::PercentWW), expected);
        EXPECT_EQ(Value(form, Field::Density), 1.07);
        for (int field = 0; field < kCalculatorFieldCount; ++field) {
            if (field == static_cast<int>(Field::Name) || field == static_cast<int>(Field::Formula))
                continue;
            const ParsedNumber shown = ParseNumber(form.Text(static_cast<Field>(field)));
            EXPECT_TRUE(shown.valid && form.Text(static_cast<Field>(field)) != "???")
                << field << ": " << form.Text(static_cast<Field>(field));
        }
        EXPECT_NEAR(Value(form, Field::Amount), Value(form, Field::Molar) * 0.1, 1e-3);
    }
}

// The pure substance has no solvent: only its molality is not a number.
TEST_F(ConcentrationCalculatorFormTest, ThePureSubstanceShowsExactFractions)
{
    ConcentrationCalculatorForm form(component, elements, false, 4);
    AtDensity(form, "ethanol", "0.79008");
    EXPECT_EQ(form.Text(Field::PercentWW), "100");
    EXPECT_EQ(form.Text(Field::MoleFraction), "1");
    EXPECT_EQ(Value(form, Field::Ppm), 1000000.0);
    EXPECT_EQ(Value(form, Field::PercentWV), 79.008);
    EXPECT_EQ(form.Text(Field::Molal), "???");
}

// Every keystroke of an exponent written with d is a number so far.
TEST_F(ConcentrationCalculatorFormTest, ADExponentCanBeTyped)
{
    component.SetMolarMass(58.44);
    ConcentrationCalculatorForm form(component, elements, false, 4);
    Key(form, Field::Molar, "1,5d-3");
    EXPECT_DOUBLE_EQ(component.GetConcentration(ConcentrationUnit::Molar), 0.0015);
}

TEST_F(ConcentrationCalculatorFormTest, DensityUnitChangesHowTheDensityIsShown)
{
    component.SetMolarMass(58.44);
    ConcentrationCalculatorForm form(component, elements, false, 4);
    EXPECT_FALSE(form.ChooseDensityUnit(DensityUnit::GramsPerLitre));
    EXPECT_EQ(form.Text(Field::Density), "1000");
    EXPECT_DOUBLE_EQ(component.GetConcentration(ConcentrationUnit::Density), 1.0);
    Key(form, Field::Density, "1");
    EXPECT_DOUBLE_EQ(component.GetConcentration(ConcentrationUnit::Density), 0.001);
}

TEST_F(ConcentrationCalculatorFormTest, ClearKeepsTheSubstanceClearAllDoesNot)
{
    ConcentrationCalculatorForm form(component, elements, false, 4);
    Key(form, Field::Name, "salt");
    Key(form, Field::Formula, "NaCl");
    Key(form, Field::Volume, "100");
    Key(form, Field::Molar, "1");
    EXPECT_FALSE(form.ChooseMode(Mode::HoldVolume));
    form.Toggle();

    form.Clear();
    EXPECT_EQ(form.Mode(), Mode::BeSmart);
    EXPECT_TRUE(form.VolumeIsInput());
    for (const Field field : {Field::Mass, Field::Amount, Field::Volume, Field::SolutionMass, Field::Molar})
        EXPECT_EQ(form.Text(field), "0");
    EXPECT_EQ(form.Text(Field::Name), "salt");
    EXPECT_EQ(form.Text(Field::MolarMass), "58.4428");

    EXPECT_FALSE(form.ClearAll());
    EXPECT_EQ(form.Text(Field::Name), "");
    EXPECT_EQ(form.Text(Field::Formula), "");
    EXPECT_EQ(form.Text(Field::MolarMass), "0");
    EXPECT_TRUE(form.NoTableShown());
    EXPECT_TRUE(form.Enabled(Field::MolarMass));
    EXPECT_FALSE(form.Enabled(Field::Volume));
}

TEST_F(ConcentrationCalculatorFormTest, RedMarksConcentrationsOutsideTheTable)
{
    component = BuiltIn("acetic acid");
    ConcentrationCalculatorForm form(component, elements, false, 4);
    Key(form, Field::PercentWW, "50");
    EXPECT_FALSE(form.Red(Field::PercentWW));
    Key(form, Field::PercentWW, "-5");
    EXPECT_TRUE(form.Red(Field::PercentWW));
    EXPECT_TRUE(form.Red(Field::Molar));
    EXPECT_TRUE(form.Red(Field::MgPerML));
    EXPECT_FALSE(form.Red(Field::Volume));
}

// A later unit typed recomputes the rest as one of the eight does; its text
// stays as typed and the unit it repeats follows exactly.
TEST_F(ConcentrationCalculatorFormTest, LaterUnitsTypedRecomputeTheRest)
{
    struct Case {
        Field typed;
        const char* text;
        Field repeated;
        double repeatedValue;
        double mass; // g in the 100 mL
    };
    // Ethanol, typed without a table: ρ of the pure liquid 0.7893 g/mL, 2
    // equivalents so that N is twice M.
    const Case cases[] = {
        {Field::Micromolar, "10", Field::Millimolar, 0.01, 1e-6 * 46.07},
        {Field::UgPerML, "100", Field::PercentWV, 0.01, 0.01},
        {Field::PercentVV, "20", Field::PercentWV, 20 * 0.7893, 20 * 0.7893},
        {Field::Normal, "0.1", Field::Molar, 0.05, 0.005 * 46.07},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        component = SolvoSubstance();
        component.SetPureDensity(0.7893);
        component.SetEquivalents(2.0);
        ConcentrationCalculatorForm form(component, elements, false, 6);
        Key(form, Field::MolarMass, "46.07");
        Key(form, Field::Volume, "100");
        Key(form, c.typed, c.text);
        EXPECT_EQ(form.Text(c.typed), c.text);
        EXPECT_NEAR(Value(form, c.repeated), c.repeatedValue, c.repeatedValue * 1e-5);
        EXPECT_NEAR(Value(form, Field::Mass), c.mass, c.mass * 1e-5);
        EXPECT_NEAR(Value(form, Field::Normal), 2 * Value(form, Field::Molar), 1e-5 * Value(form, Field::Normal));
        EXPECT_NEAR(Value(form, Field::Nanomolar), 1000 * Value(form, Field::Micromolar),
                    1e-5 * Value(form, Field::Nanomolar));
        EXPECT_FALSE(form.Accept());
    }
}

// % v/v needs a density of the pure liquid: the table's 100 % row or one typed
// for the substance. Without one it is empty, cannot be typed, and never
// stops OK.
TEST_F(ConcentrationCalculatorFormTest, VolumePercentOnlyWithThePureLiquidDensity)
{
    const std::pair<const char*, bool> cases[] = {{"ethanol", true}, {"sodium chloride", false}};
    for (const auto& [name, offered] : cases) {
        SCOPED_TRACE(name);
        ConcentrationCalculatorForm form(component, elements, false, 4);
        form.UseDatabaseSubstance(BuiltIn(name));
        Key(form, Field::Volume, "100");
        Key(form, Field::MgPerML, "10");
        EXPECT_EQ(form.Text(Field::PercentWV), "1");
        EXPECT_EQ(form.Enabled(Field::PercentVV), offered);
        EXPECT_EQ(form.Text(Field::PercentVV).empty(), !offered);
        EXPECT_TRUE(form.Enabled(Field::Normal));
        EXPECT_FALSE(form.Accept());
        form.ChooseMode(Mode::HoldConcentration);
        EXPECT_FALSE(form.Enabled(Field::Micromolar));
    }
    component = BuiltIn("sodium chloride");
    component.SetPureDensity(2.17);
    ConcentrationCalculatorForm form(component, elements, false, 4);
    EXPECT_TRUE(form.Enabled(Field::PercentVV));
}

} // namespace
} // namespace solvo
