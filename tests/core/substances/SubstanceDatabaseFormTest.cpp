#include "substances/SubstanceDatabaseForm.h"

#include "quantities/UnitLabels.h"
#include "formula/ElementTable.h"
#include "library/ReagentLibrary.h"
#include "substances/SolvoSubstanceDatabase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace solvo {
namespace {

using Field = SubstanceDatabaseField;
using List = SubstanceDatabaseList;
using Check = SubstanceDatabaseCheck;
using Button = SubstanceDatabaseButton;

class SubstanceDatabaseFormTest : public ::testing::Test {
protected:
    SubstanceDatabaseFormTest()
    {
        elements.LoadDefaults();
        database.LoadDefaultSubstances(elements);
    }

    SubstanceDatabaseForm Opened(DatabaseDialogMode mode = DatabaseDialogMode::Browsing,
                                 SolvoSubstance current = {})
    {
        SubstanceDatabaseForm form(database, elements, units, 4, mode, std::move(current));
        form.Open();
        return form;
    }

    static std::vector<std::string> Listed(const SubstanceDatabaseForm& form)
    {
        std::vector<std::string> texts;
        for (const SubstanceListRow& row : form.Rows())
            texts.emplace_back(row.text);
        return texts;
    }

    static void SelectNamed(SubstanceDatabaseForm& form, const std::string& name)
    {
        const std::vector<std::string> texts = Listed(form);
        const auto found = std::find(texts.begin(), texts.end(), name);
        ASSERT_NE(found, texts.end()) << name;
        form.SelectRow(static_cast<std::int32_t>(found - texts.begin()));
    }

