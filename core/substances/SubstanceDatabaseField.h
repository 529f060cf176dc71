#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace solvo {

/// How the substance database dialog was opened.
enum class DatabaseDialogMode {
    Browsing, ///< from the main window: substances are looked at and edited
    Choosing, ///< from a composition window: a substance is picked for a component
};

/// The text fields of the substance database dialog.
enum class SubstanceDatabaseField {
    FilterText,
    Name,
    Formula,
    MolarMass,
    StockConcentration,
    TableText,
    Purity,      ///< percent, the substance's usual assay
    PureDensity, ///< g/mL of the pure liquid; 0 for none
    Equivalents, ///< per formula unit
};

/// Its drop-down lists.
enum class SubstanceDatabaseList {
    FilterField, ///< "name" / "formula"
    StockUnit,   ///< the concentration unit labels
    TableKind,   ///< "% w/w vs d", "molarity vs d", "molality vs d"
};

/// Its check boxes.
enum class SubstanceDatabaseCheck {
    StandardSubstance, ///< "standard substance"
    NoDensityTable,    ///< "no density table"
    UseStockSolution,  ///< "use stock solution"
    NoSolid,           ///< "no solid"
};

/// Its push buttons.
enum class SubstanceDatabaseButton {
    Add,
    Delete,
    Modify,
    Exit,
    Use,
    UnsolvedFormulas,
};

/// How a dialog is to close after an event.
enum class DialogClose {
    None,   ///< it stays open
    Ok,     ///< it closes with "OK"; the caller takes its result
    Cancel, ///< it closes with "Cancel"
};

/// What the dialog window must do after its form handled an event.
struct SubstanceDatabaseOutcome {
    /// A field's text is not a number: show "Enter a number." and put the
    /// focus on it.
    std::optional<SubstanceDatabaseField> invalidField;
    DialogClose close = DialogClose::None;
    /// Open the unsolved formulas editor on this list, then report how it
    /// closed with SubstanceDatabaseForm::UnsolvedFormulasClosed.
    std::optional<std::vector<std::string>> editUnsolvedFormulas;
    /// Ask this with Yes and No, then report the answer with
    /// SubstanceDatabaseForm::Answer.
    std::optional<std::string_view> question;
    /// The question offers Cancel too, reported with
    /// SubstanceDatabaseForm::CancelQuestion.
    bool cancellable = false;
};

} // namespace solvo
