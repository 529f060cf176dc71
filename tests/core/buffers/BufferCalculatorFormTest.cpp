#include "BufferTestSupport.h"

#include "buffers/BufferCalculatorForm.h"
#include "buffers/BufferError.h"
#include "buffers/BufferModel.h"
#include "buffers/BufferRecipe.h"
#include "quantities/FieldTransfer.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace solvo::test {
namespace {

constexpr std::int32_t kDigits = 6;

class BufferCalculatorFormTest : public ::testing::Test {
protected:
    BufferCalculatorFormTest() { elements_.LoadDefaults(); }

    BufferCalculatorForm Open(const std::vector<std::string>& shelf = {}, double millilitres = 1000.0) const
    {
        return BufferCalculatorForm(elements_, shelf, millilitres, kDigits);
    }

    static void Select(BufferCalculatorForm& form, BufferList list, const std::string& item)
    {
        const auto& items = form.Items(list);
        const auto found = std::find(items.begin(), items.end(), item);
        ASSERT_NE(found, items.end()) << item;
        EXPECT_FALSE(form.Choose(list, static_cast<int>(found - items.begin())));
    }

    ElementTable elements_;
    BuiltInForms forms_;
};

// The dialog opens on sodium phosphate at pH 7.4, and shows what the
// chemistry computes for it, for the solution's volume; OK hands over one
// component per salt, in M.
TEST_F(BufferCalculatorFormTest, PhosphatePairShowsTheChemistrysNumbers)
{
    BufferCalculatorForm form = Open({}, 500.0);
    EXPECT_EQ(form.Items(BufferList::System)[static_cast<std::size_t>(form.Selection(BufferList::System))],
              "phosphoric acid");
    EXPECT_EQ(form.Text(BufferField::Volume), "500");

    const BufferModel model(BufferCatalogue::BuiltIn(), 25.0);
    const BufferRecipe recipe = BufferRecipe::ForPair(model, forms_("NaH2PO4"), forms_("Na2HPO4"), 0.1, {}, 7.4);
    ASSERT_EQ(form.Lines().size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const BufferIngredient& ingredient = recipe.Ingredients()[i];
        EXPECT_EQ(form.Lines()[i].formula, ingredient.form.formula);
        EXPECT_EQ(form.Lines()[i].molar, FieldText(ingredient.molPerL, kDigits));
        EXPECT_EQ(form.Lines()[i].amount, FieldText(ingredient.Grams(0.5), kDigits) + " g");
    }
    EXPECT_EQ(form.ResultPh(), FieldText(recipe.Solution().pH, kDigits));
    EXPECT_EQ(form.IonicStrength(), FieldText(recipe.Solution().ionicStrength, kDigits));
    EXPECT_EQ(form.Capacity(), FieldText(recipe.Solution().capacity, kDigits));
    EXPECT_TRUE(form.PhAtUse().empty());
    EXPECT_TRUE(form.Notes().empty());
    // The curve runs from the acid form alone to the base form alone,
    // through the target.
    ASSERT_FALSE(form.Curve().empty());
    EXPECT_LT(form.Curve().front().pH, 7.4);
    EXPECT_GT(form.Curve().back().pH, 7.4);
    EXPECT_NEAR(form.Target().x, recipe.Ingredients()[1].molPerL / 0.1, 1e-12);

    EXPECT_FALSE(form.Accept());
    const std::vector<SolvoSubstance> components = form.Components();
    ASSERT_EQ(components.size(), 2u);
    EXPECT_EQ(components[1].Formula(), "Na2HPO4");
    EXPECT_EQ(components[1].Unit(), ConcentrationUnit::Molar);
    EXPECT_NEAR(components[1].GetConcentration(ConcentrationUnit::Molar), recipe.Ingredients()[1].molPerL, 1e-12);
    EXPECT_NEAR(components[1].MolarMass(), forms_("Na2HPO4").molarMass, 1e-9);
    EXPECT_EQ(components[1].Source(), SourceKind::AboveSubstance);
}

// The shelf's hydrates join the system's forms once each; what is no
// buffer form stays out; the chosen hydrate's molar mass gives the grams.
TEST_F(BufferCalculatorFormTest, ShelfHydratesAreOfferedAndWeighed)
{
    BufferCalculatorForm form = Open({"Na_2HPO_4&7H_2O", "NaH2PO4", "NaCl", "C6H12O6", "Xq"});
    const auto& items = form.Items(BufferList::BaseForm);
    EXPECT_EQ(std::count(items.begin(), items.end(), "NaH2PO4"), 1);
    EXPECT_EQ(std::count(items.begin(), items.end(), "NaCl"), 0);
    EXPECT_EQ(items, form.Items(BufferList::AcidForm));
    Select(form, BufferList::BaseForm, "Na_2HPO_4&7H_2O");
    ASSERT_EQ(form.Lines().size(), 2u);
    const BufferModel model(BufferCatalogue::BuiltIn(), 25.0);
    const BufferRecipe recipe =
        BufferRecipe::ForPair(model, forms_("NaH2PO4"), forms_("Na2HPO4.7H2O"), 0.1, {}, 7.4);
    EXPECT_EQ(form.Lines()[1].amount, FieldText(recipe.Ingredients()[1].Grams(1.0), kDigits) + " g");
}

// Tris brought to pH 8.0 with 1 M HCl: the millilitres of acid, the pH at
// 37 °C, and a component measured from its stock.
TEST_F(BufferCalculatorFormTest, TrisTitratedWithHydrochloricAcid)
{
    BufferCalculatorForm form = Open();
    Select(form, BufferList::System, "Tris");
    Select(form, BufferList::Method, "one form and a strong acid or base");
    const auto& tris = form.Items(BufferList::AcidForm);
    EXPECT_NE(std::find(tris.begin(), tris.end(), "C4H11NO3&HCl"), tris.end());
    EXPECT_FALSE(form.Visible(BufferList::BaseForm));
    EXPECT_TRUE(form.Visible(BufferList::Titrant));
    EXPECT_TRUE(form.Enabled(BufferField::StockMolar));
    EXPECT_EQ(form.Items(BufferList::AcidForm)[static_cast<std::size_t>(form.Selection(BufferList::AcidForm))],
              "C4H11NO3");
    EXPECT_EQ(form.Items(BufferList::Titrant)[static_cast<std::size_t>(form.Selection(BufferList::Titrant))], "HCl");
    EXPECT_FALSE(form.Type(BufferField::TargetPh, "8.0"));
    EXPECT_FALSE(form.Type(BufferField::Total, "0.05"));
    EXPECT_FALSE(form.Type(BufferField::UseTemperature, "37"));

    const BufferModel room(BufferCatalogue::BuiltIn(), 25.0);
    const BufferRecipe recipe =
        BufferRecipe::ForTitration(room, forms_("C4H11NO3"), 0.05, forms_("HCl"), 1.0, {}, 8.0);
    ASSERT_EQ(form.Lines().size(), 2u);
    EXPECT_EQ(form.Lines()[1].amount, FieldText(recipe.Ingredients()[1].Millilitres(1.0), kDigits) + " mL");
    const double warm = BufferModel(BufferCatalogue::BuiltIn(), 37.0).Solve(recipe.Amounts()).pH;
    EXPECT_EQ(form.PhAtUse(), FieldText(warm, kDigits));
    EXPECT_EQ(form.CurveAxis(), "HCl, mL");
    EXPECT_NEAR(form.Target().x, recipe.Ingredients()[1].Millilitres(1.0), 1e-9);

    EXPECT_FALSE(form.Accept());
    const std::vector<SolvoSubstance> components = form.Components();
    ASSERT_EQ(components.size(), 2u);
    EXPECT_EQ(components[1].Formula(), "HCl");
    EXPECT_EQ(components[1].Source(), SourceKind::StockSolution);
    EXPECT_TRUE(components[1].UseStockSolution());
    EXPECT_DOUBLE_EQ(components[1].StockConcentration(), 1.0);
}

// A pH the pair cannot reach: no amounts, the chemistry's refusal with the
// range, and OK refuses with it.
TEST_F(BufferCalculatorFormTest, UnreachablePhShowsTheRefusal)
{
    BufferCalculatorForm form = Open();
    EXPECT_FALSE(form.Type(BufferField::TargetPh, "11"));
    std::string refusal;
    try {
        const BufferModel model(BufferCatalogue::BuiltIn(), 25.0);
        BufferRecipe::ForPair(model, forms_("NaH2PO4"), forms_("Na2HPO4"), 0.1, {}, 11.0);
    } catch (const BufferError& error) {
        refusal = error.what();
    }
    ASSERT_FALSE(refusal.empty());
    EXPECT_TRUE(form.Lines().empty());
    EXPECT_TRUE(form.Curve().empty());
    EXPECT_EQ(form.Notes(), std::vector<std::string>{refusal});
    const auto message = form.Accept();
    ASSERT_TRUE(message);
    EXPECT_EQ(message->field, BufferField::TargetPh);
    EXPECT_EQ(message->text, refusal);
    EXPECT_TRUE(form.Components().empty());
}

// The program's number rules: no number (or "???") gives its message and
// keeps the text typed; out of range is red and OK names the range; an
// empty temperature of use is none; the total keeps its amount in mM.
TEST_F(BufferCalculatorFormTest, FieldsFollowTheNumberRules)
{
    BufferCalculatorForm form = Open();
    for (const char* text : {"abc", "???"}) {
        const auto message = form.Type(BufferField::Total, text);
        ASSERT_TRUE(message) << text;
        EXPECT_EQ(message->field, BufferField::Total);
        EXPECT_EQ(message->text, kEnterNumberMessage);
        EXPECT_EQ(form.Text(BufferField::Total), text);
        EXPECT_TRUE(form.Lines().empty());
        EXPECT_TRUE(form.Accept());
    }
    EXPECT_FALSE(form.Type(BufferField::Total, "0.1"));
    EXPECT_FALSE(form.Type(BufferField::UseTemperature, " "));
    EXPECT_EQ(form.Lines().size(), 2u);

    struct Case {
        BufferField field;
        const char* text;
        const char* refusal;
    };
    for (const Case& one : {Case{BufferField::TargetPh, "15", "Enter a number from 0 to 14."},
                            Case{BufferField::Total, "0", "Enter a number above 0, up to 100."},
                            Case{BufferField::Temperature, "-5", "Enter a number from 0 to 100."},
                            Case{BufferField::Salt, "-0.1", "Enter a number from 0 to 100."}}) {
        BufferCalculatorForm fresh = Open();
        EXPECT_FALSE(fresh.Type(one.field, one.text));
        EXPECT_TRUE(fresh.Red(one.field)) << one.text;
        EXPECT_TRUE(fresh.Lines().empty());
        const auto message = fresh.Accept();
        ASSERT_TRUE(message);
        EXPECT_EQ(message->field, one.field);
        EXPECT_EQ(message->text, one.refusal);
    }

    Select(form, BufferList::TotalUnit, "mM");
    EXPECT_EQ(form.Text(BufferField::Total), "100");
    EXPECT_EQ(form.Lines().size(), 2u);
    // In mM the range is judged and named in mM.
    EXPECT_FALSE(form.Type(BufferField::Total, "5000"));
    EXPECT_FALSE(form.Red(BufferField::Total));
    EXPECT_FALSE(form.Type(BufferField::Total, "200000"));
    const auto tooMuch = form.Accept();
    ASSERT_TRUE(tooMuch);
    EXPECT_EQ(tooMuch->text, "Enter a number above 0, up to 1e+05.");
    EXPECT_FALSE(form.Enabled(BufferField::StockMolar));
}

} // namespace
} // namespace solvo::test
