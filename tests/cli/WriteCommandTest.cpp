#include "CliRunner.h"
#include "SampleSolutions.h"

#include "formula/ChemicalFormula.h"

#include "../core/app/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <utility>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

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

// Show prints what a file holds, also a code a damaged file holds (a volume
// unit that is no unit, a source beyond the alternatives); write takes back
// only what the program can show, and names the field of any other code.
TEST_F(WriteCommandTest, WriteTakesBackWhatShowPrintsForEveryRecordVersionAndSource)
{
    for (const std::uint32_t recordVersion : {0x10000u, 0x20000u, 0x30000u, 0x40000u}) {
        const std::int32_t lastSource = recordVersion == 0x10000u ? 4 : 6;
        for (std::int32_t sourceKind = 0; sourceKind <= 6; ++sourceKind) {
            for (const std::int32_t volumeUnit : {0, 7}) {
                SCOPED_TRACE(std::to_string(recordVersion) + " " + std::to_string(sourceKind) +
                             " " + std::to_string(volumeUnit));
                const std::string original = OneRecordFile(recordVersion, sourceKind, volumeUnit);
                const auto shown =
                    nlohmann::json::parse(ShowJson(folder.Write("in.sln", original).string()));
                if (volumeUnit == 7 || sourceKind > lastSource) {
                    const CliResult refused =
                        RunCli({"write", "--force", PathOf("out.sln")}, shown.dump());
                    EXPECT_EQ(refused.exitCode, 2);
                    // The components come first.
                    EXPECT_TRUE(refused.err.starts_with(sourceKind > lastSource
                                                            ? "components[0].source_kind: "
                                                              "expected a code"
                                                            : "volume_unit: expected a code"))
                        << refused.err;
                    continue;
                }
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

TEST_F(WriteCommandTest, CorrectionsAndLaterUnitsRoundTrip)
{
    Write(PathOf("later.sln"), R"({"final_volume": 1, "components": [
        {"name": "saline", "formula": "NaCl", "M": 0.154, "unit": "mg/mL", "purity": 99.5},
        {"name": "acid", "formula": "H_2SO_4", "M": 0.05, "unit": "N", "equivalents": 2,
         "source_kind": 2, "use_stock": true, "stock_concentration": 96, "stock_unit": 3},
        {"name": "ethanol", "formula": "C_2H_5OH", "M": 3.4, "unit": 14,
         "pure_density": 0.7893, "other_unit": "\u00b5g/mL"}]})");
    const std::string shown = ShowJson(PathOf("later.sln"));
    const auto json = nlohmann::json::parse(shown);
    const auto& components = json.at("components");
    EXPECT_EQ(components[0].at("purity"), 99.5);
    EXPECT_EQ(components[0].at("unit"), 11);
    EXPECT_EQ(components[1].at("equivalents"), 2.0);
    EXPECT_EQ(components[1].at("unit"), 15);
    EXPECT_EQ(components[2].at("pure_density"), 0.7893);
    EXPECT_EQ(components[2].at("unit"), 14);
    EXPECT_EQ(components[2].at("other_unit"), 12);
    // Defaults for what does not use them.
    EXPECT_EQ(components[2].at("purity"), 100.0);
    EXPECT_EQ(components[0].at("pure_density"), 0.0);

    Write(PathOf("again.sln"), shown);
    EXPECT_EQ(ShowJson(PathOf("again.sln")), shown);
    EXPECT_EQ(folder.Read("again.sln"), folder.Read("later.sln"));
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
        {R"({"components": [{"purity": 0}]})",
         "components[0].purity: Enter a purity greater than 0 and at most 100 %."},
        {R"({"components": [{"purity": 100.5}]})",
         "components[0].purity: Enter a purity greater than 0 and at most 100 %."},
        {R"({"components": [{"equivalents": -1}]})",
         "components[0].equivalents: Enter a number of equivalents greater than 0."},
        {R"({"components": [{"unit": "mol"}]})",
         R"(components[0].unit: expected a unit code or name, found "mol".)"},
        {R"({"components": [{"stock_unit": 16}]})",
         "components[0].stock_unit: expected a code from 0 to 15, found 16."},
        {R"({"components": [{"name": "a \u2192 b"}]})",
         "components[0].name: holds a character that Solvo's text (Windows-1252) cannot hold."},
        {R"({"components": [{"alternatives": ["A", 3]}]})",
         "components[0].alternatives[1]: expected a string, found 3."},
        {R"({"components": [{"no_solid": 1}]})",
         "components[0].no_solid: expected true or false, found 1."},
        {R"({"components": [{"unit": 1.5}]})",
         "components[0].unit: expected an integer, found 1.5."},
        {R"({"components": [{"source_kind": 2147483648}]})",
         "components[0].source_kind: expected a 32-bit integer, found 2147483648."},
        {R"({"components": [{"digits": 2.5}]})",
         "components[0].digits: expected an integer, found 2.5."},
        {R"({"components": [{"reserved_number": 4294967296}]})",
         "components[0].reserved_number: expected a 32-bit integer, found 4294967296."},
        // Codes and amounts the program can show, nothing else.
        {R"({"volume_unit": 7})", "volume_unit: expected a code from 0 to 1, found 7."},
        {R"({"components": [{"unit": 99}]})",
         "components[0].unit: expected a code from 0 to 15, found 99."},
        {R"({"components": [{"stock_unit": -1}]})",
         "components[0].stock_unit: expected a code from 0 to 15, found -1."},
        {R"({"components": [{"table_kind": 3}]})",
         "components[0].table_kind: expected a code from 0 to 2, found 3."},
        {R"({"components": [{"source_kind": 4}]})",
         "components[0].source_kind: expected a code from 0 to 3, found 4."},
        {R"({"components": [{"M": -1}]})",
         "components[0].M: expected a number not below 0, found -1."},
        {R"({"components": [{"molar_mass": "-inf"}]})",
         "components[0].molar_mass: expected a number not below 0, found \"-inf\"."},
        {R"({"final_volume": -0.5})", "final_volume: expected a number not below 0, found -0.5."},
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

}

// Numbers beyond the range of a double, nesting without end, a huge input:
// each a short message and the bad-input status, never a crash.
TEST_F(WriteCommandTest, HostileInputGetsAShortMessage)
{
    const std::string deep(100000, '[');
    const std::string longWord(1 << 20, 'x');
    const struct {
        std::string input;
        std::string message;
    } cases[] = {
        {R"({"final_volume": 1e400})",
         "standard input: not valid JSON: number overflow parsing '1e400'\n"},
        {R"({"components": [{"M": -1e999}]})",
         "standard input: not valid JSON: number overflow parsing '-1e999'\n"},
        {deep + std::string(100000, ']'), "standard input: nested deeper than 32 levels.\n"},
        {deep, "standard input: nested deeper than 32 levels.\n"},
        {"{\"" + longWord + "\": 1}", "components[0]"},
        {longWord, "standard input: not valid JSON: "},
        {std::string((16 << 20) + 1, ' '),
         "standard input: larger than 16 MiB, more than any solution needs.\n"},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.input.substr(0, 40));
        const CliResult result = RunCli({"write", PathOf("never.sln")}, each.input);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_LT(result.err.size(), 200U) << result.err.substr(0, 200);
        if (each.message.back() == '\n') {
            EXPECT_EQ(result.err, each.message);
        }
        EXPECT_FALSE(std::filesystem::exists(PathOf("never.sln")));
    }
}

// The program's text, then the system's reason; whatever is at the path
// stays as it was.
TEST_F(WriteCommandTest, AFailedSaveSaysWhyAndReplacesOnlyARegularFile)
{
    std::filesystem::create_directory(folder.Path() / "folder.sln");
    std::vector<std::pair<std::string, std::string>> cases = {
        {PathOf("no-such-folder/a.sln"), "No such file or directory"},
        {PathOf("folder.sln"), "Is a directory"},
    };
#ifndef _WIN32
    const std::string fifo = PathOf("fifo.sln");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    cases.emplace_back(fifo, "Not a regular file but a FIFO");
    const std::string loop = PathOf("loop.sln");
    std::filesystem::create_symlink("loop.sln", loop);
    cases.emplace_back(loop, "Too many levels of symbolic links");
#endif
    for (const auto& [path, reason] : cases) {
        SCOPED_TRACE(path);
        const CliResult failed = RunCli({"write", "--force", path}, "{}");
        EXPECT_EQ(failed.exitCode, 2);
        EXPECT_EQ(failed.err, path + ": Failed to save document. " + reason + ".\n");
    }
    EXPECT_TRUE(std::filesystem::is_directory(PathOf("folder.sln")));
#ifndef _WIN32
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_TRUE(std::filesystem::is_symlink(std::filesystem::symlink_status(loop)));
#endif
}

} // namespace
} // namespace solvo::test
