#include "solution/CompositionWidgets.h"

#include "app/DialogControls.h"
#include "formula/CStaticFormulaFrame.h"
#include "quantities/CFEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>

namespace solvo {

namespace {

// Widths of the controls in quarters of the font's average character width,
// the unit the form was designed in.
constexpr int kTextFieldWidth = 113;
constexpr int kNumberFieldWidth = 49;
constexpr int kUnitListWidth = 57;
constexpr int kFormulaFrameWidth = 166;
constexpr int kVolumeFieldWidth = 40;
constexpr int kVolumeUnitWidth = 48;
constexpr int kButtonWidth = 73;
// Height of a formula frame in eighths of the font's height.
constexpr int kFormulaFrameHeight = 52;

} // namespace

CompositionWidgets::CompositionWidgets(QWidget& view, const ElementTable& elements,
                                       const std::function<std::int32_t()>& displayDigits)
    : units_(view)
{
    for (CompositionField field : {CompositionField::Name, CompositionField::Formula, CompositionField::SourceFormula})
        fields_[static_cast<std::size_t>(field)] = new QLineEdit;
    for (CompositionField field : {CompositionField::MolarMass, CompositionField::Concentration,
                                   CompositionField::SourceValue, CompositionField::Mass,
                                   CompositionField::FinalVolume, CompositionField::Purity,
                                   CompositionField::Equivalents, CompositionField::PureDensity})
        fields_[static_cast<std::size_t>(field)] = new CFEdit(displayDigits);
    for (QComboBox*& list : lists_)
        list = new QComboBox;
    Field(CompositionField::Name)->setAccessibleName(QObject::tr("name"));
    // Its label is the button that opens the calculator, which would
    // otherwise leave the group's caption as its name.
    Field(CompositionField::Concentration)->setAccessibleName(QObject::tr("concentration"));
    List(CompositionList::ConcentrationUnit)->setAccessibleName(QObject::tr("concentration unit"));
    // Names by which tests and accessibility tools find the controls.
    const std::array<const char*, 11> fieldNames = {
        "name", "formula", "molarMass", "concentration", "sourceFormula", "sourceValue",
        "mass", "finalVolume", "purity", "equivalents", "pureDensity"};
    for (std::size_t i = 0; i < fields_.size(); ++i)
        fields_[i]->setObjectName(QString::fromLatin1(fieldNames[i]));
    const std::array<const char*, 4> listNames = {"concentrationUnit", "source", "sourceUnit", "volumeUnit"};
    for (std::size_t i = 0; i < lists_.size(); ++i)
        lists_[i]->setObjectName(QString::fromLatin1(listNames[i]));

    tabs = new QTabBar;
    tabs->setExpanding(false);
    tabs->setUsesScrollButtons(true);
    // A solution of many components scrolls its tabs: the strip takes the
    // form's width and never widens the window past the screen.
    tabs->setSizePolicy(QSizePolicy::Ignored, tabs->sizePolicy().verticalPolicy());
    auto* panel = new QFrame;
    panel->setFrameShape(QFrame::StyledPanel);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(BuildSubstanceGroup(view, elements));
    panelLayout->addWidget(BuildSourceGroup(view, elements));

    addSubstance = new QPushButton(QObject::tr("Add substance"));
    addSubstance->setToolTip(QObject::tr("Add a component to the solution"));
    removeSubstance = new QPushButton(QObject::tr("Remove substance"));
    removeSubstance->setToolTip(QObject::tr("Remove the component shown from the solution"));
    showRecipe = new QPushButton(QObject::tr("Show recipe"));
    showRecipe->setToolTip(QObject::tr("Show how to prepare the solution"));
    QHBoxLayout* buttons = ButtonRow({addSubstance, removeSubstance, showRecipe}, units_.Across(kButtonWidth));
    // The view's column has no spacing of its own, which the row would inherit
    // and leave the buttons touching.
    buttons->setSpacing(view.style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing));
    for (QPushButton* button : {addSubstance, removeSubstance, showRecipe})
        button->setAutoDefault(false);

