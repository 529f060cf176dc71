#include "CliRunner.h"
#include "SampleSolutions.h"

#include "formula/ChemicalFormula.h"

#include "../core/app/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <vector>

namespace solvo::test {
namespace {

class WriteCommandTest : public ::testing::Test {
protected:
    WriteCommandTest() { elements.LoadDefaults(); }

    std::string PathOf(const std::string& name) const { return (folder.Path() / name).string(); }

    static std::string ShowJson(const std::string& path)
    {
        const CliResult result = RunCli({"show", "--json", path});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return result.out;
    }

    static void Write(const std::string& path, const std::string& input,
                      std::vector<std::string> options = {})
    {
        options.insert(options.begin(), "write");
        options.push_back(path);
        const CliResult result = RunCli(options, input);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "");
    }

    ElementTable elements;
    TemporaryFolder folder;
};

TEST_F(WriteCommandTest, ShowWriteShowRoundTripsEveryField)
{
    const std::string original = RichSolution(elements).Write(elements);
    const std::string shown = ShowJson(folder.Write("rich.sln", original).string());

    Write(PathOf("copy.sln"), shown);
    EXPECT_EQ(ShowJson(PathOf("copy.sln")), shown);
    // Every stored field came back: the file is the one the program saved.
    EXPECT_EQ(folder.Read("copy.sln"), original);
}

TEST_F(WriteCommandTest, WriteTakesBackWhatShowPrintsForEveryRecordVersionAndSource)
{
    for (const std::uint32_t recordVersion : {0x10000u, 0x20000u, 0x30000u, 0x40000u}) {
        for (std::int32_t sourceKind = 0; sourceKind <= 6; ++sourceKind) {
            // A volume unit that is no unit at all, as a damaged file holds it.
            for (const std::int32_t volumeUnit : {0, 7}) {
                SCOPED_TRACE(std::to_string(recordVersion) + " " + std::to_string(sourceKind) +
                             " " + std::to_string(volumeUnit));
                const std::string original = OneRecordFile(recordVersion, sourceKind, volumeUnit);
                const auto shown =
                    nlohmann::json::parse(ShowJson(folder.Write("in.sln", original).string()));
                Write(PathOf("out.sln"), shown.dump(), {"--force"});
                auto again = nlohmann::json::parse(ShowJson(PathOf("out.sln")));
                EXPECT_EQ(again.at("version"), 0x10001);
                EXPECT_EQ(again.at("components")[0].at("source_kind"),
                          shown.at("components")[0].at("source_kind"));
                again["version"] = shown.at("version");
                EXPECT_EQ(again, shown);
            }
        }
    }
}

TEST_F(WriteCommandTest, AnOlderFileIsWrittenInTheCurrentVersion)
{
    const auto older = nlohmann::json::parse(
        ShowJson(folder.Write("older.sln", MillilitreFile(elements)).string()));
    Write(PathOf("newer.sln"), older.dump());

    auto newer = nlohmann::json::parse(ShowJson(PathOf("newer.sln")));
    EXPECT_EQ(newer.at("version"), 0x10001);
    EXPECT_EQ(newer.at("final_volume"), 0.25);
    newer["version"] = older.at("version");
    EXPECT_EQ(newer, older);
}

TEST_F(WriteCommandTest, MissingFieldsAreInitialAndDerivedOnesRecomputed)
{
    Write(PathOf("new.sln"), "{}");
    EXPECT_EQ(folder.Read("new.sln"), CSolvoDoc().Write(elements));

    // The version is always the one saving writes, so 250 stays litres.
    Write(PathOf("derived.sln"), R"({"version": 65536, "final_volume": 250, "components": [
        {"name": "salt", "formula": "NaCl", "molar_mass": 1, "M": 0.5,
         "source_molar_mass": 9, "concentrations": {"M": 9, "w": "nan"},
         "amount": 9, "mass": 9}]})");
    const auto json = nlohmann::json::parse(ShowJson(PathOf("derived.sln")));
    EXPECT_EQ(json.at("version"), 0x10001);
    EXPECT_EQ(json.at("final_volume"), 250.0);
    const auto& salt = json["components"][0];
    const double molarMass = ChemicalFormula(elements, "NaCl").MolarMass();
    EXPECT_EQ(salt.at("molar_mass"), molarMass);
    EXPECT_EQ(salt.at("reserved_number"), 3);
    EXPECT_EQ(salt.at("no_table"), true);
    EXPECT_EQ(salt.at("source_molar_mass"), 0.0);
    EXPECT_EQ(salt.at("concentrations").at("M"), 0.5);
    EXPECT_DOUBLE_EQ(salt.at("amount").get<double>(), 125.0);
    EXPECT_DOUBLE_EQ(salt.at("mass").get<double>(), 125.0 * molarMass);
}

