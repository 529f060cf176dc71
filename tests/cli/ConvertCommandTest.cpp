#include "CliRunner.h"

#include "formula/ElementTable.h"
#include "substances/DefaultSubstances.h"

#include "../core/quantities/GermanLocale.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <utility>
#include <vector>

namespace solvo::test {
namespace {

std::string WriteTable(const std::string& name, const std::string& text)
{
    const std::filesystem::path path = std::filesystem::path(::testing::TempDir()) / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

nlohmann::json Convert(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), {"convert", "--json"});
    const CliResult result = RunCli(arguments);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.err.empty()) << result.err;
    return nlohmann::json::parse(result.out);
}

double Number(const nlohmann::json& json, const char* key)
{
    return json.at(key).get<double>();
}

TEST(ConvertCommand, SetsOneUnitAndGivesAllEight)
{
    const auto json = Convert({"--mw", "58.44", "--from", "w", "--value", "10"});
    EXPECT_NEAR(Number(json, "M"), 1.7111567, 1e-7);
    EXPECT_NEAR(Number(json, "mM"), 1711.1567, 1e-4);
    EXPECT_NEAR(Number(json, "m"), 1.9012853, 1e-7);
    EXPECT_EQ(Number(json, "w"), 10.0);
    EXPECT_EQ(Number(json, "ppm"), 100000.0);
    EXPECT_EQ(Number(json, "v"), 10.0);
    EXPECT_NEAR(Number(json, "x"), 0.0331179, 1e-7);
    EXPECT_EQ(Number(json, "d"), 1.0);
    EXPECT_EQ(json.at("ambiguous"), false);
    for (const char* unit : {"M", "mM", "m", "w", "ppm", "v", "x", "d"})
        EXPECT_EQ(json.at("outside").at(unit), false) << unit;

    // The code of a unit does what its symbol does; a comma is a decimal point.
    EXPECT_EQ(Convert({"--mw", "58,44", "--from", "3", "--value", "10,0"}), json);
}

TEST(ConvertCommand, LaterUnitsFollowTheEight)
{
    const auto json = Convert({"--mw", "58.44", "--from", "ug/mL", "--value", "100"});
    std::vector<std::string> keys;
    const CliResult printed = RunCli({"convert", "--json", "--mw", "58.44", "--from", "ug/mL", "--value", "100"});
    const auto ordered = nlohmann::ordered_json::parse(printed.out);
    for (const auto& item : ordered.items())
        keys.push_back(item.key());
    // No density of the pure liquid: no % v/v.
    EXPECT_EQ(keys, (std::vector<std::string>{"M", "mM", "m", "w", "ppm", "v", "x", "d", "uM",
                                              "nM", "mg/mL", "ug/mL", "mg/L", "N", "ambiguous",
                                              "outside"}));
    EXPECT_NEAR(Number(json, "v"), 0.01, 1e-15);
    EXPECT_NEAR(Number(json, "mg/L"), 100.0, 1e-12);
    EXPECT_EQ(json.at("outside").size(), 14u);

    const auto acid = Convert({"--mw", "98.079", "--equivalents", "2", "--from", "N", "--value", "0.1"});
    EXPECT_EQ(Number(acid, "M"), 0.05);
    const auto micro = Convert({"--mw", "58.44", "--from", "\xC2\xB5M", "--value", "1"});
    EXPECT_EQ(Convert({"--mw", "58.44", "--from", "9", "--value", "1"}), micro);
    EXPECT_EQ(Number(micro, "mM"), 0.001);

    const auto ethanol = Convert({"--mw", "46.07", "--pure-density", "0.7893", "--from", "v/v", "--value", "20"});
    EXPECT_NEAR(Number(ethanol, "v"), 15.786, 1e-12);
    EXPECT_NEAR(Number(ethanol, "v/v"), 20.0, 1e-12);
    // A table that reaches the pure liquid needs no density typed.
    const std::string table = WriteTable("ethanol.txt", "0 0.99823 50 0.91384 100 0.78934");
    const auto tabled = Convert({"--mw", "46.07", "--table-file", table, "--from", "v/v", "--value", "20"});
    EXPECT_NEAR(Number(tabled, "v"), 20.0 * 0.78934, 1e-12);
}

