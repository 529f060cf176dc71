#pragma once

#include "calculators/CalculatorDialog.h"
#include "calculators/CalculatorWidgets.h"
#include "calculators/ConcentrationCalculatorForm.h"

namespace solvo {

/// The dialog "Concentration calculator" over one solution component, which
/// it edits in place. The rules live in ConcentrationCalculatorForm; the
/// dialog forwards the user's typing and clicks to it and mirrors its state
/// into the controls; a number field reformats itself only when it loses the
/// focus.
class CConcentrationCalculator : public CalculatorDialog<ConcentrationCalculatorForm, CalculatorWidgets> {
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

private:
    void Connect();
    void MirrorControls() override;
};

} // namespace solvo
