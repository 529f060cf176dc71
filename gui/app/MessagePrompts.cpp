#include "app/MessagePrompts.h"

#include "app/TextConversion.h"
#include "substances/CDatabasePasswordDlg.h"

#include <QMessageBox>

namespace solvo {

namespace {

QMessageBox::Icon IconOf(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Question:
        return QMessageBox::Question;
    case PromptIcon::Exclamation:
        return QMessageBox::Warning;
    case PromptIcon::Error:
        break;
    }
    return QMessageBox::Critical;
}

// Texts of the program carry Windows line ends in places; a box shows "\n".
QString BoxText(std::string_view text)
{
    QString shown = ToQString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

} // namespace

QString MessagePrompts::Title()
{
    return QStringLiteral("Solvo");
}

void MessagePrompts::ShowMessage(std::string_view text, PromptIcon icon)
{
    QMessageBox box(IconOf(icon), Title(), BoxText(text), QMessageBox::Ok, parent_);
    box.exec();
}

PromptAnswer MessagePrompts::Ask(std::string_view text, PromptButtons buttons, PromptIcon icon)
{
    QMessageBox::StandardButtons offered = QMessageBox::Yes | QMessageBox::No;
    if (buttons == PromptButtons::YesNoCancel)
        offered |= QMessageBox::Cancel;
    QMessageBox box(IconOf(icon), Title(), BoxText(text), offered, parent_);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    default:
        return buttons == PromptButtons::YesNoCancel ? PromptAnswer::Cancel : PromptAnswer::No;
    }
}

std::optional<std::string> MessagePrompts::RunPasswordDialog(PasswordDialogMode mode,
                                                             std::string_view digest)
{
    CDatabasePasswordDlg dialog(mode, digest, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.ResultDigest();
}

} // namespace solvo
