#include "quantities/CFEdit.h"

#include "app/TextConversion.h"
#include "quantities/FieldTransfer.h"

#include <QFocusEvent>

namespace solvo {

CFEdit::CFEdit(std::function<std::int32_t()> displayDigits, QWidget* parent)
    : QLineEdit(parent), displayDigits_(std::move(displayDigits))
{
}

void CFEdit::focusOutEvent(QFocusEvent* event)
{
    // A context menu takes the focus only while it is open: the user has not
    // left the field.
    if (event->reason() != Qt::PopupFocusReason)
        Reformat();
    QLineEdit::focusOutEvent(event);
}

void CFEdit::Reformat()
{
    // Only a number is reformatted: a text that is not one, and "???" (a
    // value that is not finite, which must not turn into 0), stays as it is.
    const std::optional<std::string> typed = ToProgramText(text());
    const auto taken = typed ? TakeEditableDouble(*typed) : TakenNumber<CEditableDouble>{};
    if (taken.number) {
        digits_ = taken.number->Digits();
        const QString newText = ToQString(FieldText(*taken.number, displayDigits_()));
        if (newText != text()) {
            setText(newText);
            emit reformatted(newText);
        }
    }
    setCursorPosition(0);
}

} // namespace solvo
