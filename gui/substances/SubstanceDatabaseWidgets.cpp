#include "substances/SubstanceDatabaseWidgets.h"

#include "app/DialogControls.h"
#include "formula/CStaticFormulaFrame.h"
#include "quantities/CFEdit.h"
#include "substances/DensityPlot.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace solvo {

namespace {

using DbField = SubstanceDatabaseField;
using DbList = SubstanceDatabaseList;
using DbCheck = SubstanceDatabaseCheck;
using DbButton = SubstanceDatabaseButton;

// Sizes in average character widths of the dialog's font.
constexpr int kTextFieldWidth = 26;
constexpr int kNumberFieldWidth = 11;

} // namespace

SubstanceDatabaseWidgets::SubstanceDatabaseWidgets(QDialog& dialog, const ElementTable& elements,
                                                   const std::function<std::int32_t()>& displayDigits)
{
    for (DbField field : {DbField::FilterText, DbField::Name, DbField::Formula})
        fields_[static_cast<std::size_t>(field)] = new QLineEdit;
    for (DbField field : {DbField::MolarMass, DbField::StockConcentration, DbField::Purity,
                          DbField::PureDensity, DbField::Equivalents})
        fields_[static_cast<std::size_t>(field)] = new CFEdit(displayDigits);
    for (QComboBox*& combo : lists_)
        combo = new QComboBox;
    const std::array<QString, 4> checkTexts = {QObject::tr("standard substance"), QObject::tr("no density table"),
                                               QObject::tr("use stock solution"), QObject::tr("no solid")};
    for (std::size_t i = 0; i < checks_.size(); ++i)
        checks_[i] = new QCheckBox(checkTexts[i]);
    const std::array<QString, 6> buttonTexts = {QObject::tr("Add"), QObject::tr("Delete"), QObject::tr("Modify"),
                                                QObject::tr("Exit"), QObject::tr("Use"), QString()};
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i] = new QPushButton(buttonTexts[i]);
        buttons_[i]->setAutoDefault(false);
    }
    Button(DbButton::Use)->setDefault(true);
    substances = new QListView;
    fromLibrary = new QPushButton(QObject::tr("Add from library\u2026"));
    import = new QPushButton(QObject::tr("Import substances\u2026"));
    for (QPushButton* button : {fromLibrary, import})
        button->setAutoDefault(false);
    tableText = new QPlainTextEdit;
    plot = new QLabel;
    formulaFrame = new CStaticFormulaFrame(elements);
    Build(dialog);
}