    tabs->setObjectName(QStringLiteral("tabs"));
    addSubstance->setObjectName(QStringLiteral("addSubstance"));
    removeSubstance->setObjectName(QStringLiteral("removeSubstance"));
    showRecipe->setObjectName(QStringLiteral("showRecipe"));
    auto* layout = new QVBoxLayout(&view);
    layout->addWidget(tabs);
    layout->addWidget(panel);
    layout->setSpacing(0);
    layout->addSpacing(units_.Down(4));
    layout->addWidget(BuildVolumeRow(view));
    layout->addSpacing(units_.Down(4));
    layout->addLayout(buttons);
    SetTabOrder(view);
}

QGroupBox* CompositionWidgets::BuildSubstanceGroup(QWidget& view, const ElementTable& elements)
{
    auto* group = new QGroupBox(QObject::tr("Substance in solution"));
    auto* grid = new QGridLayout(group);
    database = DatabaseButton();
    concentration = new QPushButton(QObject::tr("concentration"));
    concentration->setToolTip(QObject::tr("Work out the concentration in the concentration calculator"));
    prepareStandard = new QCheckBox(QObject::tr("prepare standard solution"));
    prepareStandard->setObjectName(QStringLiteral("prepareStandard"));
    prepareStandard->setToolTip(QObject::tr("Weigh about the amount needed and enter the exact weight"));
    auto* placeholder = FormulaPlaceholder(QObject::tr("formula"));

    AddSubstanceRows(*grid, database, Field(CompositionField::Name), Field(CompositionField::Formula),
                     Field(CompositionField::MolarMass));
    grid->addWidget(concentration, 3, 0);
    grid->addWidget(Field(CompositionField::Concentration), 3, 1);
    grid->addWidget(List(CompositionList::ConcentrationUnit), 3, 2);
    grid->addWidget(placeholder, 0, 3, 3, 1);
    grid->addWidget(prepareStandard, 3, 3);

    // What N and % v/v are counted with, beside the units that need them.
    QLineEdit* equivalents = Field(CompositionField::Equivalents);
    equivalents->setToolTip(QObject::tr("Equivalents per formula unit: N is M times this number "
                                        "(2 for H2SO4 as an acid)"));
    QLineEdit* pureDensity = Field(CompositionField::PureDensity);
    pureDensity->setToolTip(QObject::tr("Density of the pure liquid, for % v/v; 0 for none. A density "
                                        "table with a 100 % row gives it instead"));
    grid->addWidget(FieldLabel(QObject::tr("equivalents"), equivalents), 4, 0);
    grid->addWidget(equivalents, 4, 1);
    auto* pure = new QHBoxLayout;
    pure->addWidget(FieldLabel(QObject::tr("pure liquid density"), pureDensity));
    pure->addWidget(pureDensity);
    pure->addWidget(new QLabel(QStringLiteral("g/mL")));
    pure->addStretch();
    pureDensity->setMinimumWidth(units_.Across(kNumberFieldWidth));
    grid->addLayout(pure, 4, 2, 1, 2);

    formulaFrame = new CStaticFormulaFrame(elements, &view);
    formulaFrame->AttachToPlaceholder(placeholder);
    for (QPushButton* button : {database, concentration})
        button->setAutoDefault(false);
    return group;
}

