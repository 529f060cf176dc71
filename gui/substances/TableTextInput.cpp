#include "substances/TableTextInput.h"

#include "app/TextConversion.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QToolTip>

#include <algorithm>

namespace solvo {

std::optional<std::string> TableTextInput::Take(QPlainTextEdit& edit, std::string_view before)
{
    const QString typed = edit.toPlainText();
    if (std::optional<std::string> text = ToProgramText(QString(typed).replace(QLatin1Char('\n'), QLatin1String("\r\n"))))
        return text;
    const QString previous = Shown(before);
    const int refused = static_cast<int>(typed.size() - previous.size());
    const int caret = std::clamp(edit.textCursor().position() - refused, 0, static_cast<int>(previous.size()));
    {
        const QSignalBlocker blocker(edit);
        edit.setPlainText(previous);
    }
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(caret);
    edit.setTextCursor(cursor);
    QToolTip::showText(edit.mapToGlobal(QPoint(0, edit.height())),
                       QCoreApplication::translate("solvo", "This character cannot be used: Solvo keeps text in the "
                                                            "Windows-1252 character set."),
                       &edit);
    return std::nullopt;
}

QString TableTextInput::Shown(std::string_view programText)
{
    return ToQString(programText).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace solvo
