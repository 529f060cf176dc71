#include "solution/CChildFrame.h"

#include "solution/SolvoDocument.h"

#include <QCloseEvent>
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

void CChildFrame::closeEvent(QCloseEvent* event)
{
    if (closeGuard && !closeGuard(*this)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

} // namespace solvo
