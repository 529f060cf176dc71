#include "calculators/CSolutionMixer.h"

#include "app/FieldMirror.h"
#include "app/CSolvoApp.h"
#include "app/MessagePrompts.h"
#include "app/ProgramTextInput.h"
#include "app/TextConversion.h"
#include "calculators/CConcentrationCalculator.h"
#include "formula/CStaticFormulaFrame.h"
#include "quantities/CFEdit.h"
#include "substances/CSubstanceDatabaseDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace solvo {

CSolutionMixer::CSolutionMixer(CSolvoApp& app, QWidget* parent)
    : QDialog(parent), app_(app), form_(app.Elements(), app.Units(), app.DisplayDigits()),
      widgets_(*this, app.Elements(), [&app] { return app.DisplayDigits(); })
{
    setWindowTitle(tr("Solution mixer"));
    for (QComboBox* list : widgets_.units) {
        for (std::int32_t code = 0; code < kConcentrationUnitCount; ++code)
            list->addItem(ToQString(form_.UnitItems().Label(code)));
    }
    Connect();
    Mirror();
}

void CSolutionMixer::Connect()
{
    for (std::int32_t i = 0; i < kMixerFieldCount; ++i) {
        const auto field = static_cast<MixerField>(i);
        QLineEdit* edit = widgets_.Field(field);
        // textEdited comes from the user only, never from the dialog's own setText.
        connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) { FieldEdited(field, text); });
        if (auto* number = qobject_cast<CFEdit*>(edit)) {
            connect(number, &CFEdit::reformatted, this, [this, field](const QString& text) {
                if (const std::optional<std::string> programText = ToProgramText(text))
                    form_.Reformatted(field, *programText);
            });
        }
    }
    for (std::size_t row = 0; row < kMixerRowCount; ++row) {
        connect(widgets_.units[row], &QComboBox::activated, this, [this, row](int index) {
            Finish(form_.ChooseUnit(row, static_cast<ConcentrationUnit>(index)));
        });
        connect(widgets_.toggles[row], &QPushButton::clicked, this, [this, row] {
            form_.Toggle(row);
            Mirror();
        });
        connect(widgets_.conc[row], &QPushButton::clicked, this, [this, row] { RunConcentrationCalculator(row); });
    }
    connect(widgets_.constantConcentrations, &QCheckBox::clicked, this,
            [this](bool checked) { Finish(form_.ClickConstantConcentrations(checked)); });
    connect(widgets_.clear, &QPushButton::clicked, this, [this] {
        form_.Clear();
        Mirror();
    });
    connect(widgets_.clearAll, &QPushButton::clicked, this, [this] {
        form_.ClearAll();
        Mirror();
    });
    connect(widgets_.database, &QPushButton::clicked, this, &CSolutionMixer::ChooseFromDatabase);
    connect(widgets_.ok, &QPushButton::clicked, this, &CSolutionMixer::accept);
}

void CSolutionMixer::FieldEdited(MixerField field, const QString& text)
{
    QLineEdit* edit = widgets_.Field(field);
    if (const std::optional<std::string> programText = TakeProgramText(*edit, text, form_.Text(field)))
        Finish(form_.Type(field, *programText));
}

void CSolutionMixer::Finish(const std::optional<SolutionMixerForm::Message>& message)
{
    Mirror();
    if (!message)
        return;
    MessagePrompts(this).ShowMessage(message->text, PromptIcon::Exclamation);
    QLineEdit* edit = widgets_.Field(message->field);
    edit->setFocus();
    edit->selectAll();
}

void CSolutionMixer::Mirror()
{
    for (std::int32_t i = 0; i < kMixerFieldCount; ++i)
        MirrorField(static_cast<MixerField>(i));
    for (std::size_t row = 0; row < kMixerRowCount; ++row) {
        widgets_.units[row]->setCurrentIndex(static_cast<int>(form_.Row(row).unit));
        const std::string_view caption = form_.ToggleCaption(row);
        widgets_.toggles[row]->setText(QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())));
        widgets_.toggles[row]->setEnabled(form_.ToggleEnabled(row));
        widgets_.conc[row]->setEnabled(form_.ConcButtonEnabled(row));
    }
    widgets_.constantConcentrations->setChecked(form_.ConstantConcentrations());
    widgets_.formulaFrame->SetFormulaText(form_.FormulaFrameText(), true);
}

void CSolutionMixer::MirrorField(MixerField field)
{
    MirrorLineEdit(*widgets_.Field(field), form_.Text(field), form_.Enabled(field), form_.Red(field));
}

void CSolutionMixer::RunConcentrationCalculator(std::size_t row)
{
    const SolutionMixerForm::CalculatorStart start = form_.BeginConcentrationCalculator(row);
    const CConcentrationCalculator::Result result =
        CConcentrationCalculator::RunLocked(app_, form_.Component(), start.volume, start.solutionMass, this);
    Finish(form_.EndConcentrationCalculator(row, result.accepted, result.volume, result.solutionMass));
}

void CSolutionMixer::ChooseFromDatabase()
{
    if (const std::optional<SolvoSubstance> chosen = CSubstanceDatabaseDlg::Choose(app_, form_.DatabaseCopy(), this))
        form_.UseDatabaseSubstance(*chosen);
    Mirror();
}

void CSolutionMixer::accept()
{
    if (const std::optional<SolutionMixerForm::Message> message = form_.Accept()) {
        Finish(message);
        return;
    }
    QDialog::accept();
}

} // namespace solvo
