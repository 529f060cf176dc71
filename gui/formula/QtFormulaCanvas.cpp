#include "formula/QtFormulaCanvas.h"

#include "app/TextConversion.h"
#include "app/Windows1252.h"

#include <QFontMetricsF>
#include <QPainter>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace solvo {
namespace {

QColor ToQColor(Colour colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

QRect ToQRect(const CanvasRect& rect)
{
    return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1)).normalized();
}

// Cell heights are reached through the face's own ratio of cell height to
// pixel size, measured once at a size large enough to make it exact.
qreal CellHeightPerPixel(const QFont& font)
{
    constexpr int kReferencePixels = 1000;
    QFont reference(font);
    reference.setPixelSize(kReferencePixels);
    const qreal cell = QFontMetricsF(reference).height();
    return cell > 0 ? cell / kReferencePixels : 1.0;
}

} // namespace

QtFormulaCanvas::QtFormulaCanvas(QPainter& painter, bool yAxisUp, const QPalette& palette)
    : painter_(painter), yAxisUp_(yAxisUp), palette_(palette)
{
}

QFont QtFormulaCanvas::ToQFont(const FontSpec& wanted)
{
    QFont font(QString::fromStdString(wanted.face));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(wanted.weight, 1, 1000)));
    const qreal size = wanted.height < 0 ? std::abs(static_cast<qreal>(wanted.height))
                                       : wanted.height / CellHeightPerPixel(font);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(std::min<qreal>(size, 1 << 20)))));
    return font;
}

void QtFormulaCanvas::SaveState()
{
    painter_.save();
    savedAligns_.push_back(align_);
}

void QtFormulaCanvas::RestoreState()
{
    if (savedAligns_.empty())
        return;
    painter_.restore();
    align_ = savedAligns_.back();
    savedAligns_.pop_back();
}

void QtFormulaCanvas::SetTextAlign(TextAlign align)
{
    align_ = align;
}

void QtFormulaCanvas::SetBackgroundMode(BackgroundMode mode)
{
    painter_.setBackgroundMode(mode == BackgroundMode::Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
}

void QtFormulaCanvas::SetBackgroundColour(Colour colour)
{
    painter_.setBackground(ToQColor(colour));
}

void QtFormulaCanvas::SelectFont(const FontSpec& font)
{
    // A formula switches between its two fonts at nearly every character.
    auto known = std::find_if(fonts_.begin(), fonts_.end(),
                              [&](const auto& entry) { return entry.first == font; });
    if (known == fonts_.end())
        known = fonts_.insert(fonts_.end(), {font, ToQFont(font)});
    painter_.setFont(known->second);
}

void QtFormulaCanvas::SetTextColour(Colour colour)
{
    painter_.setPen(ToQColor(colour));
}

void QtFormulaCanvas::MeasureAdvances(std::string_view text, std::span<std::int32_t> widths)
{
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto codePoint = Windows1252::CodePoint(static_cast<unsigned char>(text[i]));
        widths[i] = static_cast<std::int32_t>(std::lround(metrics.horizontalAdvance(QChar(static_cast<char16_t>(codePoint)))));
    }
}

void QtFormulaCanvas::DrawText(std::int32_t x, std::int32_t y, std::string_view text)
{
    const QString shown = ToQString(text);
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    qreal left = x;
    if (align_ == TextAlign::Right)
        left -= metrics.horizontalAdvance(shown);
    else if (align_ == TextAlign::Centre)
        left -= metrics.horizontalAdvance(shown) / 2;

    if (!yAxisUp_) {
        painter_.drawText(QPointF(left, y + metrics.ascent()), shown);
        return;
    }
    // Flipping y back at the text's corner keeps the glyphs upright.
    painter_.save();
    painter_.translate(left, y);
    painter_.scale(1, -1);
    painter_.drawText(QPointF(0, metrics.ascent()), shown);
    painter_.restore();
}

void QtFormulaCanvas::FillRect(const CanvasRect& rect, Colour colour)
{
    painter_.fillRect(ToQRect(rect), ToQColor(colour));
}

void QtFormulaCanvas::DrawEtchedEdge(const CanvasRect& rect)
{
    qDrawShadeRect(&painter_, ToQRect(rect), palette_, true, 1, 0);
}

} // namespace solvo
