#pragma once

#include "quantities/UnitLabels.h"
#include "solution/CSolvoDoc.h"
#include "solution/CompositionFields.h"
#include "solution/UnitChoices.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace solvo {

class ElementTable;

/// What the window must do after the form handled an event.
struct CompositionOutcome {
    /// The document changed: mark it modified and let its other views redraw.
    bool edited = false;
    /// A field's text is not a number: show "Enter a number." and put the
    /// focus on it.
    std::optional<CompositionField> invalidField;
    /// Show the recipe window of the document.
    bool showRecipe = false;
    /// What to show for invalidField when it is not "Enter a number." (a
    /// purity out of range); empty otherwise.
    std::string message;
};

/// The rules of a solution's composition form: one tab per component, the
/// current component's substance, concentration and source, the final
/// volume, and the buttons that add and remove components.
///
/// The form holds what every control shows (texts, list items and
/// selections, enabled, visible and red states) and applies the rules when
/// the user types into a field, chooses a list item or clicks. Every change
/// goes into the document at once; the caller marks it modified when an
/// outcome says so. The field the user is typing into always keeps exactly
/// the text typed, while every other field is rewritten from the document.
///
/// A numeric field is read back only when its text differs from what the form
/// last wrote into it, so a value is never cut to its shown digits by an
/// edit somewhere else.
class CompositionForm {
public:
    /// The document, element table and unit labels must outlive the form.
    /// Call Open() before anything else.
    CompositionForm(CSolvoDoc& document, const ElementTable& elements, const UnitLabels& units,
                    std::int32_t displayDigits);

    /// The form as it first appears: one tab per component, the first selected.
    void Open();
    /// Rewrites every field from the document with the display digits now in
    /// force (after a change made elsewhere); keep, when given, is the field
    /// being typed into, whose text stays.
    void Refresh(std::int32_t displayDigits, std::optional<CompositionField> keep = std::nullopt);
    /// After components were added to the document or changed elsewhere (a
    /// calculator's OK): a tab for each new one, titled with its name, and
    /// the current component's fields read again. More than one component
    /// drops the mole fraction from the units, as adding one here does.
    void FollowComponents();

    // The user's actions.
    CompositionOutcome Type(CompositionField field, std::string text);
    CompositionOutcome SelectTab(std::int32_t index);
    CompositionOutcome Choose(CompositionList list, std::int32_t index);
    CompositionOutcome ClickPrepareStandard(bool checked);
    CompositionOutcome AddSubstance();
    CompositionOutcome RemoveSubstance();
    CompositionOutcome ShowRecipe();

    /// A numeric field reformatted itself on losing the focus; nothing is
    /// recomputed.
    void Reformatted(CompositionField field, std::string text);

    /// The substance database dialog works on a copy of the current
    /// component; when it ends with "Use", its result replaces the component
    /// and keeps the concentration shown.
    SolvoSubstance DatabaseCopy() const { return document_.GetCurrentComponent(); }
    CompositionOutcome UseDatabaseSubstance(const SolvoSubstance& chosen);

    /// The concentration calculator edits the current component in place.
    /// Before it opens: returns the final volume in millilitres it starts with.
    double BeginConcentrationCalculator();
    /// After it closed: accepted with OK, or cancelled (the concentration is
    /// put back); its solution volume in millilitres becomes the final volume
    /// when there was none.
    CompositionOutcome EndConcentrationCalculator(bool accepted, double solutionMillilitres);

    // What the controls show.
    const std::string& Text(CompositionField field) const { return fields_.Text(field); }
    bool Enabled(CompositionField field) const;
    /// The text is red: the value lies outside the substance's density
    /// table, or it is a molar mass the recipe needs and none is known.
    bool Red(CompositionField field) const;
    /// What the recipe had to assume about the value in field (no density
    /// table for a unit that needs one, a stock beyond its table, a weighed
    /// form that holds the substance more than once or not at all), worded
    /// as the recipe's notes, one per line; empty when nothing.
    std::string Note(CompositionField field) const;

    const std::vector<std::string>& Items(CompositionList list) const;
    /// −1 when no item is selected.
    std::int32_t Selection(CompositionList list) const;
    bool Enabled(CompositionList list) const;
    bool Visible(CompositionList list) const;

    const std::vector<std::string>& TabTitles() const { return tabTitles_; }
    std::int32_t CurrentTab() const { return document_.CurrentComponent(); }

    bool PrepareStandardChecked() const { return fields_.prepareChecked; }
    bool PrepareStandardEnabled() const { return prepareEnabled_; }
    /// "molar mass" or "concentration".
    const std::string& SourceValueLabel() const { return sourceValueLabel_; }
    /// "exact weight" or "mass needed".
    std::string MassLabel() const;

    /// What the two formula frames draw.
    const std::string& FormulaFrameText() const { return Component().Formula(); }
    const std::string& SourceFormulaFrameText() const { return Component().SourceFormula(); }

private:
    SolvoSubstance& Component() { return document_.GetCurrentComponent(); }
    const SolvoSubstance& Component() const { return document_.GetCurrentComponent(); }

    std::optional<CompositionField> Take() { return fields_.Take(Component()); }
    CompositionOutcome Outcome(std::optional<CompositionField> invalid) const;
    void Show();
    void ShowTab(std::int32_t index);
    void RefreshSourceControls();
    void FillSourceList();
    void ApplySourceKind();
    void EnableSourceValueByFormula();
    void EnableByPrepareFlag(bool prepare);
    void ChooseConcentrationUnit(std::int32_t index);
    void ChooseVolumeUnit(std::int32_t index);
    void ChooseSourceUnit(std::int32_t index);
    void ChooseSource(std::int32_t index);
    void FormulaTyped();
    void SourceFormulaTyped();
    void ConcentrationTyped();
    void FinalVolumeTyped();
    void SourceValueTyped();
    void MassTyped();
    void CorrectionTyped(CompositionField field);
    /// The mole fraction is computed as if the other substances were not
    /// there, so a solution of several offers every unit but x; % w/v stays
    /// exact with any number of solutes.
    void DropMoleFraction();
    void RestoreMoleFraction();
    /// % v/v is offered only for a component with a density of its pure
    /// liquid; one that loses it is shown in % w/v instead.
    void OfferVolumePercent();
    void RefreshAllAmounts();

    CSolvoDoc& document_;
    const ElementTable& elements_;
    const UnitLabels& units_;
    std::int32_t displayDigits_;
    CompositionFields fields_;
    /// The molarity to put back when the concentration calculator is cancelled.
    double calculatorMolarity_ = 0.0;

    std::vector<std::string> tabTitles_;
    UnitChoices concentrationUnits_;
    std::vector<std::string> sourceItems_;
    std::int32_t sourceSelection_ = -1;
    /// The units a stock or other solution may be given in.
    UnitChoices sourceUnits_;
    std::vector<std::string> volumeItems_;

    bool prepareEnabled_ = false;
    bool concentrationEnabled_ = true;
    bool massEnabled_ = false;
    bool sourceValueEnabled_ = false;
    bool sourceFormulaEnabled_ = false;
    bool sourceUnitEnabled_ = false;
    bool sourceUnitVisible_ = false;
    bool purityEnabled_ = true;
    std::string sourceValueLabel_;
};

} // namespace solvo
