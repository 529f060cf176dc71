#include "formula/ChemicalFormula.h"
#include "formula/ElementTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <fstream>
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

TEST_F(ChemicalFormulaTest, EdgeCasesOfCounting)
{
    const struct {
        const char* text;
        std::map<std::string, int> counts;
    } cases[] = {
        {"", {}},
        {"e", {}},
        {"CaSO_4&0.5H_2O", {{"Ca", 1}, {"S", 1}, {"O", 4}}},
        {"Cu(NH_3)_4SO_4&H_2O", {{"Cu", 1}, {"N", 4}, {"H", 14}, {"S", 1}, {"O", 5}}},
        {"CuSO_4&5H_2O&2NH_3", {{"Cu", 1}, {"S", 1}, {"O", 9}, {"H", 40}, {"N", 10}}},
        {"H_2O&", {{"H", 2}, {"O", 1}}},
        {"NaCl)KCl", {{"Na", 1}, {"Cl", 1}}},
        {"Ca(OH", {{"Ca", 1}, {"O", 1}, {"H", 1}}},
        {"CO", {{"C", 1}, {"O", 1}}},
        {"Co", {{"Co", 1}}},
        {"NaCl  \t\r\n", {{"Na", 1}, {"Cl", 1}}},
        {"H\xb7H_2O", {{"H", 3}, {"O", 1}}},
        {"Fe^{3+}", {{"Fe", 1}}},
        {"CuSO_4(g)", {{"Cu", 1}, {"S", 1}, {"O", 4}}},
        {"N_aCl", {{"Na", 1}, {"Cl", 1}}},
        {"(2)", {}},
        // Counts are read as atof reads them, exponent included; "e" is the electron.
        {"C2e3", {{"C", 6000}}},
        {"Na(", {{"Na", 1}}},
        {"CuSO_4&5", {{"Cu", 1}, {"S", 1}, {"O", 4}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Counts(c.text), c.counts);
        ChemicalFormula formula(table, c.text);
        formula.MolarMass();
        EXPECT_FALSE(formula.Failed());
    }
    EXPECT_NEAR(ChemicalFormula(table, "CaSO_4&0.5H_2O").MolarMass(), 136.1406, 1e-9);
    EXPECT_NEAR(ChemicalFormula(table, "CO").MolarMass(), 28.0101, 1e-9);
    EXPECT_NEAR(ChemicalFormula(table, "Co").MolarMass(), 58.933195, 1e-9);
    EXPECT_EQ(ChemicalFormula(table, "").MolarMass(), 0.0);
}

TEST_F(ChemicalFormulaTest, ChargesGoToTheElectronEntry)
{
    const struct {
        const char* text;
        int charge;
    } cases[] = {
        {"SO_4^{2-}", -2}, {"Fe^3+", 3},      {"Na^+", 1},  {"Cl^-", -1},
        {"NH_4^{+}", 1},   {"PO_4^{3-}", -3}, {"H^+2", 2},  {"O^{--}", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ChemicalFormula(table, c.text).FormulaComposition()[0], c.charge);
    }
}

TEST_F(ChemicalFormulaTest, UnknownSymbolsFailWithZeroMassAndComposition)
{
    for (const char* text : {"NaCl(aq)", "Na Cl", " NaCl", "NaCl, KCl", "Xx", "h2o", "Na^q"}) {
        SCOPED_TRACE(text);
        const ChemicalFormula formula(table, text);
        EXPECT_EQ(formula.MolarMass(), 0.0);
        EXPECT_TRUE(formula.Failed());
        const Composition composition = formula.FormulaComposition();
        EXPECT_EQ(std::count(composition.begin(), composition.end(), 0), table.Count());
        EXPECT_EQ(formula.OrderedText(), "");
    }
    // Only the part before the failing space counts in a mixture.
    EXPECT_NEAR(ChemicalFormula(table, "NaCl, KCl").MixtureMolarMass(), 58.44276928, 1e-9);
    EXPECT_NEAR(ChemicalFormula(table, "0NaCl").MixtureMolarMass(), 58.44276928, 1e-9);
}

TEST_F(ChemicalFormulaTest, MoietiesCountAsOneAtomWithTheirOwnMass)
{
    ASSERT_EQ(table.AddEntry("Cit", "C_6H_5O_7", "citrate", 189.1, 1), 104);
    const ChemicalFormula formula(table, "Na_3Cit");
    EXPECT_EQ(Counts("Na_3Cit"), (std::map<std::string, int>{{"Na", 3}, {"Cit", 1}}));
    EXPECT_NEAR(formula.MolarMass(), 3 * 22.98976928 + 189.1, 1e-9);

    // A deleted moiety's symbol fails like any unknown text.
    table.DeleteEntry(104);
    EXPECT_EQ(ChemicalFormula(table, "Na_3Cit").MolarMass(), 0.0);
}

TEST_F(ChemicalFormulaTest, DisplayTextAndKinds)
{
    const struct {
        const char* text;
        const char* display;
        const char* kinds;
    } cases[] = {
        {"CuSO_4&5H_2O", "CuSO4.5H2O", "NNNNSDNNSN"},
        {"C_6H_{12}O_6", "C6H12O6", "NSNSSNS"},
        {"C_6H_12O_6", "C6H12O6", "NSNSNNS"},
        {"SO_4^{2-}", "SO42-", "NNSPP"},
        {"Fe^3+", "Fe3+", "NNPN"},
        {"^{14}CO_2", "14CO2", "PPNNS"},
        {"H2O", "H2O", "NSN"},
        {"2H2O", "2H2O", "NNSN"},
        {"?2H2O", "?2H2O", "NNNSN"},
        {"NaCl,KCl", "NaCl,KCl", "NNNNNNNN"},
        {"{Fe}2", "{Fe}2", "NNNNS"},
        {"H_", "H", "N"},
        {"CuSO_4&", "CuSO4.", "NNNNSD"},
        {"NaCl \t", "NaCl", "NNNN"},
        {"", "", ""},
    };
    constexpr char kLetters[] = "NSPD";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const ChemicalFormula formula(table, c.text);
        EXPECT_EQ(formula.DisplayText(), c.display);
        std::string kinds;
        for (std::int32_t i = 0; i < formula.Length(); ++i)
            kinds += kLetters[static_cast<int>(formula.Kind(i))];
        EXPECT_EQ(kinds, c.kinds);
    }
}

