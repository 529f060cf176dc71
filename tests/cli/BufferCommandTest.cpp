#include "CliRunner.h"
#include "Refusals.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace solvo::test {
namespace {

nlohmann::json Buffer(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), "buffer");
    arguments.insert(arguments.begin() + 2, "--json");
    const CliResult result = RunCli(arguments);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return nlohmann::json::parse(result.out);
}

TEST(BufferCommand, SystemsListsEveryStepWithItsSource)
{
    const auto systems = Buffer({"systems"});
    ASSERT_EQ(systems.size(), 7u);
    const auto& phosphate = systems[0];
    EXPECT_EQ(phosphate.at("name"), "phosphoric acid");
    EXPECT_EQ(phosphate.at("forms"), nlohmann::json({"H3PO4", "H2PO4^-", "HPO4^2-", "PO4^3-"}));
    EXPECT_EQ(phosphate.at("steps").size(), 3u);
    EXPECT_DOUBLE_EQ(phosphate["steps"][1].at("pK").get<double>(), 7.198);
    EXPECT_DOUBLE_EQ(phosphate["steps"][1].at("dH_kJ_per_mol").get<double>(), 3.6);
    EXPECT_DOUBLE_EQ(phosphate["steps"][1].at("dCp_J_per_K_mol").get<double>(), -230.0);
    EXPECT_EQ(phosphate["steps"][1].at("source"), "Goldberg et al. 2002");
    // The sources keep their own characters.
    EXPECT_NE(systems[2]["steps"][0].at("source").get<std::string>().find("50 \u00B0C"), std::string::npos);
}

TEST(BufferCommand, PhOfTheEquimolalPhosphateStandard)
{
    const auto json = Buffer({"ph", "Na2HPO4=0.024866", "KH2PO4=0.02491"});
    EXPECT_NEAR(json.at("ph").get<double>(), 6.86, 0.02);
    EXPECT_EQ(json.at("temperature").get<double>(), 25.0);
    EXPECT_NEAR(json.at("ionic_strength").get<double>(), 0.0995, 0.001);
    EXPECT_GT(json.at("capacity").get<double>(), 0.0);
    EXPECT_TRUE(json.at("warnings").empty());
    double charge = 0.0;
    for (const auto& species : json.at("species"))
        charge += species.at("charge").get<int>() * species.at("mol_per_L").get<double>();
    EXPECT_NEAR(charge, 0.0, 1e-12);
    EXPECT_EQ(json["species"][0].at("formula"), "H3PO4");
    EXPECT_EQ(json["species"][0].at("activity_coefficient").get<double>(), 1.0);

    // Plain text: the pH first, notes last; a decimal comma reads as a point.
    const CliResult text = RunCli({"buffer", "ph", "--temperature", "25", "Na2HPO4=0,5"});
    EXPECT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(text.out.rfind("pH 9.", 0), 0u) << text.out;
    EXPECT_NE(text.out.find("\nNote: Ionic strength 1.5"), std::string::npos) << text.out;
}

TEST(BufferCommand, MakesSodiumPhosphateFromItsHydrates)
{
    const auto json = Buffer({"make", "--ph", "7.4", "--total", "0.1", "--pair", "NaH2PO4.H2O,Na2HPO4.7H2O",
                              "--volume", "1000"});
    const auto& forms = json.at("forms");
    ASSERT_EQ(forms.size(), 2u);
    EXPECT_EQ(forms[0].at("formula"), "NaH2PO4.H2O");
    const double acid = forms[0].at("mol_per_L").get<double>();
    const double base = forms[1].at("mol_per_L").get<double>();
    EXPECT_NEAR(acid + base, 0.1, 1e-12);
    EXPECT_NEAR(base / 0.1, 0.81, 0.03);
    EXPECT_NEAR(forms[0].at("grams").get<double>(), acid * 137.99, 0.01);
    EXPECT_NEAR(forms[1].at("grams").get<double>(), base * 268.07, 0.01);
    EXPECT_TRUE(forms[1].at("millilitres").is_null());
    EXPECT_NEAR(json.at("ph").get<double>(), 7.4, 1e-6);
}

TEST(BufferCommand, TitratesTrisFromAStockAndWarmsIt)
{
    const auto json = Buffer({"make", "--ph", "8.0", "--total", "0.05", "--titrate", "C4H11NO3", "--with",
                              "HCl=1", "--volume", "500", "--add", "NaCl=0.1", "--add", "KCl=0.002"});
    const auto& forms = json.at("forms");
    ASSERT_EQ(forms.size(), 4u);
    EXPECT_EQ(forms[1].at("formula"), "HCl");
    const double acid = forms[1].at("mol_per_L").get<double>();
    EXPECT_NEAR(forms[1].at("millilitres").get<double>(), acid * 500.0, 1e-9);
    EXPECT_TRUE(forms[1].at("grams").is_null());
    EXPECT_NEAR(forms[0].at("grams").get<double>(), 0.05 * 0.5 * 121.135, 0.01);
    EXPECT_EQ(forms[3].at("formula"), "KCl");

    const auto warm = Buffer({"ph", "--temperature", "37", "C4H11NO3=0.05", "HCl=" + std::to_string(acid),
                              "NaCl=0.1", "KCl=0.002"});
    EXPECT_NEAR(warm.at("ph").get<double>(), 8.0 - 0.33, 0.05);
}

TEST(BufferCommand, RefusesWrongUsageAndBadInput)
{
    ExpectRefusals({"buffer"}, {
        {{"ph"}, 1, "FORM=MOL_PER_L is required"},
        {{"make", "--ph", "7", "--total", "0.1"}, 1, "--pair or --titrate"},
        {{"make", "--ph", "7", "--total", "0.1", "--titrate", "C4H11NO3"}, 1, "go together"},
        {{"ph", "C6H12O6=0.1"}, 2, "\"C6H12O6\" is neither a form of a buffer system"},
        {{"ph", "NaCl"}, 2, "\"NaCl\": give FORM=MOL_PER_L."},
        {{"ph", "NaCl=abc"}, 2, "\"abc\": Enter a number."},
        {{"ph", "NaCl=-1"}, 2, "\"NaCl\": -1 mol/L is not an amount"},
        {{"ph", "--temperature", "150", "NaCl=0.1"}, 2, "Temperature 150 \u00B0C"},
        {{"make", "--ph", "10", "--total", "0.1", "--pair", "NaH2PO4,Na2HPO4"}, 2,
         "pH 10 cannot be reached with these forms: they give pH 4.48 to 9.22."},
        {{"make", "--ph", "8", "--total", "0.1", "--pair", "NaH2PO4"}, 2, "give ACID_FORM,BASE_FORM"},
        {{"make", "--ph", "8", "--total", "0.05", "--titrate", "C4H11NO3", "--with", "NaCl"}, 2,
         "neither a strong acid nor a strong base"},
        {{"make", "--ph", "8", "--total", "0.05", "--titrate", "C4H11NO3", "--with", "HCl=0"}, 2, "more than 0"},
        {{"make", "--ph", "8", "--total", "0.05", "--titrate", "C4H11NO3", "--with", "HCl", "--volume", "0"}, 2,
         "--volume \"0\""},
    });
}

} // namespace
} // namespace solvo::test
