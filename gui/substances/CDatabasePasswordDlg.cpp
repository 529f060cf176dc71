#include "substances/CDatabasePasswordDlg.h"

#include "app/ProgramTextInput.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace solvo {

CDatabasePasswordDlg::CDatabasePasswordDlg(PasswordDialogMode mode, std::string_view digest,
                                           QWidget* parent)
    : QDialog(parent), form_(mode, digest)
{
    using Field = DatabasePasswordForm::Field;
    setWindowTitle(tr("Database password"));
    const struct {
        Field field;
        const char* label;
    } rows[] = {
        {Field::Current, QT_TR_NOOP("To save the database enter password:")},
        {Field::New, QT_TR_NOOP("Enter new password:")},
        {Field::Repeated, QT_TR_NOOP("Reenter the new password:")},
    };
    auto* layout = new QVBoxLayout(this);
    for (const auto& row : rows) {
        auto* edit = new QLineEdit;
        edit->setEchoMode(QLineEdit::Password);
        auto* label = new QLabel(tr(row.label));
        label->setBuddy(edit);
        layout->addWidget(label);
        layout->addWidget(edit);
        fields_[static_cast<std::size_t>(row.field)] = edit;
        connect(edit, &QLineEdit::textEdited, this, [this, edit, field = row.field](const QString& text) {
            const std::optional<std::string> typed = TakeProgramText(*edit, text, form_.Text(field));
            if (!typed)
                return;
            form_.Type(field, *typed);
            Mirror();
        });
    }
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setMinimumWidth(fontMetrics().horizontalAdvance(tr(rows[0].label)) * 5 / 4);
    Mirror();
}

QLineEdit* CDatabasePasswordDlg::PasswordField(DatabasePasswordForm::Field field) const
{
    return fields_[static_cast<std::size_t>(field)];
}

void CDatabasePasswordDlg::Mirror()
{
    using Field = DatabasePasswordForm::Field;
    for (Field field : {Field::Current, Field::New, Field::Repeated})
        PasswordField(field)->setEnabled(form_.FieldEnabled(field));
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(form_.OkEnabled());
}

} // namespace solvo
