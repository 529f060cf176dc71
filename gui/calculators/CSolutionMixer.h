#pragma once

#include "calculators/CalculatorDialog.h"
#include "calculators/MixerWidgets.h"
#include "calculators/SolutionMixerForm.h"

namespace solvo {

/// The dialog "Solution mixer": two solutions of one substance and their
/// mixture. The rules live in SolutionMixerForm; the dialog forwards the
/// user's typing and clicks to it and mirrors its state into the controls;
/// a number field reformats itself only when it loses the focus. Each row's
/// "Conc" button opens the concentration calculator, locked, on the mixer's
/// substance.
class CSolutionMixer : public CalculatorDialog<SolutionMixerForm, MixerWidgets> {
    Q_OBJECT

public:
    /// app must outlive the dialog.
    explicit CSolutionMixer(CSolvoApp& app, QWidget* parent = nullptr);

    /// The cancel key is OK here: it closes only when every field holds a number.
    void reject() override { accept(); }

private:
    void Connect();
    void MirrorControls() override;
    void RunConcentrationCalculator(std::size_t row);
};

} // namespace solvo
