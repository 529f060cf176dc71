#include "buffers/BufferPlot.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace solvo {

namespace {

constexpr int kMostTicks = 4; // intervals along the x axis, where the width allows

// An axis from lowest to highest, widened to whole steps.
struct Axis {
    double lowest;
    double highest;
    double step;

    double Share(double value) const { return (value - lowest) / (highest - lowest); }
};

Axis PhAxis(const std::vector<BufferCurvePoint>& curve)
{
    double lowest = 14.0;
    double highest = 0.0;
    for (const BufferCurvePoint& point : curve) {
        lowest = std::min(lowest, point.pH);
        highest = std::max(highest, point.pH);
    }
    if (curve.empty() || !(highest > lowest))
        return {0.0, 14.0, 2.0};
    const double step = highest - lowest > 6.0 ? 2.0 : 1.0;
    return {std::floor(lowest / step) * step, std::ceil(highest / step) * step, step};
}

} // namespace

BufferPlot::BufferPlot(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("curve"));
    setAccessibleName(tr("pH curve"));
    setToolTip(tr("The pH the buffer takes as the base form's share or the titrant grows; the circle is the target"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void BufferPlot::SetCurve(std::vector<BufferCurvePoint> curve, BufferCurvePoint target, QString xTitle)
{
    curve_ = std::move(curve);
    target_ = target;
    xTitle_ = std::move(xTitle);
    update();
}

QSize BufferPlot::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.averageCharWidth() * 40, metrics.height() * 14};
}

QSize BufferPlot::minimumSizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.averageCharWidth() * 28, metrics.height() * 10};
}

void BufferPlot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    const QFontMetrics metrics(font());
    const int line = metrics.height();
    // Room for the pH labels on the left, the axis title above them, and
    // half of the widest x label beyond the right end.
    const QRect frame = rect().adjusted(metrics.horizontalAdvance(QStringLiteral("14.0")) + line, 2 * line,
                                        -2 * line, -2 * line - line / 2);
    if (frame.width() <= 0 || frame.height() <= 0)
        return;
    painter.setPen(palette().color(QPalette::Text));
    painter.drawRect(frame);

    const Axis y = PhAxis(curve_);
    const double xHighest = curve_.empty() ? 1.0 : std::max(curve_.back().x, 1e-12);
    // As many x labels as stand apart in the width there is.
    const int labelWidth = metrics.horizontalAdvance(QString::number(xHighest / 3.0, 'g', 3)) + line;
    const int ticks = std::clamp(frame.width() / std::max(1, labelWidth), 1, kMostTicks);
    const Axis x{0.0, xHighest, xHighest / ticks};
    const auto at = [&](double xValue, double pH) {
        return QPointF(frame.left() + x.Share(xValue) * frame.width(), frame.bottom() - y.Share(pH) * frame.height());
    };
    for (double pH = y.lowest; pH <= y.highest + 1e-9; pH += y.step) {
        const QPointF tick = at(0.0, pH);
        painter.drawLine(tick, tick + QPointF(line / 3.0, 0.0));
        painter.drawText(QRectF(0.0, tick.y() - line / 2.0, frame.left() - line / 3.0, line),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(pH));
    }
    for (int i = 0; i <= ticks; ++i) {
        const QPointF tick = at(x.step * i, y.lowest);
        painter.drawLine(tick, tick - QPointF(0.0, line / 3.0));
        const QString label = QString::number(x.step * i, 'g', 3);
        const int width = metrics.horizontalAdvance(label);
        painter.drawText(QRectF(tick.x() - width, tick.y(), 2.0 * width, line), Qt::AlignHCenter | Qt::AlignTop, label);
    }
    painter.drawText(QRectF(0.0, frame.bottom() + line, width(), line + line / 2), Qt::AlignHCenter | Qt::AlignVCenter,
                     metrics.elidedText(xTitle_, Qt::ElideRight, width()));
    painter.drawText(QRectF(0.0, 0.0, frame.left(), line), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("pH"));
    if (curve_.empty())
        return;

    QPainterPath path(at(curve_.front().x, curve_.front().pH));
    for (const BufferCurvePoint& point : curve_)
        path.lineTo(at(point.x, point.pH));
    painter.save();
    painter.setClipRect(frame);
    painter.setPen(QPen(palette().color(QPalette::Highlight), std::max(1.0, line / 8.0)));
    painter.drawPath(path);
    const QPointF target = at(target_.x, target_.pH);
    painter.setPen(QPen(palette().color(QPalette::Text), 1.0, Qt::DashLine));
    painter.drawLine(QPointF(frame.left(), target.y()), target);
    painter.drawLine(target, QPointF(target.x(), frame.bottom()));
    painter.setPen(QPen(QColor(200, 0, 0), std::max(1.0, line / 8.0)));
    painter.drawEllipse(target, line / 3.0, line / 3.0);
    painter.restore();
}

} // namespace solvo
