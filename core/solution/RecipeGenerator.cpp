#include "solution/RecipeGenerator.h"

#include "quantities/NumberFormat.h"
#include "solution/CSolvoDoc.h"
#include "solution/RecipeDate.h"
#include "solution/RecipePlaceholders.h"
#include "solution/RecipePlan.h"
#include "solution/RecipeTemplate.h"

#include <algorithm>

namespace solvo {

namespace {

using Line = RecipeTemplate::Line;

constexpr std::string_view kSolutionExtension = ".sln";
constexpr std::string_view kImpossibleLines[] = {
    "It is impossible to prepare solution of required concentration using substances",
    "and/or solutions provided!",
    "You probably have to start with more concentrated solutions.",
};
constexpr std::string_view kVolumesMayDiffer =
    "Warning: final volume can be different from the requested one.";
// The start of each line that says what the recipe assumed.
constexpr std::string_view kNotePrefix = "Note: ";
// What the enter-mass step shows while no exact weight has been entered.
constexpr std::string_view kNoExactWeight = "???";

// File names differ in case only on some systems; ".SLN" is a solution file too.
bool HasSolutionExtension(std::string_view name)
{
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return name.size() >= kSolutionExtension.size() &&
           std::equal(kSolutionExtension.begin(), kSolutionExtension.end(),
                      name.end() - static_cast<std::ptrdiff_t>(kSolutionExtension.size()),
                      [&](char wanted, char c) { return lower(c) == wanted; });
}

class RecipeWriter {
public:
    RecipeWriter(const CSolvoDoc& document, const RecipePlan& plan,
                 const RecipeTemplate& recipeTemplate, const RecipeOptions& options)
        : document_(document), plan_(plan), template_(recipeTemplate), options_(options)
    {
        const bool millilitres = document.GetVolumeUnit() == VolumeUnit::Millilitre;
        // A unit code other than mL (from a damaged file) shows litres, which
        // is what the volumes are held in.
        factor_ = millilitres ? 1000.0 : 1.0;
        values_.volumeUnit = millilitres ? "mL" : "L";
        values_.targetVolume =
            Significant(document.FinalVolume() * factor_, document.VolumeDigits());
        values_.startVolume = FormatDefault(plan.startVolume * factor_, options.displayDigits);
    }

    std::vector<RecipeLine> Write()
    {
        // A summary and at most two steps per component, and at most nine other lines.
        lines_.reserve(3 * plan_.steps.size() + 9);
        Add(LineRole::Title, options_.title);
        WriteSummaries();
        if (plan_.impossible) {
            for (const std::string_view text : kImpossibleLines)
                Add(LineRole::Impossible, std::string(text));
            WriteNotes();
            return std::move(lines_);
        }
        if (const std::string& preparedBy = template_.Text(Line::PreparedBy); !preparedBy.empty())
            Add(LineRole::PreparedBy, preparedBy);
        Add(LineRole::Date, FormatRecipeDate(options_.date));
        if (document_.FinalVolume() == 0.0) {
            WriteNotes();
            return std::move(lines_);
        }
        WriteProcedure();
        WriteNotes();
        if (options_.printing)
            Add(LineRole::Footer, std::string(kRecipeFooter));
        return std::move(lines_);
    }

private:
    std::string Significant(double value, std::int32_t digits) const
    {
        return FormatSignificant(value, digits, options_.displayDigits);
    }

    std::string Concentration(std::string number, ConcentrationUnit unit) const
    {
        return number.append(" ").append(options_.labels.Label(static_cast<std::int32_t>(unit)));
    }

    void Add(LineRole role, std::string text, std::string formula = {}, bool approximate = false)
    {
        lines_.push_back({role, std::move(text), std::move(formula), approximate});
    }

    void AddExpanded(LineRole role, Line line, std::string formula = {})
    {
        Add(role, values_.Expand(template_.Text(line)), std::move(formula));
    }

    void NextLineNumber() { values_.lineNumber = std::to_string(lineNumber_++); }

    void WriteSummaries()
    {
        for (std::size_t index = 0; index < plan_.steps.size(); ++index) {
            const RecipeStep& step = plan_.steps[index];
            const SolvoSubstance& component =
                document_.GetComponent(static_cast<std::int32_t>(index));
            values_.concentration =
                Concentration(Significant(step.summaryValue, step.summaryDigits), step.summaryUnit);
            values_.substanceName = component.Name();
            std::string text = values_.Expand(template_.Text(Line::Summary));
            if (step.summaryApproximate)
                text.insert(text.begin(), '~');
            Add(LineRole::Summary, std::move(text), component.Formula(), step.summaryApproximate);
        }
    }