void SubstanceDatabaseWidgets::Build(QDialog& dialog)
{
    const int charWidth = dialog.fontMetrics().averageCharWidth();

    substances->setUniformItemSizes(true);
    substances->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Wide enough to show the longest built-in name whole, beside a scroll bar.
    const int longestName =
        dialog.fontMetrics().horizontalAdvance(QStringLiteral("potassium dihydrogen phosphate"));
    substances->setMinimumWidth(longestName + 2 * charWidth +
                                dialog.style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                                2 * substances->frameWidth());
    substances->setToolTip(QObject::tr("The substances that pass the filter; select one to show it"));
    auto* filterRow = new QHBoxLayout;
    auto* filterLabel = new QLabel(QObject::tr("filter"));
    filterLabel->setBuddy(Field(DbField::FilterText));
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(List(DbList::FilterField));
    filterRow->addWidget(Field(DbField::FilterText), 1);
    List(DbList::FilterField)->setToolTip(QObject::tr("Filter by name or by formula"));
    Field(DbField::FilterText)
        ->setToolTip(QObject::tr("A pattern the listed texts must contain: . any character, [a-z] a set, "
                                 "* + ? repeats, | alternatives, \\i after a part ignores case"));
    auto* left = new QVBoxLayout;
    left->addWidget(substances, 1);
    left->addLayout(filterRow);

    auto* fields = new QGridLayout;
    fields->addWidget(FieldLabel(QObject::tr("substance name"), Field(DbField::Name)), 0, 0);
    fields->addWidget(Field(DbField::Name), 0, 1, 1, 2);
    fields->addWidget(FieldLabel(QObject::tr("solved formula"), Field(DbField::Formula)), 1, 0);
    fields->addWidget(Field(DbField::Formula), 1, 1, 1, 2);
    fields->addWidget(FieldLabel(QObject::tr("solved molar mass"), Field(DbField::MolarMass)), 2, 0);
    fields->addWidget(Field(DbField::MolarMass), 2, 1);
    fields->addWidget(FieldLabel(QObject::tr("stock concentration"), Field(DbField::StockConcentration)), 3, 0);
    fields->addWidget(Field(DbField::StockConcentration), 3, 1);
    fields->addWidget(List(DbList::StockUnit), 3, 2);
    fields->addWidget(FieldLabel(QObject::tr("purity"), Field(DbField::Purity)), 4, 0);
    fields->addWidget(Field(DbField::Purity), 4, 1);
    fields->addWidget(new QLabel(QStringLiteral("%")), 4, 2);
    fields->addWidget(FieldLabel(QObject::tr("pure liquid density"), Field(DbField::PureDensity)), 5, 0);
    fields->addWidget(Field(DbField::PureDensity), 5, 1);
    fields->addWidget(new QLabel(QStringLiteral("g/mL")), 5, 2);
    fields->addWidget(FieldLabel(QObject::tr("equivalents"), Field(DbField::Equivalents)), 6, 0);
    fields->addWidget(Field(DbField::Equivalents), 6, 1);
    fields->addWidget(Button(DbButton::UnsolvedFormulas), 7, 1, 1, 2);
    Field(DbField::Name)->setMinimumWidth(kTextFieldWidth * charWidth);
    for (DbField field : {DbField::MolarMass, DbField::StockConcentration, DbField::Purity,
                          DbField::PureDensity, DbField::Equivalents})
        Field(field)->setMinimumWidth(kNumberFieldWidth * charWidth);
    Field(DbField::Purity)->setToolTip(QObject::tr("The usual assay of the solid, %: a component "
                                                   "weighs that much more of it"));
    Field(DbField::PureDensity)
        ->setToolTip(QObject::tr("Density of the pure liquid, for % v/v, when the density table has no "
                                 "100 % row; 0 for none"));
    Field(DbField::Equivalents)->setToolTip(QObject::tr("Equivalents per formula unit, what N counts"));
    Field(DbField::Formula)->setToolTip(QObject::tr("The formula of the substance as it is in solution"));
    Button(DbButton::UnsolvedFormulas)
        ->setToolTip(QObject::tr("Other forms of the substance that can be weighed, such as hydrates"));

    auto* placeholder = FormulaPlaceholder(QObject::tr("formula"));

    auto* table = new QGridLayout;
    table->addWidget(List(DbList::TableKind), 0, 0);
    table->addWidget(tableText, 1, 0);
    table->addWidget(plot, 0, 1, 2, 1, Qt::AlignTop);
    tableText->setMinimumWidth(kTextFieldWidth * charWidth);
    tableText->setTabChangesFocus(true);
    tableText->setToolTip(QObject::tr("Pairs of concentration and density (g/mL), one pair a line"));
    List(DbList::TableKind)->setToolTip(QObject::tr("What the first number of each pair is"));
    plot->setFixedSize(DensityPlot::kWidth + 2, DensityPlot::kHeight + 2);
    plot->setFrameShape(QFrame::Box);
    plot->setToolTip(QObject::tr("Density against concentration"));

    auto* checks = new QGridLayout;
    checks->addWidget(Check(DbCheck::StandardSubstance), 0, 0);
    checks->addWidget(Check(DbCheck::NoDensityTable), 0, 1);
    checks->addWidget(Check(DbCheck::UseStockSolution), 1, 0);
    checks->addWidget(Check(DbCheck::NoSolid), 1, 1);

    auto* right = new QVBoxLayout;
    right->addLayout(fields);
    right->addWidget(placeholder);
    right->addLayout(table, 1);
    right->addLayout(checks);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(fromLibrary);
    buttons->addWidget(import);
    fromLibrary->setToolTip(QObject::tr("Take a solute of the reagent library, with its density table "
                                        "at 20 \u00B0C, into the fields, ready to edit and add"));
    import->setToolTip(QObject::tr("Add every substance of a CSV file (columns name, formula, molar_mass, "
                                   "density_table, table_kind, alternatives)"));
    buttons->addStretch(1);
    for (DbButton button : {DbButton::Add, DbButton::Delete, DbButton::Modify, DbButton::Exit, DbButton::Use})
        buttons->addWidget(Button(button));

    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right, 2);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    // The frame takes the placeholder's place in the dialog's layout.
    formulaFrame->AttachToPlaceholder(placeholder);
    formulaFrame->setMinimumHeight(dialog.fontMetrics().height() * 5);

    // Object names by which tests find the controls.
    substances->setObjectName(QStringLiteral("substances"));
    const std::array<const char*, 9> fieldNames = {"filter",      "name",   "formula",
                                                   "molarMass",   "stockConcentration",
                                                   nullptr,       "purity", "pureDensity",
                                                   "equivalents"};
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i] != nullptr)
            fields_[i]->setObjectName(QLatin1String(fieldNames[i]));
    }
    const std::array<const char*, 3> listNames = {"filterField", "stockUnit", "tableKind"};
    for (std::size_t i = 0; i < lists_.size(); ++i)
        lists_[i]->setObjectName(QLatin1String(listNames[i]));
    const std::array<const char*, 4> checkNames = {"standardSubstance", "noDensityTable", "useStockSolution",
                                                   "noSolid"};
    for (std::size_t i = 0; i < checks_.size(); ++i)
        checks_[i]->setObjectName(QLatin1String(checkNames[i]));
    tableText->setObjectName(QStringLiteral("tableText"));
    fromLibrary->setObjectName(QStringLiteral("fromLibrary"));
    import->setObjectName(QStringLiteral("import"));

    // What a screen reader says of the inputs whose label is a caption
    // elsewhere or none.
    substances->setAccessibleName(QObject::tr("substances"));
    List(SubstanceDatabaseList::FilterField)->setAccessibleName(QObject::tr("filter by"));
    List(SubstanceDatabaseList::StockUnit)->setAccessibleName(QObject::tr("stock solution unit"));
    List(SubstanceDatabaseList::TableKind)->setAccessibleName(QObject::tr("density table unit"));
    tableText->setAccessibleName(QObject::tr("density table"));
    plot->setObjectName(QStringLiteral("plot"));
}

} // namespace solvo
