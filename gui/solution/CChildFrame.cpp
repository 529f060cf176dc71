#include "solution/CChildFrame.h"

#include "solution/SolvoDocument.h"

#include <QCloseEvent>
#include <QEvent>
#include <QLayout>

namespace solvo {

CChildFrame::CChildFrame(Kind kind, SolvoDocument& document, QWidget* view)
    : kind_(kind), document_(&document)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view);
    if (kind == Kind::CompositionWindow) {
        // The form has one arrangement; the user may move the window but
        // not resize or maximise it.
        setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
    // Every window of a solution takes its new name at once after Save As,
    // so no window, menu or title bar names a file that is no longer it.
    FollowTitle();
    connect(&document, &SolvoDocument::titleChanged, this, &CChildFrame::FollowTitle);
}

void CChildFrame::FollowTitle()
{
    setWindowTitle(kind_ == Kind::CompositionWindow ? document_->Title()
                                                    : tr("%1 - recipe").arg(document_->Title()));
}

void CChildFrame::changeEvent(QEvent* event)
{
    // The form's fixed size would squeeze a minimised window's icon to its
    // bare frame; the icon takes its own size and the form its size back.
    if (kind_ == Kind::CompositionWindow && event->type() == QEvent::WindowStateChange) {
        // The area maximises a window activated while another was maximised;
        // the form cannot grow, so it shows in its frame and leaves no other
        // window's maximised buttons behind.
        if (isMaximized())
            QMetaObject::invokeMethod(this, &QMdiSubWindow::showNormal, Qt::QueuedConnection);
        if (isMinimized()) {
            layout()->setSizeConstraint(QLayout::SetNoConstraint);
            setMinimumSize(0, 0);
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        } else {
            layout()->setSizeConstraint(QLayout::SetFixedSize);
        }
    }
    QMdiSubWindow::changeEvent(event);
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    if (closeGuard && !closeGuard(*this)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

} // namespace solvo