    ElementTable elements;
    SolvoSubstanceDatabase database;
    UnitLabels units = UnitLabels::Defaults();
};

TEST_F(SubstanceDatabaseFormTest, OpensWithEverySubstanceSortedWithoutRegardToCase)
{
    const SubstanceDatabaseForm form = Opened();
    EXPECT_EQ(form.Title(), "Substances database (10 items/10 listed)");
    const std::vector<std::string> expected = {
        "acetic acid",      "ethanol",          "hydrochloric acid", "magnesium chloride",
        "potassium dihydrogen phosphate", "sodium chloride", "sodium hydroxide",
        "sodium tetraborate - standard", "sulfuric acid", "TRIS"};
    EXPECT_EQ(Listed(form), expected);
    EXPECT_EQ(form.SelectedRow(), -1);
    EXPECT_EQ(form.Text(Field::FilterText), ".");
    EXPECT_EQ(form.Selection(List::FilterField), 0);
    EXPECT_EQ(form.Items(List::StockUnit).front(), "M (mol/L)");
    EXPECT_EQ(form.Items(List::TableKind).back(), "molality vs d");
    // A new, empty substance: nothing to add, change, delete or use.
    for (Button button : {Button::Add, Button::Delete, Button::Modify, Button::Use})
        EXPECT_FALSE(form.Enabled(button));
    EXPECT_FALSE(form.Enabled(List::TableKind));
    EXPECT_TRUE(form.Checked(Check::NoDensityTable));
    EXPECT_TRUE(form.Plot().empty());
}

TEST_F(SubstanceDatabaseFormTest, FiltersByNameOrFormulaWithAPattern)
{
    struct Case {
        std::int32_t field;
        std::string pattern;
        std::vector<std::string> listed;
    };
    const std::vector<Case> cases = {
        {0, "sodium", {"sodium chloride", "sodium hydroxide", "sodium tetraborate - standard"}},
        {0, "Sodium", {}},
        {0, "(S)\\iodium", {"sodium chloride", "sodium hydroxide", "sodium tetraborate - standard"}},
        {1, "Cl", {"HCl", "MgCl2", "NaCl"}},
        {0, "[a", {}},
        {0, "", Listed(Opened())},
    };
    for (const Case& c : cases) {
        SubstanceDatabaseForm form = Opened();
        form.Choose(List::FilterField, c.field);
        form.Type(Field::FilterText, c.pattern);
        EXPECT_EQ(Listed(form), c.listed) << c.pattern;
        EXPECT_EQ(form.Title(), "Substances database (10 items/" + std::to_string(c.listed.size()) + " listed)")
            << c.pattern;
    }
}

// A slow pattern over many names is listed in slices: meanwhile the list,
// its selection and the buttons stay those of the last finished filter, and
// a newer pattern replaces one still being listed.
TEST_F(SubstanceDatabaseFormTest, AFilterInSlicesKeepsTheListUntilTheNewestEnds)
{
    SolvoSubstance substance = database.GetSubstance(0);
    for (int i = 0; i < 20000; ++i) {
        substance.SetName(std::string(40, 'a') + " " + std::to_string(i));
        database.AddSubstance(substance);
    }
    SubstanceDatabaseForm form = Opened();
    form.Type(Field::FilterText, "sodium");
    // However busy the machine, the first filter is let finish: how many
    // slices it takes is no part of what is tested.
    while (form.Filtering())
        form.ContinueFilter();
    SelectNamed(form, "sodium hydroxide");
    const std::vector<std::string> shown = Listed(form);
    const std::uint32_t generation = form.RowsGeneration();

    const auto unchanged = [&] {
        EXPECT_EQ(Listed(form), shown);
        EXPECT_EQ(form.SelectedRow(), 1);
        EXPECT_TRUE(form.Enabled(Button::Delete));
        EXPECT_EQ(form.Title(), "Substances database (20010 items/3 listed)");
    };
    form.Type(Field::FilterText, "((a|aa)+)+(a|a?)+c");
    ASSERT_TRUE(form.Filtering());
    form.ContinueFilter();
    ASSERT_TRUE(form.Filtering());
    unchanged();
    form.Type(Field::FilterText, "1234");
    while (form.Filtering()) {
        unchanged();
        form.ContinueFilter();
    }
    EXPECT_EQ(form.RowsGeneration(), generation + 1);
    std::vector<std::string> expected;
    for (const SubstanceListRow& row : SubstanceFilter("1234").List(*database.Order(FilterField::Name)))
        expected.emplace_back(row.text);
    EXPECT_EQ(Listed(form), expected);
    EXPECT_EQ(expected.size(), 12U);
    // The substance shown is no longer listed.
    EXPECT_EQ(form.SelectedRow(), -1);
    EXPECT_FALSE(form.Enabled(Button::Delete));
}

TEST_F(SubstanceDatabaseFormTest, TitleSaysItemForOneSubstance)
{
    SolvoSubstanceDatabase single;
    single.AddSubstance(database.GetSubstance(0));
    SubstanceDatabaseForm form(single, elements, units, 4, DatabaseDialogMode::Browsing);
    form.Open();
    EXPECT_EQ(form.Title(), "Substances database (1 item/1 listed)");
}

TEST_F(SubstanceDatabaseFormTest, SelectingARowShowsThatSubstance)
{
    SubstanceDatabaseForm form = Opened();
    SelectNamed(form, "magnesium chloride");
    EXPECT_EQ(form.Text(Field::Name), "magnesium chloride");
    EXPECT_EQ(form.Text(Field::Formula), "MgCl2");
    EXPECT_EQ(form.Text(Field::MolarMass), "95.211");
    EXPECT_FALSE(form.Enabled(Field::MolarMass));
    EXPECT_EQ(form.FormulaFrameText(), "MgCl2");
    EXPECT_EQ(form.UnsolvedFormulasCaption(), "unsolved formulas (5)");
    EXPECT_TRUE(form.Enabled(Button::UnsolvedFormulas));
    EXPECT_TRUE(form.Enabled(Button::Delete));
    EXPECT_TRUE(form.Enabled(Button::Modify));
    EXPECT_FALSE(form.Enabled(Button::Add));
    EXPECT_FALSE(form.Enabled(Button::Use));

    form.Click(Check::NoSolid, true);
    EXPECT_FALSE(form.Enabled(Button::UnsolvedFormulas));
    form.Click(Check::NoSolid, false);
    EXPECT_TRUE(form.Enabled(Button::UnsolvedFormulas));
}

TEST_F(SubstanceDatabaseFormTest, FormulaDecidesTheMolarMassWhileThereIsOne)
{
    SubstanceDatabaseForm form = Opened();
    form.Type(Field::Formula, "NaCl");
    EXPECT_EQ(form.Text(Field::Formula), "NaCl");
    EXPECT_EQ(form.Text(Field::MolarMass), "58.4428");
    EXPECT_FALSE(form.Enabled(Field::MolarMass));

    // A formula that gives no molar mass keeps the one there was.
    form.Type(Field::Formula, "NaCl_(");
    EXPECT_EQ(form.Text(Field::Formula), "NaCl_(");
    EXPECT_EQ(form.Text(Field::MolarMass), "58.4428");

    form.Type(Field::Formula, "");
    EXPECT_EQ(form.Text(Field::MolarMass), "0");
    EXPECT_TRUE(form.Enabled(Field::MolarMass));
    form.Type(Field::MolarMass, "12.5");
    EXPECT_EQ(form.Current().MolarMass(), 12.5);

    const SubstanceDatabaseOutcome outcome = form.Type(Field::MolarMass, "abc");
    EXPECT_EQ(outcome.invalidField, Field::MolarMass);
    EXPECT_EQ(form.Text(Field::MolarMass), "abc");
}

TEST_F(SubstanceDatabaseFormTest, ShowingASubstanceWithoutFormulaFreesTheMolarMass)
{
    SolvoSubstance own;
    own.SetName("protein");
    own.SetMolarMass(66430.3);
    database.AddSubstance(own);
    SubstanceDatabaseForm form = Opened();
    SelectNamed(form, "magnesium chloride");
    SelectNamed(form, "protein");
    EXPECT_TRUE(form.Enabled(Field::MolarMass));
    EXPECT_EQ(form.FormulaFrameText(), "");
    // Typing the name does not cut the molar mass to its shown digits.
    form.Type(Field::Name, "albumin");
    EXPECT_EQ(form.Current().MolarMass(), 66430.3);
}

TEST_F(SubstanceDatabaseFormTest, UseIsOfferedOnlyWhenChoosingAnExistingName)
{
    SubstanceDatabaseForm browsing = Opened();
    browsing.Type(Field::Name, "ethanol");
    EXPECT_FALSE(browsing.Enabled(Button::Use));
    SelectNamed(browsing, "ethanol");
    EXPECT_FALSE(browsing.Enabled(Button::Use));
    EXPECT_EQ(browsing.DoubleClickRow().close, DialogClose::None);

    SubstanceDatabaseForm choosing = Opened(DatabaseDialogMode::Choosing);
    EXPECT_FALSE(choosing.Enabled(Button::Use));
    choosing.Type(Field::Name, "ethanol");
    EXPECT_TRUE(choosing.Enabled(Button::Use));
    choosing.Type(Field::Name, "Ethanol");
    EXPECT_FALSE(choosing.Enabled(Button::Use));
    choosing.Type(Field::Name, "ethanol");
    EXPECT_EQ(choosing.Press(Button::Use).close, DialogClose::Ok);
    EXPECT_EQ(choosing.Press(Button::Exit).close, DialogClose::Cancel);
}

TEST_F(SubstanceDatabaseFormTest, ChoosingSelectsTheComponentsRowAndClosesOnDoubleClick)
{
    SolvoSubstance component;
    component.SetName("Sodium Chloride");
    SubstanceDatabaseForm form = Opened(DatabaseDialogMode::Choosing, component);
    ASSERT_GE(form.SelectedRow(), 0);
    EXPECT_EQ(form.Rows()[static_cast<std::size_t>(form.SelectedRow())].text, "sodium chloride");
    // The component stays as it was until a row is chosen.
    EXPECT_EQ(form.Text(Field::Name), "Sodium Chloride");
    EXPECT_FALSE(form.Enabled(Button::Use));

    SelectNamed(form, "sodium chloride");
    EXPECT_TRUE(form.Enabled(Button::Use));
    EXPECT_EQ(form.DoubleClickRow().close, DialogClose::Ok);
    EXPECT_EQ(form.Current().Formula(), "NaCl");
}

TEST_F(SubstanceDatabaseFormTest, AddModifyAndDeleteChangeTheDatabase)
{
    SubstanceDatabaseForm form = Opened();
    form.Type(Field::Name, "urea");
    EXPECT_FALSE(form.Enabled(Button::Add)); // no molar mass yet
    form.Type(Field::Formula, "CH4N2O");
    ASSERT_TRUE(form.Enabled(Button::Add));
    form.Press(Button::Add);
    EXPECT_EQ(database.GetSubstanceCount(), 11);
    EXPECT_EQ(form.Title(), "Substances database (11 items/11 listed)");
    ASSERT_GE(form.SelectedRow(), 0);
    EXPECT_EQ(form.Rows()[static_cast<std::size_t>(form.SelectedRow())].text, "urea");
    EXPECT_FALSE(form.Enabled(Button::Add));

    form.Type(Field::Name, "carbamide");
    form.Press(Button::Modify);
    EXPECT_EQ(database.FindByName("urea"), nullptr);
    ASSERT_NE(database.FindByName("carbamide"), nullptr);
    EXPECT_EQ(form.Rows()[static_cast<std::size_t>(form.SelectedRow())].text, "carbamide");

    form.PressDeleteKey();
    EXPECT_EQ(database.FindByName("carbamide"), nullptr);
    EXPECT_EQ(form.Title(), "Substances database (10 items/10 listed)");
    // The substance stays in the fields, ready to be added again.
    EXPECT_EQ(form.Text(Field::Name), "carbamide");
    EXPECT_EQ(form.SelectedRow(), -1);
    EXPECT_FALSE(form.Enabled(Button::Delete));
    form.PressDeleteKey();
    EXPECT_EQ(database.GetSubstanceCount(), 10);
}

TEST_F(SubstanceDatabaseFormTest, ExitAsksBeforeDroppingAnEditTheDatabaseHasNot)
{
    // Nothing typed, or only a filter: Exit closes at once.
    for (const bool filtered : {false, true}) {
        SubstanceDatabaseForm form = Opened();
        SelectNamed(form, "sodium chloride");
        if (filtered)
            form.Type(Field::FilterText, "sod*");
        const SubstanceDatabaseOutcome outcome = form.Press(Button::Exit);
        EXPECT_FALSE(outcome.question) << filtered;
        EXPECT_EQ(outcome.close, DialogClose::Cancel) << filtered;
    }

    struct Case {
        const char* name;
        bool yes;
        bool cancel;
    };
    for (const Case& c : {Case{"yes: modified, then closed", true, false},
                          Case{"no: closed, the entry as it was", false, false},
                          Case{"cancel: the dialog stays with the line", false, true}}) {
        SubstanceDatabaseForm form = Opened();
        SelectNamed(form, "sodium chloride");
        const std::string before = database.FindByName("sodium chloride")->Table().Text();
        const std::string typed = form.Text(Field::TableText) + "\r\n27 1.2";
        form.Type(Field::TableText, typed);
        const SubstanceDatabaseOutcome asked = form.Press(Button::Exit);
        ASSERT_EQ(asked.question, kModifyEntryQuestion) << c.name;
        EXPECT_TRUE(asked.cancellable);
        EXPECT_EQ(asked.close, DialogClose::None);

        const SubstanceDatabaseOutcome answered = c.cancel ? form.CancelQuestion() : form.Answer(c.yes);
        EXPECT_EQ(answered.close, c.cancel ? DialogClose::None : DialogClose::Cancel) << c.name;
        EXPECT_EQ(database.FindByName("sodium chloride")->Table().Text(), c.yes ? typed : before) << c.name;
        if (c.cancel) {
            EXPECT_EQ(form.Text(Field::TableText), typed);
        }
    }

    // A new substance typed but not added is asked about too.
    SubstanceDatabaseForm form = Opened();
    form.Type(Field::Name, "urea");
    form.Type(Field::Formula, "CH4N2O");
    const SubstanceDatabaseOutcome asked = form.Press(Button::Exit);
    ASSERT_EQ(asked.question, kAddEntryQuestion);
    EXPECT_EQ(form.Answer(true).close, DialogClose::Cancel);
    EXPECT_NE(database.FindByName("urea"), nullptr);
}

// A solute of the reagent library arrives as an edit: ready to change, and
// asked about before it is lost.
TEST_F(SubstanceDatabaseFormTest, ASoluteTakenFromTheLibraryIsReadyToEditAndAdd)
{
    SubstanceDatabaseForm form = Opened();
    form.TakeSubstance(ReagentLibrary::ToSubstance(*ReagentLibrary::Find("Urea"), elements));
    EXPECT_EQ(form.Text(Field::Name), "Urea");
    EXPECT_EQ(form.Text(Field::Formula), "(NH_2)_2CO");
    EXPECT_FALSE(form.Checked(Check::NoDensityTable));
    EXPECT_EQ(form.SelectedRow(), -1);
    EXPECT_FALSE(form.Plot().empty());
    EXPECT_TRUE(form.Enabled(Button::Add));
    form.Type(Field::Name, "urea, for molecular biology");
    ASSERT_EQ(form.Press(Button::Exit).question, kAddEntryQuestion);
    EXPECT_EQ(form.Answer(true).close, DialogClose::Cancel);
    const SolvoSubstance* added = database.FindByName("urea, for molecular biology");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Table().Rows().size(), 35u);

