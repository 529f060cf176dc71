#include "CliRunner.h"
#include "Refusals.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace solvo::test {
namespace {

nlohmann::json Mix(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), {"mix", "--json"});
    const CliResult result = RunCli(arguments);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return nlohmann::json::parse(result.out);
}

void ExpectRow(const nlohmann::json& row, double c, int unit, double V, double Sm)
{
    EXPECT_NEAR(row.at("c").get<double>(), c, 1e-12) << row;
    EXPECT_EQ(row.at("unit").get<int>(), unit) << row;
    EXPECT_NEAR(row.at("V").get<double>(), V, 1e-9) << row;
    EXPECT_NEAR(row.at("Sm").get<double>(), Sm, 1e-9) << row;
}

TEST(MixCommand, MixesTwoSolutionsForward)
{
    const auto json =
        Mix({"--mw", "58.44", "--c1", "1", "--u1", "M", "--v1", "100", "--c2", "0", "--u2", "M", "--v2", "100"});
    ASSERT_EQ(json.at("rows").size(), 3u);
    ExpectRow(json["rows"][0], 1.0, 0, 100.0, 100.0);
    ExpectRow(json["rows"][1], 0.0, 0, 100.0, 100.0);
    ExpectRow(json["rows"][2], 0.5, 0, 200.0, 200.0);

    // The mixture in a unit of its own; units by code, decimal commas.
    const auto percent =
        Mix({"--mw", "58,44", "--c1", "1", "--u1", "0", "--v1", "100", "--c2", "0", "--v2", "100", "--u3", "w"});
    ExpectRow(percent["rows"][2], 2.922, 3, 200.0, 200.0);
}

TEST(MixCommand, SolvesTheSecondSolutionOfAMixture)
{
    const auto json = Mix({"--mw", "58.44", "--c1", "1", "--u1", "M", "--v1", "100", "--c3", "0.25", "--u3",
                           "M", "--v3", "200"});
    ExpectRow(json["rows"][0], 1.0, 0, 100.0, 100.0);
    ExpectRow(json["rows"][1], -0.5, 0, 100.0, 100.0);
    ExpectRow(json["rows"][2], 0.25, 0, 200.0, 200.0);
}

TEST(MixCommand, MassesAddThroughTheDensityTable)
{
    const auto json = Mix({"--substance", "sulfuric acid", "--c1", "50", "--u1", "w", "--v1", "100", "--c2",
                           "0", "--u2", "w", "--v2", "100", "--u3", "w"});
    const auto& rows = json.at("rows");
    const double S1 = rows[0]["Sm"].get<double>();
    const double S2 = rows[1]["Sm"].get<double>();
    EXPECT_GT(S1, 130.0);
    EXPECT_NEAR(rows[2]["Sm"].get<double>(), S1 + S2, 1e-9);
    EXPECT_NEAR(rows[2]["c"].get<double>(), 50.0 * S1 / (S1 + S2), 1e-9);
    EXPECT_LT(rows[2]["V"].get<double>(), 200.0);

    const CliResult text = RunCli({"mix", "--substance", "sulfuric acid", "--c1", "50", "--u1", "w", "--v1",
                                   "100", "--c2", "0", "--u2", "w", "--v2", "100", "--u3", "w"});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("mixed solution  29.135 % w/w"), std::string::npos) << text.out;
}

TEST(MixCommand, RefusesWrongUsageAndBadInput)
{
    ExpectRefusals({"mix"}, {
        {{"--mw", "58.44", "--c1", "1", "--v1", "100"}, 1, "give the second solution"},
        {{"--mw", "58.44", "--c1", "1", "--v1", "100", "--c2", "1", "--v2", "1", "--c3", "1", "--v3", "1"},
         1, "excludes"},
        {{"--c1", "1", "--v1", "100", "--c2", "1", "--v2", "1"}, 1, "substance"},
        {{"--mw", "58.44", "--c1", "abc", "--v1", "100", "--c2", "1", "--v2", "1"}, 2, "\"abc\": Enter a number."},
        {{"--mw", "58.44", "--c1", "1", "--u1", "q", "--v1", "100", "--c2", "1", "--v2", "1"}, 2, "\"q\""},
        {{"--substance", "no such thing", "--c1", "1", "--v1", "1", "--c2", "1", "--v2", "1"}, 2, "no such thing"},
    });
}

} // namespace
} // namespace solvo::test
