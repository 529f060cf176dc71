#include "app/KeyboardIndicators.h"

#include "app/LockKeyState.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace solvo {

KeyboardIndicators::KeyboardIndicators(QStatusBar* statusBar) : QObject(statusBar)
{
    const QStringList texts = {tr("CAP"), tr("NUM"), tr("SCRL")};
    for (int lock = 0; lock < LockCount; ++lock) {
        auto* label = new QLabel(statusBar);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // Wide enough for the text at any font, so the panes never jump.
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(texts[lock]) +
                               label->fontMetrics().averageCharWidth() * 2);
        label->setProperty("indicatorText", texts[lock]);
        statusBar->addPermanentWidget(label);
        labels_[static_cast<std::size_t>(lock)] = label;
    }
    qApp->installEventFilter(this);
    Refresh();
}

bool KeyboardIndicators::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease && watched->isWidgetType()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int code = key->key();
        if (code == Qt::Key_CapsLock || code == Qt::Key_NumLock || code == Qt::Key_ScrollLock) {
            if (!key->isAutoRepeat()) {
                const Lock lock = code == Qt::Key_CapsLock ? Caps
                                  : code == Qt::Key_NumLock ? Num
                                                            : Scroll;
                on_[lock] = !on_[lock];
            }
            Refresh();
        }
    } else if (event->type() == QEvent::ApplicationActivate) {
        Refresh();
    }
    return QObject::eventFilter(watched, event);
}

void KeyboardIndicators::Refresh()
{
    if (const auto state = ReadLockKeyState())
        on_ = *state;
    Show();
}

void KeyboardIndicators::Show()
{
    for (int lock = 0; lock < LockCount; ++lock) {
        QLabel* label = labels_[static_cast<std::size_t>(lock)];
        label->setText(on_[static_cast<std::size_t>(lock)] ? label->property("indicatorText").toString()
                                                           : QString());
    }
}

} // namespace solvo