TEST_F(WriteCommandTest, ReplacesAFileOnlyWithForce)
{
    const std::string kept = RichSolution(elements).Write(elements);
    const std::string path = folder.Write("kept.sln", kept).string();

    const CliResult refused = RunCli({"write", path}, "{}");
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, path + ": exists; use --force to replace it.\n");
    EXPECT_EQ(folder.Read("kept.sln"), kept);

    Write(path, "{}", {"--force"});
    EXPECT_EQ(folder.Read("kept.sln"), CSolvoDoc().Write(elements));
}

TEST_F(WriteCommandTest, BadInputNamesTheFieldAndWritesNothing)
{
    struct Case {
        const char* input;
        const char* message; // standard error, without its line break
    };
    const Case cases[] = {
        {"", "standard input: not valid JSON: "},
        {R"({"components": [)", "standard input: not valid JSON: "},
        {"[]", "the input: expected an object, found []."},
        {R"({"final_volume": "1 L"})",
         R"(final_volume: expected a number (or "inf", "-inf", "nan"), found "1 L".)"},
        {R"({"volume_unit": -2147483649})",
         "volume_unit: expected a 32-bit integer, found -2147483649."},
        {R"({"volume": 1})", "volume: not a field of this shape."},
        {R"({"components": {}})", "components: expected an array, found {}."},
        {R"({"components": [7]})", "components[0]: expected an object, found 7."},
        {R"({"components": [{}, {"colour": "red"}]})",
         "components[1].colour: not a field of this shape."},
        {R"({"components": [{"name": 5}]})", "components[0].name: expected a string, found 5."},
        {R"({"components": [{"name": "a \u2192 b"}]})",
         "components[0].name: holds a character that Solvo's text (Windows-1252) cannot hold."},
        {R"({"components": [{"alternatives": ["A", 3]}]})",
         "components[0].alternatives[1]: expected a string, found 3."},
        {R"({"components": [{"no_solid": 1}]})",
         "components[0].no_solid: expected true or false, found 1."},
        {R"({"components": [{"unit": "M"}]})",
         R"(components[0].unit: expected an integer, found "M".)"},
        {R"({"components": [{"source_kind": 2147483648}]})",
         "components[0].source_kind: expected a 32-bit integer, found 2147483648."},
        {R"({"components": [{"digits": 2.5}]})",
         "components[0].digits: expected an integer, found 2.5."},
        {R"({"components": [{"reserved_number": 4294967296}]})",
         "components[0].reserved_number: expected a 32-bit integer, found 4294967296."},
        {R"({"components": [{"M": "lots"}]})",
         R"(components[0].M: expected a number (or "inf", "-inf", "nan"), found "lots".)"},
    };
    const std::string kept = RichSolution(elements).Write(elements);
    const std::string existing = folder.Write("existing.sln", kept).string();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        for (const std::string& path : {existing, PathOf("never.sln")}) {
            const CliResult result = RunCli({"write", "--force", path}, c.input);
            EXPECT_EQ(result.exitCode, 2);
            EXPECT_EQ(result.out, "");
            EXPECT_EQ(result.err.rfind(c.message, 0), 0u) << result.err;
        }
        EXPECT_EQ(folder.Read("existing.sln"), kept);
        EXPECT_FALSE(std::filesystem::exists(PathOf("never.sln")));
    }

    const std::string unwritable = PathOf("no-such-folder/a.sln");
    const CliResult failed = RunCli({"write", unwritable}, "{}");
    EXPECT_EQ(failed.exitCode, 2);
    EXPECT_EQ(failed.err, unwritable + ": Failed to save document.\n");
}

} // namespace
} // namespace solvo::test
