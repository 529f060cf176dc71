#include "calculators/CConcentrationCalculator.h"

#include "app/FieldMirror.h"
#include "app/CSolvoApp.h"
#include "app/MessagePrompts.h"
#include "app/ProgramTextInput.h"
#include "app/TextConversion.h"
#include "formula/CStaticFormulaFrame.h"
#include "quantities/CFEdit.h"
#include "substances/CSubstanceDatabaseDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace solvo {

CConcentrationCalculator::CConcentrationCalculator(CSolvoApp& app, SolvoSubstance& component, bool locked,
                                                   double volume, double solutionMass, QWidget* parent)
    : QDialog(parent), app_(app), form_(component, app.Elements(), locked, app.DisplayDigits(), volume, solutionMass),
      widgets_(*this, app.Elements(), [&app] { return app.DisplayDigits(); })
{
    setWindowTitle(tr("Concentration calculator"));
    widgets_.densityUnit->setCurrentIndex(static_cast<int>(form_.GetDensityUnit()));
    if (locked)
        widgets_.database->hide();
    Connect();
    Mirror();
}

void CConcentrationCalculator::RunStandalone(CSolvoApp& app, QWidget* parent)
{
    SolvoSubstance component;
    CConcentrationCalculator(app, component, false, 0.0, 0.0, parent).exec();
}

CConcentrationCalculator::Result CConcentrationCalculator::RunLocked(CSolvoApp& app, SolvoSubstance& component,
                                                                     double volume, double solutionMass,
                                                                     QWidget* parent)
{
    CConcentrationCalculator dialog(app, component, true, volume, solutionMass, parent);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    return {accepted, dialog.Form().Volume(), dialog.Form().SolutionMass()};
}

void CConcentrationCalculator::Connect()
{
    for (std::int32_t i = 0; i < kCalculatorFieldCount; ++i) {
        const auto field = static_cast<CalculatorField>(i);
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
    for (std::int32_t i = 0; i < 4; ++i) {
        const auto mode = static_cast<CalculatorMode>(i);
        connect(widgets_.Mode(mode), &QRadioButton::clicked, this, [this, mode] { Finish(form_.ChooseMode(mode)); });
    }
    connect(widgets_.densityUnit, &QComboBox::activated, this,
            [this](int index) { Finish(form_.ChooseDensityUnit(static_cast<DensityUnit>(index))); });
    connect(widgets_.toggle, &QPushButton::clicked, this, [this] {
        form_.Toggle();
        Mirror();
    });
    connect(widgets_.next, &QPushButton::clicked, this, [this] { Finish(form_.Next()); });
    connect(widgets_.clear, &QPushButton::clicked, this, [this] {
        form_.Clear();
        Mirror();
    });
    connect(widgets_.clearAll, &QPushButton::clicked, this, [this] { Finish(form_.ClearAll()); });
    connect(widgets_.database, &QPushButton::clicked, this, &CConcentrationCalculator::ChooseFromDatabase);
    connect(widgets_.cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(widgets_.ok, &QPushButton::clicked, this, &CConcentrationCalculator::accept);
}

void CConcentrationCalculator::FieldEdited(CalculatorField field, const QString& text)
{
    QLineEdit* edit = widgets_.Field(field);
    const std::optional<std::string> programText = TakeProgramText(*edit, text, form_.Text(field));
    if (programText)
        Finish(form_.Type(field, *programText));
}

void CConcentrationCalculator::Finish(const std::optional<ConcentrationCalculatorForm::Message>& message)
{
    Mirror();
    if (!message)
        return;
    MessagePrompts(this).ShowMessage(message->text, PromptIcon::Exclamation);
    QLineEdit* edit = widgets_.Field(message->field);
    edit->setFocus();
    edit->selectAll();
}

void CConcentrationCalculator::Mirror()
{
    for (std::int32_t i = 0; i < kCalculatorFieldCount; ++i)
        MirrorField(static_cast<CalculatorField>(i));
    for (std::int32_t i = 0; i < 4; ++i)
        widgets_.Mode(static_cast<CalculatorMode>(i))->setChecked(static_cast<CalculatorMode>(i) == form_.Mode());
    widgets_.toggle->setText(QString::fromLatin1(form_.ToggleCaption().data(),
                                                 static_cast<qsizetype>(form_.ToggleCaption().size())));
    widgets_.toggle->setEnabled(form_.ToggleEnabled());
    widgets_.next->setEnabled(form_.NextEnabled());
    widgets_.noTable->setVisible(form_.NoTableShown());
    widgets_.database->setEnabled(!form_.Locked());
    widgets_.clearAll->setEnabled(!form_.Locked());
    widgets_.densityUnit->setCurrentIndex(static_cast<int>(form_.GetDensityUnit()));
    widgets_.formulaFrame->SetFormulaText(form_.FormulaFrameText(), true);
}

void CConcentrationCalculator::MirrorField(CalculatorField field)
{
    MirrorLineEdit(*widgets_.Field(field), form_.Text(field), form_.Enabled(field), form_.Red(field));
}

void CConcentrationCalculator::ChooseFromDatabase()
{
    if (const std::optional<SolvoSubstance> chosen = CSubstanceDatabaseDlg::Choose(app_, form_.DatabaseCopy(), this))
        form_.UseDatabaseSubstance(*chosen);
    Mirror();
}

void CConcentrationCalculator::accept()
{
    if (const std::optional<ConcentrationCalculatorForm::Message> message = form_.Accept()) {
        Finish(message);
        return;
    }
    QDialog::accept();
}

} // namespace solvo
