#include "RecipeCommand.h"

#include "CliContext.h"
#include "CliOutput.h"
#include "ShowCommand.h"
#include "platform/FileAccess.h"
#include "platform/Windows1252.h"
#include "solution/CSolvoDoc.h"
#include "solution/CompositionSolver.h"
#include "solution/RecipeDate.h"
#include "solution/RecipeExport.h"
#include "solution/RecipeGenerator.h"
#include "solution/RecipeNote.h"
#include "solution/RecipeTemplate.h"

#include <array>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <optional>

namespace solvo {

namespace {

struct RecipeCommandOptions {
    bool json = false;
    RecipeExport::Format format = RecipeExport::Format::Text;
    std::optional<std::string> date;
    std::optional<std::string> templateFile;
    bool print = false;
    std::string file;
};

constexpr std::array<const char*, 13> kRoleNames = {
    "Title",         "Summary",       "Impossible", "PreparedBy", "Date",    "Heading", "WaterStep",
    "ComponentStep", "EnterMassStep", "StirStep",   "FinalStep",  "Warning", "Footer"};
constexpr std::array<const char*, 4> kStepKindNames = {"Weigh", "WeighExactly", "AddStockSolution",
                                                       "AddOtherSolution"};

bool IsDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::chrono::year_month_day DateArgument(const std::string& argument)
{
    const std::string_view text(argument);
    if (text.size() == 10 && text[4] == '-' && text[7] == '-' && IsDigits(text.substr(0, 4)) &&
        IsDigits(text.substr(5, 2)) && IsDigits(text.substr(8, 2))) {
        const std::chrono::year_month_day date{
            std::chrono::year{std::stoi(argument.substr(0, 4))},
            std::chrono::month{static_cast<unsigned>(std::stoi(argument.substr(5, 2)))},
            std::chrono::day{static_cast<unsigned>(std::stoi(argument.substr(8, 2)))}};
        if (date.ok())
            return date;
    }
    throw BadInput("\"" + argument + "\": not a date; use YYYY-MM-DD.");
}

RecipeTemplate TemplateOf(const RecipeCommandOptions& options, CSolvoApp& app)
{
    if (options.templateFile) {
        std::string bytes;
        if (!ReadWholeFile(FilePath::FromUtf8(*options.templateFile), bytes,
                           RecipeTemplate::kLargestFile))
            throw BadInput(*options.templateFile + ": cannot be read.");
        if (const auto problem = RecipeTemplate::FileProblem(bytes))
            throw BadInput(*options.templateFile + ": " + *problem);
        return RecipeTemplate::Parse(bytes);
    }
    app.Data().EnsureExists();
    return RecipeTemplate::Load(app.Data().File(DataFolder::kTemplateFile));
}

nlohmann::ordered_json DescribeStep(const RecipeStep& step)
{
    nlohmann::ordered_json json;
    json["kind"] = kStepKindNames[static_cast<std::size_t>(step.kind)];
    json["mass"] = CliOutput::Number(step.mass);
    json["mass_digits"] = step.massDigits;
    json["volume"] = CliOutput::Number(step.volume);
    json["volume_digits"] = step.volumeDigits;
    json["formula_shown"] = CliOutput::Utf8(step.formulaShown);
    json["summary_value"] = CliOutput::Number(step.summaryValue);
    json["summary_digits"] = step.summaryDigits;
    json["summary_unit"] = static_cast<std::int32_t>(step.summaryUnit);
    json["summary_approximate"] = step.summaryApproximate;
    return json;
}

nlohmann::ordered_json Describe(const std::string& title, const std::vector<RecipeLine>& lines,
                                const RecipePlan& plan, const RecipeOptions& options)
{
    nlohmann::ordered_json json;
    json["title"] = CliOutput::Utf8(title);
    nlohmann::ordered_json lineArray = nlohmann::ordered_json::array();
    for (const RecipeLine& line : lines) {
        nlohmann::ordered_json entry;
        entry["role"] = kRoleNames[static_cast<std::size_t>(line.role)];
        entry["text"] = CliOutput::Utf8(line.text);
        entry["formula"] = CliOutput::Utf8(line.formula);
        entry["approximate"] = line.approximate;
        lineArray.push_back(std::move(entry));
    }
    json["lines"] = std::move(lineArray);
    nlohmann::ordered_json warnings = nlohmann::ordered_json::array();
    for (const std::string& text : NoteTexts(plan.notes, options.labels, options.displayDigits))
        warnings.push_back(CliOutput::Utf8(text));
    json["warnings"] = std::move(warnings);
    nlohmann::ordered_json planJson;
    planJson["added_volume"] = CliOutput::Number(plan.addedVolume);
    planJson["remaining_volume"] = CliOutput::Number(plan.remainingVolume);
    planJson["impossible"] = plan.impossible;
    planJson["volumes_match"] = plan.volumesMatch;
    planJson["start_volume"] = CliOutput::Number(plan.startVolume);
    planJson["water_step_shown"] = plan.waterStepShown;
    planJson["standard_mode"] = plan.standardMode;
    planJson["any_solid"] = plan.anySolid;
    nlohmann::ordered_json steps = nlohmann::ordered_json::array();
    for (const RecipeStep& step : plan.steps)
        steps.push_back(DescribeStep(step));
    planJson["steps"] = std::move(steps);
    json["plan"] = std::move(planJson);
    return json;
}

} // namespace

void AddRecipeCommand(CLI::App& cli, CliContext& context)
{
    auto options = std::make_shared<RecipeCommandOptions>();
    CLI::App* command = cli.add_subcommand(
        "recipe", "Print the recipe of a solution file as the recipe window words it");
    command->add_flag("--json", options->json,
                      "Print one JSON object: the title, the lines and the solver's plan");
    command
        ->add_option("--format", options->format,
                     "Write the recipe as text (the default), html (a complete UTF-8 document), "
                     "markdown or rtf")
        ->transform(CLI::CheckedTransformer(
            std::map<std::string, RecipeExport::Format>{{"text", RecipeExport::Format::Text},
                                                        {"html", RecipeExport::Format::Html},
                                                        {"markdown", RecipeExport::Format::Markdown},
                                                        {"rtf", RecipeExport::Format::Rtf}}))
        ->option_text("text|html|markdown|rtf")
        ->excludes("--json");
    command->add_option("--date", options->date,
                        "Date the recipe with this day (YYYY-MM-DD) instead of today");
    command->add_option("--template", options->templateFile,
                        "Template file of fourteen lines, at most 1 MiB (default: template.txt "
                        "of the data folder, created with the defaults when missing)");
    command->add_flag("--print", options->print, "Add the footer line of a printed recipe");
    command->add_option("FILE", options->file, "Solution file (.sln)")->required();
    context.AddCommonOptions(*command);

    command->callback([options, &context] {
        const std::chrono::year_month_day date =
            options->date ? DateArgument(*options->date) : LocalToday();
        const std::string title = RecipeTitle(
            Windows1252::FromUtf8Replacing(FilePath::FromUtf8(options->file).Name().Utf8()), true);
        CSolvoApp& app = context.App();
        const CSolvoDoc document = ReadSolutionArgument(options->file, app.Elements()).document;
        const RecipeTemplate recipeTemplate = TemplateOf(*options, app);
        app.ReadUnitLabels();

        const RecipePlan plan = SolveComposition(document, app.Elements());
        RecipeOptions recipeOptions;
        recipeOptions.title = title;
        recipeOptions.date = date;
        recipeOptions.printing = options->print;
        recipeOptions.displayDigits = app.DisplayDigits();
        recipeOptions.labels = app.Units();
        const std::vector<RecipeLine> lines =
            GenerateRecipe(document, plan, recipeTemplate, recipeOptions);

        if (options->json) {
            std::cout << Describe(title, lines, plan, recipeOptions).dump(2) << '\n';
            return;
        }
        std::cout << RecipeExport::Write(options->format, lines, app.Elements());
    });
}

} // namespace solvo
