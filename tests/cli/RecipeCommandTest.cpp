#include "CliRunner.h"

#include "formula/ElementTable.h"
#include "solution/CSolvoDoc.h"
#include "solution/RecipeTemplate.h"

#include "../core/app/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <unistd.h>

namespace solvo::test {
namespace {

class RecipeCommandTest : public ::testing::Test {
protected:
    RecipeCommandTest() { elements.LoadDefaults(); }

    SolvoSubstance Component(const char* name, const char* formula, double molarity,
                             std::int32_t digits, ConcentrationUnit unit = ConcentrationUnit::Molar)
    {
        SolvoSubstance component;
        component.SetName(name);
        component.SetFormula(formula);
        component.SetSourceFormula(formula);
        component.UpdateMolarMass(elements);
        component.SetUnit(unit);
        component.SetConcentration(molarity, ConcentrationUnit::Molar);
        component.SetConcentrationDigits(digits);
        return component;
    }

    std::string Save(const std::string& name, const std::vector<SolvoSubstance>& components,
                     double litres, std::int32_t volumeDigits)
    {
        CSolvoDoc doc;
        for (std::size_t i = 0; i < components.size(); ++i) {
            if (i > 0)
                doc.AddComponent(SolvoSubstance());
            doc.GetComponent(static_cast<std::int32_t>(i)) = components[i];
        }
        doc.SetFinalVolume(litres);
        doc.SetVolumeDigits(volumeDigits);
        const std::filesystem::path path = folder.Path() / name;
        EXPECT_TRUE(doc.WriteFile(path, elements));
        return path.string();
    }

    std::string SaveSaline()
    {
        return Save("saline.sln", {Component("sodium chloride", "NaCl", 0.1, 4)}, 0.5, 3);
    }

    static nlohmann::json Json(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), {"recipe", "--json", "--date", "2026-12-10"});
        const CliResult result = RunCli(arguments);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return nlohmann::json::parse(result.out);
    }

    ElementTable elements;
    TemporaryFolder folder;
};

