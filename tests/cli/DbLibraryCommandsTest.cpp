#include "CliRunner.h"

#include "../core/app/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace solvo::test {
namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    std::sort(lines.begin(), lines.end());
    return lines;
}

class DbLibraryCommandsTest : public ::testing::Test {
protected:
    DbLibraryCommandsTest() : database((folder.Path() / "lab.dat").string())
    {
        EXPECT_EQ(RunCli({"db", "init", database}).exitCode, 0);
    }

    TemporaryFolder folder;
    std::string database;
};

TEST_F(DbLibraryCommandsTest, ConvertTakesTheLibrarysTableAndSaysWhereItEnds)
{
    const struct {
        const char* percent;
        double d;
        double M;
        bool outside;
    } cases[] = {
        {"28", 0.898, 14.76, false},
        // Beyond the 30 % row the last density is held and flagged.
        {"32", 0.8920, 16.76, true},
    };
    for (const auto& c : cases) {
        const CliResult result = RunCli(
            {"convert", "--library", "ammonia", "--from", "w", "--value", c.percent, "--json"});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const auto json = nlohmann::json::parse(result.out);
        EXPECT_NEAR(json.at("d").get<double>(), c.d, 0.0005) << c.percent;
        EXPECT_NEAR(json.at("M").get<double>(), c.M, 0.01) << c.percent;
        EXPECT_EQ(json.at("outside").at("w"), c.outside) << c.percent;
    }
    const CliResult unknown =
        RunCli({"convert", "--library", "unobtainium", "--from", "w", "--value", "1"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.err, "\"unobtainium\": no solute of this name in the reagent library.\n");
}

TEST_F(DbLibraryCommandsTest, LibraryListsItsSolutesThroughThePatternFilter)
{
    const CliResult json = RunCli({"db", "library", "--json", "--filter", "NH_3"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const auto entries = nlohmann::json::parse(json.out);
    ASSERT_EQ(entries.size(), 1u);
    const auto& ammonia = entries[0];
    EXPECT_EQ(ammonia.at("name"), "Ammonia");
    EXPECT_EQ(ammonia.at("cas"), "7664-41-7");
    EXPECT_NEAR(ammonia.at("molar_mass").get<double>(), 17.031, 0.001);
    EXPECT_EQ(ammonia.at("range"), nlohmann::json::parse("[0.0, 30.0]"));
    EXPECT_EQ(ammonia.at("rows").size(), 26u);
    EXPECT_EQ(ammonia.at("rows")[0], nlohmann::json::parse(R"({"w":0.5,"m":0.295,"M":0.292,"d":0.9960})"));
    EXPECT_TRUE(nlohmann::json::parse(RunCli({"db", "library", "--json", "--filter", "Acetic"}).out)
                    [0].at("rows").back().at("m").is_null());

    EXPECT_EQ(RunCli({"db", "library", "--filter", "unobtainium"}).out,
              "No solute of the reagent library passes the filter.\n");
    EXPECT_EQ(RunCli({"db", "library", "--filter", "7664-41"}).out,
              "Ammonia  NH_3  17.0305 g/mol  0\u201330 % w/w, 20 \u00B0C  (26 rows)\n");
    EXPECT_EQ(RunCli({"db", "library", "--filter", "("}).exitCode, 2);
}

// Done as a chemist would: ammonia from the library, a 28 % stock, 1 M
// wanted: the volume of stock is the handbook's arithmetic (67.6 mL), with
// no note that a density was assumed.
TEST_F(DbLibraryCommandsTest, AddTakesALibrarySoluteIntoTheDatabaseOnce)
{
    const CliResult added = RunCli({"db", "add", "--library", "ammonia", "--db", database});
    ASSERT_EQ(added.exitCode, 0) << added.err;
    EXPECT_EQ(added.out, "1 substance added, 0 replaced.\n");
    const std::string saved = ReadFile(database);

    const CliResult again = RunCli({"db", "add", "--library", "R-717", "--db", database});
    EXPECT_EQ(again.exitCode, 2);
    EXPECT_EQ(again.err, "R-717: the database holds \"Ammonia\" already; use --force to replace "
                         "them.\n");
    EXPECT_EQ(ReadFile(database), saved);
    const CliResult forced =
        RunCli({"db", "add", "--library", "ammonia", "--force", "--db", database});
    EXPECT_EQ(forced.out, "0 substances added, 1 replaced.\n");

    const CliResult shown = RunCli({"db", "show", "--json", "Ammonia", "--db", database});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    const auto substance = nlohmann::json::parse(shown.out);
    EXPECT_EQ(substance.at("formula"), "NH_3");
    EXPECT_EQ(substance.at("table_kind"), 0);
    EXPECT_EQ(substance.at("no_table"), false);

    nlohmann::json component = {
        {"name", "Ammonia"}, {"formula", "NH_3"}, {"table_text", substance.at("table_text")},
        {"no_table", false}, {"unit", 0},         {"M", 1.0},
        {"use_stock", true}, {"stock_concentration", 28.0}, {"stock_unit", 3},
        {"source_kind", 2}};
    const std::string file = (folder.Path() / "ammonia.sln").string();
    const nlohmann::json solution = {{"final_volume", 1.0}, {"components", {component}}};
    ASSERT_EQ(RunCli({"write", file}, solution.dump()).exitCode, 0);
    const CliResult recipe = RunCli({"recipe", "--json", file, "--db", database});
    ASSERT_EQ(recipe.exitCode, 0) << recipe.err;
    const auto json = nlohmann::json::parse(recipe.out);
    EXPECT_EQ(json.at("warnings"), nlohmann::json::array());
    const double millilitres = json.at("plan").at("steps")[0].at("volume").get<double>() * 1000.0;
    EXPECT_GT(millilitres, 67.0);
    EXPECT_LT(millilitres, 68.0);
}

TEST_F(DbLibraryCommandsTest, ExportedSubstancesImportBackIdentical)
{
    const auto csv = folder.Write(
        "inventory.csv",
        "name,formula,molar_mass,density_table,table_kind,alternatives\n"
        "\"Puffer \"\"A\"\", pH 7\",Na_2HPO_4&7H_2O,,\"0:0.9982;5:1.04\",M,Na_2HPO_4\n"
        "Kupfersulfat f\u00FCr \u00B5-Analyse,CuSO_4,,,w,CuSO_4&5H_2O\n"
        "sulfate,SO_4^{2-},,,w,\n");
    const CliResult imported = RunCli({"db", "import", csv.string(), "--db", database});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(imported.out, "3 substances added, 0 replaced.\n");
    const CliResult exported = RunCli({"db", "export", "--csv", "--db", database});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_NE(exported.out.find("\"Puffer \"\"A\"\", pH 7\",Na_2HPO_4&7H_2O,"), std::string::npos);

    // Into another database that holds the built-in substances already.
    const std::string other = (folder.Path() / "other.dat").string();
    ASSERT_EQ(RunCli({"db", "init", other}).exitCode, 0);
    const auto round = folder.Write("round.csv", exported.out);
    const CliResult refused = RunCli({"db", "import", round.string(), "--db", other});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.ends_with("already; use --force to replace them.\n")) << refused.err;
    const CliResult forced = RunCli({"db", "import", round.string(), "--force", "--db", other});
    EXPECT_EQ(forced.out, "3 substances added, 10 replaced.\n") << forced.err;
    // The database file keeps its own order of substances; the lines are the same.
    EXPECT_EQ(Lines(RunCli({"db", "export", "--csv", "--db", other}).out), Lines(exported.out));
}

TEST_F(DbLibraryCommandsTest, ImportWritesNothingWhenALineIsBad)
{
    const std::string saved = ReadFile(database);
    const auto csv = folder.Write("bad.csv", "name,formula,density_table\n"
                                             "good,NaCl,\n"
                                             "bad,KCl,\"0:1;10:1.06;5:1.03\"\n");
    const CliResult result = RunCli({"db", "import", csv.string(), "--db", database});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, csv.string() + ": line 3: the density table is not sorted: 5 follows "
                                         "10. Nothing was imported.\n");
    EXPECT_EQ(ReadFile(database), saved);
    EXPECT_EQ(RunCli({"db", "import", (folder.Path() / "none.csv").string(), "--db", database})
                  .err,
              (folder.Path() / "none.csv").string() + ": cannot be opened.\n");
}

} // namespace
} // namespace solvo::test
