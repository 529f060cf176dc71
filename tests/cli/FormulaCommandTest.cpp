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

TEST(FormulaCommand, ExitStatuses)
{
    const CliResult missingDatabase = RunCli({"formula", "--db", "/nonexistent/x.dat", "H2O"});
    EXPECT_EQ(missingDatabase.exitCode, 2);
    EXPECT_EQ(missingDatabase.err, "/nonexistent/x.dat: Can't open program database file.\n");
    EXPECT_TRUE(missingDatabase.out.empty());

    const CliResult noFormula = RunCli({"formula"});
    EXPECT_EQ(noFormula.exitCode, 1);
    EXPECT_TRUE(noFormula.out.empty());

    const CliResult notWindows1252 = RunCli({"formula", "H2O", "\u4e00"});
    EXPECT_EQ(notWindows1252.exitCode, 2);
    EXPECT_TRUE(notWindows1252.out.empty());

    const CliResult middleDot = RunCli({"formula", "--json", "CuSO4\u00b75H2O"});
    ASSERT_EQ(middleDot.exitCode, 0);
    const auto json = nlohmann::json::parse(middleDot.out);
    EXPECT_EQ(json[0]["display"], "CuSO4\u00b75H2O");
    EXPECT_NEAR(json[0]["molar_mass"].get<double>(), 249.685, 1e-9);
}

// Many formulas, whose text runs to far more than one block of output,
// read exactly as each one alone, one blank line apart.
TEST(FormulaCommand, ManyFormulasReadAsEachAlone)
{
    const std::vector<std::string> one = {"CuSO_4&5H_2O", "Xq2", "K^+"};
    std::vector<std::string> arguments = {"formula"};
    std::string expected;
    for (int copy = 0; copy < 400; ++copy) {
        for (const std::string& formula : one) {
            arguments.push_back(formula);
            if (copy == 0) {
                const CliResult alone = RunCli({"formula", formula});
                ASSERT_EQ(alone.exitCode, 0) << alone.err;
                expected += (expected.empty() ? "" : "\n") + alone.out;
            }
        }
    }
    std::string all = expected;
    for (int copy = 1; copy < 400; ++copy)
        all += "\n" + expected;
    const CliResult many = RunCli(arguments);
    ASSERT_EQ(many.exitCode, 0) << many.err;
    EXPECT_GT(many.out.size(), std::size_t{1} << 17);
    EXPECT_EQ(many.out, all);
}

// A formula fails, and says why, on an unknown symbol or on a count that
// does not fit; it never shows a wrapped count or a negative molar mass.
TEST(FormulaCommand, FailuresSayWhy)
{
    struct Case {
        const char* formula;
        const char* status;
    };
    const Case cases[] = {
        {"H1e400", "failed: a count is too large"},
        {"(H_{100000})_{100000}", "failed: a count is too large"},
        {"Xq2", "failed: a symbol is not in the element and moiety table"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formula);
        const CliResult text = RunCli({"formula", c.formula});
        ASSERT_EQ(text.exitCode, 0) << text.err;
        EXPECT_NE(text.out.find(std::string("  status:             ") + c.status + "\n"), std::string::npos)
            << text.out;
        const auto json = nlohmann::json::parse(RunCli({"formula", "--json", c.formula}).out);
        EXPECT_EQ(json[0]["failed"], true);
        EXPECT_EQ(json[0]["molar_mass"], 0.0);
        EXPECT_TRUE(json[0]["composition"].empty());
    }

    const CliResult convert = RunCli({"convert", "--formula", "Na^{3000000000}", "--from", "M", "--value", "1"});
    EXPECT_EQ(convert.exitCode, 2);
    EXPECT_EQ(convert.err, "\"Na^{3000000000}\": has a count that is too large.\n");
}

} // namespace
} // namespace solvo::test
