#include "quantities/ConcentrationSet.h"

#include <gtest/gtest.h>

#include <cmath>

namespace solvo {
namespace {

using Unit = ConcentrationUnit;

constexpr double kEthanolMolarMass = 46.07;
// Ethanol at 20 °C, g/mL (CRC Handbook of Chemistry and Physics, 97th ed.,
// "Concentrative properties of aqueous solutions").
constexpr double kEthanolDensity = 0.7893;

TEST(ConcentrationScales, ConvertAtTheUnitsDefinitions)
{
    const struct {
        const char* what;
        double molarMass;
        double equivalents;
        double pureDensity;
        Unit from;
        double value;
        Unit to;
        double expected;
    } cases[] = {
        {"1 uM", 58.44, 1, 0, Unit::Micromolar, 1, Unit::Millimolar, 0.001},
        {"1 nM", 58.44, 1, 0, Unit::Nanomolar, 1, Unit::Micromolar, 0.001},
        {"1 mM in nM", 58.44, 1, 0, Unit::Millimolar, 1, Unit::Nanomolar, 1e6},
        {"100 ug/mL", 58.44, 1, 0, Unit::UgPerML, 100, Unit::PercentWV, 0.01},
        {"1 % w/v in mg/mL", 58.44, 1, 0, Unit::PercentWV, 1, Unit::MgPerML, 10},
        {"1 % w/v in ug/mL", 58.44, 1, 0, Unit::PercentWV, 1, Unit::UgPerML, 10000},
        {"1 mg/mL in mg/L", 58.44, 1, 0, Unit::MgPerML, 1, Unit::MgPerL, 1000},
        {"20 % v/v ethanol", kEthanolMolarMass, 1, kEthanolDensity, Unit::PercentVV, 20,
         Unit::PercentWV, 15.786},
        {"0.1 N, 2 equivalents", 98.079, 2, 0, Unit::Normal, 0.1, Unit::Molar, 0.05},
        {"0.05 M, 2 equivalents", 98.079, 2, 0, Unit::Molar, 0.05, Unit::Normal, 0.1},
        {"1 uM NaCl", 58.44, 1, 0, Unit::Micromolar, 1, Unit::MgPerL, 0.05844},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ConcentrationSet set;
        set.SetMolarMass(c.molarMass);
        set.SetEquivalents(c.equivalents);
        set.SetPureDensity(c.pureDensity);
        set.SetConcentration(c.value, c.from);
        EXPECT_NEAR(set.GetConcentration(c.to), c.expected, 1e-12 * c.expected);
        // Every unit reads back what it was given.
        EXPECT_NEAR(set.GetConcentration(c.from), c.value, 1e-12 * c.value);
        EXPECT_NEAR(set.ConvertConcentration(c.value, c.from, c.to), c.expected,
                    1e-12 * c.expected);
    }
}

TEST(ConcentrationScales, VolumePercentNeedsThePureLiquidsDensity)
{
    ConcentrationSet set;
    set.SetMolarMass(kEthanolMolarMass);
    set.SetConcentration(1.0, Unit::Molar);
    EXPECT_FALSE(set.Offers(Unit::PercentVV));
    EXPECT_TRUE(std::isnan(set.GetConcentration(Unit::PercentVV)));
    set.SetConcentration(20.0, Unit::PercentVV);
    set.StoreConcentration(20.0, Unit::PercentVV);
    EXPECT_EQ(set.GetConcentration(Unit::Molar), 1.0);

    // The table's row of the pure liquid comes before a typed density.
    set.SetPureDensity(0.8);
    EXPECT_EQ(set.PureLiquidDensity(), 0.8);
    set.Table().SetText("0 0.99823\r\n50 0.91384\r\n100 0.78934");
    set.Table().SetNoTable(false);
    set.ParseDensityTable();
    EXPECT_EQ(set.PureLiquidDensity(), 0.78934);
    set.SetConcentration(20.0, Unit::PercentVV);
    EXPECT_NEAR(set.GetConcentration(Unit::PercentWV), 20.0 * 0.78934, 1e-12);

    // A table that stops short of the pure liquid leaves the typed density.
    set.Table().SetText("0 0.99823\r\n50 0.91384");
    set.ParseDensityTable();
    EXPECT_EQ(set.PureLiquidDensity(), 0.8);
    set.SetPureDensity(0.0);
    EXPECT_FALSE(set.Offers(Unit::PercentVV));
}

TEST(ConcentrationScales, LaterUnitsLookTheDensityUpInTheirOwnColumn)
{
    // 10 % w/w NaCl is 1.0707 g/mL: given as mg/mL the table must be read
    // by % w/v, as if % w/v had been typed.
    ConcentrationSet byMilligrams;
    ConcentrationSet byPercent;
    for (ConcentrationSet* set : {&byMilligrams, &byPercent}) {
        set->SetMolarMass(58.44);
        set->Table().SetText("0 0.9982\r\n10 1.0707\r\n20 1.1478");
        set->Table().SetNoTable(false);
        set->ParseDensityTable();
    }
    byMilligrams.SetConcentration(107.07, Unit::MgPerML);
    byPercent.SetConcentration(10.707, Unit::PercentWV);
    EXPECT_NEAR(byMilligrams.GetConcentration(Unit::PercentWW),
                byPercent.GetConcentration(Unit::PercentWW), 1e-12);
    EXPECT_NEAR(byMilligrams.GetConcentration(Unit::Density), 1.0707, 1e-9);
    EXPECT_FALSE(byMilligrams.IsOutsideDensityRange(107.07, Unit::MgPerML));
    EXPECT_TRUE(byMilligrams.IsOutsideDensityRange(300.0, Unit::MgPerML));
}

TEST(ConcentrationUnitSymbols, NamesAndCodesOfEveryUnit)
{
    for (const Unit unit : kConcentrationUnits) {
        const std::string_view symbol = ConcentrationUnitSymbol(unit);
        EXPECT_EQ(ConcentrationUnitFromSymbol(symbol), unit) << symbol;
    }
    EXPECT_EQ(ConcentrationUnitFromSymbol("\xB5M"), Unit::Micromolar);
    EXPECT_EQ(ConcentrationUnitFromSymbol("\xB5g/mL"), Unit::UgPerML);
    for (const char* none : {"", "\xB5", "\xB5mM", "um", "n", "v/w", "OwnUnit"})
        EXPECT_EQ(ConcentrationUnitFromSymbol(none), std::nullopt) << none;
    EXPECT_EQ(ConcentrationUnitSymbol(Unit::OwnUnit), "");
    EXPECT_FALSE(IsConcentrationUnit(Unit::OwnUnit));
    EXPECT_FALSE(IsConcentrationUnit(static_cast<Unit>(16)));
    EXPECT_FALSE(IsLaterConcentrationUnit(Unit::Density));
    EXPECT_TRUE(IsLaterConcentrationUnit(Unit::Micromolar));
    EXPECT_EQ(ConcentrationUnitIndex(Unit::Micromolar), 8);
    EXPECT_EQ(ConcentrationUnitIndex(Unit::Normal), 14);
}

} // namespace
} // namespace solvo
