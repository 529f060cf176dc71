#pragma once

#include "app/CSolvoApp.h"
#include "app/FieldMirror.h"
#include "app/MessagePrompts.h"
#include "app/ProgramTextInput.h"
#include "app/TextConversion.h"
#include "formula/CStaticFormulaFrame.h"
#include "quantities/CFEdit.h"
#include "substances/CSubstanceDatabaseDlg.h"

#include <QDialog>
#include <QLineEdit>

#include <optional>
#include <string>
#include <utility>

namespace solvo {

/// What the concentration calculator and the solution mixer do alike. Both
/// edit one substance through a form model whose refusals name the field to
/// correct, so typing, a number field's own reformatting, the database
/// button, a refusal and OK go the same way in both. The field being typed
/// is never rewritten, so its text and caret stay as the user left them.
template <typename FormModel, typename Widgets>
class CalculatorDialog : public QDialog {
public:
    using Message = typename FormModel::Message;

    const FormModel& Form() const { return form_; }

    /// OK: closes only when the form accepts every field.
    void accept() override
    {
        if (const std::optional<Message> message = form_.Accept()) {
            Finish(message);
            return;
        }
        QDialog::accept();
    }

protected:
    using Field = decltype(Message::field);

    /// app must outlive the dialog; the form is made from formArguments.
    template <typename... FormArguments>
    CalculatorDialog(CSolvoApp& app, QWidget* parent, FormArguments&&... formArguments)
        : QDialog(parent), app_(app), form_(std::forward<FormArguments>(formArguments)...),
          widgets_(*this, app.Elements(), [&app] { return app.DisplayDigits(); })
    {
    }

    void ConnectFields()
    {
        for (std::int32_t i = 0; i < Widgets::kFieldCount; ++i) {
            const auto field = static_cast<Field>(i);
            QLineEdit* edit = widgets_.Field(field);
            // textEdited comes from the user only, never from the dialog's own setText.
            connect(edit, &QLineEdit::textEdited, this,
                    [this, field](const QString& text) { FieldEdited(field, text); });
            if (auto* number = qobject_cast<CFEdit*>(edit)) {
                connect(number, &CFEdit::reformatted, this, [this, field](const QString& text) {
                    if (const std::optional<std::string> programText = ToProgramText(text))
                        form_.Reformatted(field, *programText);
                });
            }
        }
    }

    /// Shows the form's state after an event, then its refusal if there is
    /// one, with the field to correct selected.
    void Finish(const std::optional<Message>& message)
    {
        Mirror();
        if (!message)
            return;
        ShowFieldRefusal(*this, *widgets_.Field(message->field), message->text);
    }

    void Mirror()
    {
        for (std::int32_t i = 0; i < Widgets::kFieldCount; ++i) {
            const auto field = static_cast<Field>(i);
            MirrorLineEdit(*widgets_.Field(field), form_.Text(field), form_.Enabled(field), form_.Red(field));
        }
        widgets_.formulaFrame->SetFormulaText(form_.FormulaFrameText(), true);
        MirrorControls();
    }

    /// Copies the form's state into the controls other than the fields.
    virtual void MirrorControls() = 0;

    /// The database dialog works on a copy, so cancelling it changes nothing.
    void ChooseFromDatabase()
    {
        const std::optional<SolvoSubstance> chosen = CSubstanceDatabaseDlg::Choose(app_, form_.DatabaseCopy(), this);
        if (chosen)
            form_.UseDatabaseSubstance(*chosen);
        Mirror();
    }

    CSolvoApp& app_;
    FormModel form_;
    Widgets widgets_;

private:
    void FieldEdited(Field field, const QString& text)
    {
        const std::optional<std::string> programText =
            TakeProgramText(*widgets_.Field(field), text, form_.Text(field));
        if (programText)
            Finish(form_.Type(field, *programText));
    }
};

} // namespace solvo
