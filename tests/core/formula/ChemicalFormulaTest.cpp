#include "formula/ChemicalFormula.h"
#include "formula/ElementTable.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace solvo {
namespace {

class ChemicalFormulaTest : public ::testing::Test {
protected:
    ChemicalFormulaTest() { table.LoadDefaults(); }

    // Non-zero counts by symbol, charge left out.
    std::map<std::string, int> Counts(const std::string& text) const
    {
        const Composition composition = ChemicalFormula(table, text).FormulaComposition();
        std::map<std::string, int> counts;
        for (std::int32_t i = 1; i < table.Count(); ++i) {
            if (composition[static_cast<std::size_t>(i)] != 0)
                counts[table.Entry(i).symbol] = composition[static_cast<std::size_t>(i)];
        }
        return counts;
    }

    ElementTable table;
};

struct MassCase {
    const char* text;
    std::map<std::string, int> counts;
    double molarMass;
    double mixtureMolarMass;
};

TEST_F(ChemicalFormulaTest, WorkedExamplesGiveCountsAndMolarMasses)
{
    const MassCase cases[] = {
        {"H_2O", {{"H", 2}, {"O", 1}}, 18.01528, 18.01528},
        {"H2O", {{"H", 2}, {"O", 1}}, 18.01528, 18.01528},
        {"NaCl2", {{"Na", 1}, {"Cl", 2}}, 93.89576928, 93.89576928},
        {"Ca(OH)_2", {{"Ca", 1}, {"O", 2}, {"H", 2}}, 74.09268, 74.09268},
        {"Fe_2(SO_4)_3", {{"Fe", 2}, {"S", 3}, {"O", 12}}, 399.8778, 399.8778},
        {"K_4[Fe(CN)_6]&3H_2O",
         {{"K", 4}, {"Fe", 1}, {"C", 6}, {"N", 6}, {"H", 6}, {"O", 3}},
         422.38844,
         422.38844},
        {"CuSO_4&5H_2O", {{"Cu", 1}, {"S", 1}, {"O", 9}, {"H", 10}}, 249.685, 249.685},
        {"Na_2B_4O_7&10H_2O",
         {{"Na", 2}, {"B", 4}, {"O", 17}, {"H", 20}},
         381.37213856,
         381.37213856},
        {"MgCl_2&6H_2O", {{"Mg", 1}, {"Cl", 2}, {"O", 6}, {"H", 12}}, 203.30268, 203.30268},
        {"C_6H_12O_6", {{"C", 6}, {"H", 12}, {"O", 6}}, 180.15588, 180.15588},
        {"SO_4^{2-}", {{"S", 1}, {"O", 4}}, 96.0626, 96.0626},
        {"CuSO_4(s)", {{"Cu", 1}, {"S", 1}, {"O", 4}}, 159.6086, 159.6086},
        {"2H_2O", {{"H", 2}, {"O", 1}}, 18.01528, 36.03056},
        {"2NaCl,KCl", {{"Na", 1}, {"Cl", 2}, {"K", 1}}, 132.99406928, 191.43683856},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const ChemicalFormula formula(table, c.text);
        EXPECT_EQ(Counts(c.text), c.counts);
        EXPECT_NEAR(formula.MolarMass(), c.molarMass, 1e-9);
        EXPECT_NEAR(formula.MixtureMolarMass(), c.mixtureMolarMass, 1e-9);
        EXPECT_FALSE(formula.Failed());
    }
}

} // namespace
} // namespace solvo