TEST_F(RecipeCommandTest, TypicalRecipeLineByLine)
{
    const CliResult result =
        RunCli({"recipe", "--date", "2026-12-10", "--digits", "4", SaveSaline()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "saline\n"
                          "0.1000 M (mol/L) sodium chloride NaCl\n"
                          "Solution prepared by: ............................\n"
                          "Thursday, December 10, 2026\n"
                          "To prepare 500 mL of the above solution:\n"
                          "1. Put about 400 mL of water into the flask.\n"
                          "2. Weigh 2.922 g sodium chloride NaCl and transfer it to the flask.\n"
                          "3. Stir until dissolved.\n"
                          "4. Fill up to 500 mL and mix thoroughly.\n");

    // The template of the data folder, created with the defaults when
    // missing (the runner's data folder lies in its sandbox).
    const auto dataFolder = std::filesystem::temp_directory_path() /
                            ("solvo-cli-test-" + std::to_string(::getpid())) / "data" /
                            "Flaskware" / "Solvo";
    TemporaryFolder reader;
    std::filesystem::copy_file(dataFolder / "template.txt", reader.Path() / "template.txt");
    EXPECT_EQ(reader.Read("template.txt"), RecipeTemplate().FileText());
}

TEST_F(RecipeCommandTest, JsonGivesTheLinesAndThePlan)
{
    SolvoSubstance salt = Component("sodium chloride", "NaCl", 0.1, 4);
    salt.SetStandardSubstance(true);
    salt.SetPrepareStandardSolution(true);
    SolvoSubstance acid =
        Component("hydrochloric acid", "HCl", 0.05, 3, ConcentrationUnit::Millimolar);
    acid.SetSource(SourceKind::StockSolution);
    acid.SetUseStockSolution(true);
    acid.SetStockConcentration(1.0);
    const auto json = Json({"--print", Save("standard.sln", {salt, acid}, 1.0, 4)});

    EXPECT_EQ(json.at("title"), "standard");
    const auto& lines = json.at("lines");
    std::vector<std::string> roles;
    for (const auto& line : lines)
        roles.push_back(line.at("role"));
    EXPECT_EQ(roles,
              (std::vector<std::string>{"Title", "Summary", "Summary", "PreparedBy", "Date",
                                        "Heading", "WaterStep", "ComponentStep", "EnterMassStep",
                                        "ComponentStep", "StirStep", "FinalStep", "Footer"}));
    EXPECT_EQ(lines[1].at("text"), "~0.1000 M (mol/L) sodium chloride <SUBSTANCEFORMULA>");
    EXPECT_EQ(lines[1].at("formula"), "NaCl");
    EXPECT_EQ(lines[1].at("approximate"), true);
    EXPECT_EQ(lines[2].at("text"), "50.0 mM (mmol/L) hydrochloric acid <SUBSTANCEFORMULA>");
    EXPECT_EQ(lines[2].at("approximate"), false);
    EXPECT_EQ(lines[8].at("text"), "3. Enter mass of the substance into exact weight edit field of "
                                   "the solution dialog (so far: ??"
                                   "?).");
    EXPECT_EQ(lines[9].at("text"), "4. Add 50.0 mL of the stock solution (1 M (mol/L)) of "
                                   "hydrochloric acid <SUBSTANCEFORMULA> to the flask.");
    EXPECT_EQ(lines[11].at("text"), "6. Dilute to the mark with mixing.");
    EXPECT_EQ(lines[12].at("text"), "Solvo \u00a9 2026 Flaskware");
    EXPECT_EQ(lines[12].at("formula"), "");

    const auto& plan = json.at("plan");
    EXPECT_NEAR(plan.at("added_volume").get<double>(), 0.05, 1e-15);
    EXPECT_NEAR(plan.at("remaining_volume").get<double>(), 0.95, 1e-15);
    EXPECT_EQ(plan.at("impossible"), false);
    EXPECT_EQ(plan.at("volumes_match"), false);
    EXPECT_NEAR(plan.at("start_volume").get<double>(), 0.7, 1e-15);
    EXPECT_EQ(plan.at("water_step_shown"), true);
    EXPECT_EQ(plan.at("standard_mode"), true);
    EXPECT_EQ(plan.at("any_solid"), true);
    const auto& weigh = plan.at("steps")[0];
    EXPECT_EQ(weigh.at("kind"), "WeighExactly");
    EXPECT_NEAR(weigh.at("mass").get<double>(), 0.1 * salt.MolarMass(), 1e-12);
    EXPECT_EQ(weigh.at("mass_digits"), 5);
    EXPECT_EQ(weigh.at("formula_shown"), "NaCl");
    EXPECT_EQ(weigh.at("summary_value"), 0.1);
    EXPECT_EQ(weigh.at("summary_digits"), 4);
    EXPECT_EQ(weigh.at("summary_unit"), 0);
    EXPECT_EQ(weigh.at("summary_approximate"), true);
    const auto& add = plan.at("steps")[1];
    EXPECT_EQ(add.at("kind"), "AddStockSolution");
    EXPECT_NEAR(add.at("volume").get<double>(), 0.05, 1e-15);
    EXPECT_EQ(add.at("volume_digits"), 3);
    EXPECT_NEAR(add.at("summary_value").get<double>(), 50.0, 1e-12);
    EXPECT_EQ(add.at("summary_unit"), 1);
}

TEST_F(RecipeCommandTest, TemplateFileAndFormulaDisplayText)
{
    SolvoSubstance borax = Component("borax", "Na_2B_4O_7", 0.025, 3);
    borax.SetAlternatives({"Na_2B_4O_7&10H_2O"});
    borax.SetSource(AlternativeSource(0));
    borax.SetSourceFormula("Na_2B_4O_7&10H_2O");
    const std::string file = Save("borax.sln", {borax}, 0.25, 2);
    const std::filesystem::path templateFile =
        folder.Write("short.txt", "<SUBSTANCENAME> <SUBSTANCEFORMULA> <SUBSTANCEFORMULA>, 100%%\n\n"
                                  "<SOLIDMASS> <VOLUMEUNIT>\n\n\n\n"
                                  "<LINENUMBER>: <SOLIDMASS> g <SUBSTANCEFORMULA> at 100%%\n");
    const CliResult result =
        RunCli({"recipe", "--date", "2026-12-10", "--template", templateFile.string(), file});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    // Only the first placeholder of a line with a formula is the formula.
    EXPECT_EQ(result.out, "borax\n"
                          "borax Na2B4O7 <SUBSTANCEFORMULA>, 100%\n"
                          "Thursday, December 10, 2026\n"
                          " mL\n"
                          "\n"
                          "2: 2.38 g Na2B4O7.10H2O at 100%\n"
                          "\n"
                          "\n");
}

TEST_F(RecipeCommandTest, PhosphateBufferedSalineWeighsWhatAChemistExpects)
{
    // Made by hand as a script would, with the concentrations typed in mM.
    const std::string file = (folder.Path() / "pbs.sln").string();
    const CliResult written = RunCli({"write", file}, R"({
        "final_volume": 1.0, "volume_digits": 4, "volume_unit": 1,
        "components": [
            {"name": "sodium chloride", "formula": "NaCl", "unit": 1, "M": 0.137, "digits": 3},
            {"name": "potassium chloride", "formula": "KCl", "unit": 1, "M": 0.0027, "digits": 2},
            {"name": "disodium phosphate", "formula": "Na_2HPO_4", "unit": 1, "M": 0.010,
             "digits": 2},
            {"name": "potassium dihydrogen phosphate", "formula": "KH_2PO_4", "unit": 1,
             "M": 0.0018, "digits": 2}]})");
    ASSERT_EQ(written.exitCode, 0) << written.err;
    const auto json = Json({file});
    const auto& steps = json.at("plan").at("steps");
    const double grams[] = {8.0067, 0.2013, 1.4196, 0.2450};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(steps[i].at("kind"), "Weigh");
        EXPECT_NEAR(steps[i].at("mass").get<double>(), grams[i], 1e-4) << i;
    }
    std::vector<std::string> texts;
    for (const auto& line : json.at("lines"))
        texts.push_back(line.at("text"));
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "pbs",
                         "137 mM (mmol/L) sodium chloride <SUBSTANCEFORMULA>",
                         "2.7 mM (mmol/L) potassium chloride <SUBSTANCEFORMULA>",
                         "10 mM (mmol/L) disodium phosphate <SUBSTANCEFORMULA>",
                         "1.8 mM (mmol/L) potassium dihydrogen phosphate <SUBSTANCEFORMULA>",
                         "Solution prepared by: ............................",
                         "Thursday, December 10, 2026",
                         "To prepare 1000 mL of the above solution:",
                         "1. Put about 800 mL of water into the flask.",
                         "2. Weigh 8.01 g sodium chloride <SUBSTANCEFORMULA> and transfer it to "
                         "the flask.",
                         "3. Weigh 0.20 g potassium chloride <SUBSTANCEFORMULA> and transfer it to "
                         "the flask.",
                         "4. Weigh 1.4 g disodium phosphate <SUBSTANCEFORMULA> and transfer it to "
                         "the flask.",
                         "5. Weigh 0.24 g potassium dihydrogen phosphate <SUBSTANCEFORMULA> and "
                         "transfer it to the flask.",
                         "6. Stir until dissolved.",
                         "7. Fill up to 1000 mL and mix thoroughly.",
                     }));
}

