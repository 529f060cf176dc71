#include "substances/CUnsolvedFormulasDlg.h"

#include "app/DialogControls.h"
#include "app/MessagePrompts.h"
#include "app/TextConversion.h"
#include "formula/CStaticFormulaFrame.h"
#include "app/ProgramTextInput.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace solvo {

namespace {

// Width of the list and the edit box in average character widths.
constexpr int kFieldWidth = 28;

} // namespace

CUnsolvedFormulasDlg::CUnsolvedFormulasDlg(const ElementTable& elements, std::vector<std::string> formulas,
                                           QWidget* parent)
    : QDialog(parent),
      form_(std::move(formulas)),
      list_(new QListWidget),
      edit_(new QLineEdit),
      frame_(new CStaticFormulaFrame(elements)),
      add_(new QPushButton(tr("Add"))),
      delete_(new QPushButton(tr("Delete"))),
      modify_(new QPushButton(tr("Modify")))
{
    setWindowTitle(tr("Unsolved formulas editor"));
    Build();
    Mirror();
    Connect();
    list_->installEventFilter(this);
}

void CUnsolvedFormulasDlg::Build()
{
    const int width = kFieldWidth * fontMetrics().averageCharWidth();
    list_->setMinimumWidth(width);
    list_->setObjectName(QStringLiteral("formulas"));
    list_->setAccessibleName(tr("unsolved formulas"));
    list_->setToolTip(tr("Other forms of the substance that can be weighed; select one to change it"));
    edit_->setObjectName(QStringLiteral("formula"));
    edit_->setToolTip(tr("A formula such as MgCl_2&6H_2O: _ subscripts, & a hydrate dot"));
    auto* label = new QLabel(tr("unsolved formula"));
    label->setBuddy(edit_);
    auto* placeholder = FormulaPlaceholder(tr("formula"));

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {add_, delete_, modify_}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(list_, 0, 0, 1, 2);
    grid->addLayout(buttons, 0, 2);
    grid->addWidget(label, 1, 0);
    grid->addWidget(edit_, 1, 1);
    grid->addWidget(placeholder, 2, 0, 1, 3);
    grid->addWidget(box, 3, 0, 1, 3);
    grid->setRowStretch(0, 1);
    // The frame takes the placeholder's place in the layout, so it comes
    // after the layout.
    frame_->AttachToPlaceholder(placeholder);
    frame_->setMinimumHeight(fontMetrics().height() * 5);
}

void CUnsolvedFormulasDlg::Connect()
{
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        form_.Select(row);
        Mirror();
    });
    connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (const std::optional<std::string> typed = TakeProgramText(*edit_, text, form_.EditText())) {
            form_.Type(*typed);
            Mirror();
        }
    });
    connect(add_, &QPushButton::clicked, this, [this] {
        const std::optional<std::string_view> message = form_.Add();
        Mirror();
        if (message)
            MessagePrompts(this).ShowMessage(*message, PromptIcon::Exclamation);
    });
    connect(delete_, &QPushButton::clicked, this, [this] {
        form_.Delete();
        Mirror();
    });
    connect(modify_, &QPushButton::clicked, this, [this] {
        form_.Modify();
        Mirror();
    });
}

bool CUnsolvedFormulasDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        form_.PressDeleteKey();
        Mirror();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CUnsolvedFormulasDlg::Mirror()
{
    {
        const QSignalBlocker blocker(list_);
        QStringList items;
        for (const std::string& item : form_.Items())
            items.append(ToQString(item));
        QStringList shown;
        for (int row = 0; row < list_->count(); ++row)
            shown.append(list_->item(row)->text());
        if (shown != items) {
            list_->clear();
            list_->addItems(items);
        }
        // Set through the view, so that a list without a selection does not
        // pick its first row by itself when it takes the focus.
        list_->setCurrentIndex(list_->model()->index(form_.Selection(), 0));
        if (form_.Selection() < 0)
            list_->clearSelection();
    }
    const QString text = ToQString(form_.EditText());
    if (edit_->text() != text)
        edit_->setText(text);
    frame_->SetFormulaText(form_.EditText(), true);
    add_->setEnabled(form_.AddEnabled());
    delete_->setEnabled(form_.DeleteEnabled());
    modify_->setEnabled(form_.ModifyEnabled());
}

} // namespace solvo
