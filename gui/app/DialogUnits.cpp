#include "app/DialogUnits.h"

#include <QWidget>

namespace solvo {

DialogUnits::DialogUnits(const QWidget& dialog)
    : charWidth_(dialog.fontMetrics().averageCharWidth()), lineHeight_(dialog.fontMetrics().height())
{
}

} // namespace solvo
