#include "BufferTestSupport.h"

#include "buffers/BufferAmounts.h"
#include "buffers/BufferModel.h"
#include "buffers/BufferWarnings.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>

namespace solvo::test {
namespace {

// Every published composition of the cases file agrees with its stated pH
// within the accuracy its source claims; where the activity model is known
// not to hold, the result must carry a warning instead.
TEST(BufferCases, EveryPublishedCaseAgreesOrWarns)
{
    std::ifstream file(SOLVO_TEST_DATA_DIR "/buffers/cases.json");
    ASSERT_TRUE(file) << "cases.json is missing";
    const nlohmann::json cases = nlohmann::json::parse(file).at("cases");
    ASSERT_FALSE(cases.empty());
    const BuiltInForms forms;
    const BufferCatalogue& catalogue = BufferCatalogue::BuiltIn();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.at("id").get<std::string>());
        const BufferModel model(catalogue, c.at("temperature_C").get<double>());
        BufferAmounts amounts(catalogue.Systems().size());
        for (const auto& form : c.at("forms"))
            amounts.Add(forms(form.at("formula").get<std::string>()), form.at("mol_per_L").get<double>());
        const BufferSolution solution = model.Solve(amounts);
        if (c.value("outside_model_range", false))
            EXPECT_FALSE(BufferWarnings::ForSolution(model, solution).empty()) << "pH " << solution.pH;
        else
            EXPECT_NEAR(solution.pH, c.at("expected_pH").get<double>(), c.at("tolerance_pH").get<double>());
    }
}

} // namespace
} // namespace solvo::test
