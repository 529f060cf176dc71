#pragma once

#include "substances/DensityPlot.h"
#include "substances/SolvoSubstance.h"
#include "substances/SubstanceDatabaseFields.h"
#include "substances/SubstanceFilter.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace solvo {

class ElementTable;
class SolvoSubstanceDatabase;
class UnitLabels;

/// The question asked when the unsolved formulas editor closed with changes.
inline constexpr std::string_view kModifyEntryQuestion = "Modify database entry to save changes?";
/// The question asked on Exit when a new substance was typed but not added.
inline constexpr std::string_view kAddEntryQuestion = "Add the substance to the database to save it?";

/// The rules of the substance database dialog. It works on one current
/// substance, which selecting a listed entry replaces with a copy of that
/// entry and which the fields edit; only "Add", "Modify", "Delete" and the
/// unsolved formulas editor change the database.
///
/// The form holds what every control shows (texts, check marks, list items
/// and selections, enabled and red states, the title, the plot) and applies
/// the rules when told what the user did. The field being typed into keeps
/// exactly the text typed, while showing rewrites every other field.
class SubstanceDatabaseForm {
public:
    /// The database, element table and unit labels must outlive the form.
    /// In choosing mode, current is a copy of the component the substance is
    /// chosen for; in browsing mode, an empty component. Call Open() next.
    SubstanceDatabaseForm(SolvoSubstanceDatabase& database, const ElementTable& elements,
                          const UnitLabels& units, std::int32_t displayDigits, DatabaseDialogMode mode,
                          SolvoSubstance current = {});

    /// The dialog as it first appears: every entry listed, filtered by name,
    /// the row of the current substance's name selected when there is one.
    void Open();

    // The user's actions.
    SubstanceDatabaseOutcome Type(SubstanceDatabaseField field, std::string text);
    SubstanceDatabaseOutcome Choose(SubstanceDatabaseList list, std::int32_t position);
    SubstanceDatabaseOutcome Click(SubstanceDatabaseCheck check, bool checked);
    SubstanceDatabaseOutcome Press(SubstanceDatabaseButton button);
    /// A row of the list was selected (−1: none).
    SubstanceDatabaseOutcome SelectRow(std::int32_t row);
    /// A row was double-clicked (after it was selected).
    SubstanceDatabaseOutcome DoubleClickRow();
    /// The Delete key in the list: "Delete" while it is enabled.
    SubstanceDatabaseOutcome PressDeleteKey();
    /// The unsolved formulas editor asked for closed: with "OK" or not,
    /// whether anything was changed in it, and its working list.
    SubstanceDatabaseOutcome UnsolvedFormulasClosed(bool accepted, bool modified,
                                                    std::vector<std::string> formulas);
    /// A substance from outside the database (a solute of the reagent
    /// library) becomes the current one, shown and ready to be edited and
    /// added; until it is, Exit asks before it is lost, as after an edit.
    SubstanceDatabaseOutcome TakeSubstance(const SolvoSubstance& substance);
    /// The database was changed from outside the form (an import): the
    /// list is filled again.
    void DatabaseChanged() { FillList(); }
    /// The answer to the question of the last outcome. After Exit's
    /// question Yes modifies (or adds) the entry and closes, No closes.
    SubstanceDatabaseOutcome Answer(bool yes);
    /// The question of the last outcome was cancelled: nothing changes and
    /// the dialog stays.
    SubstanceDatabaseOutcome CancelQuestion();
    /// A numeric field reformatted itself on losing the focus; nothing is
    /// recomputed.
    void Reformatted(SubstanceDatabaseField field, std::string text) { fields_.Type(field, std::move(text)); }

    /// A new filter text or field lists in slices of about this long, so
    /// that a keystroke never waits for a slow pattern over a large database.
    static constexpr std::chrono::milliseconds kFilterSlice{4};

