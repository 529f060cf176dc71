#include "app/CMainFrame.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QScreen>
#include <QStatusBar>

namespace solvo {

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent), mdiArea_(new QMdiArea(this))
{
    setWindowTitle(QStringLiteral("Flaskware - Solvo"));
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    statusBar()->showMessage(tr("For Help, press F1"));

    // Two thirds of the screen leaves room beside the window, whatever its DPI.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(screen->availableSize() * 2 / 3);
}

} // namespace solvo
