#include "solution/CompositionSolver.h"

#include "formula/ElementTable.h"
#include "solution/CSolvoDoc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace solvo {
namespace {

constexpr double kTolerance = 1e-12;

// A component as the composition view leaves it: molar mass from the
// formula unless one is given, target concentration typed with digits.
SolvoSubstance Component(const ElementTable& elements, const char* name, const char* formula,
                         double molarity, std::int32_t digits = 4)
{
    SolvoSubstance component;
    component.SetName(name);
    component.SetFormula(formula);
    component.UpdateMolarMass(elements);
    component.SetConcentration(molarity, ConcentrationUnit::Molar);
    component.SetConcentrationDigits(digits);
    return component;
}

SolvoSubstance FromStock(SolvoSubstance component, double concentration,
                         ConcentrationUnit unit = ConcentrationUnit::Molar)
{
    component.SetSource(SourceKind::StockSolution);
    component.SetUseStockSolution(true);
    component.SetStockConcentration(concentration);
    component.SetStockUnit(unit);
    return component;
}

CSolvoDoc Solution(std::initializer_list<SolvoSubstance> components, double litres)
{
    CSolvoDoc doc;
    doc.GetComponent(0) = *components.begin();
    for (auto it = components.begin() + 1; it != components.end(); ++it) {
        doc.AddComponent(SolvoSubstance());
        doc.GetComponent(doc.GetComponentCount() - 1) = *it;
    }
    doc.SetFinalVolume(litres);
    return doc;
}

class CompositionSolverTest : public ::testing::Test {
protected:
    CompositionSolverTest() { elements.LoadDefaults(); }

    SolvoSubstance SodiumChloride(double molarity, std::int32_t digits = 4)
    {
        SolvoSubstance salt = Component(elements, "sodium chloride", "NaCl", molarity, digits);
        salt.SetMolarMass(58.44);
        salt.SetConcentration(molarity, ConcentrationUnit::Molar);
        return salt;
    }

