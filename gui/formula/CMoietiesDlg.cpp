#include "formula/CMoietiesDlg.h"

#include "app/MessagePrompts.h"
#include "app/ProgramTextInput.h"
#include "app/TextConversion.h"
#include "formula/CStaticFormulaFrame.h"
#include "quantities/CFEdit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace solvo {

namespace {

constexpr int kEntryRole = Qt::UserRole;
// Numbers right, texts left.
constexpr Qt::AlignmentFlag kAlignments[MoietiesForm::kColumnCount] = {
    Qt::AlignRight, Qt::AlignLeft, Qt::AlignRight, Qt::AlignLeft};

} // namespace

CMoietiesDlg::CMoietiesDlg(ElementTable& table, std::int32_t displayDigits,
                           MoietiesForm::UseCounter countUses, QWidget* parent)
    : QDialog(parent), form_(table, displayDigits, std::move(countUses)),
      displayDigits_(displayDigits)
{
    setWindowTitle(tr("Element and abbreviation/moiety editor"));
    BuildWidgets(table);
    Connect();
    Mirror();
}

void CMoietiesDlg::BuildWidgets(const ElementTable& table)
{
    symbol_ = new QLineEdit;
    symbol_->setToolTip(tr("The symbol written in formulas; it starts with a capital letter"));
    molarMass_ = new CFEdit([this] { return displayDigits_; });
    molarMass_->setToolTip(tr("g/mol; filled in from the composition, or typed"));
    composition_ = new QLineEdit;
    composition_->setToolTip(tr("The formula the moiety stands for, such as C_6H_5O_7"));
    comment_ = new QLineEdit;
    comment_->setToolTip(tr("Free text, shown only here"));

    auto* fields = new QFormLayout;
    fields->addRow(tr("symbol"), symbol_);
    fields->addRow(tr("molar mass"), molarMass_);
    fields->addRow(tr("composition"), composition_);
    fields->addRow(tr("comment"), comment_);

    auto* placeholder = new QGroupBox;
    placeholder->setMinimumHeight(48);
    auto* top = new QVBoxLayout;
    top->addLayout(fields);
    top->addWidget(placeholder);

    list_ = new QTreeWidget;
    list_->setAccessibleName(tr("elements and moieties"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setAllColumnsShowFocus(true);
    list_->setHeaderLabels({tr("no"), tr("symbol"), tr("molar mass"), tr("formula")});
    list_->setToolTip(tr("Click a heading to sort by that column; click it again to reverse"));
    QHeaderView* header = list_->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setStretchLastSection(true);
    int listWidth = 0;
    for (int column = 0; column < MoietiesForm::kColumnCount; ++column) {
        list_->headerItem()->setTextAlignment(column, kAlignments[column] | Qt::AlignVCenter);
        // The widths are those of a list at a scale of 1; a heading with its
        // sort mark is never cut.
        const QString heading = list_->headerItem()->text(column);
        const int width = std::max(kColumnWidths[column] * logicalDpiX() / 96,
                                   header->fontMetrics().horizontalAdvance(heading) +
                                       header->fontMetrics().height() * 2);
        header->resizeSection(column, width);
        listWidth += width;
    }
    list_->setMinimumWidth(listWidth + list_->frameWidth() * 2 +
                           list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    list_->setMinimumHeight(list_->fontMetrics().height() * 18);
    list_->installEventFilter(this);

    symbol_->setObjectName(QStringLiteral("symbol"));
    molarMass_->setObjectName(QStringLiteral("molarMass"));
    composition_->setObjectName(QStringLiteral("composition"));
    comment_->setObjectName(QStringLiteral("comment"));

    add_ = new QPushButton(tr("Add"));
    add_->setToolTip(tr("Adds the fields as a new moiety"));
    modify_ = new QPushButton(tr("Modify"));
    modify_->setToolTip(tr("Replaces the selected moiety by the fields"));
    delete_ = new QPushButton(tr("Delete"));
    delete_->setToolTip(tr("Removes the selected moiety when nothing uses it"));
    exit_ = new QPushButton(tr("Exit"));
    for (QPushButton* button : {add_, modify_, delete_, exit_})
        button->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(modify_);
    buttons->addWidget(delete_);
    buttons->addStretch();
    buttons->addWidget(exit_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    // The placeholder must sit in the dialog's layout before the frame takes its place.
    frame_ = new CStaticFormulaFrame(table, this);
    frame_->AttachToPlaceholder(placeholder);
    frame_->SetFrameOptions(false, false);
}

void CMoietiesDlg::Connect()
{
    connect(symbol_, &QLineEdit::textEdited, this, [this](const QString& text) {
        FieldEdited(*symbol_, text, form_.Symbol(), &MoietiesForm::TypeSymbol);
    });
    connect(molarMass_, &QLineEdit::textEdited, this, [this](const QString& text) {
        FieldEdited(*molarMass_, text, form_.MolarMassText(), &MoietiesForm::TypeMolarMass);
    });
    connect(molarMass_, &CFEdit::reformatted, this, [this](const QString& text) {
        form_.MolarMassReformatted(ToProgramText(text).value_or(std::string()));
    });
    connect(composition_, &QLineEdit::textEdited, this, [this](const QString& text) {
        FieldEdited(*composition_, text, form_.Composition(), &MoietiesForm::TypeComposition);
    });
    connect(comment_, &QLineEdit::textEdited, this, [this](const QString& text) {
        FieldEdited(*comment_, text, form_.Comment(), &MoietiesForm::TypeComment);
    });
    // The selection, not the current row: tabbing into the list makes a row
    // current without selecting it, and must not replace what was typed.
    connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> selected = list_->selectedItems();
        if (selected.isEmpty())
            return;
        form_.SelectEntry(selected.front()->data(0, kEntryRole).toInt());
        Mirror();
    });
    connect(list_->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        form_.SortBy(static_cast<MoietiesForm::Column>(column));
        Mirror();
    });
    connect(add_, &QPushButton::clicked, this, [this] { Finish(form_.Add()); });
    connect(modify_, &QPushButton::clicked, this, [this] { Finish(form_.Modify()); });
    connect(delete_, &QPushButton::clicked, this, [this] { Finish(form_.Delete()); });
    connect(exit_, &QPushButton::clicked, this, &QDialog::accept);
}

bool CMoietiesDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        if (form_.DeleteEnabled())
            Finish(form_.Delete());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CMoietiesDlg::FieldEdited(QLineEdit& edit, const QString& text, std::string_view before,
                               void (MoietiesForm::*type)(std::string_view))
{
    const std::optional<std::string> programText = TakeProgramText(edit, text, before);
    if (!programText)
        return;
    (form_.*type)(*programText);
    Mirror();
}

void CMoietiesDlg::Finish(std::string_view message)
{
    Mirror();
    if (!message.empty())
        MessagePrompts(this).ShowMessage(message, PromptIcon::Exclamation);
}

void CMoietiesDlg::Mirror()
{
    // Only texts that differ are set, so the field being typed keeps its caret.
    const auto show = [](QLineEdit* edit, const std::string& text) {
        const QString shown = ToQString(text);
        if (edit->text() != shown)
            edit->setText(shown);
    };
    show(symbol_, form_.Symbol());
    show(molarMass_, form_.MolarMassText());
    show(composition_, form_.Composition());
    show(comment_, form_.Comment());
    frame_->SetFormulaText(form_.FrameText(), true);
    add_->setEnabled(form_.AddEnabled());
    modify_->setEnabled(form_.ModifyEnabled());
    delete_->setEnabled(form_.DeleteEnabled());
    if (shownRevision_ != form_.ListRevision())
        MirrorList();
}

void CMoietiesDlg::MirrorList()
{
    shownRevision_ = form_.ListRevision();
    const QSignalBlocker blocker(list_);
    list_->clear();
    QTreeWidgetItem* selected = nullptr;
    QList<QTreeWidgetItem*> items;
    for (const MoietiesForm::Row& row : form_.Rows()) {
        auto* item = new QTreeWidgetItem;
        for (int column = 0; column < MoietiesForm::kColumnCount; ++column) {
            item->setText(column, ToQString(row.cells[static_cast<std::size_t>(column)]));
            item->setTextAlignment(column, kAlignments[column] | Qt::AlignVCenter);
        }
        item->setData(0, kEntryRole, row.entry);
        if (row.entry == form_.Selected())
            selected = item;
        items.append(item);
    }
    list_->addTopLevelItems(items);
    list_->header()->setSortIndicator(static_cast<int>(form_.SortColumn()),
                                      form_.SortAscending() ? Qt::AscendingOrder
                                                            : Qt::DescendingOrder);
    if (selected) {
        list_->setCurrentItem(selected);
        list_->scrollToItem(selected);
    }
}

} // namespace solvo