TEST_F(RecipeCommandTest, MissingMolarMassIsWeighedAsUnknownNotZero)
{
    const std::string file =
        Save("mystery.sln", {Component("mystery", "Xy_2O", 0.1, 1)}, 0.1, 3);
    const CliResult result = RunCli({"recipe", "--date", "2026-12-10", file});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("2. Weigh ??? g mystery Xy2O and transfer it to the flask.\n"),
              std::string::npos)
        << result.out;
    EXPECT_EQ(Json({file}).at("plan").at("steps")[0].at("mass"), "nan");
}

TEST_F(RecipeCommandTest, FormatsForOtherPrograms)
{
    const std::string saline = SaveSaline();
    const auto recipe = [&saline](const char* format) {
        const CliResult result =
            RunCli({"recipe", "--date", "2026-12-10", "--print", "--format", format, saline});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return result.out;
    };
    const struct {
        const char* format;
        std::string start;
        std::string weighStep;
    } cases[] = {
        {"html", "<!DOCTYPE html>\n",
         "<li>Weigh 2.922 g sodium chloride NaCl and transfer it to the flask.</li>\n"},
        {"markdown", "# saline\n\n", "\n2. Weigh 2.922 g sodium chloride NaCl and transfer"},
        {"rtf", "{\\rtf1\\ansi", "{\\pntext 2.\\tab}\\cf1 Weigh 2.922 g sodium chloride NaCl"},
        {"text", "saline\n", "\n2. Weigh 2.922 g sodium chloride NaCl and transfer"},
    };
    for (const auto& c : cases) {
        const std::string out = recipe(c.format);
        EXPECT_TRUE(out.starts_with(c.start)) << c.format;
        EXPECT_NE(out.find(c.weighStep), std::string::npos) << c.format << '\n' << out;
        // The footer's copyright sign is UTF-8 in every text form.
        if (c.format != std::string("rtf")) {
            EXPECT_NE(out.find("Solvo \xC2\xA9 2026"), std::string::npos) << c.format;
        }
    }
    EXPECT_NE(recipe("rtf").find("Solvo \\u169\\'a9 2026"), std::string::npos);
    EXPECT_EQ(recipe("text"), RunCli({"recipe", "--date", "2026-12-10", "--print", saline}).out);
}

