#include "solution/RecipeGenerator.h"

#include "../app/TemporaryFolder.h"
#include "formula/ElementTable.h"
#include "solution/CSolvoDoc.h"
#include "solution/CompositionSolver.h"
#include "solution/RecipeDate.h"
#include "solution/RecipeTemplate.h"

#include <gtest/gtest.h>

#include <ostream>

namespace solvo {

void PrintTo(const RecipeLine& line, std::ostream* out)
{
    *out << "{role " << static_cast<int>(line.role) << ", \"" << line.text << "\", \""
         << line.formula << "\"" << (line.approximate ? ", approximate" : "") << "}";
}

namespace {

using namespace std::chrono_literals;
using Role = LineRole;

constexpr const char* kDate = "Thursday, December 10, 2026";
constexpr const char* kPreparedBy = "Solution prepared by: ............................";

class RecipeGeneratorTest : public ::testing::Test {
protected:
    RecipeGeneratorTest() { elements.LoadDefaults(); }

    SolvoSubstance Component(const char* name, const char* formula, double molarMass,
                             double molarity, std::int32_t digits)
    {
        SolvoSubstance component;
        component.SetName(name);
        component.SetFormula(formula);
        component.SetMolarMass(molarMass);
        component.SetConcentration(molarity, ConcentrationUnit::Molar);
        component.SetConcentrationDigits(digits);
        return component;
    }

    SolvoSubstance SodiumChloride(double molarity = 0.1, std::int32_t digits = 4)
    {
        return Component("sodium chloride", "NaCl", 58.44, molarity, digits);
    }

    static SolvoSubstance FromStock(SolvoSubstance component, double molarity)
    {
        component.SetSource(SourceKind::StockSolution);
        component.SetStockConcentration(molarity);
        component.SetStockUnit(ConcentrationUnit::Molar);
        return component;
    }

    // The solution of the typical recipe: 500 mL typed with three digits.
    static CSolvoDoc Solution(const std::vector<SolvoSubstance>& components, double litres = 0.5,
                              std::int32_t volumeDigits = 3,
                              VolumeUnit unit = VolumeUnit::Millilitre)
    {
        CSolvoDoc doc;
        for (std::size_t i = 0; i < components.size(); ++i) {
            if (i > 0)
                doc.AddComponent(SolvoSubstance());
            doc.GetComponent(static_cast<std::int32_t>(i)) = components[i];
        }
        doc.SetFinalVolume(litres);
        doc.SetVolumeDigits(volumeDigits);
        doc.SetVolumeUnit(unit);
        return doc;
    }

    static RecipeOptions Options(bool printing = false)
    {
        RecipeOptions options;
        options.title = "saline";
        options.date = 2026y / std::chrono::December / 10;
        options.printing = printing;
        return options;
    }

    static std::vector<RecipeLine> Recipe(const CSolvoDoc& doc,
                                          const RecipeTemplate& recipeTemplate = RecipeTemplate(),
                                          const RecipeOptions& options = Options())
    {
        static const ElementTable defaults = [] {
            ElementTable table;
            table.LoadDefaults();
            return table;
        }();
        return GenerateRecipe(doc, SolveComposition(doc, defaults), recipeTemplate, options);
    }

    static std::vector<Role> Roles(const std::vector<RecipeLine>& lines)
    {
        std::vector<Role> roles;
        for (const RecipeLine& line : lines)
            roles.push_back(line.role);
        return roles;
    }

    static std::vector<std::string> Texts(const std::vector<RecipeLine>& lines)
    {
        std::vector<std::string> texts;
        for (const RecipeLine& line : lines)
            texts.push_back(line.text);
        return texts;
    }

