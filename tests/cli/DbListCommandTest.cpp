#include "CliRunner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace solvo::test {
namespace {

std::vector<std::string> Column(const nlohmann::json& rows, const char* field)
{
    std::vector<std::string> values;
    for (const auto& row : rows)
        values.push_back(row[field].get<std::string>());
    return values;
}

nlohmann::json ListJson(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), {"db", "list", "--json"});
    const CliResult result = RunCli(arguments);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.err.empty()) << result.err;
    return nlohmann::json::parse(result.out);
}

// The database of the test's data folder was saved once, which reverses the
// built-in order.
TEST(DbListCommand, ListsTheBuiltInDatabaseSortedWithoutRegardToCase)
{
    const auto rows = ListJson({});
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[0]["index"], 8);
    EXPECT_EQ(rows[0]["name"], "acetic acid");
    EXPECT_EQ(rows[0]["formula"], "C2H4O2");
    EXPECT_NEAR(rows[0]["molar_mass"].get<double>(), 60.05196, 1e-9);
    EXPECT_EQ(rows[9]["index"], 6);
    EXPECT_EQ(rows[9]["name"], "TRIS");
    EXPECT_EQ(ListJson({"--filter", ""}), rows);
}

TEST(DbListCommand, FiltersByNameOrFormulaWithPatterns)
{
    const std::vector<std::string> sodium = {"sodium chloride", "sodium hydroxide",
                                             "sodium tetraborate - standard"};
    EXPECT_EQ(Column(ListJson({"--filter", "sodium"}), "name"), sodium);
    EXPECT_EQ(Column(ListJson({"--filter", "(S)\\iodium", "--by", "name"}), "name"), sodium);
    EXPECT_TRUE(ListJson({"--filter", "Sodium"}).empty());
    EXPECT_EQ(Column(ListJson({"--filter", "Cl", "--by", "formula"}), "formula"),
              (std::vector<std::string>{"HCl", "MgCl2", "NaCl"}));
}

TEST(DbListCommand, PlainTextShowsIndexNameFormulaAndMolarMass)
{
    const CliResult result = RunCli({"db", "list", "--filter", "chloride", "--digits", "4"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "index  name                formula  molar mass\n"
                          "    4  magnesium chloride  MgCl2        95.211\n"
                          "    1  sodium chloride     NaCl        58.4428\n");
}

TEST(DbListCommand, RefusesPatternsThatDoNotCompileAndWrongFields)
{
    const CliResult unclosed = RunCli({"db", "list", "--filter", "[a"});
    EXPECT_EQ(unclosed.exitCode, 2);
    EXPECT_TRUE(unclosed.out.empty());
    EXPECT_EQ(unclosed.err, "--filter \"[a\": \"[\" at character 1 is not closed.\n");

    const CliResult name = RunCli({"db", "list", "--json", "--filter", "$elements"});
    EXPECT_EQ(name.exitCode, 2);
    EXPECT_TRUE(name.out.empty());

    const CliResult field = RunCli({"db", "list", "--by", "comment"});
    EXPECT_EQ(field.exitCode, 1);
    EXPECT_TRUE(field.out.empty());
}

} // namespace
} // namespace solvo::test
