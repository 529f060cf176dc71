#include "quantities/ConcentrationUnit.h"
#include "quantities/DensityUnit.h"

#include <gtest/gtest.h>

#include <cmath>

namespace solvo {
namespace {

TEST(DensityUnit, ConvertsBothWays)
{
    EXPECT_DOUBLE_EQ(DensityToUnit(1.0, DensityUnit::PoundsPerCubicFoot), 62.42796058);
    EXPECT_NEAR(DensityFromUnit(16.6907, DensityUnit::PoundsPerGallon), 2.0, 5e-5);
    EXPECT_DOUBLE_EQ(DensityToUnit(1.05, DensityUnit::GramsPerLitre), 1050.0);
    EXPECT_DOUBLE_EQ(DensityFromUnit(1050.0, DensityUnit::KilogramsPerCubicMetre), 1.05);
    EXPECT_EQ(DensityToUnit(1.05, DensityUnit::GramsPerMillilitre), 1.05);
    EXPECT_TRUE(std::isnan(DensityToUnit(1.0, static_cast<DensityUnit>(5))));
    EXPECT_TRUE(std::isnan(DensityFromUnit(1.0, static_cast<DensityUnit>(-1))));
}

TEST(DensityUnit, LabelsFindTheirUnit)
{
    const char* labels[] = {"g/mL", "g/L", "kg/m3", "lb/ft3", "lb/gal"};
    for (std::int32_t code = 0; code < kDensityUnitCount; ++code) {
        const auto unit = static_cast<DensityUnit>(code);
        EXPECT_EQ(DensityUnitLabel(unit), labels[code]);
        EXPECT_EQ(DensityUnitFromLabel(labels[code]), unit);
    }
    EXPECT_EQ(DensityUnitLabel(static_cast<DensityUnit>(9)), "");
    EXPECT_FALSE(DensityUnitFromLabel("G/ML"));
}

TEST(ConcentrationUnit, SymbolsAreCaseSensitive)
{
    EXPECT_EQ(ConcentrationUnitFromSymbol("M"), ConcentrationUnit::Molar);
    EXPECT_EQ(ConcentrationUnitFromSymbol("m"), ConcentrationUnit::Molal);
    EXPECT_EQ(ConcentrationUnitFromSymbol("ppm"), ConcentrationUnit::Ppm);
    EXPECT_EQ(ConcentrationUnitFromSymbol("d"), ConcentrationUnit::Density);
    EXPECT_FALSE(ConcentrationUnitFromSymbol("MM"));
    EXPECT_FALSE(ConcentrationUnitFromSymbol("3"));
    EXPECT_EQ(ConcentrationUnitSymbol(ConcentrationUnit::OwnUnit), "");
    EXPECT_FALSE(IsConcentrationUnit(ConcentrationUnit::OwnUnit));
}

} // namespace
} // namespace solvo
