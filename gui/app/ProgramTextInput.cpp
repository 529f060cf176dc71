#include "app/ProgramTextInput.h"

#include "app/TextConversion.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QToolTip>

#include <algorithm>

namespace solvo {

std::optional<std::string> TakeProgramText(QLineEdit& edit, const QString& typed,
                                           std::string_view before)
{
    std::optional<std::string> programText = ToProgramText(typed);
    if (programText)
        return programText;
    const QString previous = ToQString(before);
    const auto refused = static_cast<int>(typed.size() - previous.size());
    const int caret = std::max(0, edit.cursorPosition() - refused);
    edit.setText(previous);
    edit.setCursorPosition(caret);
    QToolTip::showText(edit.mapToGlobal(QPoint(0, edit.height())),
                       QCoreApplication::translate(
                           "solvo", "This character cannot be used: Solvo keeps text in the "
                                    "Windows-1252 character set."),
                       &edit);
    return std::nullopt;
}

} // namespace solvo
