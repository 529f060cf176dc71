#include "CliRunner.h"
#include "SampleSolutions.h"

#include "formula/ChemicalFormula.h"

#include "../core/app/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace solvo::test {
namespace {

class ShowCommandTest : public ::testing::Test {
protected:
    ShowCommandTest() { elements.LoadDefaults(); }

    std::string Save(const std::string& name, const std::string& bytes)
    {
        return folder.Write(name, bytes).string();
    }

    // In the order of the output.
    static nlohmann::ordered_json ShowJson(const std::string& path)
    {
        const CliResult result = RunCli({"show", "--json", path});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.err, "");
        return nlohmann::ordered_json::parse(result.out);
    }

    double MolarMass(const char* formula) const
    {
        return ChemicalFormula(elements, formula).MolarMass();
    }

    ElementTable elements;
    TemporaryFolder folder;
};

TEST_F(ShowCommandTest, JsonGivesEveryFieldOfEveryComponent)
{
    const auto json = ShowJson(Save("rich.sln", RichSolution(elements).Write(elements)));

    EXPECT_EQ(json.at("version"), 0x10001);
    EXPECT_EQ(json.at("final_volume"), 0.25);
    EXPECT_EQ(json.at("volume_digits"), 3);
    EXPECT_EQ(json.at("volume_unit"), 0);
    ASSERT_EQ(json.at("components").size(), 3u);

    const auto& borate = json["components"][0];
    const double borateMass = MolarMass("Na_2B_4O_7");
    EXPECT_EQ(borate.at("name"), "sodium tetraborate \xC2\xB7 standard");
    EXPECT_EQ(borate.at("formula"), "Na_2B_4O_7");
    EXPECT_EQ(borate.at("reserved_text"), "kept \xC2\xBC");
    EXPECT_EQ(borate.at("molar_mass"), borateMass);
    EXPECT_EQ(borate.at("reserved_number"), 7);
    EXPECT_EQ(borate.at("source_formula"), "Na_2B_4O_7&5H_2O");
    EXPECT_EQ(borate.at("alternatives"),
              nlohmann::json::array({"Na_2B_4O_7&10H_2O", "Na_2B_4O_7&5H_2O"}));
    EXPECT_EQ(borate.at("table_text"), "0 1.000\r\n0.5 1.040\r\n");
    EXPECT_EQ(borate.at("no_solid"), false);
    EXPECT_EQ(borate.at("standard_substance"), true);
    EXPECT_EQ(borate.at("no_table"), false);
    EXPECT_EQ(borate.at("table_kind"), 1);
    EXPECT_EQ(borate.at("stock_concentration"), 0.5);
    EXPECT_EQ(borate.at("stock_unit"), 8);
    EXPECT_EQ(borate.at("use_stock"), false);
    EXPECT_EQ(borate.at("unit"), 3);
    EXPECT_EQ(borate.at("source_kind"), 5);
    EXPECT_EQ(borate.at("M"), 0.05);
    EXPECT_EQ(borate.at("digits"), 3);
    EXPECT_EQ(borate.at("prepare_standard"), true);
    EXPECT_EQ(borate.at("source_molar_mass"), MolarMass("Na_2B_4O_7&5H_2O"));
    const auto& concentrations = borate.at("concentrations");
    std::vector<std::string> units;
    for (const auto& [unit, value] : concentrations.items())
        units.push_back(unit);
    EXPECT_EQ(units, (std::vector<std::string>{"M", "mM", "m", "w", "ppm", "v", "x", "d"}));
    EXPECT_EQ(concentrations.at("M"), 0.05);
    EXPECT_DOUBLE_EQ(concentrations.at("mM").get<double>(), 50.0);
    // Halfway up the molarity table.
    EXPECT_NEAR(concentrations.at("d").get<double>(), 1.004, 1e-12);
    EXPECT_DOUBLE_EQ(borate.at("amount").get<double>(), 0.0125);
    EXPECT_DOUBLE_EQ(borate.at("mass").get<double>(), 0.0125 * borateMass);

    const auto& acid = json["components"][1];
    EXPECT_EQ(acid.at("no_solid"), true);
    EXPECT_EQ(acid.at("use_stock"), true);
    EXPECT_EQ(acid.at("stock_concentration"), 36.0);
    EXPECT_EQ(acid.at("stock_unit"), 3);
    EXPECT_EQ(acid.at("other_concentration"), 1.5);
    EXPECT_EQ(acid.at("other_unit"), 5);
    EXPECT_EQ(acid.at("table_kind"), 2);
    EXPECT_EQ(acid.at("source_kind"), 2);

    const auto& unknown = json["components"][2];
    EXPECT_EQ(unknown.at("molar_mass"), 123.4);
    EXPECT_EQ(unknown.at("source_kind"), 1);
    EXPECT_EQ(unknown.at("source_molar_mass"), MolarMass("CuSO_4&5H_2O"));
    EXPECT_EQ(unknown.at("no_table"), true);
    EXPECT_EQ(unknown.at("table_text"), "kept 1 2");
    EXPECT_EQ(unknown.at("stock_concentration"), "inf");
    EXPECT_EQ(unknown.at("digits"), -1);
    EXPECT_EQ(unknown.at("concentrations").at("d"), 1.0);
}

