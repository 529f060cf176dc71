#include "app/FieldMirror.h"

#include "app/TextConversion.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>

namespace solvo {

void MirrorLineEdit(QLineEdit& edit, std::string_view programText, bool enabled, bool red)
{
    const QString text = ToQString(programText);
    if (edit.text() != text) {
        edit.setText(text);
        edit.setCursorPosition(0);
    }
    edit.setEnabled(enabled);
    QPalette palette = QApplication::palette(&edit);
    if (red)
        palette.setColor(QPalette::Text, QColor(255, 0, 0));
    edit.setPalette(palette);
}

} // namespace solvo