    // One the database holds already is that row, to be modified.
    SubstanceDatabaseForm again = Opened();
    SolvoSubstance salt = ReagentLibrary::ToSubstance(*ReagentLibrary::Find("Sodium chloride"), elements);
    salt.SetName("sodium chloride");
    again.TakeSubstance(salt);
    EXPECT_EQ(Listed(again)[static_cast<std::size_t>(again.SelectedRow())], "sodium chloride");
    EXPECT_EQ(again.Press(Button::Exit).question, kModifyEntryQuestion);
}

TEST_F(SubstanceDatabaseFormTest, NoDatabaseChangeWithAFieldThatIsNoNumber)
{
    SolvoSubstance own;
    own.SetName("protein");
    own.SetMolarMass(66430.3);
    database.AddSubstance(own);
    SubstanceDatabaseForm form = Opened();
    SelectNamed(form, "protein");
    form.Type(Field::MolarMass, "6x");
    EXPECT_EQ(form.Press(Button::Modify).invalidField, Field::MolarMass);
    EXPECT_EQ(database.FindByName("protein")->MolarMass(), 66430.3);
}

TEST_F(SubstanceDatabaseFormTest, PurityPureDensityAndEquivalentsAreStoredWithTheSubstance)
{
    SubstanceDatabaseForm form = Opened();
    SelectNamed(form, "ethanol");
    EXPECT_EQ(form.Text(Field::Purity), "100");
    EXPECT_EQ(form.Text(Field::PureDensity), "0");
    EXPECT_EQ(form.Text(Field::Equivalents), "1");
    form.Type(Field::Purity, "99.8");
    form.Type(Field::PureDensity, "0.7893");
    form.Press(Button::Modify);
    const SolvoSubstance* ethanol = database.FindByName("ethanol");
    ASSERT_NE(ethanol, nullptr);
    EXPECT_EQ(ethanol->Purity(), 99.8);
    EXPECT_EQ(ethanol->PureDensity(), 0.7893);

    const struct {
        Field field;
        const char* text;
        std::string_view problem;
        const char* good;
    } refused[] = {{Field::Purity, "101", SolvoSubstance::kPurityRangeMessage, "99.8"},
                   {Field::Equivalents, "-2", SolvoSubstance::kEquivalentsRangeMessage, "1"},
                   {Field::PureDensity, "a", "Enter a number.", "0.7893"}};
    for (const auto& c : refused) {
        form.Type(c.field, c.text);
        EXPECT_EQ(form.Press(Button::Modify).invalidField, c.field) << c.text;
        EXPECT_EQ(form.Problem(c.field), c.problem) << c.text;
        form.Type(c.field, c.good);
    }
    EXPECT_EQ(database.FindByName("ethanol")->Purity(), 99.8);
    EXPECT_EQ(database.FindByName("ethanol")->Equivalents(), 1.0);
}

