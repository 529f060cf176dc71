#include "substances/SolvoSubstanceDatabase.h"

#include "formula/ElementTable.h"

#include <gtest/gtest.h>

namespace solvo {
namespace {

class DefaultSubstancesTest : public ::testing::Test {
protected:
    DefaultSubstancesTest()
    {
        elements.LoadDefaults();
        database.LoadDefaultSubstances(elements);
    }

    const SolvoSubstance& Get(const char* name) const
    {
        const SolvoSubstance* substance = database.FindByName(name);
        EXPECT_NE(substance, nullptr) << name;
        return *substance;
    }

    ElementTable elements;
    SolvoSubstanceDatabase database;
};

TEST_F(DefaultSubstancesTest, TenSubstancesInOrderWithTheirFields)
{
    struct Expected {
        const char* name;
        const char* formula;
        std::size_t alternatives;
        bool noSolid;
        bool useStock;
        double stock;
        std::int32_t stockUnit;
        bool standard;
        std::size_t rows;
        double molarMass;
    };
    const Expected expected[] = {
        {"sodium hydroxide", "NaOH", 0, false, false, 0, 8, false, 54, 39.99710928},
        {"acetic acid", "C2H4O2", 0, true, true, 100, 3, false, 101, 60.05196},
        {"sulfuric acid", "H2SO4", 0, true, true, 98, 3, false, 51, 98.07848},
        {"TRIS", "C4H11O3N", 0, false, true, 1, 0, false, 27, 121.13504},
        {"sodium tetraborate - standard", "Na2B4O7", 1, false, false, 0, 8, true, 4, 201.21933856},
        {"magnesium chloride", "MgCl2", 5, false, false, 0, 8, false, 7, 95.211},
        {"hydrochloric acid", "HCl", 0, true, true, 36, 3, false, 24, 36.46094},
        {"ethanol", "C2H6O", 0, true, false, 0, 8, false, 29, 46.06844},
        {"sodium chloride", "NaCl", 0, false, false, 0, 8, false, 15, 58.44276928},
        {"potassium dihydrogen phosphate", "KH2PO4", 0, false, false, 0, 8, false, 9, 136.085542},
    };
    ASSERT_EQ(database.GetSubstanceCount(), 10);
    EXPECT_FALSE(database.IsModified());
    for (std::int32_t i = 0; i < 10; ++i) {
        const Expected& e = expected[i];
        const SolvoSubstance& s = database.GetSubstance(i);
        SCOPED_TRACE(e.name);
        EXPECT_EQ(s.Name(), e.name);
        EXPECT_EQ(s.Formula(), e.formula);
        EXPECT_EQ(s.Alternatives().size(), e.alternatives);
        EXPECT_EQ(s.NoSolid(), e.noSolid);
        EXPECT_EQ(s.UseStockSolution(), e.useStock);
        EXPECT_EQ(s.StockConcentration(), e.stock);
        EXPECT_EQ(static_cast<std::int32_t>(s.StockUnit()), e.stockUnit);
        EXPECT_EQ(s.StandardSubstance(), e.standard);
        EXPECT_FALSE(s.Table().NoTable());
        EXPECT_EQ(s.Table().Kind(), DensityTableKind::PercentWW);
        EXPECT_EQ(s.Table().Rows().size(), e.rows);
        EXPECT_NEAR(s.MolarMass(), e.molarMass, 1e-9);
        EXPECT_EQ(s.Source(), SourceKind::AboveSubstance);
        EXPECT_EQ(s.SourceFormula(), "");
        EXPECT_EQ(s.ReservedText(), "");
        EXPECT_EQ(s.ReservedNumber(), 3);
        EXPECT_EQ(s.Unit(), ConcentrationUnit::Molar);
        EXPECT_EQ(s.GetConcentration(ConcentrationUnit::Molar), 0.0);
    }
    EXPECT_EQ(database.FindIndexByName("TRIS"), 3);
}

TEST_F(DefaultSubstancesTest, TableTextsToTheByte)
{
    EXPECT_EQ(Get("sodium tetraborate - standard").Table().Text(),
              "0.00 0.9991\r\n1.00 1.0084\r\n2.00 1.0179\r\n3.00 1.0274");
    EXPECT_EQ(Get("magnesium chloride").Table().Text(),
              "0.00 0.9982\r\n2.00 1.0150\r\n8.00 1.0654\r\n14.00 1.1188\r\n20.00 1.1757\r\n"
              "26.00 1.2353\r\n32.00 1.2998");
    const std::string& sulfuric = Get("sulfuric acid").Table().Text();
    // One space opens the 2nd to 6th lines.
    EXPECT_TRUE(sulfuric.starts_with("0.00 0.9991\r\n 2.00 1.0118\r\n 4.00 1.0250\r\n"
                                     " 6.00 1.0385\r\n 8.00 1.0522\r\n 10.00 1.0661\r\n"
                                     "12.00 1.0802\r\n"));
    EXPECT_TRUE(sulfuric.ends_with("98.00 1.8361\r\n100.00 1.8305\r\n"));
    EXPECT_TRUE(Get("TRIS").Table().Text().ends_with("\r\n38.00 1.1016\r\n40.00 1.1076\r\n"));
    EXPECT_TRUE(Get("sodium chloride").Table().Text().starts_with("0.00 0.9982\r\n1 1.0053\r\n2 "));
    EXPECT_TRUE(Get("ethanol").Table().Text().ends_with("99.00 0.79315\r\n100.00 0.79008"));
    // 13 rows below 10 % of 11 characters, 41 of 12, 53 line breaks.
    EXPECT_EQ(Get("sodium hydroxide").Table().Text().size(), 13u * 11u + 41u * 12u + 53u * 2u);
}

TEST_F(DefaultSubstancesTest, TablesBehaveAsChemistryExpects)
{
    EXPECT_EQ(Get("magnesium chloride").Alternatives(),
              (std::vector<std::string>{"MgCl_2&2H_2O", "MgCl_2&4H_2O", "MgCl_2&6H_2O",
                                        "MgCl_2&8H_2O", "MgCl_2&12H_2O"}));
    EXPECT_EQ(Get("sodium tetraborate - standard").Alternatives(),
              std::vector<std::string>{"Na_2B_4O_7&10H_2O"});

    // Acetic acid reaches 1.0695 g/mL below and above its maximum of 1.0700.
    SolvoSubstance acetic = SolvoSubstance::CopyOf(Get("acetic acid"));
    acetic.SetConcentration(1.0695, ConcentrationUnit::Density);
    EXPECT_TRUE(acetic.Table().IsAmbiguous());

    const auto& sulfuric = Get("sulfuric acid").Table();
    EXPECT_EQ(sulfuric.MaxDensity(), 1.8361);
    EXPECT_EQ(sulfuric.Rows().back().d, 1.8305);
    EXPECT_EQ(Get("ethanol").Table().MinDensity(), 0.79008);
}

} // namespace
} // namespace solvo
