#include "formula/QtFormulaCanvas.h"

#include <QFontInfo>
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

QtFormulaCanvas::QtFormulaCanvas(QPainter& painter, CanvasTextCache& cache, bool yAxisUp,
                                 const QPalette& palette)
    : painter_(painter), cache_(cache), yAxisUp_(yAxisUp), palette_(palette)
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
    savedStates_.push_back(state_);
}

void QtFormulaCanvas::RestoreState()
{
    if (savedStates_.empty())
        return;
    painter_.restore();
    state_ = std::move(savedStates_.back());
    savedStates_.pop_back();
}

void QtFormulaCanvas::SetTextAlign(TextAlign align)
{
    state_.align = align;
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
    state_.font = cache_.Select(font, painter_.device());
    painter_.setFont(state_.font->Get());
}

CanvasTextCache::Font& QtFormulaCanvas::CurrentFont()
{
    if (!state_.font) {
        const QFontInfo own(painter_.font());
        SelectFont({own.family().toStdString(), -own.pixelSize(), painter_.font().weight()});
    }
    return *state_.font;
}

void QtFormulaCanvas::SetTextColour(Colour colour)
{
    painter_.setPen(ToQColor(colour));
}

void QtFormulaCanvas::MeasureAdvances(std::string_view text, std::span<std::int32_t> widths)
{
    CanvasTextCache::Font& font = CurrentFont();
    for (std::size_t i = 0; i < text.size(); ++i)
        widths[i] = font.Advance(static_cast<unsigned char>(text[i]));
}

void QtFormulaCanvas::DrawText(std::int32_t x, std::int32_t y, std::string_view text)
{
    CanvasTextCache::Font& font = CurrentFont();
    const CanvasTextCache::Run& run = font.Shaped(text);
    qreal left = x;
    if (state_.align == TextAlign::Right)
        left -= run.advance;
    else if (state_.align == TextAlign::Centre)
        left -= run.advance / 2;

    const QTransform outside = painter_.transform();
    painter_.translate(left, y);
    // Flipping y back at the text's corner keeps the glyphs upright.
    if (yAxisUp_)
        painter_.scale(1, -1);
    // Static text in opaque mode loses the painter's translation, so the
    // background goes behind it first and the text is drawn transparent.
    const Qt::BGMode mode = painter_.backgroundMode();
    if (mode == Qt::OpaqueMode) {
        painter_.fillRect(QRectF(0, 0, run.advance, font.Height()), painter_.background());
        painter_.setBackgroundMode(Qt::TransparentMode);
    }
    painter_.drawStaticText(QPointF(0, 0), run.text);
    painter_.setBackgroundMode(mode);
    painter_.setTransform(outside);
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