TEST_F(ShowCommandTest, MillilitreVersionAndEmptyFile)
{
    const auto older = ShowJson(Save("older.sln", MillilitreFile(elements)));
    EXPECT_EQ(older.at("version"), 0x10000);
    EXPECT_EQ(older.at("final_volume"), 0.25);
    EXPECT_EQ(older.at("volume_unit"), 1);
    EXPECT_DOUBLE_EQ(older["components"][0].at("amount").get<double>(), 0.025);

    // An empty file has no version word and opens as a new solution.
    const auto empty = ShowJson(Save("empty.sln", ""));
    EXPECT_EQ(empty.at("version"), nullptr);
    EXPECT_EQ(empty.at("final_volume"), 0.0);
    EXPECT_EQ(empty.at("volume_digits"), 0);
    EXPECT_EQ(empty.at("volume_unit"), 1);
    ASSERT_EQ(empty.at("components").size(), 1u);
    const auto& component = empty["components"][0];
    EXPECT_EQ(component.at("name"), "");
    EXPECT_EQ(component.at("reserved_number"), 3);
    EXPECT_EQ(component.at("no_table"), true);
    EXPECT_EQ(component.at("alternatives"), nlohmann::json::array());
    EXPECT_EQ(component.at("M"), 0.0);
    EXPECT_EQ(component.at("concentrations").at("d"), 1.0);
}

TEST_F(ShowCommandTest, PlainTextNamesTheComponentsAndTheirValues)
{
    const std::string path = Save("rich.sln", RichSolution(elements).Write(elements));
    const CliResult result = RunCli({"show", "--digits", "4", path});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (const char* expected :
         {"0x10001", "0.250 L", "1. sodium tetraborate \xC2\xB7 standard", "% w/w",
          "alternative Na_2B_4O_7&5H_2O", "standard substance, prepare standard solution",
          "2. hydrochloric acid", "stock solution", "36 % w/w", "100.0 mM (mmol/L)",
          "3. unknown stuff", "other substance: CuSO_4&5H_2O", "123.4 g/mol"})
        EXPECT_NE(result.out.find(expected), std::string::npos) << expected << "\n" << result.out;
}

TEST_F(ShowCommandTest, FilesThatCannotBeOpenedGiveTheProgramsMessages)
{
    const std::string whole = RichSolution(elements).Write(elements);
    std::string unknownRecord = CSolvoDoc().Write(elements);
    unknownRecord[12] = '\x06'; // the record's version word: 0x60000, newer than known
    struct Case {
        std::string name;
        std::string bytes;
        std::vector<std::string> messages; // each after the file's path
    };
    const Case cases[] = {
        {"old.sln",
         std::string("\x02\x00\x01\x00", 4) + whole.substr(4),
         {"Unknown version of the data file..."}},
        {"cut.sln", whole.substr(0, whole.size() / 2), {"Unexpected file format."}},
        {"short.sln", std::string("\x01\x00", 2), {"Unexpected file format."}},
        // Five components named, one stored.
        {"count.sln",
         whole.substr(0, 4) + std::string("\x05\x00\x00\x00", 4) + whole.substr(8),
         {"Failed to open document."}},
        // A record count of four billion in a file of a few bytes.
        {"hostile.sln",
         std::string("\x01\x00\x01\x00\x01\x00\x00\x00\xFF\xFF\xFF\xFF\xFF\xFF\x00\x00\x04\x00",
                     18),
         {"Unexpected file format."}},
        {"record.sln",
         unknownRecord,
         {"Unknown version of the data file...", "Unexpected file format."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = Save(c.name, c.bytes);
        std::string expected;
        for (const std::string& message : c.messages)
            expected += path + ": " + message + "\n";
        for (const std::vector<std::string>& arguments :
             {std::vector<std::string>{"show", "--json", path}, {"show", path}}) {
            const CliResult result = RunCli(arguments);
            EXPECT_EQ(result.exitCode, 2);
            EXPECT_EQ(result.out, "");
            EXPECT_EQ(result.err, expected);
        }
        EXPECT_EQ(folder.Read(c.name), c.bytes);
    }

    const CliResult missing = RunCli({"show", (folder.Path() / "missing.sln").string()});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("missing.sln: Failed to open document."), std::string::npos);
}

} // namespace
} // namespace solvo::test