TEST_F(SubstanceDatabaseFormTest, StockConcentrationOutsideTheTableIsRed)
{
    SubstanceDatabaseForm form = Opened();
    SelectNamed(form, "sulfuric acid");
    ASSERT_TRUE(form.Enabled(Field::StockConcentration));
    EXPECT_EQ(form.Text(Field::StockConcentration), "98");
    EXPECT_EQ(form.Selection(List::StockUnit), 3);
    EXPECT_FALSE(form.StockConcentrationRed());
    form.Type(Field::StockConcentration, "120");
    EXPECT_TRUE(form.StockConcentrationRed());
    form.Type(Field::StockConcentration, "-1");
    EXPECT_TRUE(form.StockConcentrationRed());
    form.Type(Field::StockConcentration, "50");
    EXPECT_FALSE(form.StockConcentrationRed());

    // A new unit converts the stock concentration into it.
    form.Choose(List::StockUnit, 0);
    EXPECT_EQ(form.Selection(List::StockUnit), 0);
    EXPECT_EQ(form.Current().StockUnit(), ConcentrationUnit::Molar);
    EXPECT_EQ(form.Current().OtherUnit(), ConcentrationUnit::Molar);
    EXPECT_NEAR(form.Current().StockConcentration(), 50 * 13.951 / 98.07, 0.01);

    form.Click(Check::UseStockSolution, false);
    EXPECT_FALSE(form.Enabled(Field::StockConcentration));
    EXPECT_FALSE(form.Enabled(List::StockUnit));
}

