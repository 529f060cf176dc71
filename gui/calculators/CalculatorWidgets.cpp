#include "calculators/CalculatorWidgets.h"

#include "app/DialogControls.h"
#include "app/TextConversion.h"
#include "formula/CStaticFormulaFrame.h"
#include "quantities/CFEdit.h"
#include "quantities/DensityUnit.h"
#include "quantities/UnitLabels.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace solvo {

namespace {

// Widths in quarters of the font's average character width, the unit the
// dialog was designed in; number fields are a little wider than designed so
// that a number with an exponent is never clipped.
constexpr int kTextFieldWidth = 127;
constexpr int kNumberFieldWidth = 48;
constexpr int kUnitListWidth = 48;
constexpr int kButtonWidth = 43;
constexpr int kToggleWidth = 10;
// Height of the formula frame in eighths of the font's height.
constexpr int kFormulaFrameHeight = 43;

constexpr std::array<const char*, kCalculatorFieldCount> kFieldNames = {
    "molar",  "millimolar", "molal",        "percentWW", "ppm",       "percentWV", "moleFraction", "density",
    "mass",   "amount",     "volume",       "solutionMass", "molarMass", "name",    "formula",
    "micromolar", "nanomolar", "mgPerML", "ugPerML", "mgPerL", "percentVV", "normal"};

} // namespace