    void WriteProcedure()
    {
        const bool standard = plan_.standardMode;
        AddExpanded(LineRole::Heading, standard ? Line::StandardHeading : Line::Heading);
        if (plan_.waterStepShown) {
            NextLineNumber();
            AddExpanded(LineRole::WaterStep, standard ? Line::StandardWaterStep : Line::WaterStep);
        }
        for (std::size_t index = 0; index < plan_.steps.size(); ++index)
            WriteStep(plan_.steps[index], document_.GetComponent(static_cast<std::int32_t>(index)));
        values_.substanceName.clear();
        values_.solidMass.clear();
        values_.solutionVolume.clear();
        if (plan_.anySolid) {
            NextLineNumber();
            AddExpanded(LineRole::StirStep, Line::Stir);
        }
        if (document_.FinalVolume() != plan_.addedVolume) {
            NextLineNumber();
            AddExpanded(LineRole::FinalStep, standard ? Line::StandardFinalStep : Line::FinalStep);
        } else if (document_.GetComponentCount() > 1) {
            Add(LineRole::Warning, std::string(kVolumesMayDiffer));
        }
    }

    // Whatever the recipe had to assume closes it, where no one reads past it.
    void WriteNotes()
    {
        for (std::string& text : NoteTexts(plan_.notes, options_.labels, options_.displayDigits))
            Add(LineRole::Warning, std::string(kNotePrefix) + text);
    }

    void WriteStep(const RecipeStep& step, const SolvoSubstance& component)
    {
        values_.substanceName = component.Name();
        NextLineNumber();
        switch (step.kind) {
        case StepKind::Weigh:
        case StepKind::WeighExactly: {
            const bool exactly = step.kind == StepKind::WeighExactly;
            values_.solidMass = Significant(step.mass, step.massDigits);
            AddExpanded(LineRole::ComponentStep, exactly ? Line::WeighExactly : Line::Weigh,
                        step.formulaShown);
            SayAfterFormula(lines_.back().text, step);
            if (!exactly)
                break;
            NextLineNumber();
            values_.solidMass =
                step.exactWeightEntered
                    ? Significant(step.exactWeight.Value(), step.exactWeight.Digits()) + " g"
                    : std::string(kNoExactWeight);
            AddExpanded(LineRole::EnterMassStep, Line::EnterMass, step.formulaShown);
            break;
        }
        case StepKind::AddStockSolution:
        case StepKind::AddOtherSolution:
            values_.concentration = Concentration(
                FormatDefault(step.sourceConcentration, options_.displayDigits), step.sourceUnit);
            values_.solutionVolume = Significant(step.volume * factor_, step.volumeDigits);
            AddExpanded(LineRole::ComponentStep,
                        step.kind == StepKind::AddStockSolution ? Line::AddStockSolution
                                                                : Line::AddOtherSolution,
                        step.formulaShown);
            break;
        }
    }

    // "(2 As per formula unit)" and "(assay 99.5 %)" right after the formula
    // weighed, or at the end of a line that draws none.
    void SayAfterFormula(std::string& text, const RecipeStep& step) const
    {
        std::string note;
        if (step.sourceMultiple > 1)
            note += " (" + std::to_string(step.sourceMultiple) + " " + step.multipleOf +
                    " per formula unit)";
        if (step.purity != SolvoSubstance::kFullPurity)
            note += " (assay " + FormatDefault(step.purity, options_.displayDigits) + " %)";
        if (note.empty())
            return;
        const std::size_t at = text.find(kFormulaPlaceholder);
        text.insert(at == std::string::npos ? text.size() : at + kFormulaPlaceholder.size(), note);
    }

    const CSolvoDoc& document_;
    const RecipePlan& plan_;
    const RecipeTemplate& template_;
    const RecipeOptions& options_;
    double factor_ = 1.0;
    RecipePlaceholders values_;
    std::int32_t lineNumber_ = 1;
    std::vector<RecipeLine> lines_;
};

} // namespace

std::string RecipeTitle(std::string_view documentTitle, bool fromFile)
{
    if (fromFile && HasSolutionExtension(documentTitle))
        documentTitle.remove_suffix(kSolutionExtension.size());
    return std::string(documentTitle);
}

std::vector<RecipeLine> GenerateRecipe(const CSolvoDoc& document, const RecipePlan& plan,
                                       const RecipeTemplate& recipeTemplate,
                                       const RecipeOptions& options)
{
    return RecipeWriter(document, plan, recipeTemplate, options).Write();
}

} // namespace solvo