TEST_F(ChemicalFormulaTest, OrderedText)
{
    const struct {
        const char* text;
        const char* ordered;
    } cases[] = {
        {"CuSO_4&5H_2O", "H10O9SCu"},     {"Na_2B_4O_7&10H_2O", "H20O17B4Na2"},
        {"MgCl_2&6H_2O", "H12O6MgCl2"},   {"Fe_2(SO_4)_3", "O12S3Fe2"},
        {"CH_3COONa&3H_2O", "C2H9O5Na"}, {"SO_4^{2-}", "O4S"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChemicalFormula(table, c.text).OrderedText(), c.ordered) << c.text;
}

TEST_F(ChemicalFormulaTest, MarkupForms)
{
    const struct {
        const char* text;
        const char* html;
        const char* rtf;
        const char* ubbc;
        const char* latex;
    } cases[] = {
        {"CuSO_4&5H_2O", "CuSO<sub>4</sub>&middot;5H<sub>2</sub>O",
         "CuSO{\\sub 4}{\\super .}5H{\\sub 2}O", "CuSO[sub]4[/sub][sup].[/sup]5H[sub]2[/sub]O",
         "\\textrm{CuSO}_{4}\\cdot\\textrm{5H}_{2}\\textrm{O}"},
        {"SO_4^{2-}", "SO<sub>4</sub><sup>2-</sup>", "SO{\\sub 4}{\\super 2-}",
         "SO[sub]4[/sub][sup]2-[/sup]", "\\textrm{SO}_{4}^{2-}"},
        {"^{14}CO_2", "<sup>14</sup>CO<sub>2</sub>", "{\\super 14}CO{\\sub 2}",
         "[sup]14[/sup]CO[sub]2[/sub]", "\\textrm{}^{14}\\textrm{CO}_{2}"},
        {"H2O", "H<sub>2</sub>O", "H{\\sub 2}O", "H[sub]2[/sub]O",
         "\\textrm{H}_{2}\\textrm{O}"},
        {"CuSO_4&", "CuSO<sub>4</sub>&middot;", "CuSO{\\sub 4}{\\super .}",
         "CuSO[sub]4[/sub][sup].[/sup]", "\\textrm{CuSO}_{4}\\cdot"},
        {"A&&B", "A&middot;B", "A{\\super ..}B", "A[sup]..[/sup]B",
         "\\textrm{A}\\cdot\\textrm{B}"},
        {"<b>{x}", "<b>{x}", "<b>{x}", "<b>{x}", "\\textrm{<b>{x}}"},
        {"", "", "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const ChemicalFormula formula(table, c.text);
        EXPECT_EQ(formula.HtmlText(), c.html);
        EXPECT_EQ(formula.RtfText(), c.rtf);
        EXPECT_EQ(formula.UbbcText(), c.ubbc);
        EXPECT_EQ(formula.LatexText(), c.latex);
    }
}

TEST_F(ChemicalFormulaTest, HostileInputGivesAResultInBoundedTimeAndDepth)
{
    const std::string big(64 * 1024, '(');
    const std::string cases[] = {
        big,
        std::string(64 * 1024, '&'),
        std::string(64 * 1024, ')'),
        std::string(64 * 1024, '^'),
        std::string("Na\0Cl", 6),
        std::string(1000, '\xff'),
        big + "H" + std::string(64 * 1024, ')'),
        "H99999999999999999999",
        "H1e999",
        "H0x1F",
    };
    for (const auto& text : cases) {
        const ChemicalFormula formula(table, text);
        (void)formula.MolarMass();
        (void)formula.MixtureMolarMass();
        (void)formula.OrderedText();
        (void)formula.LatexText();
    }
    // Nesting deeper than the count stack stops counting but keeps what it has.
    std::string deepText = "Na";
    for (int level = 0; level < 40; ++level)
        deepText += "(H";
    ChemicalFormula deep(table, deepText + "Cl");
    EXPECT_NEAR(deep.MolarMass(), 22.98976928, 1e-9);
    EXPECT_TRUE(deep.Overflowed());
}

TEST_F(ChemicalFormulaTest, CountsBeyondInt32FailTheFormula)
{
    const char* tooLarge[] = {
        "H99999999999999999999", "H2147483648", "H1e400", "(H_{100000})_{100000}",
        "(H2)1073741824",        "Na^{3000000000}",
    };
    for (const char* text : tooLarge) {
        SCOPED_TRACE(text);
        const ChemicalFormula formula(table, text);
        EXPECT_EQ(formula.MolarMass(), 0.0);
        EXPECT_TRUE(formula.Failed());
        EXPECT_TRUE(formula.CountTooLarge());
        EXPECT_TRUE(Counts(text).empty());
    }
    EXPECT_EQ(Counts("H2147483647")["H"], 2147483647);
    EXPECT_EQ(Counts("(H2)1073741823")["H"], 2147483646);
    const ChemicalFormula unknown(table, "Xq2");
    unknown.MolarMass();
    EXPECT_TRUE(unknown.Failed());
    EXPECT_FALSE(unknown.CountTooLarge());
}

// The molar mass is weighed from the composition, entry by entry in table
// order; asked for alone it must be that same number to the bit, for every
// formula of the corpus and every form of text that counts in its own way.
TEST_F(ChemicalFormulaTest, MolarMassIsTheCompositionWeighedToTheBit)
{
    std::vector<std::string> texts = {
        "Ca(OH)_2", "CuSO_4&5H_2O", "Na&2H&3O", "Na_2CO_3,10H_2O", "Fe2(SO4)3(s)", "H{2}O",
        "(OH){2}", "H2{3}", "H()2", "H(s)2", "(2H)", "(H)(", "&", "Na&", "Na&2", "K^+",
        "SO_4^{2-}", "e2", "H0", "H2.5", "H0x1F", "10H2O", "[Cu(NH3)4][PtCl4]", "Na(Cl",
        "H2147483647", "(H2)1073741823", "(H2)1073741824", "((((((((H2)2)2)2)2)2)2)2)2",
        "Na&2H&3O&4C&5N&6S", "C\xb7" "5H2O", "Xq2", "NaCl  \r\n",
        "H&1000000H&1000000H&1000000H&1000000H", "H&65536&65536&65536&65536H", "H&50000H&50000H", "C_l", "N_a2", "1_2H",
        "H1_2", "(_s)H", "H_2O_",
    };
    std::ifstream corpus(SOLVO_FORMULA_CORPUS);
    ASSERT_TRUE(corpus) << SOLVO_FORMULA_CORPUS;
    for (std::string line; std::getline(corpus, line);)
        texts.push_back(line);
    ElementTable withMoieties = table;
    withMoieties.AddEntry("Me", "CH_3", "methyl", 15.035, 3);
    withMoieties.AddEntry("Ph", "C_6H_5", "phenyl", 77.106, 3);
    texts.push_back("PhCOOMe");
    for (const ElementTable* elements : {&table, &withMoieties}) {
        for (const std::string& text : texts) {
            const ChemicalFormula formula(*elements, text);
            const Composition composition = formula.FormulaComposition();
            double weighed = 0.0;
            for (std::size_t index = 0; index < composition.size(); ++index) {
                if (composition[index] != 0)
                    weighed += composition[index] * elements->Slots()[index].molarMass;
            }
            const double mass = formula.MolarMass();
            EXPECT_EQ(std::bit_cast<std::uint64_t>(mass), std::bit_cast<std::uint64_t>(weighed)) << text;
            EXPECT_EQ(std::bit_cast<std::uint64_t>(ChemicalFormula::MolarMassOf(*elements, text)),
                      std::bit_cast<std::uint64_t>(mass))
                << text;
        }
    }
}

} // namespace
} // namespace solvo
