#include "calculators/ConcentrationCalculatorForm.h"
#include "formula/ElementTable.h"
#include "formula/FormulaFrame.h"
#include "solution/CompositionForm.h"
#include "solution/CompositionSolver.h"
#include "solution/RecipeGenerator.h"
#include "solution/RecipeTemplate.h"
#include "substances/SolvoSubstanceDatabase.h"
#include "substances/SubstanceDatabaseForm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

// Every number that a help page quotes as the program's answer stands in a
// <span class="shown" id="..."> (the help viewer draws such a span as plain
// text). Each page's steps are followed here through the forms and the
// recipe that the windows use, and every marked number must be exactly the
// text the program shows at that point, so the pages cannot drift away from
// the program.

namespace solvo {
namespace {

using Field = CompositionField;
using List = CompositionList;
using Numbers = std::map<std::string, std::string>;

Numbers MarkedNumbers(std::string_view page)
{
    std::ifstream file(std::filesystem::path(SOLVO_HELP_DIR) / page, std::ios::binary);
    EXPECT_TRUE(file) << page;
    const std::string html{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    static const std::regex marked(R"re(<span class="shown" id="([^"]+)">([^<]*)</span>)re");
    Numbers numbers;
    for (auto match = std::sregex_iterator(html.begin(), html.end(), marked);
         match != std::sregex_iterator(); ++match)
        EXPECT_TRUE(numbers.emplace((*match)[1], (*match)[2]).second) << "twice: " << (*match)[1];
    return numbers;
}

class HelpExamplesTest : public ::testing::Test {
protected:
    HelpExamplesTest()
    {
        elements.LoadDefaults();
        database.LoadDefaultSubstances(elements);
    }

    // A new solution in its composition window (File > New).
    class Solution {
    public:
        explicit Solution(HelpExamplesTest& test)
            : test_(test), form_(document_, test.elements, test.units, kDisplayDigits)
        {
            form_.Open();
        }

        CompositionForm& Form() { return form_; }

        // Types text as a user does, every keystroke handled on its own.
        void Key(Field field, std::string_view text)
        {
            for (std::size_t length = 1; length <= text.size(); ++length)
                ASSERT_FALSE(form_.Type(field, std::string(text.substr(0, length))).invalidField);
        }

        void Choose(List list, std::string_view item)
        {
            const auto& items = form_.Items(list);
            const auto found = std::find(items.begin(), items.end(), item);
            ASSERT_NE(found, items.end()) << item;
            form_.Choose(list, static_cast<std::int32_t>(found - items.begin()));
        }

        // "database", the substance's row, "Use".
        void ChooseFromDatabase(std::string_view name)
        {
            SubstanceDatabaseForm dialog = test_.DatabaseDialog(form_.DatabaseCopy(), name);
            ASSERT_EQ(dialog.Press(SubstanceDatabaseButton::Use).close, DialogClose::Ok);
            form_.UseDatabaseSubstance(dialog.Current());
        }

        // The molar mass that a formula frame draws under formula.
        std::string FrameCaption(std::string_view formula) const
        {
            FormulaFrame frame(test_.elements);
            frame.SetFormulaText(formula, true);
            return frame.Caption();
        }

        // The amount a recipe step asks for: grams to weigh or volume to add.
        std::string RecipeAmount(std::size_t component) const
        {
            const RecipePlan plan = SolveComposition(document_, test_.elements);
            RecipeOptions options;
            options.displayDigits = kDisplayDigits;
            std::vector<std::string> steps;
            for (const RecipeLine& line : GenerateRecipe(document_, plan, RecipeTemplate(), options)) {
                if (line.role == LineRole::ComponentStep)
                    steps.push_back(line.text);
            }
            if (component >= steps.size())
                return "(no step)";
            static const std::regex amount(R"((?:Weigh|weigh about|Add) (\S+))");
            std::smatch match;
            return std::regex_search(steps[component], match, amount) ? match[1].str()
                                                                      : steps[component];
        }

        // The concentration the recipe's summary of component states.
        std::string SummaryConcentration(std::size_t component) const
        {
            const RecipePlan plan = SolveComposition(document_, test_.elements);
            std::vector<std::string> summaries;
            for (const RecipeLine& line : GenerateRecipe(document_, plan, RecipeTemplate(), {})) {
                if (line.role == LineRole::Summary)
                    summaries.push_back(line.text);
            }
            if (component >= summaries.size())
                return "(no summary)";
            return summaries[component].substr(0, summaries[component].find(' '));
        }

    private:
        HelpExamplesTest& test_;
        CSolvoDoc document_;
        CompositionForm form_;
    };

    // The substance database dialog opened to choose a substance for current,
    // with the named substance's row selected.
    SubstanceDatabaseForm DatabaseDialog(SolvoSubstance current, std::string_view name)
    {
        SubstanceDatabaseForm dialog(database, elements, units, kDisplayDigits,
                                     DatabaseDialogMode::Choosing, std::move(current));
        dialog.Open();
        const auto& rows = dialog.Rows();
        const auto row = std::find_if(rows.begin(), rows.end(),
                                      [name](const SubstanceListRow& r) { return r.text == name; });
        EXPECT_NE(row, rows.end()) << name;
        if (row != rows.end())
            dialog.SelectRow(static_cast<std::int32_t>(row - rows.begin()));
        return dialog;
    }

    static constexpr std::int32_t kDisplayDigits = 4;

    ElementTable elements;
    SolvoSubstanceDatabase database;
    UnitLabels units = UnitLabels::Defaults();
};

TEST_F(HelpExamplesTest, FirstSolutionTutorialQuotesWhatTheFormShows)
{
    Solution solution(*this);
    solution.Key(Field::Name, "sodium chloride");
    solution.Key(Field::Formula, "NaCl");
    const std::string frame = solution.FrameCaption(solution.Form().FormulaFrameText());
    solution.Key(Field::Concentration, "0.1000");
    solution.Key(Field::FinalVolume, "500");
    solution.Choose(List::VolumeUnit, "mL");

    const Numbers shown = {
        {"nacl-molar-mass", frame},
        {"nacl-mass-needed", solution.Form().Text(Field::Mass)},
    };
    EXPECT_EQ(MarkedNumbers("tutorial_1st_run.htm"), shown);
}

TEST_F(HelpExamplesTest, WorkedExamplesQuoteWhatTheFormsAndRecipesShow)
{
    Numbers shown;

    Solution buffer(*this);
    buffer.Key(Field::Name, "disodium hydrogen phosphate");
    buffer.Key(Field::Formula, "Na_2HPO_4");
    shown["buffer-na2hpo4-molar-mass"] = buffer.FrameCaption(buffer.Form().FormulaFrameText());
    buffer.Key(Field::Concentration, "0.0577");
    buffer.Form().AddSubstance();
    buffer.Key(Field::Name, "sodium dihydrogen phosphate");
    buffer.Key(Field::Formula, "NaH_2PO_4");
    shown["buffer-nah2po4-molar-mass"] = buffer.FrameCaption(buffer.Form().FormulaFrameText());
    buffer.Key(Field::Concentration, "0.0423");
    buffer.Choose(List::VolumeUnit, "L");
    buffer.Key(Field::FinalVolume, "1");
    shown["buffer-na2hpo4-recipe"] = buffer.RecipeAmount(0);
    shown["buffer-nah2po4-recipe"] = buffer.RecipeAmount(1);

    Solution hcl(*this);
    hcl.ChooseFromDatabase("hydrochloric acid");
    hcl.Key(Field::Concentration, "1.000");
    hcl.Key(Field::FinalVolume, "1000");
    shown["hcl-stock-volume"] = hcl.RecipeAmount(0);
    {
        // View > Concentration calculator, "database", hydrochloric acid, 36 % w/w.
        SolvoSubstance standalone;
        ConcentrationCalculatorForm calculator(standalone, elements, false, kDisplayDigits);
        calculator.UseDatabaseSubstance(
            DatabaseDialog(calculator.DatabaseCopy(), "hydrochloric acid").Current());
        for (const std::string typed : {"3", "36"})
            EXPECT_FALSE(calculator.Type(CalculatorField::PercentWW, typed));
        shown["hcl-stock-density"] = calculator.Text(CalculatorField::Density);
        shown["hcl-stock-molarity"] = calculator.Text(CalculatorField::Molar);
    }

    Solution borax(*this);
    borax.ChooseFromDatabase("sodium tetraborate - standard");
    shown["borax-source-molar-mass"] = borax.FrameCaption(borax.Form().SourceFormulaFrameText());
    borax.Key(Field::Concentration, "0.05000");
    borax.Key(Field::FinalVolume, "250");
    shown["borax-mass-needed"] = borax.Form().Text(Field::Mass);
    borax.Form().ClickPrepareStandard(true);
    borax.Key(Field::Mass, "4.7702");
    shown["borax-exact-concentration"] = borax.SummaryConcentration(0);

    Solution hydrate(*this);
    hydrate.ChooseFromDatabase("magnesium chloride");
    hydrate.Key(Field::Concentration, "0.100");
    hydrate.Key(Field::FinalVolume, "100");
    shown["hydrate-offered-mass"] = hydrate.Form().Text(Field::Mass);
    hydrate.Choose(List::Source, "MgCl_2&6H_2O");
    shown["hydrate-source-molar-mass"] =
        hydrate.FrameCaption(hydrate.Form().SourceFormulaFrameText());
    shown["hydrate-mass-needed"] = hydrate.Form().Text(Field::Mass);
    shown["hydrate-recipe"] = hydrate.RecipeAmount(0);

    EXPECT_EQ(MarkedNumbers("list_of_examples.htm"), shown);
}

} // namespace
} // namespace solvo
