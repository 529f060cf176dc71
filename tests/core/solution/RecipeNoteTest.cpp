#include "solution/RecipeNote.h"

#include "formula/ElementTable.h"
#include "quantities/UnitLabels.h"
#include "substances/DefaultSubstances.h"
#include "substances/SolvoSubstance.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace solvo {
namespace {

constexpr std::int32_t kDigits = 4;

class RecipeNoteTest : public ::testing::Test {
protected:
    RecipeNoteTest() { elements.LoadDefaults(); }

    SolvoSubstance Substance(const char* name, const char* formula) const
    {
        SolvoSubstance component;
        component.SetName(name);
        component.SetFormula(formula);
        component.SetSourceFormula(formula);
        component.UpdateMolarMass(elements);
        component.SetConcentration(1.0, ConcentrationUnit::Molar);
        return component;
    }

    SolvoSubstance BuiltIn(const char* name) const
    {
        const std::vector<SolvoSubstance> all = DefaultSubstances(elements);
        const auto found = std::find_if(all.begin(), all.end(), [&](const SolvoSubstance& s) {
            return s.Name() == name;
        });
        EXPECT_NE(found, all.end()) << name;
        SolvoSubstance component = SolvoSubstance::CopyOf(*found);
        component.SetConcentration(1.0, ConcentrationUnit::Molar);
        return component;
    }

    static SolvoSubstance FromStock(SolvoSubstance component, double value, ConcentrationUnit unit)
    {
        component.SetSource(SourceKind::StockSolution);
        component.SetUseStockSolution(true);
        component.SetStockConcentration(value);
        component.SetStockUnit(unit);
        return component;
    }

    static SolvoSubstance FromOther(SolvoSubstance component, double value, ConcentrationUnit unit)
    {
        component.SetSource(SourceKind::OtherSolution);
        component.SetOtherConcentration(value);
        component.SetOtherUnit(unit);
        return component;
    }

    SolvoSubstance WeighedAs(SolvoSubstance component, const char* source) const
    {
        component.SetSource(SourceKind::OtherSubstance);
        component.SetSourceFormula(source);
        component.UpdateSourceMolarMass(elements);
        return component;
    }

    static SolvoSubstance Given(SolvoSubstance component, double value, ConcentrationUnit unit)
    {
        component.SetUnit(unit);
        component.SetConcentration(value, unit);
        return component;
    }

    std::vector<std::string> Texts(const SolvoSubstance& component) const
    {
        return NoteTexts(ComponentNotes(component, elements), UnitLabels::Defaults(), kDigits);
    }

    ElementTable elements;
};

constexpr const char* kNitricAcid =
    "No density table for nitric acid: 1 g/mL was assumed; the amount of a concentrated stock "
    "may be far off.";

TEST_F(RecipeNoteTest, SaysWhatEachComponentRestsOn)
{
    const SolvoSubstance nitric = Substance("nitric acid", "HNO_3");
    const SolvoSubstance sodiumHydroxide = BuiltIn("sodium hydroxide");
    using Unit = ConcentrationUnit;
    const struct {
        const char* what;
        SolvoSubstance component;
        std::vector<std::string> texts;
    } cases[] = {
        {"stock by mass, no table", FromStock(nitric, 69.6, Unit::PercentWW), {kNitricAcid}},
        {"other solution in ppm, no table", FromOther(nitric, 1000, Unit::Ppm), {kNitricAcid}},
        {"stock by molality, no table", FromStock(nitric, 2, Unit::Molal), {kNitricAcid}},
        {"stock as mole fraction, no table", FromStock(nitric, 0.1, Unit::MoleFraction), {kNitricAcid}},
        {"stock by density, no table", FromStock(nitric, 1.4, Unit::Density), {kNitricAcid}},
        {"target by mass, no table", Given(nitric, 5, Unit::PercentWW), {kNitricAcid}},
        // Told once, though both the target and the stock rest on it.
        {"target and stock by mass", FromStock(Given(nitric, 5, Unit::PercentWW), 69.6, Unit::PercentWW),
         {kNitricAcid}},
        // Units that need no density need no table.
        {"stock in mol/L", FromStock(nitric, 15.8, Unit::Molar), {}},
        {"stock in % w/v", FromStock(nitric, 10, Unit::PercentWV), {}},
        {"solid in mmol/L", Given(nitric, 5, Unit::Millimolar), {}},
        {"stock inside its table", FromStock(sodiumHydroxide, 30, Unit::PercentWW), {}},
        {"stock beyond its table",
         FromStock(sodiumHydroxide, 50.5, Unit::PercentWW),
         {"50.5 % w/w is outside the density table for sodium hydroxide: 1.52 g/mL was assumed; "
          "the volume to measure may be far off."}},
        {"other solution beyond its table",
         FromOther(sodiumHydroxide, 2e6, Unit::Ppm),
         {"2e+06 ppm is outside the density table for sodium hydroxide: 1.52 g/mL was assumed; "
          "the volume to measure may be far off."}},
        {"weighed form holds it twice",
         WeighedAs(Substance("arsenic", "As"), "As_2O_3"),
         {"As2O3 holds 2 As per formula unit: one formula unit is weighed for every 2 As."}},
        {"weighed form does not hold it",
         WeighedAs(Substance("sodium carbonate", "Na_2CO_3"), "NaOH"),
         {"NaOH does not hold Na2CO3: no mass can be given for sodium carbonate."}},
        {"a hydrate", WeighedAs(Substance("copper sulfate", "CuSO_4"), "CuSO_4&5H_2O"), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Texts(c.component), c.texts) << c.what;
}

TEST_F(RecipeNoteTest, EachNoteNamesItsField)
{
    const SolvoSubstance nitric =
        FromStock(Given(Substance("nitric acid", "HNO_3"), 5, ConcentrationUnit::Ppm), 69.6,
                  ConcentrationUnit::PercentWW);
    const std::vector<RecipeNote> notes = ComponentNotes(nitric, elements);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].field, CompositionField::Concentration);
    EXPECT_EQ(notes[1].field, CompositionField::SourceValue);

    const std::vector<RecipeNote> weighed =
        ComponentNotes(WeighedAs(Substance("sodium", "Na"), "Na_2SO_4"), elements);
    ASSERT_EQ(weighed.size(), 1u);
    EXPECT_EQ(weighed[0].field, CompositionField::SourceFormula);
    EXPECT_EQ(weighed[0].multiple, 2);
}

} // namespace
} // namespace solvo
