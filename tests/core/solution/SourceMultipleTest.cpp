#include "solution/SourceMultiple.h"

#include "formula/ElementTable.h"
#include "substances/DefaultSubstances.h"
#include "substances/SolvoSubstance.h"

#include <gtest/gtest.h>

namespace solvo {
namespace {

class SourceMultipleTest : public ::testing::Test {
protected:
    SourceMultipleTest()
    {
        elements.LoadDefaults();
        EXPECT_GE(elements.AddEntry("OAc", "C_2H_3O_2", "acetate", 59.04, 2), 0);
    }

    SolvoSubstance WeighedAs(const char* formula, const char* source,
                             SourceKind kind = SourceKind::OtherSubstance) const
    {
        SolvoSubstance component;
        component.SetFormula(formula);
        component.SetSource(kind);
        component.SetSourceFormula(source);
        return component;
    }

    ElementTable elements;
};

TEST_F(SourceMultipleTest, CountsTheComponentInTheWeighedForm)
{
    const struct {
        const char* formula;
        const char* source;
        std::int32_t multiple;
    } cases[] = {
        {"As", "As_2O_3", 2},
        {"Na", "Na_2SO_4", 2},
        {"Cl", "CaCl_2", 2},
        {"PO_4", "Ca_3(PO_4)_2", 2},
        {"Cr", "K_2Cr_2O_7", 2},
        // Water of crystallisation counts like any other part.
        {"H_2O", "CuSO_4&5H_2O", 5},
        {"Na_2B_4O_7", "Na_2B_4O_7&10H_2O", 1},
        {"MgCl_2", "MgCl_2&6H_2O", 1},
        {"NaCl", "NaCl", 1},
        {"K", "KH_2PO_4", 1},
        // The charge is left out.
        {"SO_4^2-", "Na_2SO_4", 1},
        {"Na^+", "Na_2CO_3", 2},
        // Not held at all: no mass.
        {"Na_2CO_3", "NaOH", 0},
        {"Na_2CO_3", "NaHCO_3", 0},
        // A moiety and its spelled-out form hold the same.
        {"NaOAc", "NaC_2H_3O_2&3H_2O", 1},
        {"OAc", "Ca(OAc)_2", 2},
        {"C_2H_3O_2", "Mg(OAc)_2&4H_2O", 2},
        // Nothing to count: the molar mass typed is taken as it is.
        {"", "As_2O_3", 1},
        {"As", "", 1},
        {"Xy", "As_2O_3", 1},
        {"As", "Xy_2O_3", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SourceMultiple(WeighedAs(c.formula, c.source), elements), c.multiple)
            << c.formula << " in " << c.source;
}

TEST_F(SourceMultipleTest, OnlyAnotherSolidFormIsCounted)
{
    EXPECT_EQ(SourceMultiple(WeighedAs("Na", "Na_2SO_4", AlternativeSource(1)), elements), 2);
    for (const SourceKind kind :
         {SourceKind::AboveSubstance, SourceKind::StockSolution, SourceKind::OtherSolution})
        EXPECT_EQ(SourceMultiple(WeighedAs("Na", "Na_2SO_4", kind), elements), 1)
            << static_cast<int>(kind);
}

TEST_F(SourceMultipleTest, EveryBuiltInAlternativeHoldsItsSubstanceOnce)
{
    std::size_t alternatives = 0;
    for (const SolvoSubstance& substance : DefaultSubstances(elements)) {
        for (std::size_t i = 0; i < substance.Alternatives().size(); ++i) {
            SolvoSubstance component = substance;
            component.SetSource(AlternativeSource(static_cast<std::int32_t>(i)));
            component.SetSourceFormula(substance.Alternatives()[i]);
            EXPECT_EQ(SourceMultiple(component, elements), 1) << component.SourceFormula();
            ++alternatives;
        }
    }
    EXPECT_GE(alternatives, 6u);
}

} // namespace
} // namespace solvo
