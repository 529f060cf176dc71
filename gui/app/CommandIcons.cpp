#include "app/CommandIcons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <numbers>

namespace solvo {

namespace {

// Colours of the icon set: ink for outlines, one accent per family.
const QColor kInk(0x33, 0x3a, 0x44);
const QColor kPaper(0xfb, 0xfb, 0xf8);
const QColor kBlue(0x3b, 0x7d, 0xd8);
const QColor kGreen(0x3f, 0xa3, 0x5b);
const QColor kAmber(0xe0, 0xa2, 0x2b);

void Page(QPainter& p, const QRectF& r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 5, r.top());
    path.lineTo(r.right(), r.top() + 5);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 5, r.top()), QPointF(r.right() - 5, r.top() + 5));
    p.drawLine(QPointF(r.right() - 5, r.top() + 5), QPointF(r.right(), r.top() + 5));
}

void Flask(QPainter& p, const QColor& liquid)
{
    QPainterPath glass;
    glass.moveTo(9.5, 2.5);
    glass.lineTo(9.5, 9);
    glass.lineTo(3.5, 20);
    glass.quadTo(3, 21.5, 5, 21.5);
    glass.lineTo(19, 21.5);
    glass.quadTo(21, 21.5, 20.5, 20);
    glass.lineTo(14.5, 9);
    glass.lineTo(14.5, 2.5);
    QPainterPath fill;
    fill.moveTo(6.8, 14);
    fill.lineTo(17.2, 14);
    fill.lineTo(20.5, 20);
    fill.quadTo(21, 21.5, 19, 21.5);
    fill.lineTo(5, 21.5);
    fill.quadTo(3, 21.5, 3.5, 20);
    fill.closeSubpath();
    p.fillPath(fill, liquid);
    p.setBrush(Qt::NoBrush);
    p.drawPath(glass);
    p.drawLine(QPointF(8, 2.5), QPointF(16, 2.5));
}

void Draw(QPainter& p, CommandIcons::Kind kind)
{
    using Kind = CommandIcons::Kind;
    switch (kind) {
    case Kind::New:
        Page(p, QRectF(5.5, 2.5, 13, 19));
        break;
    case Kind::Open: {
        p.setBrush(kAmber.lighter(130));
        p.drawRect(QRectF(2.5, 5.5, 17, 14));
        QPainterPath lid;
        lid.moveTo(2.5, 19.5);
        lid.lineTo(6.5, 10.5);
        lid.lineTo(21.5, 10.5);
        lid.lineTo(17.5, 19.5);
        lid.closeSubpath();
        p.setBrush(kAmber);
        p.drawPath(lid);
        break;
    }
    case Kind::Save:
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 1.5, 1.5);
        p.setBrush(kPaper);
        p.drawRect(QRectF(7.5, 3.5, 9, 6));
        p.drawRect(QRectF(6.5, 13.5, 11, 7));
        break;
    case Kind::Print:
        p.setBrush(kPaper);
        p.drawRect(QRectF(7.5, 2.5, 9, 7));
        p.setBrush(QColor(0xb8, 0xbe, 0xc6));
        p.drawRoundedRect(QRectF(2.5, 9.5, 19, 8), 1.5, 1.5);
        p.setBrush(kPaper);
        p.drawRect(QRectF(7.5, 14.5, 9, 7));
        break;
    case Kind::Solution:
        Flask(p, kBlue.lighter(120));
        break;
    case Kind::Recipe:
        Page(p, QRectF(5.5, 2.5, 13, 19));
        for (int line = 0; line < 4; ++line)
            p.drawLine(QPointF(8, 8.5 + 3 * line), QPointF(line == 3 ? 12 : 16, 8.5 + 3 * line));
        break;
    case Kind::Calculator:
        p.setBrush(QColor(0xd9, 0xdd, 0xe2));
        p.drawRoundedRect(QRectF(4.5, 2.5, 15, 19), 2, 2);
        p.setBrush(kGreen.lighter(150));
        p.drawRect(QRectF(7, 5, 10, 4));
        p.setBrush(kInk);
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column)
                p.drawRect(QRectF(7.5 + 3.5 * column, 11.5 + 3 * row, 1.5, 1.2));
        }
        break;
    case Kind::Mixer:
        p.setBrush(kBlue.lighter(140));
        p.drawRect(QRectF(2.5, 9.5, 8, 12));
        p.setBrush(kGreen.lighter(140));
        p.drawRect(QRectF(13.5, 9.5, 8, 12));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(6.5, 2.5, 11, 9), 0, 180 * 16);
        p.drawLine(QPointF(17.5, 7), QPointF(15.5, 5.5));
        break;
    case Kind::Database:
        p.setBrush(kAmber.lighter(140));
        p.drawRect(QRectF(4.5, 5.5, 15, 14));
        p.drawEllipse(QRectF(4.5, 16, 15, 6));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(5, 6, 14, 13));
        p.setPen(QPen(kInk, 1));
        p.drawLine(QPointF(4.5, 5.5), QPointF(4.5, 19));
        p.drawLine(QPointF(19.5, 5.5), QPointF(19.5, 19));
        p.setBrush(kAmber.lighter(170));
        p.drawEllipse(QRectF(4.5, 2.5, 15, 6));
        break;
    case Kind::Moieties: {
        QPolygonF hexagon;
        for (int corner = 0; corner < 6; ++corner) {
            const double angle = std::numbers::pi / 3 * corner + std::numbers::pi / 6;
            hexagon << QPointF(12 + 8.5 * std::cos(angle), 12 + 8.5 * std::sin(angle));
        }
        p.setBrush(kGreen.lighter(160));
        p.drawPolygon(hexagon);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(12, 12), 4.2, 4.2);
        break;
    }
    case Kind::Tutorial:
        p.setBrush(kBlue.lighter(150));
        p.drawRect(QRectF(3.5, 4.5, 8, 15));
        p.drawRect(QRectF(12.5, 4.5, 8, 15));
        p.drawLine(QPointF(5.5, 8.5), QPointF(9.5, 8.5));
        p.drawLine(QPointF(14.5, 8.5), QPointF(18.5, 8.5));
        p.drawLine(QPointF(5.5, 11.5), QPointF(9.5, 11.5));
        p.drawLine(QPointF(14.5, 11.5), QPointF(18.5, 11.5));
        break;
    case Kind::About:
        p.setBrush(kBlue);
        p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
        p.setPen(QPen(kPaper, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 10.5), QPointF(12, 17));
        p.drawPoint(QPointF(12, 6.8));
        break;
    }
}

class PaintedIconEngine final : public QIconEngine {
public:
    explicit PaintedIconEngine(CommandIcons::Kind kind) : kind_(kind) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 24.0, rect.height() / 24.0);
        painter->setPen(QPen(kInk, 1.0));
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.35);
        Draw(*painter, kind_);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        const QSize device = size * scale;
        QPixmap pixmap(device);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            paint(&painter, QRect(QPoint(0, 0), device), mode, state);
        }
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }

    QIconEngine* clone() const override { return new PaintedIconEngine(kind_); }

private:
    CommandIcons::Kind kind_;
};

} // namespace

QIcon CommandIcons::Icon(Kind kind)
{
    return QIcon(new PaintedIconEngine(kind));
}

} // namespace solvo
