#include "formula/ElementTable.h"
#include "solution/CSolvoDoc.h"
#include "solution/ComponentIntake.h"

#include <gtest/gtest.h>

namespace solvo::test {
namespace {

SolvoSubstance InMolar(const std::string& formula, double molar, const ElementTable& elements)
{
    SolvoSubstance component;
    component.SetName(formula);
    component.SetFormula(formula);
    component.UpdateMolarMass(elements);
    component.SetUnit(ConcentrationUnit::Molar);
    component.SetConcentration(molar, ConcentrationUnit::Molar);
    return component;
}

// A new solution's blank component gives way to the first one taken in;
// taking the same formulas again updates them and keeps what the user set;
// amounts follow the final volume and the solution is modified.
TEST(ComponentIntake, AddsThenUpdatesByFormula)
{
    ElementTable elements;
    elements.LoadDefaults();
    CSolvoDoc document;
    document.SetFinalVolume(0.5);
    ComponentIntake::AddOrUpdate(document, {InMolar("NaH2PO4", 0.02, elements), InMolar("Na2HPO4", 0.08, elements)});
    ASSERT_EQ(document.GetComponentCount(), 2);
    EXPECT_TRUE(document.IsModified());
    const SolvoSubstance& base = document.GetComponent(1);
    EXPECT_EQ(base.Formula(), "Na2HPO4");
    EXPECT_EQ(base.Unit(), ConcentrationUnit::Molar);
    EXPECT_DOUBLE_EQ(base.GetConcentration(ConcentrationUnit::Molar), 0.08);
    EXPECT_NEAR(base.Amount(), 0.04, 1e-12);
    EXPECT_NEAR(base.Mass(), 0.04 * base.MolarMass(), 1e-9);

    document.GetComponent(0).SetName("monobasic");
    document.SetModified(false);
    SolvoSubstance acid = InMolar("HCl", 0.03, elements);
    acid.SetStockConcentration(1.0);
    acid.SetUseStockSolution(true);
    acid.SetSource(SourceKind::StockSolution);
    ComponentIntake::AddOrUpdate(document, {InMolar("NaH2PO4", 0.05, elements), acid});
    ASSERT_EQ(document.GetComponentCount(), 3);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(document.GetComponent(0).Name(), "monobasic");
    EXPECT_DOUBLE_EQ(document.GetComponent(0).GetConcentration(ConcentrationUnit::Molar), 0.05);
    EXPECT_EQ(document.GetComponent(2).Source(), SourceKind::StockSolution);
    EXPECT_DOUBLE_EQ(document.GetComponent(2).StockConcentration(), 1.0);
    EXPECT_DOUBLE_EQ(document.GetComponent(2).GetConcentration(ConcentrationUnit::Molar), 0.03);
}

} // namespace
} // namespace solvo::test
