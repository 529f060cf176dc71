#include "calculators/CConcentrationCalculator.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace solvo {

CConcentrationCalculator::CConcentrationCalculator(CSolvoApp& app, SolvoSubstance& component, bool locked,
                                                   double volume, double solutionMass, QWidget* parent)
    : CalculatorDialog(app, parent, component, app.Elements(), locked, app.DisplayDigits(), volume, solutionMass)
{
    setWindowTitle(tr("Concentration calculator"));
    widgets_.densityUnit->setCurrentIndex(static_cast<int>(form_.GetDensityUnit()));
    widgets_.ShowUnitLabels(app.Units());
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
    ConnectFields();
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

void CConcentrationCalculator::MirrorControls()
{
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
}

} // namespace solvo
