#pragma once

#include "calculators/CalculatorWidgets.h"
#include "calculators/ConcentrationCalculatorForm.h"

#include <QDialog>

#include <optional>

namespace solvo {

class CSolvoApp;

/// The dialog "Concentration calculator" over one solution component, which
/// it edits in place. The rules live in ConcentrationCalculatorForm; the
/// dialog forwards the user's typing and clicks to it and mirrors its state
/// into the controls. The field being typed is never rewritten, so its text
/// and caret stay as the user left them; a number field reformats itself
/// only when it loses the focus.
class CConcentrationCalculator : public QDialog {
    Q_OBJECT

public:
    /// What a locked calculator reports when it closes.
    struct Result {
        bool accepted = false;     ///< ended with OK
        double volume = 0.0;       ///< V, mL
        double solutionMass = 0.0; ///< Sm, g
    };

    /// component and app must outlive the dialog. locked: the substance
    /// itself cannot be changed (from a solution or the mixer).
    CConcentrationCalculator(CSolvoApp& app, SolvoSubstance& component, bool locked, double volume = 0.0,
                             double solutionMass = 0.0, QWidget* parent = nullptr);

    /// From the command: a calculator on a fresh, empty component.
    static void RunStandalone(CSolvoApp& app, QWidget* parent);
    /// On a component whose substance is fixed, starting with V and Sm.
    static Result RunLocked(CSolvoApp& app, SolvoSubstance& component, double volume, double solutionMass,
                            QWidget* parent);

    const ConcentrationCalculatorForm& Form() const { return form_; }

    /// OK: closes only when every field holds a number it may.
    void accept() override;

private:
    void Connect();
    void FieldEdited(CalculatorField field, const QString& text);
    void Finish(const std::optional<ConcentrationCalculatorForm::Message>& message);
    void Mirror();
    void MirrorField(CalculatorField field);
    void ChooseFromDatabase();

    CSolvoApp& app_;
    ConcentrationCalculatorForm form_;
    CalculatorWidgets widgets_;
};

} // namespace solvo
