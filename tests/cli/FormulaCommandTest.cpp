#include "CliRunner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace solvo::test {
namespace {

TEST(FormulaCommand, JsonDescribesCopperSulfatePentahydrate)
{
    const CliResult result = RunCli({"formula", "--json", "CuSO_4&5H_2O"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto json = nlohmann::json::parse(result.out);
    ASSERT_EQ(json.size(), 1u);
    const auto& f = json[0];
    EXPECT_EQ(f["formula"], "CuSO_4&5H_2O");
    EXPECT_EQ(f["display"], "CuSO4.5H2O");
    EXPECT_EQ(f["kinds"], "NNNNSDNNSN");
    EXPECT_EQ(f["failed"], false);
    EXPECT_NEAR(f["molar_mass"].get<double>(), 249.685, 1e-9);
    EXPECT_NEAR(f["mixture_molar_mass"].get<double>(), 249.685, 1e-9);
    EXPECT_EQ(f["composition"], nlohmann::json::parse(R"({"Cu":1,"S":1,"O":9,"H":10})"));
    EXPECT_EQ(f["charge"], 0);
    EXPECT_EQ(f["ordered"], "H10O9SCu");
    EXPECT_EQ(f["html"], "CuSO<sub>4</sub>&middot;5H<sub>2</sub>O");
    EXPECT_EQ(f["rtf"], "CuSO{\\sub 4}{\\super .}5H{\\sub 2}O");
    EXPECT_EQ(f["ubbc"], "CuSO[sub]4[/sub][sup].[/sup]5H[sub]2[/sub]O");
    EXPECT_EQ(f["latex"], "\\textrm{CuSO}_{4}\\cdot\\textrm{5H}_{2}\\textrm{O}");
}

} // namespace
} // namespace solvo::test
