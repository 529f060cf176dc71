#include "BufferTestSupport.h"

#include "buffers/BufferAmounts.h"
#include "buffers/BufferError.h"
#include "buffers/BufferModel.h"
#include "buffers/BufferWarnings.h"
#include "buffers/DaviesActivity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

namespace solvo::test {
namespace {

const BufferCatalogue& Catalogue()
{
    return BufferCatalogue::BuiltIn();
}

BufferAmounts Mixture(const std::vector<std::pair<const char*, double>>& parts)
{
    static const BuiltInForms forms;
    BufferAmounts amounts(Catalogue().Systems().size());
    for (const auto& [formula, molPerL] : parts)
        amounts.Add(forms(formula), molPerL);
    return amounts;
}

TEST(BufferConstants, TheTableHoldsEverySystemOfTheDataFile)
{
    const BufferCatalogue& catalogue = Catalogue();
    ASSERT_EQ(catalogue.Systems().size(), 7u);
    const BufferSystem& phosphate = catalogue.Systems()[static_cast<std::size_t>(catalogue.Find("phosphoric acid"))];
    ASSERT_EQ(phosphate.StepCount(), 3u);
    EXPECT_DOUBLE_EQ(phosphate.Step(1).Pk25(), 7.198);
    EXPECT_DOUBLE_EQ(phosphate.Step(1).HeatCapacity(), -230.0);
    EXPECT_EQ(phosphate.SpeciesFormula(1), "H2PO4^-");
    EXPECT_EQ(phosphate.SpeciesFormula(3), "PO4^3-");
    const BufferSystem& tris = catalogue.Systems()[static_cast<std::size_t>(catalogue.Find("Tris"))];
    EXPECT_EQ(tris.SpeciesFormula(0), "C4H12NO3^+");
    EXPECT_EQ(tris.SpeciesFormula(1), "C4H11NO3");
    const BufferSystem& hepes = catalogue.Systems()[static_cast<std::size_t>(catalogue.Find("HEPES"))];
    EXPECT_EQ(hepes.StepNumber(0), 2);
    EXPECT_EQ(catalogue.Find("carbonic acid") >= 0 ? catalogue.Systems()[3].Compound() : "", "H2CO3");
    EXPECT_DOUBLE_EQ(catalogue.Water().Pk25(), 13.995);
}

// pKw from the constants at 0 and 50 °C against the measured values
// (Harned and Owen, The Physical Chemistry of Electrolytic Solutions, 3rd
// ed. 1958, table 15-4-1a: 14.943 and 13.262): the heat-capacity term in
// its second-order form carries the constant across the range.
TEST(BufferConstants, TemperatureFormCarriesPkwAcrossTheRange)
{
    const IonisationConstant& water = Catalogue().Water();
    EXPECT_DOUBLE_EQ(water.PkAt(298.15), 13.995);
    EXPECT_NEAR(water.PkAt(273.15), 14.943, 0.02);
    EXPECT_NEAR(water.PkAt(323.15), 13.262, 0.02);
    // Tris loses about 0.028 pK per degree.
    const BufferSystem& tris = Catalogue().Systems()[static_cast<std::size_t>(Catalogue().Find("Tris"))];
    EXPECT_NEAR((tris.Step(0).PkAt(310.15) - tris.Step(0).PkAt(298.15)) / 12.0, -0.028, 0.003);
}

TEST(DaviesActivity, DebyeHueckelConstantFollowsTheTemperature)
{
    EXPECT_NEAR(DaviesActivity(298.15).A(), 0.511, 0.001);
    EXPECT_NEAR(DaviesActivity(273.15).A(), 0.492, 0.001);
    const DaviesActivity davies(298.15);
    EXPECT_DOUBLE_EQ(davies.Log10GammaUnit(0.0), 0.0);
    EXPECT_NEAR(davies.Log10GammaUnit(0.1), -0.511 * (std::sqrt(0.1) / (1 + std::sqrt(0.1)) - 0.03), 1e-4);
    // Far beyond its range the curve would climb above 1; it is held there.
    EXPECT_DOUBLE_EQ(davies.Log10GammaUnit(50.0), 0.0);
}

// The pH is the one at which the solution is neutral, with the ionic
// strength that its own speciation gives: check both on the species.
void ExpectSelfConsistent(const BufferModel& model, const BufferAmounts& amounts)
{
    const BufferSolution solution = model.Solve(amounts);
    ASSERT_TRUE(std::isfinite(solution.pH));
    ASSERT_TRUE(std::isfinite(solution.capacity));
    double charge = 0.0;
    double scale = 0.0;
    double squares = 0.0;
    for (const BufferSpecies& species : model.Species(amounts, solution)) {
        charge += species.charge * species.molPerL;
        scale += std::abs(species.charge) * species.molPerL;
        squares += species.charge * species.charge * species.molPerL;
    }
    EXPECT_LE(std::abs(charge), 1e-9 * scale) << "pH " << solution.pH;
    EXPECT_NEAR(solution.ionicStrength, 0.5 * squares, 1e-9 * squares);
    EXPECT_GT(solution.capacity, 0.0);
}

TEST(BufferModel, EveryMixtureSolvesToANeutralSelfConsistentState)
{
    const std::vector<std::vector<std::pair<const char*, double>>> mixtures = {
        {},
        {{"NaCl", 0.1}},
        {{"HCl", 100.0}},
        {{"NaOH", 100.0}},
        {{"H3PO4", 1e-12}},
        {{"Na3C6H5O7", 5.0}, {"HCl", 2.0}},
        {{"C6H8O7", 0.0485}, {"Na2HPO4", 0.103}}, // citric acid with phosphate: one balance
        {{"C4H11NO3", 0.05}, {"HCl", 0.0293}, {"NaCl", 0.15}},
        {{"NaHCO3", 0.025}, {"Na2CO3", 0.025}},
        {{"C8H18N2O4S", 0.02}, {"NaOH", 0.01}, {"C7H15NO4S", 0.02}, {"KOH", 0.011}},
    };
    for (const double celsius : {0.0, 25.0, 37.0, 100.0}) {
        const BufferModel model(Catalogue(), celsius);
        for (std::size_t i = 0; i < mixtures.size(); ++i) {
            SCOPED_TRACE("mixture " + std::to_string(i) + " at " + std::to_string(celsius));
            ExpectSelfConsistent(model, Mixture(mixtures[i]));
        }
    }
    // Pure water is neutral: pH = pKw/2, where the ion product is its own.
    EXPECT_NEAR(BufferModel(Catalogue(), 25.0).Solve(Mixture({})).pH, 13.995 / 2, 1e-6);
}

// β counts the species' concentrations only; the ionic strength that moves
// with the added base shifts the pH by a few per cent more, no further.
TEST(BufferModel, CapacityIsTheSlopeOfAddedBase)
{
    const BufferModel model(Catalogue(), 25.0);
    const double step = 1e-5;
    const double up = model.Solve(Mixture({{"NaH2PO4", 0.05}, {"Na2HPO4", 0.05}, {"NaOH", step}})).pH;
    const double down = model.Solve(Mixture({{"NaH2PO4", 0.05}, {"Na2HPO4", 0.05}, {"HCl", step}})).pH;
    const double capacity = model.Solve(Mixture({{"NaH2PO4", 0.05}, {"Na2HPO4", 0.05}})).capacity;
    EXPECT_NEAR(capacity, 2 * step / (up - down), 0.1 * capacity);
}

TEST(BufferModel, RefusesAmountsAndTemperaturesOutOfReach)
{
    const BuiltInForms forms;
    BufferAmounts amounts(Catalogue().Systems().size());
    EXPECT_THROW(amounts.Add(forms("NaCl"), -0.1), BufferError);
    EXPECT_THROW(amounts.Add(forms("NaCl"), std::nan("")), BufferError);
    EXPECT_THROW(amounts.Add(forms("NaCl"), 1e6), BufferError);
    EXPECT_THROW(BufferModel(Catalogue(), -5.0), BufferError);
    EXPECT_THROW(BufferModel(Catalogue(), 120.0), BufferError);
    EXPECT_THROW(BufferModel(Catalogue(), std::nan("")), BufferError);
}

TEST(BufferWarnings, SayWhereTheModelIsStretched)
{
    const BufferModel room(Catalogue(), 25.0);
    const BufferAmounts dilute = Mixture({{"NaH2PO4", 0.01}, {"Na2HPO4", 0.01}});
    EXPECT_TRUE(BufferWarnings::ForSolution(room, room.Solve(dilute)).empty());

    const auto strong = BufferWarnings::ForSolution(room, room.Solve(Mixture({{"Na2HPO4", 0.5}})));
    ASSERT_EQ(strong.size(), 1u);
    EXPECT_NE(strong[0].find("Ionic strength 1.5"), std::string::npos) << strong[0];

    const BufferModel hot(Catalogue(), 60.0);
    EXPECT_EQ(BufferWarnings::ForSolution(hot, hot.Solve(dilute)).size(), 1u);
}

} // namespace
} // namespace solvo::test
