#include "calculators/CSolutionMixer.h"

#include "calculators/CConcentrationCalculator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

namespace solvo {

CSolutionMixer::CSolutionMixer(CSolvoApp& app, QWidget* parent)
    : CalculatorDialog(app, parent, app.Elements(), app.Units(), app.DisplayDigits())
{
    setWindowTitle(tr("Solution mixer"));
    Connect();
    Mirror();
}

void CSolutionMixer::Connect()
{
    ConnectFields();
    for (std::size_t row = 0; row < kMixerRowCount; ++row) {
        connect(widgets_.units[row], &QComboBox::activated, this, [this, row](int index) {
            if (const std::optional<ConcentrationUnit> unit = form_.Units().UnitAt(index))
                Finish(form_.ChooseUnit(row, *unit));
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

void CSolutionMixer::MirrorControls()
{
    QStringList items;
    for (const std::string& item : form_.Units().Items())
        items << ToQString(item);
    for (std::size_t row = 0; row < kMixerRowCount; ++row) {
        QComboBox* list = widgets_.units[row];
        if (list->count() != items.size()) {
            list->clear();
            list->addItems(items);
        }
        list->setCurrentIndex(form_.Units().IndexOf(form_.Row(row).unit));
        const std::string_view caption = form_.ToggleCaption(row);
        widgets_.toggles[row]->setText(QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())));
        widgets_.toggles[row]->setEnabled(form_.ToggleEnabled(row));
        widgets_.conc[row]->setEnabled(form_.ConcButtonEnabled(row));
    }
    widgets_.constantConcentrations->setChecked(form_.ConstantConcentrations());
}

void CSolutionMixer::RunConcentrationCalculator(std::size_t row)
{
    const SolutionMixerForm::CalculatorStart start = form_.BeginConcentrationCalculator(row);
    const CConcentrationCalculator::Result result =
        CConcentrationCalculator::RunLocked(app_, form_.Component(), start.volume, start.solutionMass, this);
    Finish(form_.EndConcentrationCalculator(row, result.accepted, result.volume, result.solutionMass));
}

} // namespace solvo