    ElementTable elements;
};

TEST_F(RecipeGeneratorTest, TypicalSodiumChlorideRecipe)
{
    const std::vector<RecipeLine> expected = {
        {Role::Title, "saline", "", false},
        {Role::Summary, "0.1000 M (mol/L) sodium chloride <SUBSTANCEFORMULA>", "NaCl", false},
        {Role::PreparedBy, kPreparedBy, "", false},
        {Role::Date, kDate, "", false},
        {Role::Heading, "To prepare 500 mL of the above solution:", "", false},
        {Role::WaterStep, "1. Put about 400 mL of water into the flask.", "", false},
        {Role::ComponentStep,
         "2. Weigh 2.922 g sodium chloride <SUBSTANCEFORMULA> and transfer it to the flask.",
         "NaCl", false},
        {Role::StirStep, "3. Stir until dissolved.", "", false},
        {Role::FinalStep, "4. Fill up to 500 mL and mix thoroughly.", "", false},
    };
    EXPECT_EQ(Recipe(Solution({SodiumChloride()})), expected);

    // Printed, the same lines and the credit line.
    std::vector<RecipeLine> printed = expected;
    printed.push_back({Role::Footer, std::string(kRecipeFooter), "", false});
    EXPECT_EQ(Recipe(Solution({SodiumChloride()}), RecipeTemplate(), Options(true)), printed);
}

TEST_F(RecipeGeneratorTest, StandardSolutionBeforeAndAfterTheExactWeight)
{
    SolvoSubstance salt = SodiumChloride();
    salt.SetStandardSubstance(true);
    salt.SetPrepareStandardSolution(true);
    const std::vector<std::string> before = {
        "saline",
        "~0.1000 M (mol/L) sodium chloride <SUBSTANCEFORMULA>",
        kPreparedBy,
        kDate,
        "To prepare 1.000 L of the above standard solution in 1.000 L volumetric flask:",
        "1. Put about 0.8 L of water into volumetric flask.",
        "2. Exactly weigh about 5.8440 g sodium chloride <SUBSTANCEFORMULA> and transfer it "
        "quantitatively to the flask.",
        "3. Enter mass of the substance into exact weight edit field of the solution dialog (so "
        "far: ??"
        "?).",
        "4. Stir until dissolved.",
        "5. Dilute to the mark with mixing.",
    };
    const std::vector<RecipeLine> lines = Recipe(Solution({salt}, 1.0, 4, VolumeUnit::Litre));
    EXPECT_EQ(Texts(lines), before);
    EXPECT_TRUE(lines[1].approximate);
    EXPECT_EQ(lines[7].role, Role::EnterMassStep);
    EXPECT_EQ(lines[7].formula, "NaCl");

    salt.SetExactWeight(CEditableDouble(5.8443, 5));
    const std::vector<RecipeLine> after = Recipe(Solution({salt}, 1.0, 4, VolumeUnit::Litre));
    EXPECT_EQ(after[1].text, "0.10001 M (mol/L) sodium chloride <SUBSTANCEFORMULA>");
    EXPECT_FALSE(after[1].approximate);
    EXPECT_EQ(after[7].text, "3. Enter mass of the substance into exact weight edit field of the "
                             "solution dialog (so far: 5.8443 g).");
}

TEST_F(RecipeGeneratorTest, SolutionsThatMakeUpTheVolume)
{
    const CSolvoDoc two = Solution({FromStock(Component("acid", "HCl", 36.46, 0.5, 4), 1.0),
                                    FromStock(Component("base", "NaOH", 40.0, 0.5, 4), 1.0)},
                                   1.0, 4);
    const std::vector<RecipeLine> lines = Recipe(two, RecipeTemplate(), Options(true));
    EXPECT_EQ(Texts(lines),
              (std::vector<std::string>{
                  "saline", "0.5000 M (mol/L) acid <SUBSTANCEFORMULA>",
                  "0.5000 M (mol/L) base <SUBSTANCEFORMULA>", kPreparedBy, kDate,
                  "To prepare 1000 mL of the above solution:",
                  "1. Add 500.0 mL of the stock solution (1 M (mol/L)) of acid <SUBSTANCEFORMULA> "
                  "to the flask.",
                  "2. Add 500.0 mL of the stock solution (1 M (mol/L)) of base <SUBSTANCEFORMULA> "
                  "to the flask.",
                  "Warning: final volume can be different from the requested one.",
                  std::string(kRecipeFooter)}));
    EXPECT_EQ(lines[8].role, Role::Warning);

    // A stock solution used as it is: neither a final step nor a warning.
    const CSolvoDoc one =
        Solution({FromStock(Component("acid", "HCl", 36.46, 1.0, 4), 1.0)}, 1.0, 4);
    EXPECT_EQ(Roles(Recipe(one)),
              (std::vector<Role>{Role::Title, Role::Summary, Role::PreparedBy, Role::Date,
                                 Role::Heading, Role::ComponentStep}));
}

TEST_F(RecipeGeneratorTest, ImpossibleSolutionAndNoVolumeStopEarly)
{
    const std::vector<RecipeLine> impossible =
        Recipe(Solution({SodiumChloride(0.5), FromStock(SodiumChloride(0.1), 0.05)}, 1.0),
               RecipeTemplate(), Options(true));
    EXPECT_EQ(Texts(impossible),
              (std::vector<std::string>{
                  "saline", "0.5000 M (mol/L) sodium chloride <SUBSTANCEFORMULA>",
                  "0.1000 M (mol/L) sodium chloride <SUBSTANCEFORMULA>",
                  "It is impossible to prepare solution of required concentration using substances",
                  "and/or solutions provided!",
                  "You probably have to start with more concentrated solutions."}));
    EXPECT_EQ(impossible[3].role, Role::Impossible);
    EXPECT_EQ(impossible[5].role, Role::Impossible);

    const std::vector<RecipeLine> empty =
        Recipe(Solution({SodiumChloride()}, 0.0), RecipeTemplate(), Options(true));
    EXPECT_EQ(Roles(empty),
              (std::vector<Role>{Role::Title, Role::Summary, Role::PreparedBy, Role::Date}));
}

TEST_F(RecipeGeneratorTest, ShortTemplateLeavesEmptyLinesInTheirPlaces)
{
    const std::vector<RecipeLine> lines = Recipe(
        Solution({SodiumChloride()}), RecipeTemplate::Parse("<CONCENTRATION> <SUBSTANCENAME>\r\n"));
    // Line 2 is empty, so there is no preparer line; the rest are empty texts.
    EXPECT_EQ(Roles(lines), (std::vector<Role>{Role::Title, Role::Summary, Role::Date,
                                               Role::Heading, Role::WaterStep, Role::ComponentStep,
                                               Role::StirStep, Role::FinalStep}));
    EXPECT_EQ(Texts(lines), (std::vector<std::string>{"saline", "0.1000 M (mol/L) sodium chloride",
                                                      kDate, "", "", "", "", ""}));
    EXPECT_EQ(lines[5].formula, "NaCl");
}

TEST_F(RecipeGeneratorTest, PercentSignsOfTheTemplate)
{
    std::string text = RecipeTemplate().FileText();
    const auto replaceLine = [&](const std::string& from, const std::string& to) {
        text.replace(text.find(from), from.size(), to);
    };
    replaceLine("Solution prepared by: ............................", "100%% by: %s");
    replaceLine("<LINENUMBER>. Weigh <SOLIDMASS> g",
                "<LINENUMBER>. Weigh 100%% of <SOLIDMASS> g, 5% %n");
    const std::vector<RecipeLine> lines =
        Recipe(Solution({SodiumChloride()}), RecipeTemplate::Parse(text));
    // The preparer line is shown exactly as it is in the template.
    EXPECT_EQ(lines[2].text, "100%% by: %s");
    EXPECT_EQ(lines[6].text,
              "2. Weigh 100% of 2.922 g, 5% %n sodium chloride <SUBSTANCEFORMULA> and "
              "transfer it to the flask.");
}

TEST_F(RecipeGeneratorTest, ConcentrationKeepsItsLastValue)
{
    std::string text = RecipeTemplate().FileText();
    const std::string weigh =
        "<LINENUMBER>. Weigh <SOLIDMASS> g <SUBSTANCENAME> <SUBSTANCEFORMULA> "
        "and transfer it to the flask.";
    text.replace(text.find(weigh), weigh.size(), "<LINENUMBER>. <SOLIDMASS> g at <CONCENTRATION>");
    const std::string stir = "<LINENUMBER>. Stir until dissolved.";
    text.replace(text.find(stir), stir.size(),
                 "Stir[<SUBSTANCENAME><SOLIDMASS><SOLUTIONVOLUME>] <CONCENTRATION>");
    const RecipeTemplate recipeTemplate = RecipeTemplate::Parse(text);

    // After the summaries, a weigh line shows the last summary's concentration.
    SolvoSubstance potash = Component("potassium chloride", "KCl", 74.55, 0.0027, 2);
    potash.SetUnit(ConcentrationUnit::Millimolar);
    const std::vector<RecipeLine> solids =
        Recipe(Solution({SodiumChloride(), potash}), recipeTemplate);
    EXPECT_EQ(solids[7].text, "2. 2.922 g at 2.7 mM (mmol/L)");
    EXPECT_EQ(solids[8].text, "3. 0.10 g at 2.7 mM (mmol/L)");
    EXPECT_EQ(solids[9].text, "Stir[] 2.7 mM (mmol/L)");

    // After a solution step, its source concentration.
    const std::vector<RecipeLine> mixed =
        Recipe(Solution({FromStock(SodiumChloride(), 2.5), SodiumChloride(0.2)}), recipeTemplate);
    EXPECT_EQ(mixed[8].text, "3. 5.844 g at 2.5 M (mol/L)");
    EXPECT_EQ(mixed[9].text, "Stir[] 2.5 M (mol/L)");
}

TEST_F(RecipeGeneratorTest, StepsShowTheFormulaWeighedAndTheUnitsGiven)
{
    SolvoSubstance borax = Component("borax", "Na_2B_4O_7", 201.22, 0.025, 3);
    borax.SetAlternatives({"Na_2B_4O_7&10H_2O"});
    borax.SetSource(AlternativeSource(0));
    borax.SetSourceFormula("Na_2B_4O_7&10H_2O");
    borax.SetSourceMolarMass(381.37);
    borax.SetUnit(ConcentrationUnit::Millimolar);
    // The unit labels are the user's.
    const test::TemporaryFolder folder;
    RecipeOptions options = Options();
    options.labels = UnitLabels::Read(folder.Write("units.txt", "M\r\nmmol/L\r\n"));
    const std::vector<RecipeLine> lines =
        Recipe(Solution({borax}, 0.25, 2, VolumeUnit::Litre), RecipeTemplate(), options);
    EXPECT_EQ(lines[1].text, "25.0 mmol/L borax <SUBSTANCEFORMULA>");
    EXPECT_EQ(lines[1].formula, "Na_2B_4O_7");
    EXPECT_EQ(lines[4].text, "To prepare 0.25 L of the above solution:");
    EXPECT_EQ(lines[5].text, "1. Put about 0.2 L of water into the flask.");
    EXPECT_EQ(lines[6].text,
              "2. Weigh 2.38 g borax <SUBSTANCEFORMULA> and transfer it to the flask.");
    EXPECT_EQ(lines[6].formula, "Na_2B_4O_7&10H_2O");
    EXPECT_EQ(lines[8].text, "4. Fill up to 0.25 L and mix thoroughly.");
}

TEST_F(RecipeGeneratorTest, NumbersThatAreNotFiniteShowAsQuestionMarks)
{
    // A source of no concentration for a target of none: 0 / 0 litres.
    const std::vector<RecipeLine> lines = Recipe(Solution({FromStock(SodiumChloride(0.0), 0.0)}));
    EXPECT_EQ(Roles(lines),
              (std::vector<Role>{Role::Title, Role::Summary, Role::PreparedBy, Role::Date,
                                 Role::Heading, Role::ComponentStep, Role::FinalStep}));
    EXPECT_EQ(lines[5].text, "1. Add ??? mL of the stock solution (0 M (mol/L)) of sodium chloride "
                             "<SUBSTANCEFORMULA> to the flask.");
}

TEST_F(RecipeGeneratorTest, MissingMolarMassWeighsQuestionMarksNotZero)
{
    const std::vector<RecipeLine> lines = Recipe(Solution({Component("mystery", "Xy_2O", 0.0, 0.1, 1)}));
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[6].text, "2. Weigh ??? g mystery <SUBSTANCEFORMULA> and transfer it to the flask.");
    EXPECT_EQ(lines[6].formula, "Xy_2O");
}

TEST_F(RecipeGeneratorTest, WeighedFormHoldingTheComponentTwiceSaysSo)
{
    // The arsenic standard: 1000 ppm As in 250 mL, weighed as As2O3.
    SolvoSubstance arsenic = Component("arsenic", "As", 74.9216, 0.0, 4);
    arsenic.SetUnit(ConcentrationUnit::Ppm);
    arsenic.SetConcentration(1000.0, ConcentrationUnit::Ppm);
    arsenic.SetSource(SourceKind::OtherSubstance);
    arsenic.SetSourceFormula("As_2O_3");
    arsenic.UpdateSourceMolarMass(elements);
    const std::vector<RecipeLine> lines = Recipe(Solution({arsenic}, 0.25, 3));
    EXPECT_EQ(Texts(lines),
              (std::vector<std::string>{
                  "saline", "1000 ppm arsenic <SUBSTANCEFORMULA>", kPreparedBy, kDate,
                  "To prepare 250 mL of the above solution:",
                  "1. Put about 200 mL of water into the flask.",
                  "2. Weigh 0.3301 g arsenic <SUBSTANCEFORMULA> (2 As per formula unit) and "
                  "transfer it to the flask.",
                  "3. Stir until dissolved.", "4. Fill up to 250 mL and mix thoroughly.",
                  "Note: No density table for arsenic: 1 g/mL was assumed; the amount of a "
                  "concentrated stock may be far off.",
                  "Note: As2O3 holds 2 As per formula unit: one formula unit is weighed for "
                  "every 2 As."}));
    EXPECT_EQ(lines[6].formula, "As_2O_3");
    EXPECT_EQ(lines[9].role, Role::Warning);
    EXPECT_EQ(lines[10].role, Role::Warning);

    // A line without a formula says it at its end.
    const RecipeTemplate plain = RecipeTemplate::Parse(
        "\r\n\r\n\r\n\r\n\r\n\r\n<LINENUMBER>. Weigh <SOLIDMASS> g.\r\n");
    const std::vector<RecipeLine> bare = Recipe(Solution({arsenic}, 0.25, 3), plain);
    ASSERT_GE(bare.size(), 6u);
    EXPECT_EQ(bare[5].text, "2. Weigh 0.3301 g. (2 As per formula unit)");
}

TEST_F(RecipeGeneratorTest, AssayOfTheWeighedSolidIsNamedAfterItsFormula)
{
    // Physiological saline from a salt of 99.5 %, and one that is pure.
    SolvoSubstance salt = SodiumChloride(0.0);
    salt.SetUnit(ConcentrationUnit::PercentWV);
    salt.SetConcentration(0.9, ConcentrationUnit::PercentWV);
    salt.SetPurity(99.5);
    SolvoSubstance pure = SodiumChloride(0.1);
    const std::vector<RecipeLine> lines =
        Recipe(Solution({salt, pure}, 1.0, 4, VolumeUnit::Litre));
    ASSERT_GE(lines.size(), 9u);
    EXPECT_EQ(lines[1].text, "0.9000 % w/v sodium chloride <SUBSTANCEFORMULA>");
    EXPECT_EQ(lines[7].text, "2. Weigh 9.045 g sodium chloride <SUBSTANCEFORMULA> (assay 99.5 %) "
                             "and transfer it to the flask.");
    EXPECT_EQ(lines[8].text, "3. Weigh 5.844 g sodium chloride <SUBSTANCEFORMULA> and transfer it "
                             "to the flask.");

    // With a form holding it twice, both notes follow the formula.
    SolvoSubstance arsenic = Component("arsenic", "As", 74.9216, 0.0, 4);
    arsenic.SetConcentration(1000.0, ConcentrationUnit::Ppm);
    arsenic.SetSource(SourceKind::OtherSubstance);
    arsenic.SetSourceFormula("As_2O_3");
    arsenic.UpdateSourceMolarMass(elements);
    arsenic.SetPurity(99.0);
    const std::vector<RecipeLine> standard = Recipe(Solution({arsenic}, 0.25, 3));
    ASSERT_GE(standard.size(), 7u);
    EXPECT_EQ(standard[6].text, "2. Weigh 0.3334 g arsenic <SUBSTANCEFORMULA> (2 As per formula "
                                "unit) (assay 99 %) and transfer it to the flask.");
}

TEST_F(RecipeGeneratorTest, NotesCloseEveryRecipeBeforeTheFooter)
{
    SolvoSubstance nitric = FromStock(Component("nitric acid", "HNO_3", 63.01, 1.0, 3), 69.6);
    nitric.SetStockUnit(ConcentrationUnit::PercentWW);
    const std::string note = "Note: No density table for nitric acid: 1 g/mL was assumed; the "
                             "amount of a concentrated stock may be far off.";

    const std::vector<RecipeLine> printed =
        Recipe(Solution({nitric}, 1.0, 4), RecipeTemplate(), Options(true));
    ASSERT_GE(printed.size(), 2u);
    EXPECT_EQ(printed[printed.size() - 2].text, note);
    EXPECT_EQ(printed[printed.size() - 2].role, Role::Warning);
    EXPECT_EQ(printed.back().role, Role::Footer);
    EXPECT_EQ(printed[6].text, "2. Add 90.5 mL of the stock solution (69.6 % w/w) of nitric acid "
                               "<SUBSTANCEFORMULA> to the flask.");

    // An impossible solution and one of no volume say it too.
    SolvoSubstance tooStrong = nitric;
    tooStrong.SetConcentration(20.0, ConcentrationUnit::Molar);
    const std::vector<RecipeLine> cannot = Recipe(Solution({tooStrong}, 1.0), RecipeTemplate(), Options(true));
    EXPECT_EQ(Roles(cannot), (std::vector<Role>{Role::Title, Role::Summary, Role::Impossible,
                                                Role::Impossible, Role::Impossible, Role::Warning}));
    EXPECT_EQ(cannot.back().text, note);
    const std::vector<RecipeLine> empty = Recipe(Solution({nitric}, 0.0), RecipeTemplate(), Options(true));
    EXPECT_EQ(Roles(empty), (std::vector<Role>{Role::Title, Role::Summary, Role::PreparedBy,
                                               Role::Date, Role::Warning}));
}

TEST(RecipeTitle, FileNamesLoseTheirExtension)
{
    const struct {
        const char* title;
        bool fromFile;
        const char* shown;
    } cases[] = {
        {"buffer.sln", true, "buffer"},
        {"Buffer.SLN", true, "Buffer"},
        {"a.sln.sln", true, "a.sln"},
        {"notes.txt", true, "notes.txt"},
        {".sln", true, ""},
        {"Solvo1", false, "Solvo1"},
        {"Solvo", false, "Solvo"},
        {"made.sln", false, "made.sln"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RecipeTitle(c.title, c.fromFile), c.shown) << c.title;
}

TEST(RecipeDate, EnglishNamesAndATwoDigitDay)
{
    using std::chrono::year_month_day;
    const struct {
        year_month_day date;
        const char* shown;
    } cases[] = {
        {2026y / std::chrono::December / 10, "Thursday, December 10, 2026"},
        {2024y / std::chrono::February / 29, "Thursday, February 29, 2024"},
        {2000y / std::chrono::January / 1, "Saturday, January 01, 2000"},
        {2023y / std::chrono::February / 29, ""},
        {year_month_day{}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatRecipeDate(c.date), c.shown) << c.shown;
    EXPECT_TRUE(LocalToday().ok());
}

} // namespace
} // namespace solvo
