#include "substances/CDatabasePathDlg.h"

#include "app/DataFolder.h"
#include "app/PathConversion.h"
#include "app/TextConversion.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace solvo {

CDatabasePathDlg::CDatabasePathDlg(CFlaskwareApp& app, DatabasePrompts& prompts, QWidget* parent)
    : QDialog(parent), form_(app), prompts_(prompts)
{
    setWindowTitle(tr("Database path"));
    path_ = new QLineEdit;
    path_->setToolTip(tr("The program database file"));
    auto* label =
        new QLabel(tr("Enter new path for the database or browse to select the path and filename:"));
    label->setBuddy(path_);

    auto* browse = new QPushButton(tr("Browse..."));
    browse->setToolTip(tr("Choose the database file"));
    auto* standard = new QPushButton(tr("Default"));
    standard->setToolTip(tr("The database file in the program's data folder"));
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    for (QPushButton* button : {browse, standard})
        button->setAutoDefault(false);

    auto* row = new QHBoxLayout;
    row->addWidget(browse);
    row->addWidget(standard);
    row->addStretch();
    row->addWidget(buttons_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(path_);
    layout->addLayout(row);
    path_->setMinimumWidth(fontMetrics().horizontalAdvance(label->text()));

    connect(path_, &QLineEdit::textEdited, this, [this](const QString& text) {
        form_.SetPath(ToFilePath(text));
        Mirror();
    });
    connect(browse, &QPushButton::clicked, this, &CDatabasePathDlg::Browse);
    connect(standard, &QPushButton::clicked, this, [this] {
        form_.UseDefault();
        Mirror();
    });
    connect(buttons_, &QDialogButtonBox::accepted, this, &CDatabasePathDlg::Accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Mirror();
}

QPushButton* CDatabasePathDlg::OkButton() const
{
    return buttons_->button(QDialogButtonBox::Ok);
}

void CDatabasePathDlg::Browse()
{
    // Any name may be chosen, an existing file or a new one.
    QFileDialog chooser(this, tr("Database path"), QFileInfo(ToQString(form_.Path())).absolutePath(),
                        ToQString(DatabasePathForm::kFileFilter));
    chooser.setFileMode(QFileDialog::AnyFile);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setOption(QFileDialog::ReadOnly, false);
    chooser.selectFile(ToQString(DataFolder::kDefaultDatabaseFile));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return;
    const QString chosen = QDir::toNativeSeparators(chooser.selectedFiles().constFirst());
    form_.SetPath(ToFilePath(chosen));
    Mirror();
}

void CDatabasePathDlg::Accept()
{
    switch (form_.Accept(prompts_)) {
    case PathDialogOutcome::ClosedWithOk:
        accept();
        break;
    case PathDialogOutcome::Closed:
        reject();
        break;
    case PathDialogOutcome::KeepOpen:
        break;
    }
}

void CDatabasePathDlg::Mirror()
{
    const QString shown = ToQString(form_.Path());
    if (path_->text() != shown)
        path_->setText(shown);
    OkButton()->setEnabled(form_.OkEnabled());
}

} // namespace solvo
