#include "calculators/MixerWidgets.h"

#include "app/DialogControls.h"
#include "formula/CStaticFormulaFrame.h"
#include "quantities/CFEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace solvo {

namespace {

// Widths in quarters of the font's average character width, the unit the
// dialog was designed in; number fields are a little wider than designed so
// that a number with an exponent is never clipped.
constexpr int kTextFieldWidth = 113;
constexpr int kNumberFieldWidth = 48;
constexpr int kUnitListWidth = 57;
constexpr int kButtonWidth = 50;
constexpr int kConcButtonWidth = 30;
constexpr int kToggleWidth = 10;
// Height of the formula frame in eighths of the font's height.
constexpr int kFormulaFrameHeight = 43;

constexpr std::array<const char*, kMixerFieldCount> kFieldNames = {
    "concentration1", "concentration2", "concentration3", "volume1", "volume2",  "volume3",
    "solutionMass1",  "solutionMass2",  "solutionMass3",  "molarMass", "name", "formula"};
constexpr std::array<const char*, kMixerRowCount> kRowTitles = {"1st solution", "2nd solution",
                                                                "mixed solution"};

} // namespace

MixerWidgets::MixerWidgets(QWidget& dialog, const ElementTable& elements,
                           const std::function<std::int32_t()>& displayDigits)
    : units_(dialog)
{
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const auto field = static_cast<MixerField>(i);
        fields_[i] = field == MixerField::Name || field == MixerField::Formula
                         ? TextField(kFieldNames[i], units_.Across(kTextFieldWidth))
                         : NumberField(kFieldNames[i], units_.Across(kNumberFieldWidth), displayDigits);
    }

    database = DatabaseButton();
    database->setObjectName(QStringLiteral("database"));
    database->setMinimumWidth(units_.Across(kButtonWidth));
    Field(MixerField::Name)->setAccessibleName(QObject::tr("name"));
    Field(MixerField::Name)->setToolTip(QObject::tr("Name of the substance"));
    Field(MixerField::Formula)->setToolTip(QObject::tr("Formula of the substance, such as CuSO_4&5H_2O"));
    Field(MixerField::MolarMass)->setToolTip(QObject::tr("Molar mass, g/mol; given by the formula when there is one"));
    auto* placeholder = FormulaPlaceholder(QObject::tr("formula"));
    placeholder->setMinimumHeight(units_.Down(kFormulaFrameHeight));
    auto* substance = new QGridLayout;
    AddSubstanceRows(*substance, database, Field(MixerField::Name), Field(MixerField::Formula),
                     Field(MixerField::MolarMass));
    substance->addWidget(new QLabel(QStringLiteral("g/mol")), 2, 2);
    substance->addWidget(placeholder, 3, 1, 1, 3);
    substance->setColumnStretch(3, 1);
    formulaFrame = new CStaticFormulaFrame(elements, &dialog);

    constantConcentrations = new QCheckBox(QObject::tr("constant concentrations"));
    constantConcentrations->setObjectName(QStringLiteral("constantConcentrations"));
    constantConcentrations->setToolTip(
        QObject::tr("Keep the three concentrations: an amount typed rescales the other two solutions"));
    clearAll = NamedButton(QObject::tr("Clear all"), "clearAll");
    clearAll->setToolTip(QObject::tr("Start again with no substance"));
    clear = NamedButton(QObject::tr("Clear"), "clear");
    clear->setToolTip(QObject::tr("Set every quantity to 0 and keep the substance"));
    ok = NamedButton(QObject::tr("OK"), "ok");
    ok->setDefault(true);
    QHBoxLayout* buttons = ButtonRow({clearAll, clear, ok}, units_.Across(kButtonWidth));

    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(substance);
    for (std::size_t row = 0; row < kMixerRowCount; ++row)
        layout->addWidget(BuildRow(row));
    layout->addWidget(constantConcentrations);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // The frame takes the placeholder's place once the placeholder has one.
    formulaFrame->AttachToPlaceholder(placeholder);
    for (QPushButton* button : {database, clearAll, clear})
        button->setAutoDefault(false);

    QWidget* previous = database;
    auto chain = [&previous](QWidget* widget) {
        QWidget::setTabOrder(previous, widget);
        previous = widget;
    };
    for (MixerField field : {MixerField::Name, MixerField::Formula, MixerField::MolarMass})
        chain(Field(field));
    for (std::size_t row = 0; row < kMixerRowCount; ++row) {
        chain(conc[row]);
        chain(Field(ConcentrationField(row)));
        chain(units[row]);
        chain(Field(VolumeField(row)));
        chain(toggles[row]);
        chain(Field(SolutionMassField(row)));
    }
    for (QWidget* widget : {static_cast<QWidget*>(constantConcentrations), static_cast<QWidget*>(clearAll),
                            static_cast<QWidget*>(clear), static_cast<QWidget*>(ok)})
        chain(widget);
}

QGroupBox* MixerWidgets::BuildRow(std::size_t row)
{
    const QString title = QObject::tr(kRowTitles[row]);
    auto* group = new QGroupBox(title);
    auto* grid = new QGridLayout(group);
    const QString number = QString::number(row + 1);

    conc[row] = new QPushButton(QObject::tr("Conc"));
    conc[row]->setObjectName(QStringLiteral("conc") + number);
    conc[row]->setToolTip(QObject::tr("Work out the concentration of the %1 in the concentration calculator")
                              .arg(title));
    conc[row]->setMinimumWidth(units_.Across(kConcButtonWidth));
    conc[row]->setAutoDefault(false);
    units[row] = new QComboBox;
    units[row]->setObjectName(QStringLiteral("unit") + number);
    units[row]->setAccessibleName(QObject::tr("unit of the %1").arg(title));
    units[row]->setToolTip(QObject::tr("The unit of the concentration"));
    units[row]->setMinimumWidth(units_.Across(kUnitListWidth));
    toggles[row] = new QPushButton;
    toggles[row]->setObjectName(QStringLiteral("toggle") + number);
    toggles[row]->setToolTip(QObject::tr("Type the volume (<) or the mass of the solution (>)"));
    toggles[row]->setFixedWidth(std::max(units_.Across(kToggleWidth),
                                         toggles[row]->fontMetrics().horizontalAdvance(QStringLiteral("<>")) * 2));
    toggles[row]->setAutoDefault(false);

    QLineEdit* concentration = Field(ConcentrationField(row));
    concentration->setAccessibleName(QObject::tr("concentration of the %1").arg(title));
    concentration->setToolTip(QObject::tr("Concentration of the %1").arg(title));
    QLineEdit* volume = Field(VolumeField(row));
    volume->setToolTip(QObject::tr("Volume of the %1").arg(title));
    QLineEdit* mass = Field(SolutionMassField(row));
    mass->setToolTip(QObject::tr("Mass of the %1").arg(title));

    grid->addWidget(conc[row], 0, 0);
    grid->addWidget(concentration, 0, 1);
    grid->addWidget(units[row], 0, 2);
    grid->addWidget(FieldLabel(QObject::tr("V"), volume), 0, 3);
    grid->addWidget(volume, 0, 4);
    grid->addWidget(new QLabel(QStringLiteral("mL")), 0, 5);
    grid->addWidget(toggles[row], 0, 6);
    grid->addWidget(FieldLabel(QObject::tr("Sm"), mass), 0, 7);
    grid->addWidget(mass, 0, 8);
    grid->addWidget(new QLabel(QStringLiteral("g")), 0, 9);
    grid->setColumnMinimumWidth(3, units_.Across(16));
    return group;
}

} // namespace solvo