QGroupBox* CompositionWidgets::BuildSourceGroup(QWidget& view, const ElementTable& elements)
{
    auto* group = new QGroupBox(QObject::tr("Substance source"));
    auto* grid = new QGridLayout(group);
    sourceValueLabel = FieldLabel(QObject::tr("molar mass"), Field(CompositionField::SourceValue));
    massLabel = FieldLabel(QObject::tr("mass needed"), Field(CompositionField::Mass));
    auto* placeholder = FormulaPlaceholder(QObject::tr("source formula"));
    List(CompositionList::Source)->setAccessibleName(QObject::tr("source"));
    List(CompositionList::SourceUnit)->setAccessibleName(QObject::tr("source unit"));
    // The list is hidden for solids; its place stays so nothing moves.
    KeepPlaceWhenHidden(*List(CompositionList::SourceUnit));

    grid->addWidget(List(CompositionList::Source), 0, 1, 1, 2);
    grid->addWidget(FieldLabel(QObject::tr("formula"), Field(CompositionField::SourceFormula)), 1, 0);
    grid->addWidget(Field(CompositionField::SourceFormula), 1, 1, 1, 2);
    grid->addWidget(sourceValueLabel, 2, 0);
    grid->addWidget(Field(CompositionField::SourceValue), 2, 1);
    grid->addWidget(List(CompositionList::SourceUnit), 2, 2);
    grid->addWidget(massLabel, 3, 0);
    grid->addWidget(Field(CompositionField::Mass), 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("g")), 3, 2);
    QLineEdit* purity = Field(CompositionField::Purity);
    purity->setToolTip(QObject::tr("Assay of the solid weighed, %: the mass to weigh is divided "
                                   "by it"));
    grid->addWidget(FieldLabel(QObject::tr("purity"), purity), 4, 0);
    grid->addWidget(purity, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("%")), 4, 2);
    grid->addWidget(placeholder, 0, 3, 5, 1);

    sourceFormulaFrame = new CStaticFormulaFrame(elements, &view);
    sourceFormulaFrame->AttachToPlaceholder(placeholder);

    // Both groups share their columns, so their fields line up.
    const int firstColumn = std::max({database->sizeHint().width(), concentration->sizeHint().width(),
                                      sourceValueLabel->sizeHint().width(), massLabel->sizeHint().width(),
                                      QLabel(QObject::tr("purity")).sizeHint().width(),
                                      QLabel(QObject::tr("concentration")).sizeHint().width()});
    for (QGridLayout* layout : {qobject_cast<QGridLayout*>(database->parentWidget()->layout()), grid}) {
        layout->setColumnMinimumWidth(0, firstColumn);
        layout->setColumnMinimumWidth(1, units_.Across(kNumberFieldWidth));
        layout->setColumnMinimumWidth(2, units_.Across(kTextFieldWidth - kNumberFieldWidth));
        layout->setColumnMinimumWidth(3, units_.Across(kFormulaFrameWidth));
        layout->setColumnStretch(3, 1);
    }
    for (CStaticFormulaFrame* frame : {formulaFrame, sourceFormulaFrame})
        frame->setMinimumSize(units_.Across(kFormulaFrameWidth), units_.Down(kFormulaFrameHeight));
    for (CompositionList list : {CompositionList::ConcentrationUnit, CompositionList::SourceUnit})
        List(list)->setMinimumWidth(units_.Across(kUnitListWidth));
    return group;
}

QWidget* CompositionWidgets::BuildVolumeRow(QWidget& view)
{
    auto* row = new QWidget(&view);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QLineEdit* volume = Field(CompositionField::FinalVolume);
    QComboBox* unit = List(CompositionList::VolumeUnit);
    unit->setAccessibleName(QObject::tr("volume unit"));
    volume->setMinimumWidth(units_.Across(kVolumeFieldWidth));
    volume->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    unit->setMinimumWidth(units_.Across(kVolumeUnitWidth));
    layout->addStretch();
    layout->addWidget(FieldLabel(QObject::tr("Final volume"), volume));
    layout->addWidget(volume);
    layout->addWidget(unit);
    return row;
}

void CompositionWidgets::SetTabOrder(QWidget& view) const
{
    const QList<QWidget*> order = {tabs,
                                   database,
                                   Field(CompositionField::Name),
                                   Field(CompositionField::Formula),
                                   Field(CompositionField::MolarMass),
                                   concentration,
                                   Field(CompositionField::Concentration),
                                   List(CompositionList::ConcentrationUnit),
                                   prepareStandard,
                                   Field(CompositionField::Equivalents),
                                   Field(CompositionField::PureDensity),
                                   List(CompositionList::Source),
                                   Field(CompositionField::SourceFormula),
                                   Field(CompositionField::SourceValue),
                                   List(CompositionList::SourceUnit),
                                   Field(CompositionField::Mass),
                                   Field(CompositionField::Purity),
                                   Field(CompositionField::FinalVolume),
                                   List(CompositionList::VolumeUnit),
                                   addSubstance,
                                   removeSubstance,
                                   showRecipe};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    view.setFocusProxy(tabs);
}

} // namespace solvo
