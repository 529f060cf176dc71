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
        setWindowTitle(document.Title());
        connect(&document, &SolvoDocument::titleChanged, this,
                [this] { setWindowTitle(document_->Title()); });
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    } else {
        // Fixed when the window is made: a later Save As keeps it.
        setWindowTitle(tr("%1 - recipe").arg(document.Title()));
    }
}

void CChildFrame::changeEvent(QEvent* event)
{
    // The form's fixed size would squeeze a minimised window's icon to its
    // bare frame; the icon takes its own size and the form its size back.
    if (kind_ == Kind::CompositionWindow && event->type() == QEvent::WindowStateChange) {
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