    /// Whether the list is still being filtered after a change of the filter
    /// text or field: until ContinueFilter() finishes, the rows, the
    /// selection and the title stay those of the last finished filter.
    bool Filtering() const { return filtering_.has_value(); }
    /// Filters on for one more slice; the newest filter is the one pursued,
    /// an older one unfinished is dropped.
    void ContinueFilter();

    // What the controls show.
    /// "Substances database (%i item%s/%i listed)".
    std::string Title() const;
    const std::vector<SubstanceListRow>& Rows() const { return rows_; }
    /// Counts the times the list was filled, so that a view redraws the rows
    /// only when they may have changed.
    std::uint32_t RowsGeneration() const { return rowsGeneration_; }
    /// The selected row; −1 when none.
    std::int32_t SelectedRow() const { return selectedRow_; }
    const std::string& Text(SubstanceDatabaseField field) const { return fields_.Text(field); }
    /// What to tell the user about the field an outcome names as invalid.
    std::string_view Problem(SubstanceDatabaseField field) const { return fields_.Problem(field); }
    bool Checked(SubstanceDatabaseCheck check) const { return fields_.Checked(check); }
    const std::vector<std::string>& Items(SubstanceDatabaseList list) const;
    std::int32_t Selection(SubstanceDatabaseList list) const { return fields_.Selection(list); }
    bool Enabled(SubstanceDatabaseField field) const;
    bool Enabled(SubstanceDatabaseList list) const;
    bool Enabled(SubstanceDatabaseButton button) const;
    /// The stock concentration lies outside the substance's density table.
    bool StockConcentrationRed() const;
    /// "unsolved formulas (%i)".
    std::string UnsolvedFormulasCaption() const;
    /// What the formula frame draws, with its molar mass caption.
    const std::string& FormulaFrameText() const { return current_.Formula(); }
    /// The density plot's polyline (DensityPlot); empty: a blank picture.
    const std::vector<PlotPoint>& Plot() const { return plot_; }

    /// The current substance: after "Use", the one chosen.
    const SolvoSubstance& Current() const { return current_; }
    DatabaseDialogMode Mode() const { return mode_; }

private:
    std::optional<SubstanceDatabaseField> Take() { return fields_.Take(current_); }
    void Show() { fields_.Show(current_, displayDigits_); }
    void ShowSubstance();
    void FormulaChanged();
    void ParseTable();
    void FillList();
    void StartFilter();
    void FilterUntil(std::chrono::steady_clock::time_point deadline);
    bool Exists() const;
    bool Valid() const;
    std::int32_t SelectedIndex() const;
    SubstanceDatabaseOutcome ChangeDatabase(SubstanceDatabaseButton button);
    SubstanceDatabaseOutcome Exit();

    SolvoSubstanceDatabase& database_;
    const ElementTable& elements_;
    DatabaseDialogMode mode_;
    std::int32_t displayDigits_;
    SolvoSubstance current_;
    SubstanceDatabaseFields fields_;
    std::vector<std::string> filterItems_;
    std::vector<std::string> unitItems_;
    std::vector<std::string> kindItems_;
    // Held while the rows show its texts.
    std::shared_ptr<const SubstanceOrder> order_;
    std::vector<SubstanceListRow> rows_;
    std::int32_t selectedRow_ = -1;
    // The filter being listed in slices, with the order it lists from and
    // the rows found so far.
    struct PendingFilter {
        SubstanceFilter filter;
        std::shared_ptr<const SubstanceOrder> order;
        std::size_t position = 0;
        std::vector<SubstanceListRow> rows;
    };
    std::optional<PendingFilter> filtering_;
    std::uint32_t rowsGeneration_ = 0;
    std::vector<PlotPoint> plot_;
    /// The unsolved formulas the question is about.
    std::optional<std::vector<std::string>> pendingFormulas_;
    /// The change Exit asked about.
    std::optional<SubstanceDatabaseButton> pendingExit_;
    /// The user changed the substance since it was shown, added or modified.
    bool edited_ = false;
};

} // namespace solvo
