#include "solution/CompositionForm.h"

#include "calculators/ConcentrationCalculatorForm.h"

#include "formula/ElementTable.h"
#include "quantities/NumberFormat.h"
#include "substances/DefaultSubstances.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace solvo {
namespace {

using Field = CompositionField;
using List = CompositionList;

class CompositionFormTest : public ::testing::Test {
protected:
    CompositionFormTest() { elements.LoadDefaults(); }

    // The form opened on the document, which holds the named built-in
    // substance (or an empty component when name is empty).
    CompositionForm& OpenWith(std::string_view name = {})
    {
        for (const SolvoSubstance& substance : DefaultSubstances(elements)) {
            if (substance.Name() == name)
                doc.ReplaceComponent(0, substance);
        }
        form.Open();
        return form;
    }

    std::int32_t ItemIndex(List list, std::string_view text) const
    {
        const auto& items = form.Items(list);
        const auto found = std::find(items.begin(), items.end(), text);
        return found == items.end() ? -1 : static_cast<std::int32_t>(found - items.begin());
    }

    const SolvoSubstance& Current() const { return doc.GetCurrentComponent(); }

    ElementTable elements;
    UnitLabels units = UnitLabels::Defaults();
    CSolvoDoc doc;
    CompositionForm form{doc, elements, units, 4};
};

TEST_F(CompositionFormTest, OpensOnNewSolution)
{
    OpenWith();
    EXPECT_EQ(form.TabTitles(), std::vector<std::string>{"substance 1"});
    // Every unit but % v/v, which needs the pure liquid's density.
    EXPECT_EQ(form.Items(List::ConcentrationUnit).size(), 14u);
    EXPECT_EQ(ItemIndex(List::ConcentrationUnit, "% v/v"), -1);
    EXPECT_EQ(form.Items(List::VolumeUnit), (std::vector<std::string>{"L", "mL"}));
    EXPECT_EQ(form.Selection(List::VolumeUnit), 1);
    EXPECT_EQ(form.Items(List::Source),
              (std::vector<std::string>{"above substance", "other substance", "other solution"}));
    EXPECT_EQ(form.Selection(List::Source), 0);
    EXPECT_FALSE(form.Visible(List::SourceUnit));
    EXPECT_EQ(form.SourceValueLabel(), "molar mass");
    EXPECT_EQ(form.MassLabel(), "mass needed");
    EXPECT_EQ(form.Text(Field::Concentration), "0");
    EXPECT_EQ(form.Text(Field::FinalVolume), "0");
    EXPECT_TRUE(form.Enabled(Field::Concentration));
    EXPECT_FALSE(form.Enabled(Field::Mass));
    EXPECT_FALSE(form.PrepareStandardEnabled());
}

TEST_F(CompositionFormTest, TypedConcentrationGoesIntoDocumentAtEveryKeystrokeAndKeepsItsText)
{
    OpenWith();
    form.Type(Field::Formula, "NaCl");
    form.Type(Field::FinalVolume, "250");
    for (const char* typed : {"0", "0.", "0.1"}) {
        const CompositionOutcome outcome = form.Type(Field::Concentration, typed);
        EXPECT_TRUE(outcome.edited) << typed;
        EXPECT_FALSE(outcome.invalidField);
        EXPECT_EQ(form.Text(Field::Concentration), typed);
    }
    EXPECT_DOUBLE_EQ(Current().GetConcentration(ConcentrationUnit::Molar), 0.1);
    EXPECT_EQ(Current().ConcentrationDigits(), 1);
    EXPECT_EQ(doc.VolumeDigits(), 3);
    // 0.25 L × 0.1 mol/L × 58.44 g/mol, shown with at least two digits.
    EXPECT_EQ(form.Text(Field::Mass), "1.5");
    EXPECT_NEAR(Current().Mass(), 1.4611, 1e-4);
}

TEST_F(CompositionFormTest, PurityEquivalentsAndPureDensityAreTypedWithTheComponent)
{
    OpenWith();
    form.Type(Field::Formula, "NaCl");
    form.Type(Field::MolarMass, "58.44");
    form.Type(Field::FinalVolume, "1000");
    form.Choose(List::ConcentrationUnit, ItemIndex(List::ConcentrationUnit, "% w/v"));
    form.Type(Field::Concentration, "0.9000");
    EXPECT_EQ(form.Text(Field::Purity), "100");
    for (const char* typed : {"9", "99", "99.", "99.5"})
        EXPECT_FALSE(form.Type(Field::Purity, typed).invalidField) << typed;
    EXPECT_EQ(Current().Purity(), 99.5);
    EXPECT_EQ(form.Text(Field::Mass), "9.045");

    // Out of range: the program's message, and the purity stays; a field
    // cleared to type anew is no value yet.
    const struct {
        Field field;
        const char* text;
        const char* message;
    } refused[] = {{Field::Purity, "0", "Enter a purity greater than 0 and at most 100 %."},
                   {Field::Purity, "100.5", "Enter a purity greater than 0 and at most 100 %."},
                   {Field::Equivalents, "0", "Enter a number of equivalents greater than 0."},
                   {Field::PureDensity, "-1", "Enter a density of the pure liquid greater than 0, or 0 for none."},
                   {Field::Purity, "x", ""}};
    for (const auto& c : refused) {
        const CompositionOutcome outcome = form.Type(c.field, c.text);
        EXPECT_EQ(outcome.invalidField, c.field) << c.text;
        EXPECT_EQ(outcome.message, c.message) << c.text;
        form.Refresh(4);
    }
    EXPECT_FALSE(form.Type(Field::Purity, "").invalidField);
    EXPECT_EQ(Current().Purity(), 99.5);
    form.Refresh(4);

    // 0.1 N stays 0.1 N with the equivalents typed after it.
    form.Choose(List::ConcentrationUnit, ItemIndex(List::ConcentrationUnit, "N (eq/L)"));
    form.Type(Field::Concentration, "0.1");
    form.Type(Field::Equivalents, "2");
    EXPECT_DOUBLE_EQ(Current().GetConcentration(ConcentrationUnit::Molar), 0.05);
    EXPECT_EQ(form.Text(Field::Concentration), "0.1");

    // % v/v is offered once the pure liquid's density is known, and taken
    // away with it.
    EXPECT_EQ(ItemIndex(List::ConcentrationUnit, "% v/v"), -1);
    form.Type(Field::PureDensity, "0.7893");
    EXPECT_EQ(ItemIndex(List::ConcentrationUnit, "% v/v"), 13);
    form.Choose(List::ConcentrationUnit, 13);
    EXPECT_EQ(Current().Unit(), ConcentrationUnit::PercentVV);
    form.Type(Field::PureDensity, "0");
    EXPECT_EQ(ItemIndex(List::ConcentrationUnit, "% v/v"), -1);
    EXPECT_EQ(Current().Unit(), ConcentrationUnit::PercentWV);
    EXPECT_EQ(form.Selection(List::ConcentrationUnit), ItemIndex(List::ConcentrationUnit, "% w/v"));

    // A solution measured from its stock has no assay.
    EXPECT_TRUE(form.Enabled(Field::Purity));
    form.Choose(List::Source, ItemIndex(List::Source, "other solution"));
    EXPECT_FALSE(form.Enabled(Field::Purity));
}

TEST_F(CompositionFormTest, FinalVolumeInMillilitresIsStoredInLitres)
{
    OpenWith();
    form.Type(Field::FinalVolume, "250");
    EXPECT_DOUBLE_EQ(doc.FinalVolume(), 0.25);
    EXPECT_EQ(doc.VolumeDigits(), 3);
    form.Choose(List::VolumeUnit, 0);
    EXPECT_EQ(doc.GetVolumeUnit(), VolumeUnit::Litre);
    EXPECT_EQ(form.Text(Field::FinalVolume), "0.25");
}

TEST_F(CompositionFormTest, SwitchingUnitShowsTheValueByDisplayDigitsAndKeepsTypedDigits)
{
    OpenWith("sodium chloride");
    form.Type(Field::Concentration, "0.12345678");
    form.Choose(List::ConcentrationUnit, 1);
    EXPECT_EQ(Current().Unit(), ConcentrationUnit::Millimolar);
    EXPECT_EQ(form.Text(Field::Concentration), "123.4568");
    EXPECT_EQ(Current().ConcentrationDigits(), 8);
    form.Refresh(6);
    EXPECT_EQ(form.Text(Field::Concentration), "123.45678");
}

TEST_F(CompositionFormTest, FormulaGivesMolarMassAndSourceFormula)
{
    OpenWith();
    form.Type(Field::Formula, "NaCl");
    EXPECT_EQ(form.Text(Field::MolarMass), FormatDefault(Current().MolarMass(), 4));
    EXPECT_NEAR(Current().MolarMass(), 58.44, 0.01);
    EXPECT_EQ(Current().SourceFormula(), "NaCl");
    EXPECT_EQ(form.SourceFormulaFrameText(), "NaCl");
    EXPECT_EQ(form.Text(Field::SourceValue), form.Text(Field::MolarMass));
}

TEST_F(CompositionFormTest, EditsElsewhereKeepTheMolarMassExact)
{
    OpenWith();
    form.Type(Field::Formula, "C_100H_202");
    const double exact = Current().MolarMass();
    EXPECT_EQ(form.Text(Field::MolarMass), "1.405e+03");
    form.Type(Field::Name, "paraffin");
    form.Type(Field::Concentration, "0.01");
    EXPECT_EQ(Current().MolarMass(), exact);
    EXPECT_EQ(form.TabTitles().front(), "paraffin");
}

TEST_F(CompositionFormTest, InvalidNumberStopsTakingAndKeepsTheText)
{
    OpenWith();
    form.Type(Field::Concentration, "0.5");
    const CompositionOutcome outcome = form.Type(Field::FinalVolume, "12abc");
    EXPECT_EQ(outcome.invalidField, Field::FinalVolume);
    EXPECT_EQ(form.Text(Field::FinalVolume), "12abc");
    EXPECT_DOUBLE_EQ(doc.FinalVolume(), 0.0);

    // The bad text left behind is met by the next edit, which then stops
    // before the molar mass; showing puts the volume back.
    form.Type(Field::MolarMass, "");
    const CompositionOutcome next = form.Type(Field::MolarMass, "40");
    EXPECT_EQ(next.invalidField, Field::FinalVolume);
    EXPECT_EQ(Current().MolarMass(), 0.0);
    EXPECT_EQ(form.Text(Field::MolarMass), "40");

    EXPECT_EQ(form.Type(Field::Concentration, "abc").invalidField, Field::Concentration);
    EXPECT_DOUBLE_EQ(Current().GetConcentration(ConcentrationUnit::Molar), 0.5);
}

TEST_F(CompositionFormTest, SecondComponentDropsTheMoleFractionAndKeepsPercentWV)
{
    OpenWith("sodium chloride");
    form.Choose(List::ConcentrationUnit, 6);
    ASSERT_EQ(Current().Unit(), ConcentrationUnit::MoleFraction);

    form.AddSubstance();
    EXPECT_EQ(form.TabTitles(), (std::vector<std::string>{"sodium chloride", "substance 2"}));
    EXPECT_EQ(form.CurrentTab(), 1);
    EXPECT_EQ(ItemIndex(List::ConcentrationUnit, "x"), -1);
    EXPECT_EQ(ItemIndex(List::ConcentrationUnit, "% w/v"), 5);
    EXPECT_EQ(form.Items(List::ConcentrationUnit).size(), 13u);
    EXPECT_EQ(doc.GetComponent(0).Unit(), ConcentrationUnit::Molar);

    form.Choose(List::ConcentrationUnit, 6);
    EXPECT_EQ(Current().Unit(), ConcentrationUnit::Density);
    EXPECT_EQ(form.Selection(List::ConcentrationUnit), 6);

    form.RemoveSubstance();
    EXPECT_EQ(form.TabTitles(), std::vector<std::string>{"sodium chloride"});
    EXPECT_EQ(ItemIndex(List::ConcentrationUnit, "x"), 6);
    EXPECT_EQ(form.Items(List::ConcentrationUnit), form.Items(List::SourceUnit));
}

TEST_F(CompositionFormTest, EveryComponentShowsItsUnitWhateverTheCountOfSubstances)
{
    // 0.9 % sodium chloride with 5 % glucose: % w/v stays for both; x
    // moves to M once a second substance comes, and an opened solution of
    // two follows the same rule.
    for (const ConcentrationUnit unit : {ConcentrationUnit::PercentWV, ConcentrationUnit::MoleFraction,
                                         ConcentrationUnit::Density}) {
        doc = CSolvoDoc();
        OpenWith("sodium chloride");
        form.Choose(List::ConcentrationUnit, static_cast<std::int32_t>(unit));
        form.Type(Field::Concentration, "0.900");
        form.AddSubstance();
        form.SelectTab(0);
        const ConcentrationUnit kept =
            unit == ConcentrationUnit::MoleFraction ? ConcentrationUnit::Molar : unit;
        EXPECT_EQ(Current().Unit(), kept);
        const std::int32_t selected = form.Selection(List::ConcentrationUnit);
        ASSERT_GE(selected, 0) << static_cast<int>(unit);
        EXPECT_EQ(form.Items(List::ConcentrationUnit)[static_cast<std::size_t>(selected)],
                  form.Items(List::SourceUnit)[static_cast<std::size_t>(kept)]);
        if (unit == ConcentrationUnit::PercentWV) {
            EXPECT_EQ(form.Text(Field::Concentration), "0.900");
        }

        doc.GetComponent(1).SetUnit(ConcentrationUnit::MoleFraction);
        form.Open();
        EXPECT_EQ(ItemIndex(List::ConcentrationUnit, "x"), -1);
        EXPECT_EQ(doc.GetComponent(1).Unit(), ConcentrationUnit::Molar);
    }
}

// Components a calculator took into the document get their tabs, the blank
// tab it filled takes the name, the current one's fields are read again,
// and the units are those of a mixture.
TEST_F(CompositionFormTest, FollowsComponentsAddedElsewhere)
{
    OpenWith();
    const auto inMolar = [](const std::string& formula) {
        SolvoSubstance component;
        component.SetName(formula);
        component.SetFormula(formula);
        component.SetUnit(ConcentrationUnit::Molar);
        return component;
    };
    doc.ReplaceComponent(0, inMolar("NaH2PO4"));
    doc.AddComponent(inMolar("Na2HPO4"));
    doc.GetComponent(1).SetConcentration(0.08, ConcentrationUnit::Molar);
    form.FollowComponents();
    EXPECT_EQ(form.TabTitles(), (std::vector<std::string>{"NaH2PO4", "Na2HPO4"}));
    EXPECT_EQ(form.CurrentTab(), 1);
    EXPECT_EQ(form.Text(Field::Concentration), "0.08");
    EXPECT_EQ(ItemIndex(List::ConcentrationUnit, "x"), -1);
    EXPECT_EQ(ItemIndex(List::ConcentrationUnit, "% w/v"), 5);
}

TEST_F(CompositionFormTest, RemovingTheOnlyComponentLeavesAnEmptyOne)
{
    OpenWith("sodium chloride");
    form.Type(Field::Concentration, "1");
    const CompositionOutcome outcome = form.RemoveSubstance();
    EXPECT_TRUE(outcome.edited);
    EXPECT_EQ(form.TabTitles(), std::vector<std::string>{"substance 1"});
    EXPECT_EQ(doc.GetComponentCount(), 1);
    EXPECT_EQ(Current().Name(), "");
    EXPECT_EQ(form.Text(Field::Formula), "");
    EXPECT_EQ(form.Text(Field::Concentration), "0");
}

TEST_F(CompositionFormTest, PrepareStandardTakesTheExactWeight)
{
    OpenWith("sodium tetraborate - standard");
    ASSERT_TRUE(form.PrepareStandardEnabled());
    form.ClickPrepareStandard(true);
    EXPECT_TRUE(Current().PrepareStandardSolution());
    EXPECT_EQ(form.MassLabel(), "exact weight");
    EXPECT_EQ(form.Text(Field::Mass), "???");
    EXPECT_FALSE(form.Enabled(Field::Concentration));
    EXPECT_TRUE(form.Enabled(Field::Mass));
    EXPECT_EQ(form.Items(List::Source), std::vector<std::string>{"above substance"});

    form.Type(Field::Mass, "5.8443");
    EXPECT_EQ(Current().ExactWeight().Value(), 5.8443);
    EXPECT_EQ(Current().ExactWeight().Digits(), 5);
    EXPECT_TRUE(Current().ExactWeightEntered());
    EXPECT_GE(doc.VolumeDigits(), 5);

    form.ClickPrepareStandard(false);
    EXPECT_EQ(form.MassLabel(), "mass needed");
    EXPECT_FALSE(Current().ExactWeightEntered());
    EXPECT_TRUE(form.Enabled(Field::Concentration));
    EXPECT_EQ(form.Items(List::Source).back(), "Na_2B_4O_7&10H_2O");
}

TEST_F(CompositionFormTest, HydrateIsWeighedByItsOwnMolarMass)
{
    OpenWith("magnesium chloride");
    form.Type(Field::FinalVolume, "1000");
    form.Type(Field::Concentration, "0.1");
    const std::int32_t hexahydrate = ItemIndex(List::Source, "MgCl_2&6H_2O");
    ASSERT_GE(hexahydrate, 0);
    form.Choose(List::Source, hexahydrate);
    EXPECT_EQ(Current().Source(), AlternativeSource(2));
    EXPECT_EQ(Current().SourceFormula(), "MgCl_2&6H_2O");
    EXPECT_EQ(form.Selection(List::Source), hexahydrate);
    EXPECT_NEAR(Current().SourceMolarMass(), 203.30, 0.01);
    EXPECT_EQ(form.Text(Field::SourceValue), FormatDefault(Current().SourceMolarMass(), 4));
    EXPECT_FALSE(form.Enabled(Field::SourceValue));
    EXPECT_FALSE(form.Enabled(Field::SourceFormula));
    // 1 L × 0.1 M × 203.3 g/mol of the hydrate.
    EXPECT_EQ(form.Text(Field::Mass), "20");
}

// A formula that gives no molar mass, and none typed: the mass needed is
// unknown, and the molar mass field says what is missing.
TEST_F(CompositionFormTest, MissingMolarMassIsRedAndItsMassUnknown)
{
    OpenWith();
    form.Type(Field::Formula, "Xy_2O");
    form.Type(Field::FinalVolume, "100");
    EXPECT_FALSE(form.Red(Field::MolarMass));
    EXPECT_EQ(form.Text(Field::Mass), "0");

    form.Type(Field::Concentration, "0.1");
    EXPECT_TRUE(form.Red(Field::MolarMass));
    EXPECT_EQ(form.Text(Field::Mass), "???");

    form.Type(Field::MolarMass, "100");
    EXPECT_FALSE(form.Red(Field::MolarMass));
    EXPECT_EQ(form.Text(Field::Mass), "1.0");

    // Weighed as another solid form, it is that form's molar mass that is missing.
    form.Choose(List::Source, ItemIndex(List::Source, "other substance"));
    form.Type(Field::SourceFormula, "Xy_3O");
    EXPECT_TRUE(form.Red(Field::SourceValue));
    EXPECT_FALSE(form.Red(Field::MolarMass));
    EXPECT_EQ(form.Text(Field::Mass), "???");
}

TEST_F(CompositionFormTest, OtherSubstanceTakesTypedFormulaOrMolarMass)
{
    OpenWith();
    form.Type(Field::Formula, "NaCl");
    form.Choose(List::Source, ItemIndex(List::Source, "other substance"));
    EXPECT_TRUE(form.Enabled(Field::SourceFormula));
    EXPECT_FALSE(form.Enabled(Field::SourceValue));
    form.Type(Field::SourceFormula, "");
    EXPECT_TRUE(form.Enabled(Field::SourceValue));
    form.Type(Field::SourceValue, "100");
    EXPECT_EQ(Current().SourceMolarMass(), 100.0);
    EXPECT_NEAR(Current().MolarMass(), 58.44, 0.01);
}

TEST_F(CompositionFormTest, OtherSolutionOutsideTheDensityTableIsRed)
{
    OpenWith("hydrochloric acid");
    EXPECT_EQ(form.Items(List::Source), (std::vector<std::string>{"stock solution", "other solution"}));
    form.Choose(List::Source, 1);
    EXPECT_EQ(form.SourceValueLabel(), "concentration");
    EXPECT_TRUE(form.Visible(List::SourceUnit));
    EXPECT_TRUE(form.Enabled(List::SourceUnit));
    EXPECT_TRUE(form.Enabled(Field::SourceValue));
    form.Choose(List::SourceUnit, static_cast<std::int32_t>(ConcentrationUnit::PercentWW));
    form.Type(Field::SourceValue, "20");
    EXPECT_EQ(Current().OtherConcentration(), 20.0);
    EXPECT_FALSE(form.Red(Field::SourceValue));
    form.Type(Field::SourceValue, "60");
    EXPECT_TRUE(form.Red(Field::SourceValue));

    form.Choose(List::Source, 0);
    EXPECT_EQ(form.SourceValueLabel(), "concentration");
    EXPECT_FALSE(form.Enabled(List::SourceUnit));
    EXPECT_EQ(form.Selection(List::SourceUnit), static_cast<std::int32_t>(Current().StockUnit()));
    EXPECT_EQ(form.Text(Field::SourceValue), "36");
    EXPECT_FALSE(form.Red(Field::SourceValue));
}

TEST_F(CompositionFormTest, ConcentrationOutsideTheDensityTableIsRed)
{
    OpenWith("sodium chloride");
    form.Choose(List::ConcentrationUnit, static_cast<std::int32_t>(ConcentrationUnit::PercentWW));
    form.Type(Field::Concentration, "10");
    EXPECT_FALSE(form.Red(Field::Concentration));
    form.Type(Field::Concentration, "45");
    EXPECT_TRUE(form.Red(Field::Concentration));
}

TEST_F(CompositionFormTest, TypedFieldKeepsItsTextWhileTheOthersFollow)
{
    OpenWith("sodium chloride");
    form.Type(Field::Concentration, "1");
    form.Type(Field::FinalVolume, "2,50");
    EXPECT_EQ(form.Text(Field::FinalVolume), "2,50");
    EXPECT_EQ(form.Text(Field::Mass), "0.15");
    // Leaving the field reformats it; the value taken does not change.
    form.Reformatted(Field::FinalVolume, "2.50");
    form.Type(Field::Name, "salt");
    EXPECT_DOUBLE_EQ(doc.FinalVolume(), 0.0025);
    EXPECT_EQ(form.Text(Field::FinalVolume), "2.50");
    // A redraw keeps the text of the field being typed into.
    form.Type(Field::Concentration, "1.");
    form.Refresh(6, Field::Concentration);
    EXPECT_EQ(form.Text(Field::Concentration), "1.");
}

TEST_F(CompositionFormTest, DatabaseSubstanceKeepsTheTypedConcentration)
{
    OpenWith();
    form.Type(Field::Concentration, "0.2");
    SolvoSubstance chosen = form.DatabaseCopy();
    for (const SolvoSubstance& substance : DefaultSubstances(elements)) {
        if (substance.Name() == "sodium chloride")
            chosen.Assign(substance);
    }
    form.UseDatabaseSubstance(chosen);
    EXPECT_EQ(Current().Name(), "sodium chloride");
    EXPECT_DOUBLE_EQ(Current().GetConcentration(ConcentrationUnit::Molar), 0.2);
    EXPECT_EQ(form.TabTitles().front(), "sodium chloride");
    EXPECT_EQ(form.Text(Field::Formula), "NaCl");
}

TEST_F(CompositionFormTest, CancelledCalculatorRestoresConcentrationButGivesTheVolume)
{
    OpenWith("sodium chloride");
    form.Type(Field::Concentration, "0.1");
    EXPECT_EQ(form.BeginConcentrationCalculator(), 0.0);
    doc.GetCurrentComponent().SetConcentration(0.7, ConcentrationUnit::Molar);
    form.EndConcentrationCalculator(false, 100.0);
    EXPECT_DOUBLE_EQ(Current().GetConcentration(ConcentrationUnit::Molar), 0.1);
    EXPECT_DOUBLE_EQ(doc.FinalVolume(), 0.1);
    EXPECT_EQ(form.Text(Field::FinalVolume), "100");

    form.BeginConcentrationCalculator();
    doc.GetCurrentComponent().SetConcentration(0.25, ConcentrationUnit::Molar);
    form.EndConcentrationCalculator(true, 500.0);
    EXPECT_DOUBLE_EQ(doc.FinalVolume(), 0.1);
    EXPECT_EQ(Current().ConcentrationDigits(), 4);
    EXPECT_EQ(form.Text(Field::Concentration), "0.25");
}

// "???" stands for a value that is not finite: typed, it is no number; shown
// by the concentration calculator, OK refuses it, so the component never
// silently gets a concentration of 0 and Cancel puts the old one back.
TEST_F(CompositionFormTest, UnknownValueNeverBecomesTheConcentration)
{
    OpenWith("sodium chloride");
    form.Type(Field::FinalVolume, "100");
    form.Type(Field::Concentration, "0.1");
    const CompositionOutcome typed = form.Type(Field::Concentration, "???");
    EXPECT_EQ(typed.invalidField, Field::Concentration);
    EXPECT_DOUBLE_EQ(Current().GetConcentration(ConcentrationUnit::Molar), 0.1);

    const double millilitres = form.BeginConcentrationCalculator();
    SolvoSubstance& component = doc.GetCurrentComponent();
    component.StoreConcentration(std::numeric_limits<double>::quiet_NaN(), ConcentrationUnit::Molar);
    ConcentrationCalculatorForm calculator(component, elements, true, 4, millilitres);
    EXPECT_FALSE(calculator.ChooseMode(CalculatorMode::BeSmart));
    ASSERT_TRUE(calculator.Accept());
    form.EndConcentrationCalculator(false, calculator.Volume());
    EXPECT_DOUBLE_EQ(Current().GetConcentration(ConcentrationUnit::Molar), 0.1);
    EXPECT_EQ(form.Text(Field::Concentration), "0.1");
}

TEST_F(CompositionFormTest, FieldsSayWhatTheRecipeAssumes)
{
    const std::string nitric = "No density table for nitric acid: 1 g/mL was assumed; the amount "
                               "of a concentrated stock may be far off.";
    OpenWith();
    form.Type(Field::Name, "nitric acid");
    form.Type(Field::Formula, "HNO_3");
    form.Type(Field::Concentration, "1");
    form.Choose(List::Source, ItemIndex(List::Source, "other solution"));
    form.Choose(List::SourceUnit, static_cast<std::int32_t>(ConcentrationUnit::PercentWW));
    form.Type(Field::SourceValue, "69.6");
    EXPECT_EQ(form.Note(Field::SourceValue), nitric);
    EXPECT_EQ(form.Note(Field::Concentration), "");
    form.Choose(List::ConcentrationUnit, static_cast<std::int32_t>(ConcentrationUnit::PercentWW));
    EXPECT_EQ(form.Note(Field::Concentration), nitric);
    form.Choose(List::SourceUnit, static_cast<std::int32_t>(ConcentrationUnit::Molar));
    EXPECT_EQ(form.Note(Field::SourceValue), "");

    // Arsenic weighed as its trioxide: the mass needed is for half the
    // formula units, and the source formula says why.
    form.Type(Field::Name, "arsenic");
    form.Type(Field::Formula, "As");
    form.Choose(List::ConcentrationUnit, static_cast<std::int32_t>(ConcentrationUnit::Ppm));
    form.Type(Field::Concentration, "1000");
    form.Type(Field::FinalVolume, "250");
    form.Choose(List::Source, ItemIndex(List::Source, "other substance"));
    form.Type(Field::SourceFormula, "As_2O_3");
    EXPECT_EQ(form.Text(Field::Mass), "0.3301");
    EXPECT_EQ(form.Note(Field::SourceFormula),
              "As2O3 holds 2 As per formula unit: one formula unit is weighed for every 2 As.");
    EXPECT_EQ(form.Note(Field::Mass), "");
}

} // namespace
} // namespace solvo