    ElementTable elements;
};

TEST(NiceStartVolume, RoundsEightyPercentDownToOneTwoOrFiveSteps)
{
    const struct {
        double remaining;
        double start;
    } cases[] = {{2, 1.6},   {1, 0.8},    {0.9, 0.7},   {0.75, 0.6}, {0.5, 0.4},
                 {0.3, 0.2}, {0.25, 0.2}, {0.15, 0.12}, {0.1, 0.08}, {0.05, 0.04}};
    for (const auto& c : cases)
        EXPECT_NEAR(NiceStartVolume(c.remaining), c.start, kTolerance) << c.remaining;
    // The power of ten comes from exp, so 1 L gives exactly this, which
    // the recipe shows as 0.8 (800 mL).
    EXPECT_EQ(NiceStartVolume(1.0), 0.7999999999999998);
}

TEST(NiceStartVolume, NothingRemainingGivesNoWater)
{
    EXPECT_EQ(NiceStartVolume(0.0), 0.0);
    EXPECT_EQ(NiceStartVolume(-0.5), 0.0);
    EXPECT_EQ(NiceStartVolume(std::numeric_limits<double>::quiet_NaN()), 0.0);
}

TEST_F(CompositionSolverTest, SolidAboveSubstance)
{
    const CSolvoDoc doc = Solution({SodiumChloride(0.1, 4)}, 0.5);
    const RecipePlan plan = SolveComposition(doc, elements);
    ASSERT_EQ(plan.steps.size(), 1u);
    const RecipeStep& step = plan.steps[0];
    EXPECT_EQ(step.kind, StepKind::Weigh);
    EXPECT_NEAR(step.mass, 2.922, kTolerance);
    EXPECT_EQ(step.massDigits, 4);
    EXPECT_EQ(step.formulaShown, "NaCl");
    EXPECT_EQ(plan.addedVolume, 0.0);
    EXPECT_EQ(plan.remainingVolume, 0.5);
    EXPECT_NEAR(plan.startVolume, 0.4, kTolerance);
    EXPECT_TRUE(plan.waterStepShown);
    EXPECT_TRUE(plan.anySolid);
    EXPECT_FALSE(plan.impossible);
    EXPECT_FALSE(plan.volumesMatch);
    EXPECT_FALSE(plan.standardMode);
    EXPECT_EQ(step.summaryValue, 0.1);
    EXPECT_EQ(step.summaryDigits, 4);
    EXPECT_EQ(step.summaryUnit, ConcentrationUnit::Molar);
    EXPECT_FALSE(step.summaryApproximate);

    // A concentration typed with one digit still weighs with two.
    EXPECT_EQ(SolveComposition(Solution({SodiumChloride(0.1, 1)}, 0.5), elements).steps[0].massDigits, 2);
}

// A molar mass of 0 is none known: the mass to weigh is then unknown, never
// 0 g, unless nothing is to be weighed.
TEST_F(CompositionSolverTest, MissingMolarMassIsNeverWeighedAsZero)
{
    const auto otherForm = [](SolvoSubstance component, double sourceMolarMass) {
        component.SetSource(SourceKind::OtherSubstance);
        component.SetSourceFormula("");
        component.SetSourceMolarMass(sourceMolarMass);
        return component;
    };
    SolvoSubstance byMass = Component(elements, "mystery", "Xy_2O", 0.0);
    byMass.SetUnit(ConcentrationUnit::PercentWW);
    byMass.SetConcentration(5.0, ConcentrationUnit::PercentWW);
    const struct {
        const char* what;
        SolvoSubstance component;
        double grams; // NaN: unknown
    } cases[] = {
        {"formula gives none", Component(elements, "mystery", "Xy_2O", 0.1), std::nan("")},
        {"nothing to weigh", Component(elements, "mystery", "Xy_2O", 0.0), 0.0},
        {"target by mass", byMass, std::nan("")},
        {"molar mass typed", [&] {
             SolvoSubstance typed = Component(elements, "mystery", "Xy_2O", 0.1);
             typed.SetMolarMass(100.0);
             return typed;
         }(),
         1.0},
        {"other form unknown", otherForm(SodiumChloride(0.1), 0.0), std::nan("")},
        {"other form typed", otherForm(SodiumChloride(0.1), 200.0), 2.0},
    };
    for (const auto& c : cases) {
        const RecipePlan plan = SolveComposition(Solution({c.component}, 0.1), elements);
        const double mass = plan.steps[0].mass;
        if (std::isnan(c.grams))
            EXPECT_TRUE(std::isnan(mass)) << c.what << ": " << mass;
        else
            EXPECT_NEAR(mass, c.grams, kTolerance) << c.what;
        EXPECT_EQ(IsMissingMolarMass(c.component, WeighedMolarMass(c.component)), std::isnan(c.grams))
            << c.what;
    }
}

TEST_F(CompositionSolverTest, StockSolutionLeavesTheRestToWater)
{
    const CSolvoDoc doc = Solution({FromStock(SodiumChloride(0.1, 1), 1.0)}, 1.0);
    const RecipePlan plan = SolveComposition(doc, elements);
    const RecipeStep& step = plan.steps[0];
    EXPECT_EQ(step.kind, StepKind::AddStockSolution);
    EXPECT_NEAR(step.volume, 0.1, kTolerance);
    EXPECT_EQ(step.volumeDigits, 2);
    EXPECT_EQ(step.sourceConcentration, 1.0);
    EXPECT_EQ(step.sourceUnit, ConcentrationUnit::Molar);
    EXPECT_EQ(step.formulaShown, "NaCl");
    EXPECT_NEAR(plan.addedVolume, 0.1, kTolerance);
    EXPECT_NEAR(plan.remainingVolume, 0.9, kTolerance);
    EXPECT_NEAR(plan.startVolume, 0.7, kTolerance);
    EXPECT_TRUE(plan.waterStepShown);
    EXPECT_FALSE(plan.anySolid);
}

TEST_F(CompositionSolverTest, SolutionsThatMakeUpTheVolumeExactlyNeedNoWater)
{
    const CSolvoDoc doc =
        Solution({FromStock(SodiumChloride(0.5), 1.0), FromStock(SodiumChloride(0.5), 1.0)}, 1.0);
    const RecipePlan plan = SolveComposition(doc, elements);
    EXPECT_EQ(plan.addedVolume, 1.0);
    EXPECT_TRUE(plan.volumesMatch);
    EXPECT_FALSE(plan.impossible);
    EXPECT_FALSE(plan.waterStepShown);
    EXPECT_EQ(plan.startVolume, 0.0);
}

TEST_F(CompositionSolverTest, TooDiluteSourcesMakeTheSolutionImpossible)
{
    const RecipePlan dilute =
        SolveComposition(Solution({FromStock(SodiumChloride(0.1), 0.05)}, 1.0), elements);
    EXPECT_NEAR(dilute.addedVolume, 2.0, kTolerance);
    EXPECT_TRUE(dilute.impossible);
    EXPECT_FALSE(dilute.waterStepShown);

    // A source of no concentration at all needs an infinite volume.
    const RecipePlan empty = SolveComposition(Solution({FromStock(SodiumChloride(0.1), 0.0)}, 1.0), elements);
    EXPECT_TRUE(std::isinf(empty.addedVolume));
    EXPECT_TRUE(empty.impossible);

    // Solids never make a solution impossible, however much is weighed.
    EXPECT_FALSE(SolveComposition(Solution({SodiumChloride(100.0)}, 1.0), elements).impossible);
}

TEST_F(CompositionSolverTest, SourcesInMassUnitsGoThroughTheDensityTable)
{
    // 10 % w/w at 1.07 g/mL is 10 × 1.07 × 10 / 58.44 mol/L; without the
    // table the density would be 1 g/mL.
    for (const SourceKind source : {SourceKind::StockSolution, SourceKind::OtherSolution}) {
        for (const double density : {1.07, 1.2}) {
            SolvoSubstance salt = SodiumChloride(0.5);
            salt.Table().SetText("0 0.998\r\n10 " + std::to_string(density) + "\r\n20 1.3\r\n");
            salt.Table().SetKind(DensityTableKind::PercentWW);
            salt.Table().SetNoTable(false);
            salt.ParseDensityTable();
            salt.SetSource(source);
            salt.SetStockConcentration(10.0);
            salt.SetStockUnit(ConcentrationUnit::PercentWW);
            salt.SetOtherConcentration(10.0);
            salt.SetOtherUnit(ConcentrationUnit::PercentWW);
            const RecipeStep step = SolveComposition(Solution({salt}, 1.0), elements).steps[0];
            EXPECT_EQ(step.kind, source == SourceKind::StockSolution ? StepKind::AddStockSolution
                                                                     : StepKind::AddOtherSolution);
            EXPECT_NEAR(step.volume, 0.5 / (10.0 * density * 10.0 / 58.44), 1e-9) << density;
            EXPECT_EQ(step.sourceConcentration, 10.0);
            EXPECT_EQ(step.sourceUnit, ConcentrationUnit::PercentWW);
        }
    }
}

TEST_F(CompositionSolverTest, HydrateIsWeighedWithItsOwnMolarMassAndFormula)
{
    SolvoSubstance borax = Component(elements, "sodium tetraborate", "Na_2B_4O_7", 0.05);
    borax.SetAlternatives({"Na_2B_4O_7&10H_2O"});
    borax.SetSource(AlternativeSource(0));
    borax.SetSourceFormula("Na_2B_4O_7&10H_2O");
    borax.UpdateSourceMolarMass(elements);
    ASSERT_GT(borax.SourceMolarMass(), borax.MolarMass());

    const RecipeStep step = SolveComposition(Solution({borax}, 0.25), elements).steps[0];
    EXPECT_EQ(step.kind, StepKind::Weigh);
    EXPECT_NEAR(step.mass, 0.05 * 0.25 * borax.SourceMolarMass(), kTolerance);
    EXPECT_EQ(step.formulaShown, "Na_2B_4O_7&10H_2O");
}

TEST_F(CompositionSolverTest, StandardSolutionBeforeAndAfterTheExactWeight)
{
    SolvoSubstance salt = SodiumChloride(0.1, 4);
    salt.SetStandardSubstance(true);
    salt.SetPrepareStandardSolution(true);

    const RecipePlan before = SolveComposition(Solution({salt}, 1.0), elements);
    EXPECT_TRUE(before.standardMode);
    EXPECT_EQ(before.steps[0].kind, StepKind::WeighExactly);
    EXPECT_EQ(before.steps[0].massDigits, 5);
    EXPECT_FALSE(before.steps[0].exactWeightEntered);
    EXPECT_EQ(before.steps[0].summaryValue, 0.1);
    EXPECT_EQ(before.steps[0].summaryDigits, 4);
    EXPECT_TRUE(before.steps[0].summaryApproximate);

    salt.SetExactWeight(CEditableDouble(5.8443, 5));
    const RecipeStep after = SolveComposition(Solution({salt}, 1.0), elements).steps[0];
    EXPECT_TRUE(after.exactWeightEntered);
    EXPECT_EQ(after.exactWeight.Value(), 5.8443);
    EXPECT_EQ(after.exactWeight.Digits(), 5);
    EXPECT_NEAR(after.summaryValue, 5.8443 / 58.44, kTolerance);
    EXPECT_EQ(after.summaryDigits, 5);
    EXPECT_FALSE(after.summaryApproximate);
}

TEST_F(CompositionSolverTest, ExactWeightSummaryIsInTheComponentsOwnUnit)
{
    const struct {
        ConcentrationUnit unit;
        double expected;
    } cases[] = {
        {ConcentrationUnit::Molar, 5.8443 / 58.44},
        {ConcentrationUnit::Millimolar, 5.8443 / 58.44 * 1000.0},
        // w = MW × M / (10 d) with d = 1: the grams per 100 g of solution.
        {ConcentrationUnit::PercentWW, 0.58443},
        {ConcentrationUnit::PercentWV, 0.58443},
    };
    for (const auto& c : cases) {
        SolvoSubstance salt = SodiumChloride(0.1, 4);
        salt.SetUnit(c.unit);
        salt.SetPrepareStandardSolution(true);
        salt.SetExactWeight(CEditableDouble(5.8443, 5));
        const RecipeStep step = SolveComposition(Solution({salt}, 1.0), elements).steps[0];
        EXPECT_NEAR(step.summaryValue, c.expected, 1e-9) << static_cast<int>(c.unit);
        EXPECT_EQ(step.summaryUnit, c.unit);
        // The component itself keeps its target.
        EXPECT_EQ(salt.GetConcentration(ConcentrationUnit::Molar), 0.1);
    }
}

TEST_F(CompositionSolverTest, TargetIsSummarisedInTheDisplayUnit)
{
    SolvoSubstance salt = SodiumChloride(0.137, 3);
    salt.SetUnit(ConcentrationUnit::Millimolar);
    const RecipeStep step = SolveComposition(Solution({salt}, 1.0), elements).steps[0];
    EXPECT_NEAR(step.summaryValue, 137.0, kTolerance);
    EXPECT_EQ(step.summaryDigits, 3);
    EXPECT_EQ(step.summaryUnit, ConcentrationUnit::Millimolar);
}

TEST_F(CompositionSolverTest, NoFinalVolumeGivesNoAmounts)
{
    const RecipePlan plan =
        SolveComposition(Solution({SodiumChloride(0.1), FromStock(SodiumChloride(0.2), 1.0)}, 0.0), elements);
    EXPECT_EQ(plan.steps[0].mass, 0.0);
    EXPECT_EQ(plan.steps[1].volume, 0.0);
    EXPECT_EQ(plan.addedVolume, 0.0);
    EXPECT_FALSE(plan.impossible);
    EXPECT_TRUE(plan.volumesMatch);
    EXPECT_FALSE(plan.waterStepShown);
}

// A form that holds the component k times is weighed as 1/k formula unit
// per formula unit of the component; one that does not hold it gives no mass.
TEST_F(CompositionSolverTest, WeighedFormHoldingTheComponentSeveralTimes)
{
    const auto weighedAs = [&](SolvoSubstance component, const char* source) {
        component.SetSource(SourceKind::OtherSubstance);
        component.SetSourceFormula(source);
        component.UpdateSourceMolarMass(elements);
        return component;
    };

    // The arsenic standard: 1000 ppm As in 250 mL from As2O3 is 330.0 mg.
    SolvoSubstance arsenic = Component(elements, "arsenic", "As", 0.0);
    arsenic.SetUnit(ConcentrationUnit::Ppm);
    arsenic.SetConcentration(1000.0, ConcentrationUnit::Ppm);
    arsenic = weighedAs(arsenic, "As_2O_3");
    const RecipeStep standard = SolveComposition(Solution({arsenic}, 0.25), elements).steps[0];
    EXPECT_NEAR(standard.mass, 0.25 / arsenic.MolarMass() * arsenic.SourceMolarMass() / 2, 1e-12);
    EXPECT_NEAR(standard.mass, 0.3301, 5e-5);
    EXPECT_EQ(standard.sourceMultiple, 2);
    EXPECT_EQ(standard.multipleOf, "As");
    EXPECT_EQ(standard.formulaShown, "As_2O_3");

    // Sodium from sodium sulfate: half the formula units of sodium.
    const SolvoSubstance sodium = weighedAs(Component(elements, "sodium", "Na", 0.2), "Na_2SO_4");
    const RecipeStep halved = SolveComposition(Solution({sodium}, 1.0), elements).steps[0];
    EXPECT_NEAR(halved.mass, 0.1 * sodium.SourceMolarMass(), 1e-12);

    // Its exact weight gives twice the formula units of sodium.
    SolvoSubstance standardSodium = sodium;
    standardSodium.SetPrepareStandardSolution(true);
    standardSodium.SetExactWeight(CEditableDouble(14.2, 3));
    const RecipeStep weighed = SolveComposition(Solution({standardSodium}, 1.0), elements).steps[0];
    EXPECT_NEAR(weighed.summaryValue, 2 * 14.2 / sodium.SourceMolarMass(), 1e-12);

    // A form without the component: no mass, never a number.
    SolvoSubstance carbonate = weighedAs(Component(elements, "sodium carbonate", "Na_2CO_3", 0.1), "NaOH");
    const RecipePlan none = SolveComposition(Solution({carbonate}, 1.0), elements);
    EXPECT_TRUE(std::isnan(none.steps[0].mass));
    EXPECT_TRUE(std::isnan(MassToWeigh(carbonate, 1.0, elements)));
    EXPECT_EQ(none.steps[0].sourceMultiple, 0);
    ASSERT_EQ(none.notes.size(), 1u);
    EXPECT_EQ(none.notes[0].kind, RecipeNoteKind::SourceHoldsNone);
    carbonate.SetPrepareStandardSolution(true);
    carbonate.SetExactWeight(CEditableDouble(10.6, 3));
    EXPECT_TRUE(std::isnan(SolveComposition(Solution({carbonate}, 1.0), elements).steps[0].summaryValue));
}

TEST_F(CompositionSolverTest, NotesFollowTheComponentsInOrder)
{
    SolvoSubstance nitric = Component(elements, "nitric acid", "HNO_3", 1.0);
    nitric.SetSource(SourceKind::StockSolution);
    nitric.SetStockConcentration(69.6);
    nitric.SetStockUnit(ConcentrationUnit::PercentWW);
    SolvoSubstance arsenic = Component(elements, "arsenic", "As", 0.01);
    arsenic.SetSource(SourceKind::OtherSubstance);
    arsenic.SetSourceFormula("As_2O_3");
    const RecipePlan plan =
        SolveComposition(Solution({SodiumChloride(0.1), nitric, arsenic}, 1.0), elements);
    ASSERT_EQ(plan.notes.size(), 2u);
    EXPECT_EQ(plan.notes[0].kind, RecipeNoteKind::NoDensityTable);
    EXPECT_EQ(plan.notes[0].name, "nitric acid");
    EXPECT_EQ(plan.notes[1].kind, RecipeNoteKind::SourceHoldsSeveral);
    EXPECT_TRUE(SolveComposition(Solution({SodiumChloride(0.1)}, 1.0), elements).notes.empty());
}

// Recipes as published, in the units they are written in.
TEST_F(CompositionSolverTest, RecipesInLaterUnitsAndWithAnAssay)
{
    SolvoSubstance ampicillin = Component(elements, "ampicillin", "C_16H_19N_3O_4S", 0.0);
    ampicillin.SetUnit(ConcentrationUnit::UgPerML);
    ampicillin.SetConcentration(100.0, ConcentrationUnit::UgPerML);
    EXPECT_NEAR(SolveComposition(Solution({ampicillin}, 0.5), elements).steps[0].mass, 0.05, 1e-12);

    SolvoSubstance saline = SodiumChloride(0.0);
    saline.SetConcentration(0.9, ConcentrationUnit::PercentWV);
    saline.SetPurity(99.5);
    EXPECT_NEAR(SolveComposition(Solution({saline}, 1.0), elements).steps[0].mass, 9.0452261,
                1e-7);
    // The assay counts for a hydrate weighed instead, too.
    saline.SetSource(SourceKind::OtherSubstance);
    saline.SetSourceFormula("NaCl&2H_2O");
    saline.UpdateSourceMolarMass(elements);
    EXPECT_NEAR(SolveComposition(Solution({saline}, 1.0), elements).steps[0].mass,
                0.9 * 10.0 / 58.44 * saline.SourceMolarMass() / 0.995, 1e-9);

    SolvoSubstance ethanol = Component(elements, "ethanol", "C_2H_5OH", 0.0);
    ethanol.SetPureDensity(0.7893);
    ethanol.SetConcentration(20.0, ConcentrationUnit::PercentVV);
    ethanol = FromStock(ethanol, 100.0, ConcentrationUnit::PercentVV);
    EXPECT_NEAR(SolveComposition(Solution({ethanol}, 1.0), elements).steps[0].volume, 0.2, 1e-12);
}

TEST_F(CompositionSolverTest, NormalityMeasuresWhatItsMolarityMeasures)
{
    SolvoSubstance acid = Component(elements, "sulfuric acid", "H_2SO_4", 0.0);
    acid.Table().SetText("0 0.9982\r\n50 1.3951\r\n96 1.8355");
    acid.Table().SetNoTable(false);
    acid.ParseDensityTable();
    acid.SetEquivalents(2.0);
    acid = FromStock(acid, 96.0, ConcentrationUnit::PercentWW);
    SolvoSubstance molar = acid;
    acid.SetConcentration(0.1, ConcentrationUnit::Normal);
    molar.SetConcentration(0.05, ConcentrationUnit::Molar);
    const double normalVolume = SolveComposition(Solution({acid}, 1.0), elements).steps[0].volume;
    EXPECT_EQ(normalVolume, SolveComposition(Solution({molar}, 1.0), elements).steps[0].volume);
    EXPECT_NEAR(normalVolume, 0.05 * 98.072 / (0.96 * 1835.5), 1e-5);
}

} // namespace
} // namespace solvo