TEST_F(RecipeCommandTest, BadInputWritesNothing)
{
    const std::string saline = SaveSaline();
    const std::filesystem::path cut =
        folder.Write("cut.sln", std::string("\x01\x00\x01\x00\x01", 5));
    const std::filesystem::path old = folder.Write("old.sln", std::string("\x02\x00\x01\x00", 4));
    // No template: nothing, NUL bytes, or more than any template holds.
    const std::string empty = folder.Write("empty.txt", "").string();
    const std::string nul = folder.Write("nul.txt", std::string(4096, '\0')).string();
    const std::string huge = folder.Write("huge.txt", std::string((1 << 20) + 1, 'x')).string();
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        std::string message;
    } cases[] = {
        {{"recipe", (folder.Path() / "missing.sln").string()},
         2,
         "missing.sln: Failed to open document.\n"},
        {{"recipe", cut.string()}, 2, "cut.sln: Unexpected file format.\n"},
        {{"recipe", old.string()}, 2, "old.sln: Unknown version of the data file...\n"},
        {{"recipe", "--date", "2026-02-30", saline},
         2,
         "\"2026-02-30\": not a date; use YYYY-MM-DD.\n"},
        {{"recipe", "--date", "10.12.2026", saline},
         2,
         "\"10.12.2026\": not a date; use YYYY-MM-DD.\n"},
        {{"recipe", "--template", folder.Path().string(), saline},
         2,
         folder.Path().string() + ": cannot be read.\n"},
        {{"recipe", "--template", empty, saline},
         2,
         empty + ": empty; a recipe template holds the lines a recipe is worded from.\n"},
        {{"recipe", "--template", nul, saline},
         2,
         nul + ": holds NUL bytes, as no recipe template does.\n"},
        {{"recipe", "--template", huge, saline},
         2,
         huge + ": larger than 1 MiB, more than a recipe template holds.\n"},
        {{"recipe"}, 1, ""},
        {{"recipe", "--format", "pdf", saline}, 1, ""},
        {{"recipe", "--json", "--format", "html", saline}, 1, ""},
    };
    for (const auto& c : cases) {
        const CliResult result = RunCli(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments.back();
        EXPECT_EQ(result.out, "") << c.arguments.back();
        if (!c.message.empty()) {
            EXPECT_TRUE(result.err.ends_with(c.message)) << result.err;
        }
    }
}

