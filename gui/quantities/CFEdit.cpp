#include "quantities/CFEdit.h"

#include "app/TextConversion.h"
#include "quantities/NumberFormat.h"
#include "quantities/ParseNumber.h"

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
    const std::optional<std::string> typed = ToProgramText(text());
    const ParsedNumber parsed = typed ? ParseNumber(*typed) : ParsedNumber{};
    if (parsed.valid) {
        digits_ = CountSignificantDigits(parsed.normalized);
        const std::string shown = digits_ > 0 ? FormatSignificant(parsed.value, digits_, displayDigits_())
                                              : FormatDefault(parsed.value, displayDigits_());
        const QString newText = ToQString(shown);
        if (newText != text()) {
            setText(newText);
            emit reformatted(newText);
        }
    }
    setCursorPosition(0);
}

} // namespace solvo