TEST_F(SubstanceDatabaseFormTest, StockSolutionOfASubstanceStoredWithoutStockUnitStartsInTheFirstUnit)
{
    SolvoSubstance stored = *database.FindByName("sulfuric acid");
    stored.SetName("sulfuric acid, no stock");
    stored.SetUseStockSolution(false);
    stored.SetStockUnit(ConcentrationUnit::OwnUnit);
    database.AddSubstance(stored);
    SubstanceDatabaseForm form = Opened();
    SelectNamed(form, "sulfuric acid, no stock");
    EXPECT_EQ(form.Selection(List::StockUnit), -1);

    form.Click(Check::UseStockSolution, true);
    EXPECT_TRUE(form.Enabled(List::StockUnit));
    EXPECT_EQ(form.Selection(List::StockUnit), 0);
    EXPECT_EQ(form.Current().StockUnit(), ConcentrationUnit::Molar);
    form.Type(Field::StockConcentration, "30");
    EXPECT_TRUE(form.StockConcentrationRed());
    form.Type(Field::StockConcentration, "10");
    EXPECT_FALSE(form.StockConcentrationRed());
}

TEST_F(SubstanceDatabaseFormTest, DensityPlotFollowsTheTableText)
{
    SubstanceDatabaseForm form = Opened();
    SelectNamed(form, "sulfuric acid");
    const std::vector<PlotPoint>& plot = form.Plot();
    ASSERT_EQ(plot.size(), 52u);
    EXPECT_EQ(plot.front(), (PlotPoint{0, 110}));
    EXPECT_EQ(plot[1], (PlotPoint{0, 110}));
    EXPECT_EQ(plot.back().x, 102);

    form.Type(Field::TableText, "0 1.0\r\n50 1.5\r\n100 1.2");
    EXPECT_EQ(form.Plot(), (std::vector<PlotPoint>{{0, 110}, {0, 110}, {51, 0}, {102, 67}}));
    // A new kind is taken, but the text is parsed again only when it changes.
    form.Choose(List::TableKind, 1);
    EXPECT_EQ(form.Current().Table().Kind(), DensityTableKind::Molarity);
    EXPECT_EQ(form.Plot().size(), 4u);

    form.Click(Check::NoDensityTable, true);
    EXPECT_TRUE(form.Plot().empty());
    EXPECT_FALSE(form.Enabled(Field::TableText));
    EXPECT_FALSE(form.Enabled(List::TableKind));
}

