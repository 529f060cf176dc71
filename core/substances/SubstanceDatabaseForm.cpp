#include "substances/SubstanceDatabaseForm.h"

#include "quantities/UnitLabels.h"
#include "pattern/LetterCase.h"
#include "substances/SolvoSubstanceDatabase.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace solvo {

SubstanceDatabaseForm::SubstanceDatabaseForm(SolvoSubstanceDatabase& database, const ElementTable& elements,
                                             const UnitLabels& units, std::int32_t displayDigits,
                                             DatabaseDialogMode mode, SolvoSubstance current)
    : database_(database),
      elements_(elements),
      mode_(mode),
      displayDigits_(displayDigits),
      current_(std::move(current)),
      filterItems_{"name", "formula"},
      kindItems_{"% w/w vs d", "molarity vs d", "molality vs d"}
{
    for (const ConcentrationUnit unit : kConcentrationUnits)
        unitItems_.push_back(units.Label(static_cast<std::int32_t>(unit)));
    fields_.Type(SubstanceDatabaseField::FilterText, ".");
    fields_.Select(SubstanceDatabaseList::FilterField, static_cast<std::int32_t>(FilterField::Name));
}

void SubstanceDatabaseForm::Open()
{
    fields_.Select(SubstanceDatabaseList::TableKind, 0);
    FillList();
    ShowSubstance();
}

SubstanceDatabaseOutcome SubstanceDatabaseForm::Type(SubstanceDatabaseField field, std::string text)
{
    if (!Enabled(field))
        return {};
    fields_.Type(field, std::move(text));
    fields_.Guard(field);
    edited_ = edited_ || field != SubstanceDatabaseField::FilterText;
    SubstanceDatabaseOutcome outcome;
    outcome.invalidField = Take();
    switch (field) {
    case SubstanceDatabaseField::FilterText:
        StartFilter();
        ContinueFilter();
        break;
    case SubstanceDatabaseField::Formula:
        FormulaChanged();
        break;
    case SubstanceDatabaseField::TableText:
        ParseTable();
        break;
    case SubstanceDatabaseField::Name:
    case SubstanceDatabaseField::MolarMass:
    case SubstanceDatabaseField::StockConcentration:
    case SubstanceDatabaseField::Purity:
    case SubstanceDatabaseField::PureDensity:
    case SubstanceDatabaseField::Equivalents:
        // The buttons and the red colour follow from what was read.
        break;
    }
    fields_.Guard(std::nullopt);
    return outcome;
}

SubstanceDatabaseOutcome SubstanceDatabaseForm::Choose(SubstanceDatabaseList list, std::int32_t position)
{
    if (!Enabled(list) || position < 0 || position >= static_cast<std::int32_t>(Items(list).size()))
        return {};
    SubstanceDatabaseOutcome outcome;
    edited_ = edited_ || list != SubstanceDatabaseList::FilterField;
    if (list == SubstanceDatabaseList::StockUnit) {
        // The stock concentration is read in the unit it was typed in first.
        outcome.invalidField = Take();
        const ConcentrationUnit unit = kConcentrationUnits[static_cast<std::size_t>(position)];
        current_.SetStockConcentration(
            current_.ConvertConcentration(current_.StockConcentration(), current_.StockUnit(), unit));
        current_.SetStockUnit(unit);
        current_.SetOtherUnit(unit);
        Show();
        return outcome;
    }
    fields_.Select(list, position);
    outcome.invalidField = Take();
    if (list == SubstanceDatabaseList::FilterField) {
        StartFilter();
        ContinueFilter();
    }
    return outcome;
}

SubstanceDatabaseOutcome SubstanceDatabaseForm::Click(SubstanceDatabaseCheck check, bool checked)
{
    fields_.SetChecked(check, checked);
    edited_ = true;
    SubstanceDatabaseOutcome outcome;
    outcome.invalidField = Take();
    switch (check) {
    case SubstanceDatabaseCheck::NoDensityTable:
        // The picture follows the check box at once.
        ParseTable();
        break;
    case SubstanceDatabaseCheck::UseStockSolution:
        // A substance stored without a stock unit gets the list's first, so
        // that the stock concentration typed next has the unit shown and is
        // checked against the density table.
        if (checked && !IsConcentrationUnit(current_.StockUnit())) {
            current_.SetStockUnit(ConcentrationUnit::Molar);
            fields_.Select(SubstanceDatabaseList::StockUnit, ConcentrationUnitIndex(ConcentrationUnit::Molar));
        }
        current_.SelectDefaultSource();
        break;
    case SubstanceDatabaseCheck::NoSolid:
        current_.SelectDefaultSource();
        break;
    case SubstanceDatabaseCheck::StandardSubstance:
        break;
    }
    return outcome;
}

