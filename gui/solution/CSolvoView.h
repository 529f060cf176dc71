#pragma once

#include "solution/CompositionForm.h"
#include "solution/CompositionWidgets.h"

#include <QWidget>

#include <functional>
#include <optional>

namespace solvo {

class CommandActions;
class DocumentManager;
class SolvoDocument;

/// The composition window's form: one tab per component of a solution, the
/// current component's substance, concentration and source, and the final
/// volume. The rules live in CompositionForm; this view forwards the user's
/// typing, choices and clicks to it and mirrors its state into the
/// controls. The field being typed into is never rewritten, so its text,
/// caret and selection stay exactly as the user left them.
class CSolvoView : public QWidget {
    Q_OBJECT

public:
    /// What the concentration calculator reports when it closes.
    struct CalculatorResult {
        bool accepted = false;            ///< ended with OK
        double solutionMillilitres = 0.0; ///< its solution volume
    };

    /// commands gives Copy, Cut and Paste, which act on the focused field.
    CSolvoView(SolvoDocument& document, DocumentManager& documents, CommandActions& commands,
               QWidget* parent = nullptr);
    ~CSolvoView() override;

    /// Runs the substance database dialog on a copy of the current component;
    /// the substance chosen when it ended with "Use". The "database" button
    /// works once this is set.
    std::function<std::optional<SolvoSubstance>(const SolvoSubstance&)> chooseFromDatabase;
    /// Runs the concentration calculator on the current component itself,
    /// starting with the final volume in millilitres. The "concentration"
    /// button works once this is set.
    std::function<CalculatorResult(SolvoSubstance&, double)> runConcentrationCalculator;

    const CompositionForm& Form() const { return form_; }

private:
    void Connect();
    void ConnectClipboard();
    void UpdateClipboardCommands();
    void FieldEdited(CompositionField field, const QString& text);
    void Finish(const CompositionOutcome& outcome);
    void Mirror();
    void MirrorField(CompositionField field);
    void MirrorList(CompositionList list);
    void ChooseFromDatabase();
    void RunConcentrationCalculator();
    void DocumentChanged();
    std::optional<CompositionField> FocusedField() const;
    QLineEdit* FocusedEdit() const;

    SolvoDocument& document_;
    DocumentManager& documents_;
    CommandActions& commands_;
    CompositionForm form_;
    CompositionWidgets widgets_;
    /// While this view reports its own edit, the document's change
    /// notification is not for it.
    bool reporting_ = false;
};

} // namespace solvo