TEST(ConvertCommand, WorkedExamplesOfSodiumChloride)
{
    struct Case {
        const char* from;
        const char* value;
        std::vector<std::pair<const char*, double>> expected; // printed to seven decimals
    };
    const Case cases[] = {
        {"M", "1", {{"mM", 1000}, {"v", 5.844}, {"w", 5.844}, {"ppm", 58440}, {"m", 1.0620672},
                    {"x", 0.0187742}}},
        {"m", "1", {{"M", 0.9447867}, {"w", 5.5213333}, {"v", 5.5213333}, {"x", 0.0176965}}},
        {"x", "0.01", {{"M", 0.5429015}, {"m", 0.5606906}, {"w", 3.1727165}}},
        {"v", "5", {{"M", 0.8555784}, {"m", 0.9006088}, {"x", 0.0159657}, {"w", 5}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " = " + c.value);
        const auto json = Convert({"--mw", "58.44", "--from", c.from, "--value", c.value});
        for (const auto& [unit, value] : c.expected)
            EXPECT_NEAR(Number(json, unit), value, 1e-7 * std::max(1.0, value)) << unit;
    }
}

TEST(ConvertCommand, MolarMassFromAFormula)
{
    const auto json = Convert({"--formula", "NaCl", "--from", "M", "--value", "1"});
    EXPECT_NEAR(Number(json, "w"), 5.844276928, 1e-9);
}

TEST(ConvertCommand, SubstanceFromTheDatabaseBringsItsMolarMassAndDensityTable)
{
    ElementTable elements;
    elements.LoadDefaults();
    const std::vector<SolvoSubstance> defaults = DefaultSubstances(elements);
    const auto salt = std::find_if(defaults.begin(), defaults.end(), [](const SolvoSubstance& s) {
        return s.Name() == "sodium chloride";
    });
    ASSERT_NE(salt, defaults.end());
    const std::string table = WriteTable("sodium-chloride.txt", salt->Table().Text());

    const auto json = Convert({"--substance", "sodium chloride", "--from", "w", "--value", "10"});
    EXPECT_NEAR(Number(json, "d"), 1.0707, 1e-12);
    EXPECT_NEAR(Number(json, "M"), 10.0 * 1.0707 * 10.0 / salt->MolarMass(), 1e-9);
    EXPECT_EQ(json, Convert({"--formula", "NaCl", "--table-file", table, "--from", "w", "--value", "10"}));

    // A table file replaces the substance's own table.
    const std::string flat = WriteTable("flat.txt", "0 1.5\n30 1.5\n");
    const auto replaced = Convert(
        {"--substance", "sodium chloride", "--table-file", flat, "--from", "w", "--value", "10"});
    EXPECT_EQ(Number(replaced, "d"), 1.5);
}

TEST(ConvertCommand, NonFiniteResultsAreStrings)
{
    const auto json = Convert({"--mw", "58.44", "--from", "w", "--value", "100"});
    EXPECT_EQ(json.at("m"), "inf");
    EXPECT_DOUBLE_EQ(Number(json, "x"), 1.0);
}

TEST(ConvertCommand, DensityTableInterpolatesAndReportsTheRange)
{
    const std::string table = WriteTable("rising.txt", "0 1.000\r\n10 1.100\r\n20 1.200\r\n");
    const auto inside = Convert({"--mw", "60", "--table-file", table, "--from", "w", "--value", "5"});
    EXPECT_NEAR(Number(inside, "d"), 1.05, 1e-12);

    const auto beyond = Convert({"--mw", "60", "--table-file", table, "--from", "w", "--value", "30"});
    EXPECT_NEAR(Number(beyond, "d"), 1.2, 1e-12);
    EXPECT_EQ(beyond.at("outside").at("w"), true);
    EXPECT_EQ(beyond.at("outside").at("d"), false);

    const auto below = Convert({"--mw", "60", "--table-file", table, "--from", "w", "--value", "-10"});
    EXPECT_NEAR(Number(below, "d"), 0.9, 1e-12);
    EXPECT_EQ(below.at("outside").at("w"), true);

    const auto density = Convert({"--mw", "60", "--table-file", table, "--from", "d", "--value", "1.15"});
    EXPECT_NEAR(Number(density, "M"), 2.916667, 1e-6);
    EXPECT_NEAR(Number(density, "w"), 15.217391, 1e-6);

    const auto tooDense = Convert({"--mw", "60", "--table-file", table, "--from", "d", "--value", "1.3"});
    EXPECT_NEAR(Number(tooDense, "w"), 20.0, 1e-9);
    EXPECT_EQ(Number(tooDense, "d"), 1.3);
    EXPECT_EQ(tooDense.at("outside").at("d"), true);
}

TEST(ConvertCommand, TableWithAMaximumIsAmbiguous)
{
    const std::string table = WriteTable("maximum.txt", "0 1.00\r\n50 1.10\r\n100 1.00\r\n");
    const auto json = Convert({"--mw", "60", "--table-file", table, "--from", "d", "--value", "1.05"});
    EXPECT_NEAR(Number(json, "M"), 4.583333, 1e-6);
    EXPECT_NEAR(Number(json, "w"), 26.190476, 1e-6);
    EXPECT_EQ(json.at("ambiguous"), true);
}

TEST(ConvertCommand, NextTakesTheOtherConcentrationOfTheDensity)
{
    const std::string table = WriteTable("maximum-next.txt", "0 1.00\r\n50 1.10\r\n100 1.00\r\n");
    const auto next = Convert(
        {"--mw", "60", "--table-file", table, "--from", "d", "--value", "1.05", "--next"});
    // Interpolated in molarity, as the first root is.
    EXPECT_NEAR(Number(next, "w"), 73.809524, 1e-6);
    EXPECT_EQ(Number(next, "d"), 1.05);

    // Acetic acid holds 1.0700 g/mL from 77 to 79 % w/w: "next" goes from
    // one end of the stretch to the other, with every unit a number.
    const std::vector<std::string> acetic = {"--substance", "acetic acid", "--from", "d", "--value", "1.07"};
    EXPECT_EQ(Number(Convert(acetic), "w"), 77.0);
    std::vector<std::string> withNext = acetic;
    withNext.push_back("--next");
    const auto other = Convert(withNext);
    EXPECT_EQ(Number(other, "w"), 79.0);
    for (const char* unit : {"M", "mM", "m", "w", "ppm", "v", "x", "d"}) {
        EXPECT_TRUE(other.at(unit).is_number()) << unit;
        EXPECT_EQ(other.at("outside").at(unit), false) << unit;
    }

    // Without an ambiguous density "next" changes nothing.
    EXPECT_EQ(Convert({"--mw", "60", "--from", "w", "--value", "10", "--next"}),
              Convert({"--mw", "60", "--from", "w", "--value", "10"}));
}

TEST(ConvertCommand, TableEdgesGiveNumbers)
{
    // The pure substance: no solvent, so only the molality is infinite.
    struct Pure {
        const char* substance;
        const char* density;
        double rowDensity;
    };
    for (const Pure& c : {Pure{"ethanol", "0.79008", 0.79008}, Pure{"acetic acid", "1.08", 1.0497}}) {
        SCOPED_TRACE(c.substance);
        const auto json = Convert({"--substance", c.substance, "--from", "d", "--value", c.density});
        EXPECT_EQ(Number(json, "w"), 100.0);
        EXPECT_EQ(Number(json, "ppm"), 1000000.0);
        EXPECT_NEAR(Number(json, "x"), 1.0, 1e-12);
        EXPECT_NEAR(Number(json, "v"), 100.0 * c.rowDensity, 1e-9);
        EXPECT_EQ(json.at("m"), "inf");
    }

    // The last row of the table is inside it in every unit.
    const auto salt = Convert({"--substance", "sodium chloride", "--from", "w", "--value", "26"});
    for (const char* unit : {"M", "mM", "m", "w", "ppm", "v", "x", "d"})
        EXPECT_EQ(salt.at("outside").at(unit), false) << unit;

    // Molar mass 0: the table still gives what needs no molar mass.
    const std::string table = WriteTable("no-molar-mass.txt", "0 1.0\n10 1.05\n20 1.1\n");
    const auto fromDensity =
        Convert({"--mw", "0", "--table-file", table, "--from", "d", "--value", "1.05"});
    EXPECT_NEAR(Number(fromDensity, "w"), 10.0, 1e-12);
    EXPECT_NEAR(Number(fromDensity, "v"), 10.5, 1e-12);
    const auto fromMolar = Convert({"--mw", "0", "--table-file", table, "--from", "M", "--value", "1"});
    for (const char* unit : {"M", "mM", "m", "w", "ppm", "v", "x", "d"})
        EXPECT_TRUE(fromMolar.at(unit).is_number()) << unit;
}

TEST(ConvertCommand, TableKindsMolarityAndMolality)
{
    const std::string table = WriteTable("kinds.txt", "0 1.0\n2 1.1\n");
    const auto molar = Convert(
        {"--mw", "60", "--table-file", table, "--table-kind", "M", "--from", "M", "--value", "1"});
    EXPECT_NEAR(Number(molar, "d"), 1.05, 1e-12);
    const auto molal = Convert(
        {"--mw", "60", "--table-file", table, "--table-kind", "m", "--from", "m", "--value", "1"});
    EXPECT_NEAR(Number(molal, "d"), 1.05, 1e-12);
}

TEST(ConvertCommand, PlainTextShowsNumbersAsTheProgramDoes)
{
    const CliResult result =
        RunCli({"convert", "--mw", "58.44", "--from", "w", "--value", "10", "--digits", "4"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("1.7112"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("1e+05"), std::string::npos) << result.out;
}

TEST(ConvertCommand, GermanLocaleChangesNoOutput)
{
    if (!ProvideGermanLocale())
        GTEST_SKIP() << "no German locale on this machine and none could be generated";
    const std::string table = WriteTable("locale.txt", "0 1,000\r\n10 1,100\r\n20 1,200\r\n");
    const std::vector<std::vector<std::string>> runs = {
        {"convert", "--json", "--mw", "58.44", "--from", "w", "--value", "10"},
        {"convert", "--mw", "60", "--table-file", table, "--from", "d", "--value", "1,15"},
    };
    std::vector<CliResult> english;
    for (const auto& arguments : runs)
        english.push_back(RunCli(arguments));

    const char* previous = std::getenv("LC_ALL");
    const std::optional<std::string> kept = previous ? std::optional<std::string>(previous) : std::nullopt;
    ::setenv("LC_ALL", kGermanLocale, 1);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const CliResult german = RunCli(runs[i]);
        EXPECT_EQ(german.exitCode, 0) << german.err;
        EXPECT_EQ(german.out, english[i].out);
    }
    if (kept)
        ::setenv("LC_ALL", kept->c_str(), 1);
    else
        ::unsetenv("LC_ALL");
}

struct FailureCase {
    std::vector<std::string> arguments;
    int exitCode;
    const char* message; // expected in standard error
};

TEST(ConvertCommand, BadInputAndWrongUsageWriteNothing)
{
    const std::string table = WriteTable("ok.txt", "0 1.0 10 1.1");
    // Text that is no table is refused, not read as zeros.
    const std::string words = WriteTable("words.txt", "hello world");
    const std::string nul = WriteTable("nul.txt", std::string("0 1.0\0\0", 7));
    const std::string empty = WriteTable("empty.txt", " \r\n");
    const std::string huge = WriteTable("huge.txt", std::string((1 << 20) + 1, '1'));
    const std::string missing = (std::filesystem::path(::testing::TempDir()) / "no-such-table.txt").string();
    const FailureCase cases[] = {
        {{"--mw", "60", "--from", "q", "--value", "1"}, 2, "\"q\": not a concentration unit"},
        {{"--mw", "60", "--from", "8", "--value", "1"}, 2, "\"8\": not a concentration unit"},
        {{"--mw", "60", "--from", "16", "--value", "1"}, 2, "\"16\": not a concentration unit"},
        {{"--mw", "60", "--from", "v/v", "--value", "1"}, 2, "\"v/v\": % v/v needs the density"},
        {{"--mw", "60", "--equivalents", "0", "--from", "N", "--value", "1"}, 2,
         "\"0\": Enter a number of equivalents greater than 0."},
        {{"--mw", "60", "--pure-density=-1", "--from", "w", "--value", "1"}, 2,
         "\"-1\": Enter a density of the pure liquid"},
        {{"--mw", "60", "--from", "w", "--value", "1x"}, 2, "\"1x\": Enter a number."},
        {{"--mw", "sixty", "--from", "w", "--value", "1"}, 2, "\"sixty\": Enter a number."},
        // One rule for every number: what no field can show, or nothing typed.
        {{"--mw", "60", "--from", "w", "--value", "1e400"}, 2, "\"1e400\": Enter a number."},
        {{"--mw", "60", "--from", "w", "--value", "-1e999"}, 2, "\"-1e999\": Enter a number."},
        {{"--mw", "60", "--from", "w", "--value", "inf"}, 2, "\"inf\": Enter a number."},
        {{"--mw", "60", "--from", "w", "--value", ""}, 2, "\"\": Enter a number."},
        {{"--mw", "60", "--from", "w", "--value", "-"}, 2, "\"-\": Enter a number."},
        {{"--mw", "1e999", "--from", "w", "--value", "1"}, 2, "\"1e999\": Enter a number."},
        {{"--mw", "60", "--from", "w", "--value", "1\xE2\x82\xAC\xE2\x80\x8B"}, 2, "Windows-1252"},
        {{"--formula", "Xq_2", "--from", "w", "--value", "1"}, 2, "\"Xq_2\": has a symbol"},
        {{"--mw", "60", "--table-file", missing, "--from", "w", "--value", "1"}, 2, "cannot be opened"},
        {{"--mw", "60", "--table-file", ::testing::TempDir(), "--from", "w", "--value", "1"}, 2,
         "cannot be read"},
        {{"--mw", "60", "--table-file", words, "--from", "w", "--value", "1"}, 2,
         ": \"hello\" is not a number; a density table is pairs of numbers"},
        {{"--mw", "60", "--table-file", nul, "--from", "w", "--value", "1"}, 2,
         ": \"1.0??\" is not a number"},
        {{"--mw", "60", "--table-file", empty, "--from", "w", "--value", "1"}, 2,
         ": holds no pair of numbers"},
        {{"--mw", "60", "--table-file", huge, "--from", "w", "--value", "1"}, 2,
         ": larger than 1 MiB, more than a density table holds."},
        {{"--mw", "60", "--table-file", table, "--table-kind", "x", "--from", "w", "--value", "1"}, 2,
         "\"x\": not a density table kind"},
        {{"--substance", "Sodium chloride", "--from", "w", "--value", "1"}, 2,
         "\"Sodium chloride\": no substance of this name in the program database."},
        {{"--mw", "60", "--formula", "NaCl", "--from", "w", "--value", "1"}, 1, "--formula"},
        {{"--substance", "ethanol", "--mw", "46", "--from", "w", "--value", "1"}, 1, "--substance"},
        {{"--from", "w", "--value", "1"}, 1, "--mw"},
        {{"--mw", "60", "--table-kind", "M", "--from", "w", "--value", "1"}, 1, "--table-file"},
        {{"--mw", "60", "--value", "1"}, 1, "--from"},
    };
    for (const FailureCase& c : cases) {
        std::vector<std::string> arguments = c.arguments;
        arguments.insert(arguments.begin(), {"convert", "--json"});
        const CliResult result = RunCli(arguments);
        SCOPED_TRACE(result.err);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_TRUE(result.out.empty()) << result.out;
        EXPECT_NE(result.err.find(c.message), std::string::npos);
    }
}

} // namespace
} // namespace solvo::test
