#include "formula/CStaticFormulaFrame.h"

#include "app/TextConversion.h"
#include "formula/QtFormulaCanvas.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLayout>
#include <QLayoutItem>
#include <QPainter>

#include <algorithm>
#include <memory>

namespace solvo {
namespace {

// Narrow enough for any dialog column, wide enough that a short formula is
// still legible.
constexpr int kMinimumWidth = 48;
// Shows a usual formula, a hydrated salt say, at full size.
constexpr int kPreferredWidth = 240;

Colour ToColour(const QColor& colour)
{
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

} // namespace

CStaticFormulaFrame::CStaticFormulaFrame(const ElementTable& table, QWidget* parent)
    : QWidget(parent), frame_(table)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
}

void CStaticFormulaFrame::AttachToPlaceholder(QGroupBox* placeholder)
{
    QWidget* parent = placeholder->parentWidget();
    setParent(parent);
    // A font the placeholder only inherits is inherited here too, so the
    // caption follows later changes of the application's font.
    if (placeholder->testAttribute(Qt::WA_SetFont))
        setFont(placeholder->font());
    frame_.SetCaptionOnRight((placeholder->alignment() & (Qt::AlignRight | Qt::AlignHCenter)) != 0);
    setAccessibleName(placeholder->title());

    QLayout* layout = parent != nullptr ? parent->layout() : nullptr;
    const std::unique_ptr<QLayoutItem> replaced(layout != nullptr ? layout->replaceWidget(placeholder, this)
                                                                  : nullptr);
    if (replaced == nullptr)
        setGeometry(placeholder->geometry());
    setVisible(!placeholder->isHidden());
    raise();
    placeholder->hide();
    Refresh();
}

void CStaticFormulaFrame::SetFrameOptions(bool showCaption, bool drawEdge)
{
    frame_.SetFrameOptions(showCaption, drawEdge);
    Refresh();
}

void CStaticFormulaFrame::SetFormulaText(std::string_view text, bool updateMass)
{
    frame_.SetFormulaText(text, updateMass);
    Refresh();
}

void CStaticFormulaFrame::SetMolarMassCaption(double x)
{
    frame_.SetMolarMassCaption(x);
    Refresh();
}

QSize CStaticFormulaFrame::sizeHint() const
{
    const QSize least = minimumSizeHint();
    return {std::max(least.width(), kPreferredWidth), least.height()};
}

QSize CStaticFormulaFrame::minimumSizeHint() const
{
    const QFontMetrics caption(QtFormulaCanvas::ToQFont(CaptionFont()));
    int width = kMinimumWidth;
    if (frame_.ShowsCaption() && !frame_.Caption().empty())
        width = std::max(width, caption.horizontalAdvance(ToQString(frame_.DrawnCaption())) +
                                    2 * FormulaFrame::kCaptionInset);
    return {width, frame_.MinimumHeight(caption.height())};
}

void CStaticFormulaFrame::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    QtFormulaCanvas canvas(painter, textCache_, false, palette());
    frame_.Paint(canvas, width(), height(), ToColour(palette().color(QPalette::Window)), CaptionFont());
}

FontSpec CStaticFormulaFrame::CaptionFont() const
{
    const QFontInfo info(font());
    return {info.family().toStdString(), -info.pixelSize(), font().weight()};
}

void CStaticFormulaFrame::Refresh()
{
    setAccessibleDescription(ToQString(frame_.Formula().DisplayText()) + QLatin1Char(' ') +
                             ToQString(frame_.Caption()));
    updateGeometry();
    update();
}

} // namespace solvo
