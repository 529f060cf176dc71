#include "library/CLibraryDlg.h"

#include "app/FieldMirror.h"
#include "app/ProgramTextInput.h"
#include "app/TextConversion.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace solvo {

CLibraryDlg::CLibraryDlg(QWidget* parent)
    : QDialog(parent), filter_(new QLineEdit), list_(new QTreeWidget), add_(new QPushButton(tr("Add")))
{
    setWindowTitle(tr("Add from library"));

    auto* filterLabel = new QLabel(tr("filter"));
    filterLabel->setBuddy(filter_);
    filter_->setObjectName(QStringLiteral("libraryFilter"));
    filter_->setToolTip(tr("A pattern the name, synonym, formula or CAS number must contain: . any "
                           "character, [a-z] a set, * + ? repeats, | alternatives, \\i after a part "
                           "ignores case"));
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filter_, 1);

    list_->setObjectName(QStringLiteral("library"));
    list_->setAccessibleName(tr("reagent library"));
    list_->setToolTip(tr("Aqueous solutions with their densities at 20 \u00B0C (CRC Handbook of "
                         "Chemistry and Physics, 102nd edition); the chosen one becomes a new "
                         "substance, ready to edit and add"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels({tr("name"), tr("synonym"), tr("formula"), tr("CAS"), tr("density table")});
    // The longest names and synonyms would push the formula, CAS number and
    // range out of sight: those two columns are cut, the others whole.
    const int charWidth = fontMetrics().averageCharWidth();
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->header()->setSectionResizeMode(0, QHeaderView::Interactive);
    list_->header()->setSectionResizeMode(1, QHeaderView::Interactive);
    list_->setColumnWidth(0, charWidth * 32);
    list_->setColumnWidth(1, charWidth * 22);
    list_->setMinimumWidth(charWidth * 120);
    list_->setMinimumHeight(fontMetrics().height() * 20);

    add_->setObjectName(QStringLiteral("addFromLibrary"));
    add_->setToolTip(tr("Take the chosen solute into the substance fields"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    buttons->addButton(add_, QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(filterRow);
    layout->addWidget(buttons);

    connect(filter_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (const std::optional<std::string> typed = TakeProgramText(*filter_, text, form_.FilterText())) {
            form_.TypeFilter(*typed);
            Mirror();
        }
    });
    connect(list_, &QTreeWidget::currentItemChanged, this, [this] {
        form_.SelectRow(list_->indexOfTopLevelItem(list_->currentItem()));
        add_->setEnabled(form_.AddEnabled());
    });
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (form_.AddEnabled())
            accept();
    });
    Mirror();
}

void CLibraryDlg::Mirror()
{
    MirrorLineEdit(*filter_, form_.FilterText(), true, form_.FilterRed());
    const QSignalBlocker blocker(list_);
    list_->clear();
    for (const LibraryChoiceRow& row : form_.Rows()) {
        list_->addTopLevelItem(new QTreeWidgetItem(
            {ToQString(row.name), ToQString(row.synonym), ToQString(row.formula), ToQString(row.cas),
             ToQString(row.range)}));
    }
    if (form_.SelectedRow() >= 0)
        list_->setCurrentItem(list_->topLevelItem(form_.SelectedRow()));
    add_->setEnabled(form_.AddEnabled());
}

} // namespace solvo