CalculatorWidgets::CalculatorWidgets(QWidget& dialog, const ElementTable& elements,
                                     const std::function<std::int32_t()>& displayDigits)
    : units_(dialog)
{
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const auto field = static_cast<CalculatorField>(i);
        fields_[i] = field == CalculatorField::Name || field == CalculatorField::Formula
                         ? TextField(kFieldNames[i], units_.Across(kTextFieldWidth))
                         : NumberField(kFieldNames[i], units_.Across(kNumberFieldWidth), displayDigits);
    }

    auto* grid = new QGridLayout;
    grid->addLayout(BuildSubstance(dialog, elements), 0, 0, 1, 7);

    const std::array<const char*, 4> modeNames = {"beSmart", "holdAmount", "holdVolume", "holdConcentration"};
    auto* modeGroup = new QButtonGroup(&dialog);
    for (std::size_t i = 0; i < modes_.size(); ++i) {
        modes_[i] = new QRadioButton(i == 0 ? QObject::tr("be smart") : QObject::tr("= const"));
        modes_[i]->setObjectName(QString::fromLatin1(modeNames[i]));
        modeGroup->addButton(modes_[i], static_cast<int>(i));
    }
    Mode(CalculatorMode::BeSmart)->setToolTip(QObject::tr("Let the calculator choose what stays fixed"));
    Mode(CalculatorMode::HoldAmount)->setToolTip(QObject::tr("Keep the mass and amount of the substance"));
    Mode(CalculatorMode::HoldVolume)->setToolTip(QObject::tr("Keep the volume and mass of the solution"));
    Mode(CalculatorMode::HoldConcentration)->setToolTip(QObject::tr("Keep the concentration"));
    grid->addWidget(Mode(CalculatorMode::BeSmart), 0, 7, Qt::AlignBottom);

    using F = CalculatorField;
    AddQuantity(*grid, F::Mass, 1, 0, QObject::tr("mass"), QStringLiteral("g"), QObject::tr("Mass of the substance"));
    AddQuantity(*grid, F::Amount, 1, 4, QObject::tr("n"), QStringLiteral("mol"), QObject::tr("Amount of the substance"));
    grid->addWidget(Mode(CalculatorMode::HoldAmount), 1, 7);
    AddQuantity(*grid, F::Volume, 2, 0, QObject::tr("V"), QStringLiteral("mL"), QObject::tr("Volume of the solution"));
    AddQuantity(*grid, F::SolutionMass, 2, 4, QObject::tr("Sm"), QStringLiteral("g"), QObject::tr("Mass of the solution"));
    toggle = new QPushButton;
    toggle->setObjectName(QStringLiteral("toggle"));
    toggle->setToolTip(QObject::tr("Type the volume (<) or the mass of the solution (>)"));
    toggle->setFixedWidth(
        std::max(units_.Across(kToggleWidth), toggle->fontMetrics().horizontalAdvance(QStringLiteral("<>")) * 2));
    grid->addWidget(toggle, 2, 3);
    grid->addWidget(Mode(CalculatorMode::HoldVolume), 2, 7);

    AddQuantity(*grid, F::Molar, 3, 0, QObject::tr("M"), QObject::tr("mol/L"), QObject::tr("Molarity"));
    AddQuantity(*grid, F::Millimolar, 4, 0, QObject::tr("mM"), QObject::tr("mmol/L"), QObject::tr("Millimolarity"));
    AddQuantity(*grid, F::Molal, 5, 0, QObject::tr("m"), QObject::tr("mol/kg"), QObject::tr("Molality"));
    AddQuantity(*grid, F::MoleFraction, 6, 0, QObject::tr("x"), {}, QObject::tr("Mole fraction"));
    AddQuantity(*grid, F::PercentWW, 3, 4, QObject::tr("%"), QObject::tr("w/w"), QObject::tr("Percent by weight"));
    AddQuantity(*grid, F::Ppm, 4, 4, QObject::tr("ppm"), QObject::tr("w/w"), QObject::tr("Parts per million by weight"));
    AddQuantity(*grid, F::PercentWV, 5, 4, QObject::tr("%"), QObject::tr("w/v"), QObject::tr("Grams per 100 mL of solution"));
    AddQuantity(*grid, F::Density, 6, 4, QObject::tr("d"), {}, QObject::tr("Density of the solution"));
    AddLaterUnit(*grid, F::Micromolar, 8, 0, QObject::tr("Micromolarity"));
    AddLaterUnit(*grid, F::Nanomolar, 9, 0, QObject::tr("Nanomolarity"));
    AddLaterUnit(*grid, F::Normal, 10, 0, QObject::tr("Normality: equivalents per litre of solution"));
    AddLaterUnit(*grid, F::MgPerML, 8, 4, QObject::tr("Milligrams per millilitre of solution"));
    AddLaterUnit(*grid, F::UgPerML, 9, 4, QObject::tr("Micrograms per millilitre of solution"));
    AddLaterUnit(*grid, F::MgPerL, 10, 4, QObject::tr("Milligrams per litre of solution"));
    AddLaterUnit(*grid, F::PercentVV, 11, 4,
                 QObject::tr("Millilitres of the pure liquid per 100 mL of solution; needs the pure liquid's density"));
    densityUnit = new QComboBox;
    densityUnit->setObjectName(QStringLiteral("densityUnit"));
    densityUnit->setAccessibleName(QObject::tr("density unit"));
    densityUnit->setToolTip(QObject::tr("The unit the density is shown and typed in"));
    for (std::int32_t code = 0; code < kDensityUnitCount; ++code)
        densityUnit->addItem(QString::fromLatin1(DensityUnitLabel(static_cast<DensityUnit>(code))));
    densityUnit->setMinimumWidth(units_.Across(kUnitListWidth));
    grid->addWidget(densityUnit, 6, 6);
    // Beside the first concentration, as the other modes are beside the first
    // field of their group.
    grid->addWidget(Mode(CalculatorMode::HoldConcentration), 3, 7, 9, 1, Qt::AlignTop);

    next = new QPushButton(QObject::tr("next"));
    next->setObjectName(QStringLiteral("next"));
    next->setToolTip(QObject::tr("The other concentration that has this density"));
    grid->addWidget(next, 7, 5);
    noTable = new QLabel(QObject::tr("(no table)"));
    noTable->setObjectName(QStringLiteral("noTable"));
    KeepPlaceWhenHidden(*noTable);
    grid->addWidget(noTable, 7, 6);
    grid->setColumnMinimumWidth(7, Mode(CalculatorMode::BeSmart)->sizeHint().width());

    clearAll = NamedButton(QObject::tr("Clear all"), "clearAll");
    clearAll->setToolTip(QObject::tr("Start again with no substance"));
    clear = NamedButton(QObject::tr("Clear"), "clear");
    clear->setToolTip(QObject::tr("Set every quantity to 0 and keep the substance"));
    cancel = NamedButton(QObject::tr("Cancel"), "cancel");
    ok = NamedButton(QObject::tr("OK"), "ok");
    ok->setDefault(true);
    QHBoxLayout* buttons = ButtonRow({clearAll, clear, cancel, ok}, units_.Across(kButtonWidth));
    for (QPushButton* button : {database, toggle, next, clearAll, clear, cancel})
        button->setAutoDefault(false);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(grid);
    layout->addSpacing(units_.Down(4));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // The frame takes the placeholder's place once the placeholder has one.
    formulaFrame->AttachToPlaceholder(placeholder_);

    QWidget* previous = database;
    for (QWidget* widget :
         {static_cast<QWidget*>(Field(F::Name)), static_cast<QWidget*>(Field(F::Formula)),
          static_cast<QWidget*>(Field(F::MolarMass)), static_cast<QWidget*>(Mode(CalculatorMode::BeSmart)),
          static_cast<QWidget*>(Field(F::Mass)), static_cast<QWidget*>(Field(F::Amount)),
          static_cast<QWidget*>(Field(F::Volume)), static_cast<QWidget*>(toggle),
          static_cast<QWidget*>(Field(F::SolutionMass)), static_cast<QWidget*>(Field(F::Molar)),
          static_cast<QWidget*>(Field(F::Millimolar)), static_cast<QWidget*>(Field(F::Molal)),
          static_cast<QWidget*>(Field(F::MoleFraction)), static_cast<QWidget*>(Field(F::PercentWW)),
          static_cast<QWidget*>(Field(F::Ppm)), static_cast<QWidget*>(Field(F::PercentWV)),
          static_cast<QWidget*>(Field(F::Density)), static_cast<QWidget*>(densityUnit),
          static_cast<QWidget*>(next), static_cast<QWidget*>(Field(F::Micromolar)),
          static_cast<QWidget*>(Field(F::Nanomolar)), static_cast<QWidget*>(Field(F::Normal)),
          static_cast<QWidget*>(Field(F::MgPerML)), static_cast<QWidget*>(Field(F::UgPerML)),
          static_cast<QWidget*>(Field(F::MgPerL)), static_cast<QWidget*>(Field(F::PercentVV)),
          static_cast<QWidget*>(clearAll), static_cast<QWidget*>(clear),
          static_cast<QWidget*>(cancel), static_cast<QWidget*>(ok)}) {
        QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

QGridLayout* CalculatorWidgets::BuildSubstance(QWidget& dialog, const ElementTable& elements)
{
    auto* grid = new QGridLayout;
    database = DatabaseButton();
    database->setObjectName(QStringLiteral("database"));
    database->setMinimumWidth(units_.Across(50));
    QLineEdit* name = Field(CalculatorField::Name);
    name->setAccessibleName(QObject::tr("name"));
    name->setToolTip(QObject::tr("Name of the substance"));
    Field(CalculatorField::Formula)->setToolTip(QObject::tr("Formula of the substance, such as CuSO_4&5H_2O"));
    Field(CalculatorField::MolarMass)->setToolTip(QObject::tr("Molar mass, g/mol; given by the formula when there is one"));
    auto* placeholder = FormulaPlaceholder(QObject::tr("formula"));
    placeholder->setMinimumHeight(units_.Down(kFormulaFrameHeight));

    AddSubstanceRows(*grid, database, name, Field(CalculatorField::Formula), Field(CalculatorField::MolarMass));
    grid->addWidget(new QLabel(QStringLiteral("g/mol")), 2, 2);
    grid->addWidget(placeholder, 3, 0, 1, 3);
    grid->setColumnStretch(2, 1);

    formulaFrame = new CStaticFormulaFrame(elements, &dialog);
    placeholder_ = placeholder;
    return grid;
}

void CalculatorWidgets::AddQuantity(QGridLayout& grid, CalculatorField field, int row, int column,
                                    const QString& label, const QString& unit, const QString& toolTip)
{
    QLineEdit* edit = Field(field);
    edit->setToolTip(toolTip);
    edit->setAccessibleName(toolTip);
    grid.addWidget(FieldLabel(label, edit), row, column);
    grid.addWidget(edit, row, column + 1);
    if (!unit.isEmpty())
        grid.addWidget(new QLabel(unit), row, column + 2);
}

// The label, which units.txt may change, goes after the number, where the
// eight show their units.
void CalculatorWidgets::AddLaterUnit(QGridLayout& grid, CalculatorField field, int row, int column,
                                     const QString& toolTip)
{
    QLineEdit* edit = Field(field);
    edit->setToolTip(toolTip);
    edit->setAccessibleName(toolTip);
    grid.addWidget(edit, row, column + 1);
    auto* label = new QLabel;
    label->setBuddy(edit);
    grid.addWidget(label, row, column + 2);
    laterUnitLabels_[static_cast<std::size_t>(static_cast<std::int32_t>(field) - kFirstLaterField)] = label;
}

void CalculatorWidgets::ShowUnitLabels(const UnitLabels& labels)
{
    for (std::size_t i = 0; i < laterUnitLabels_.size(); ++i) {
        const auto code = static_cast<std::int32_t>(kFirstLaterField + static_cast<std::int32_t>(i));
        laterUnitLabels_[i]->setText(ToQString(labels.Label(code - kLaterUnitFieldOffset)));
    }
}

} // namespace solvo