SubstanceDatabaseOutcome SubstanceDatabaseForm::Press(SubstanceDatabaseButton button)
{
    if (!Enabled(button))
        return {};
    SubstanceDatabaseOutcome outcome;
    switch (button) {
    case SubstanceDatabaseButton::Add:
    case SubstanceDatabaseButton::Modify:
    case SubstanceDatabaseButton::Delete:
        return ChangeDatabase(button);
    case SubstanceDatabaseButton::Exit:
        return Exit();
    case SubstanceDatabaseButton::Use:
        outcome.invalidField = Take();
        if (!outcome.invalidField)
            outcome.close = DialogClose::Ok;
        break;
    case SubstanceDatabaseButton::UnsolvedFormulas:
        outcome.editUnsolvedFormulas = current_.Alternatives();
        break;
    }
    return outcome;
}

SubstanceDatabaseOutcome SubstanceDatabaseForm::ChangeDatabase(SubstanceDatabaseButton button)
{
    SubstanceDatabaseOutcome outcome;
    // A substance half read would go into the database with the old value
    // of the field that is not a number.
    outcome.invalidField = Take();
    if (outcome.invalidField)
        return outcome;
    edited_ = false;
    if (button == SubstanceDatabaseButton::Add)
        database_.AddSubstance(current_);
    else if (button == SubstanceDatabaseButton::Modify)
        database_.ReplaceSubstance(SelectedIndex(), current_);
    else
        database_.DeleteSubstance(SelectedIndex());
    FillList();
    return outcome;
}

SubstanceDatabaseOutcome SubstanceDatabaseForm::SelectRow(std::int32_t row)
{
    if (row < 0 || row >= static_cast<std::int32_t>(rows_.size())) {
        selectedRow_ = -1;
        return {};
    }
    selectedRow_ = row;
    current_.Assign(database_.GetSubstance(SelectedIndex()));
    ShowSubstance();
    edited_ = false;
    return {};
}

SubstanceDatabaseOutcome SubstanceDatabaseForm::TakeSubstance(const SolvoSubstance& substance)
{
    current_.Assign(substance);
    ShowSubstance();
    FillList();
    edited_ = true;
    return {};
}

SubstanceDatabaseOutcome SubstanceDatabaseForm::Exit()
{
    SubstanceDatabaseOutcome outcome;
    // An entry edited but neither modified nor added would be lost without
    // a word, as a changed solution would be if its window closed unasked.
    const bool modify = selectedRow_ >= 0 && Enabled(SubstanceDatabaseButton::Modify);
    if (edited_ && (modify || Enabled(SubstanceDatabaseButton::Add))) {
        pendingExit_ = modify ? SubstanceDatabaseButton::Modify : SubstanceDatabaseButton::Add;
        outcome.question = modify ? kModifyEntryQuestion : kAddEntryQuestion;
        outcome.cancellable = true;
        return outcome;
    }
    outcome.close = DialogClose::Cancel;
    return outcome;
}

SubstanceDatabaseOutcome SubstanceDatabaseForm::CancelQuestion()
{
    pendingExit_.reset();
    pendingFormulas_.reset();
    return {};
}

SubstanceDatabaseOutcome SubstanceDatabaseForm::DoubleClickRow()
{
    SubstanceDatabaseOutcome outcome;
    if (mode_ == DatabaseDialogMode::Choosing && selectedRow_ >= 0)
        outcome.close = DialogClose::Ok;
    return outcome;
}

SubstanceDatabaseOutcome SubstanceDatabaseForm::PressDeleteKey()
{
    return Press(SubstanceDatabaseButton::Delete);
}

SubstanceDatabaseOutcome SubstanceDatabaseForm::UnsolvedFormulasClosed(bool accepted, bool modified,
                                                                       std::vector<std::string> formulas)
{
    SubstanceDatabaseOutcome outcome;
    if (accepted && modified) {
        pendingFormulas_ = std::move(formulas);
        outcome.question = kModifyEntryQuestion;
    }
    return outcome;
}

SubstanceDatabaseOutcome SubstanceDatabaseForm::Answer(bool yes)
{
    if (const std::optional<SubstanceDatabaseButton> change = std::exchange(pendingExit_, std::nullopt)) {
        SubstanceDatabaseOutcome outcome = yes ? ChangeDatabase(*change) : SubstanceDatabaseOutcome{};
        if (!outcome.invalidField)
            outcome.close = DialogClose::Cancel;
        return outcome;
    }
    std::optional<std::vector<std::string>> formulas = std::exchange(pendingFormulas_, std::nullopt);
    if (!yes || !formulas)
        return {};
    current_.SetAlternatives(std::move(*formulas));
    if (selectedRow_ >= 0) {
        database_.ReplaceSubstance(SelectedIndex(), current_);
        // The entry now holds the name typed too, which the list must show.
        FillList();
    }
    return {};
}

std::string SubstanceDatabaseForm::Title() const
{
    const std::int32_t count = database_.GetSubstanceCount();
    char title[96];
    std::snprintf(title, sizeof title, "Substances database (%i item%s/%i listed)", count,
                  count == 1 ? "" : "s", static_cast<int>(rows_.size()));
    return title;
}

const std::vector<std::string>& SubstanceDatabaseForm::Items(SubstanceDatabaseList list) const
{
    switch (list) {
    case SubstanceDatabaseList::FilterField:
        return filterItems_;
    case SubstanceDatabaseList::StockUnit:
        return unitItems_;
    case SubstanceDatabaseList::TableKind:
        break;
    }
    return kindItems_;
}

