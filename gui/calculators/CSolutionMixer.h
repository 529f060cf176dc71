#pragma once

#include "calculators/MixerWidgets.h"
#include "calculators/SolutionMixerForm.h"

#include <QDialog>

#include <optional>

namespace solvo {

class CSolvoApp;

/// The dialog "Solution mixer": two solutions of one substance and their
/// mixture. The rules live in SolutionMixerForm; the dialog forwards the
/// user's typing and clicks to it and mirrors its state into the controls.
/// The field being typed is never rewritten, so its text and caret stay as
/// the user left them; a number field reformats itself only when it loses
/// the focus. Each row's "Conc" button opens the concentration calculator,
/// locked, on the mixer's substance.
class CSolutionMixer : public QDialog {
    Q_OBJECT

public:
    /// app must outlive the dialog.
    explicit CSolutionMixer(CSolvoApp& app, QWidget* parent = nullptr);

    const SolutionMixerForm& Form() const { return form_; }

    /// OK or the cancel key: closes only when every field holds a number.
    void accept() override;
    void reject() override { accept(); }

private:
    void Connect();
    void FieldEdited(MixerField field, const QString& text);
    void Finish(const std::optional<SolutionMixerForm::Message>& message);
    void Mirror();
    void MirrorField(MixerField field);
    void RunConcentrationCalculator(std::size_t row);
    void ChooseFromDatabase();

    CSolvoApp& app_;
    SolutionMixerForm form_;
    MixerWidgets widgets_;
};

} // namespace solvo
