#include "CliRunner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <vector>

namespace solvo::test {
namespace {

// Values that an argument parser's list or option syntax could take apart.
const std::vector<std::string> kValues = {"[a,b]", "a,b", "[x]", "[q", "q]",
                                          "a=b",   "-x",  "a b", "\u00e9 \u00fc"};

TEST(LiteralArguments, FormulasReachTheParserWhole)
{
    const CliResult result = RunCli({"formula", "--json", "[Cu(NH3)4][PtCl4]", "H2O"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto json = nlohmann::json::parse(result.out);
    ASSERT_EQ(json.size(), 2u);
    EXPECT_EQ(json[0]["display"], "[Cu(NH3)4][PtCl4]");
    EXPECT_NEAR(json[0]["molar_mass"].get<double>(), 468.56408, 1e-5);

    // After "--" even the values that look like options, also after a first formula.
    std::vector<std::string> arguments{"formula", "--json", "H2O", "--"};
    arguments.insert(arguments.end(), kValues.begin(), kValues.end());
    const CliResult all = RunCli(arguments);
    ASSERT_EQ(all.exitCode, 0) << all.err;
    const auto echoed = nlohmann::json::parse(all.out);
    ASSERT_EQ(echoed.size(), kValues.size() + 1);
    for (std::size_t i = 0; i < kValues.size(); ++i)
        EXPECT_EQ(echoed[i + 1]["formula"], kValues[i]);
}

TEST(LiteralArguments, FilterPatternsKeepTheirBrackets)
{
    // A character class alone: without its brackets it would be another pattern.
    const CliResult found = RunCli({"db", "list", "--json", "--filter", "[T]RIS"});
    ASSERT_EQ(found.exitCode, 0) << found.err;
    const auto rows = nlohmann::json::parse(found.out);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0]["name"], "TRIS");

    for (const std::string& value : kValues) {
        const CliResult result = RunCli({"db", "list", "--json", "--filter=" + value});
        EXPECT_EQ(result.out.empty(), result.exitCode != 0) << value;
        if (result.exitCode != 0) {
            EXPECT_NE(result.err.find("\"" + value + "\""), std::string::npos) << result.err;
        }
    }
}

TEST(LiteralArguments, OptionAndFileValuesAreNamedAsGiven)
{
    // Each command names the value it could not use in its message, so the
    // message shows what reached the program. "@" stands for the value.
    const std::vector<std::vector<std::string>> commands = {
        {"convert", "--formula=@", "--from", "M", "--value", "1"},
        {"convert", "--substance=@", "--from", "M", "--value", "1"},
        {"convert", "--mw", "1", "--table-file=@", "--from", "M", "--value", "1"},
        {"db", "show", "--", "@"},
        {"db", "list", "--db=@"},
        {"show", "--", "@"},
        {"recipe", "--", "@"},
    };
    for (const auto& command : commands) {
        for (const std::string& value : kValues) {
            std::vector<std::string> arguments;
            for (const std::string& argument : command) {
                const auto at = argument.find('@');
                arguments.push_back(at == std::string::npos
                                        ? argument
                                        : argument.substr(0, at) + value + argument.substr(at + 1));
            }
            SCOPED_TRACE(arguments[0] + " " + arguments[1] + " " + value);
            const CliResult result = RunCli(arguments);
            EXPECT_EQ(result.exitCode, 2);
            EXPECT_TRUE(result.err.starts_with(value) || result.err.starts_with('"' + value + '"'))
                << result.err;
        }
    }
}

// A file whose name begins with a dash: the message says how to give it,
// and given so, it is written.
TEST(LiteralArguments, AFileNameWithADashIsGivenAfterTwoDashes)
{
    const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "dash";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string name = "-dash.sln";
    const std::string hint = "solvo-cli: \"" + name +
                             "\" is no option here; to give a file or value that begins with a "
                             "dash, put -- before it: -- " + name + "\n";
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"write", name}, {"show", name}, {"recipe", "--json", name}}) {
        SCOPED_TRACE(arguments.front());
        const CliResult refused = RunCli(arguments, "{}", {});
        EXPECT_EQ(refused.exitCode, 1);
        EXPECT_NE(refused.err.find(hint), std::string::npos) << refused.err;
    }
    const std::string path = (folder / name).string();
    EXPECT_EQ(RunCli({"write", "--", path}, "{}").exitCode, 0);
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / name));
}

} // namespace
} // namespace solvo::test