TEST_F(SubstanceDatabaseFormTest, EditedUnsolvedFormulasAreSavedAfterTheQuestion)
{
    SubstanceDatabaseForm form = Opened();
    SelectNamed(form, "sodium tetraborate - standard");
    const SubstanceDatabaseOutcome request = form.Press(Button::UnsolvedFormulas);
    ASSERT_TRUE(request.editUnsolvedFormulas);
    EXPECT_EQ(*request.editUnsolvedFormulas, std::vector<std::string>{"Na_2B_4O_7&10H_2O"});

    const std::vector<std::string> edited = {"Na_2B_4O_7&10H_2O", "Na_2B_4O_7&5H_2O"};
    EXPECT_FALSE(form.UnsolvedFormulasClosed(false, true, edited).question);
    EXPECT_FALSE(form.UnsolvedFormulasClosed(true, false, edited).question);

    EXPECT_EQ(form.UnsolvedFormulasClosed(true, true, edited).question, kModifyEntryQuestion);
    form.Answer(false);
    EXPECT_EQ(form.UnsolvedFormulasCaption(), "unsolved formulas (1)");
    EXPECT_EQ(database.FindByName("sodium tetraborate - standard")->Alternatives().size(), 1u);

    form.UnsolvedFormulasClosed(true, true, edited);
    form.Answer(true);
    EXPECT_EQ(form.UnsolvedFormulasCaption(), "unsolved formulas (2)");
    EXPECT_EQ(database.FindByName("sodium tetraborate - standard")->Alternatives(), edited);
}

TEST_F(SubstanceDatabaseFormTest, UnsolvedFormulasOfASubstanceNotListedStayInTheFields)
{
    SubstanceDatabaseForm form = Opened();
    form.Type(Field::Name, "new salt");
    form.UnsolvedFormulasClosed(true, true, {"NaCl&2H_2O"});
    form.Answer(true);
    EXPECT_EQ(form.UnsolvedFormulasCaption(), "unsolved formulas (1)");
    EXPECT_EQ(database.GetSubstanceCount(), 10);
}

} // namespace
} // namespace solvo
