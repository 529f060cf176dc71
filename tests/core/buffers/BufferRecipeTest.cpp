#include "BufferTestSupport.h"

#include "buffers/BufferError.h"
#include "buffers/BufferModel.h"
#include "buffers/BufferRecipe.h"

#include <gtest/gtest.h>

namespace solvo::test {
namespace {

const BufferCatalogue& Catalogue()
{
    return BufferCatalogue::BuiltIn();
}

// 0.1 M sodium phosphate at pH 7.4 from the hydrates on the shelf: the
// published 19/81 ratio lies within 0.05 pH of what the program finds, and
// the grams for a litre follow from the hydrates' molar masses.
TEST(BufferRecipe, SodiumPhosphatePairGivesThePublishedRatio)
{
    const BuiltInForms forms;
    const BufferModel model(Catalogue(), 25.0);
    const BufferForm acid = forms("NaH2PO4.H2O");
    const BufferForm base = forms("Na2HPO4.7H2O");
    const auto share = [&](double pH) {
        return BufferRecipe::ForPair(model, acid, base, 0.1, {}, pH).Ingredients()[1].molPerL / 0.1;
    };
    EXPECT_LT(share(7.35), 0.81);
    EXPECT_GT(share(7.45), 0.81);

    const BufferRecipe recipe = BufferRecipe::ForPair(model, acid, base, 0.1, {}, 7.4);
    const auto& ingredients = recipe.Ingredients();
    ASSERT_EQ(ingredients.size(), 2u);
    EXPECT_NEAR(ingredients[0].molPerL + ingredients[1].molPerL, 0.1, 1e-12);
    EXPECT_NEAR(recipe.Solution().pH, 7.4, 1e-6);
    EXPECT_NEAR(ingredients[0].Grams(1.0), ingredients[0].molPerL * 137.99, 0.01);
    EXPECT_NEAR(ingredients[1].Grams(1.0), ingredients[1].molPerL * 268.07, 0.01);
    EXPECT_DOUBLE_EQ(ingredients[1].Millilitres(1.0), 0.0);
    EXPECT_TRUE(recipe.Warnings().empty());
}

// Tris brought to pH 8.0 with 1 M HCl at 25 °C: the volume of acid, and the
// pH the same amounts show at 37 °C, about 0.03 lower per degree.
TEST(BufferRecipe, TrisTitratedWithHydrochloricAcidAndWarmed)
{
    const BuiltInForms forms;
    const BufferModel room(Catalogue(), 25.0);
    const BufferRecipe recipe =
        BufferRecipe::ForTitration(room, forms("C4H11NO3"), 0.05, forms("HCl"), 1.0, {}, 8.0);
    const BufferIngredient& acid = recipe.Ingredients()[1];
    EXPECT_NEAR(acid.molPerL, 0.0296, 0.0010);
    EXPECT_NEAR(acid.Millilitres(1.0), acid.molPerL * 1000.0, 1e-9);
    EXPECT_DOUBLE_EQ(acid.Grams(1.0), 0.0);
    EXPECT_NEAR(recipe.Solution().pH, 8.0, 1e-6);

    const double warm = BufferModel(Catalogue(), 37.0).Solve(recipe.Amounts()).pH;
    EXPECT_NEAR(warm - 8.0, -0.33, 0.05);
}

TEST(BufferRecipe, CitricAcidWithPhosphateIsOneBalance)
{
    const BuiltInForms forms;
    const BufferModel model(Catalogue(), 25.0);
    const BufferRecipe recipe =
        BufferRecipe::ForPair(model, forms("C6H8O7"), forms("Na2HPO4"), 0.15, {}, 5.0);
    EXPECT_NEAR(recipe.Solution().pH, 5.0, 1e-6);
    EXPECT_GT(recipe.Ingredients()[0].molPerL, 0.0);
    EXPECT_GT(recipe.Ingredients()[1].molPerL, 0.0);
}

TEST(BufferRecipe, SaltCountsForTheIonicStrength)
{
    const BuiltInForms forms;
    const BufferModel model(Catalogue(), 25.0);
    const BufferRecipe plain = BufferRecipe::ForPair(model, forms("NaH2PO4"), forms("Na2HPO4"), 0.01, {}, 7.2);
    const BufferRecipe saline =
        BufferRecipe::ForPair(model, forms("NaH2PO4"), forms("Na2HPO4"), 0.01, {{forms("NaCl"), 0.15, 0.0}}, 7.2);
    EXPECT_NEAR(saline.Solution().ionicStrength - plain.Solution().ionicStrength, 0.15, 0.005);
    // Salt lowers the apparent pK: at the same pH more of the base form is there.
    EXPECT_GT(saline.Ingredients()[1].molPerL, plain.Ingredients()[1].molPerL);
    ASSERT_EQ(saline.Ingredients().size(), 3u);
    EXPECT_EQ(saline.Ingredients()[2].form.formula, "NaCl");
}

TEST(BufferRecipe, RefusesAPhTheFormsCannotReachAndNamesTheRange)
{
    const BuiltInForms forms;
    const BufferModel model(Catalogue(), 25.0);
    const auto message = [](auto make) {
        try {
            make();
        } catch (const BufferError& error) {
            return std::string(error.what());
        }
        return std::string("accepted");
    };
    const std::string pair = message([&] {
        BufferRecipe::ForPair(model, forms("NaH2PO4"), forms("Na2HPO4"), 0.1, {}, 10.0);
    });
    EXPECT_NE(pair.find("pH 10 cannot be reached with these forms: they give pH 4.48 to 9.22."), std::string::npos) << pair;
    // Acid lowers the pH of Tris: above Tris alone there is no way.
    const std::string up = message([&] {
        BufferRecipe::ForTitration(model, forms("C4H11NO3"), 0.05, forms("HCl"), 1.0, {}, 11.5);
    });
    EXPECT_NE(up.find("cannot be reached"), std::string::npos) << up;
    // A litre of 0.01 M stock holds too little acid for pH 7.
    const std::string stock = message([&] {
        BufferRecipe::ForTitration(model, forms("C4H11NO3"), 0.05, forms("HCl"), 0.01, {}, 7.0);
    });
    EXPECT_NE(stock.find("cannot be reached"), std::string::npos) << stock;
    EXPECT_NE(message([&] { BufferRecipe::ForTitration(model, forms("C4H11NO3"), 0.05, forms("NaCl"), 1.0, {}, 8.0); })
                  .find("neither a strong acid nor a strong base"),
              std::string::npos);
    EXPECT_NE(message([&] { BufferRecipe::ForTitration(model, forms("NaOH"), 0.05, forms("HCl"), 1.0, {}, 8.0); })
                  .find("no form of a buffer system"),
              std::string::npos);
    EXPECT_NE(message([&] { BufferRecipe::ForPair(model, forms("HCl"), forms("NaOH"), 0.1, {}, 7.0); })
                  .find("no forms of a buffer system"),
              std::string::npos);
}

TEST(BufferRecipe, WarnsOfATargetFarFromEveryPk)
{
    const BuiltInForms forms;
    const BufferModel model(Catalogue(), 25.0);
    const BufferRecipe far = BufferRecipe::ForPair(model, forms("CH3COOH"), forms("CH3COONa"), 0.1, {}, 6.5);
    ASSERT_EQ(far.Warnings().size(), 1u);
    EXPECT_NE(far.Warnings()[0].find("more than 1 pH unit from every pK of the buffer (4.756)"), std::string::npos)
        << far.Warnings()[0];
    EXPECT_TRUE(BufferRecipe::ForPair(model, forms("CH3COOH"), forms("CH3COONa"), 0.1, {}, 5.0).Warnings().empty());
}

} // namespace
} // namespace solvo::test
