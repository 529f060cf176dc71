#include "app/FieldMirror.h"

#include "app/MessagePrompts.h"
#include "app/TextConversion.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QSignalBlocker>
#include <QStringList>

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

void MirrorComboBox(QComboBox& combo, const std::vector<std::string>& items, int selection, bool enabled,
                    bool visible)
{
    const QSignalBlocker blocker(&combo);
    QStringList wanted;
    for (const std::string& item : items)
        wanted.append(ToQString(item));
    QStringList shown;
    for (int i = 0; i < combo.count(); ++i)
        shown.append(combo.itemText(i));
    if (shown != wanted) {
        combo.clear();
        combo.addItems(wanted);
    }
    combo.setCurrentIndex(selection);
    combo.setEnabled(enabled);
    combo.setVisible(visible);
}

void ShowFieldRefusal(QWidget& window, QLineEdit& field, std::string_view text)
{
    MessagePrompts(&window).ShowMessage(text, PromptIcon::Exclamation);
    field.setFocus();
    field.selectAll();
}

} // namespace solvo