TEST_F(RecipeCommandTest, EmptyFileIsANewSolution)
{
    const auto json = Json({folder.Write("empty.sln", "").string()});
    EXPECT_EQ(json.at("title"), "empty");
    EXPECT_EQ(json.at("lines").size(), 4u);
    EXPECT_EQ(json.at("lines")[1].at("text"), "0 M (mol/L)  <SUBSTANCEFORMULA>");
}

TEST_F(RecipeCommandTest, WarningsSayWhatTheRecipeAssumed)
{
    SolvoSubstance nitric = Component("nitric acid", "HNO_3", 1.0, 3);
    nitric.SetSource(SourceKind::StockSolution);
    nitric.SetUseStockSolution(true);
    nitric.SetStockConcentration(69.6);
    nitric.SetStockUnit(ConcentrationUnit::PercentWW);
    SolvoSubstance sodium = Component("sodium", "Na", 0.2, 3);
    sodium.SetSource(SourceKind::OtherSubstance);
    sodium.SetSourceFormula("Na_2SO_4");
    SolvoSubstance carbonate = Component("sodium carbonate", "Na_2CO_3", 0.1, 3);
    carbonate.SetSource(SourceKind::OtherSubstance);
    carbonate.SetSourceFormula("NaOH");
    const std::string file = Save("assumed.sln", {nitric, sodium, carbonate}, 1.0, 4);
    const std::vector<std::string> warnings = {
        "No density table for nitric acid: 1 g/mL was assumed; the amount of a concentrated "
        "stock may be far off.",
        "Na2SO4 holds 2 Na per formula unit: one formula unit is weighed for every 2 Na.",
        "NaOH does not hold Na2CO3: no mass can be given for sodium carbonate."};

    const auto json = Json({file});
    EXPECT_EQ(json.at("warnings"), nlohmann::json(warnings));
    const auto& lines = json.at("lines");
    ASSERT_GE(lines.size(), 3u);
    for (std::size_t i = 0; i < warnings.size(); ++i) {
        const auto& line = lines[lines.size() - warnings.size() + i];
        EXPECT_EQ(line.at("role"), "Warning");
        EXPECT_EQ(line.at("text"), "Note: " + warnings[i]);
    }
    EXPECT_EQ(json.at("plan").at("steps")[2].at("mass"), "nan");
    // Nothing assumed, nothing said.
    EXPECT_EQ(Json({SaveSaline()}).at("warnings"), nlohmann::json::array());

    const CliResult text = RunCli({"recipe", "--date", "2026-12-10", file});
    EXPECT_EQ(text.exitCode, 0) << text.err;
    EXPECT_NE(text.out.find("2. Add 90.5 mL of the stock solution (69.6 % w/w) of nitric acid "
                            "HNO3 to the flask.\n"
                            "3. Weigh 14.2 g sodium Na2SO4 (2 Na per formula unit) and transfer "
                            "it to the flask.\n"
                            "4. Weigh ??? g sodium carbonate NaOH and transfer it to the flask.\n"),
              std::string::npos)
        << text.out;
    EXPECT_TRUE(text.out.ends_with("Note: " + warnings[0] + "\nNote: " + warnings[1] +
                                   "\nNote: " + warnings[2] + "\n"))
        << text.out;
}

} // namespace
} // namespace solvo::test