bool SubstanceDatabaseForm::Enabled(SubstanceDatabaseField field) const
{
    switch (field) {
    case SubstanceDatabaseField::MolarMass:
        return current_.Formula().empty();
    case SubstanceDatabaseField::StockConcentration:
        return current_.UseStockSolution();
    case SubstanceDatabaseField::TableText:
        return !current_.Table().NoTable();
    case SubstanceDatabaseField::FilterText:
    case SubstanceDatabaseField::Name:
    case SubstanceDatabaseField::Formula:
    case SubstanceDatabaseField::Purity:
    case SubstanceDatabaseField::PureDensity:
    case SubstanceDatabaseField::Equivalents:
        break;
    }
    return true;
}

bool SubstanceDatabaseForm::Enabled(SubstanceDatabaseList list) const
{
    switch (list) {
    case SubstanceDatabaseList::StockUnit:
        return current_.UseStockSolution();
    case SubstanceDatabaseList::TableKind:
        return !current_.Table().NoTable();
    case SubstanceDatabaseList::FilterField:
        break;
    }
    return true;
}

bool SubstanceDatabaseForm::Enabled(SubstanceDatabaseButton button) const
{
    switch (button) {
    case SubstanceDatabaseButton::Add:
        return !Exists() && Valid();
    case SubstanceDatabaseButton::Delete:
        return selectedRow_ >= 0;
    case SubstanceDatabaseButton::Modify:
        return selectedRow_ >= 0 && Valid();
    case SubstanceDatabaseButton::Use:
        return mode_ == DatabaseDialogMode::Choosing && Exists();
    case SubstanceDatabaseButton::UnsolvedFormulas:
        return !current_.NoSolid();
    case SubstanceDatabaseButton::Exit:
        break;
    }
    return true;
}

bool SubstanceDatabaseForm::StockConcentrationRed() const
{
    return current_.IsOutsideDensityRange(current_.StockConcentration(), current_.StockUnit());
}

std::string SubstanceDatabaseForm::UnsolvedFormulasCaption() const
{
    return "unsolved formulas (" + std::to_string(current_.Alternatives().size()) + ")";
}

void SubstanceDatabaseForm::ShowSubstance()
{
    current_.Table().SetNoTable(current_.Table().Text().empty());
    Show();
    if (!current_.Formula().empty())
        FormulaChanged();
    ParseTable();
}

void SubstanceDatabaseForm::FormulaChanged()
{
    current_.UpdateMolarMass(elements_);
    Show();
    current_.SelectDefaultSource();
}

void SubstanceDatabaseForm::ParseTable()
{
    current_.ParseDensityTable();
    plot_ = DensityPlot::Polyline(current_.Table());
}

// Opening the dialog and changing the database list at once: the rows shown
// must never stand for entries that have changed.
void SubstanceDatabaseForm::FillList()
{
    StartFilter();
    FilterUntil(std::chrono::steady_clock::time_point::max());
}

void SubstanceDatabaseForm::StartFilter()
{
    const auto field = static_cast<FilterField>(fields_.Selection(SubstanceDatabaseList::FilterField));
    filtering_.emplace(SubstanceFilter(fields_.Text(SubstanceDatabaseField::FilterText)),
                       database_.Order(field));
}

void SubstanceDatabaseForm::ContinueFilter()
{
    FilterUntil(std::chrono::steady_clock::now() + kFilterSlice);
}

void SubstanceDatabaseForm::FilterUntil(std::chrono::steady_clock::time_point deadline)
{
    if (!filtering_)
        return;
    PendingFilter& pending = *filtering_;
    pending.position = pending.filter.ListFrom(*pending.order, pending.position, pending.rows, deadline);
    if (pending.position < pending.order->Size())
        return;
    order_ = std::move(pending.order);
    rows_ = std::move(pending.rows);
    filtering_.reset();
    ++rowsGeneration_;
    const auto field = static_cast<FilterField>(fields_.Selection(SubstanceDatabaseList::FilterField));
    const std::string& own = field == FilterField::Name ? current_.Name() : current_.Formula();
    selectedRow_ = -1;
    // A substance without a name or formula is no row's.
    if (own.empty())
        return;
    const auto found = std::find_if(rows_.begin(), rows_.end(), [&own](const SubstanceListRow& row) {
        return LetterCase::EqualIgnoringCase(row.text, own);
    });
    if (found != rows_.end())
        selectedRow_ = static_cast<std::int32_t>(found - rows_.begin());
}

bool SubstanceDatabaseForm::Exists() const
{
    return database_.FindByName(current_.Name()) != nullptr;
}

bool SubstanceDatabaseForm::Valid() const
{
    return current_.MolarMass() != 0.0 && !current_.Name().empty();
}

std::int32_t SubstanceDatabaseForm::SelectedIndex() const
{
    return selectedRow_ >= 0 ? rows_[static_cast<std::size_t>(selectedRow_)].index : -1;
}

} // namespace solvo
