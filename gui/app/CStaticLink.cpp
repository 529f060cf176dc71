#include "app/CStaticLink.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace solvo {

CStaticLink::CStaticLink(const QString& text, QWidget* parent)
    : QLabel(text, parent), opener_([](const QUrl& url) { return QDesktopServices::openUrl(url); })
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    QFont linkFont = font();
    linkFont.setUnderline(true);
    setFont(linkFont);
    UpdateColour();
}

void CStaticLink::Open()
{
    if (target_.isEmpty())
        target_ = QUrl::fromUserInput(text());
    if (!opener_(target_)) {
        QApplication::beep();
        return;
    }
    visited_ = true;
    UpdateColour();
}

void CStaticLink::UpdateColour()
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(visited_ ? kVisitedColour : kUnvisitedColour));
    setPalette(colours);
}

void CStaticLink::mousePressEvent(QMouseEvent* event)
{
    // Taking the press makes the release, which opens the link, come here.
    if (event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void CStaticLink::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Open();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void CStaticLink::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Open();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void CStaticLink::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A label draws no focus of its own; without this a keyboard user could
    // not tell that Space would open the link.
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

} // namespace solvo
