#include "app/HelpWindow.h"

#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>

namespace solvo {

HelpWindow::HelpWindow(QWidget* parent)
    : QMainWindow(parent, Qt::Window), browser_(new QTextBrowser(this))
{
    setWindowTitle(tr("Solvo Help"));
    setAttribute(Qt::WA_QuitOnClose, false);
    browser_->setOpenExternalLinks(true);
    browser_->setAccessibleName(tr("help topic"));
    setCentralWidget(browser_);

    QToolBar* bar = addToolBar(tr("Navigation"));
    bar->setMovable(false);
    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"),
                                   browser_, &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                                      tr("Forward"), browser_, &QTextBrowser::forward);
    forward->setShortcut(QKeySequence::Forward);
    bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Contents"), this,
                   [this] { ShowTopic(QString::fromLatin1(kContents)); });
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(tr("Solvo Help - %1").arg(browser_->documentTitle())); });

    // A readable column of text whatever the screen's resolution, on the
    // screen even where the text is large.
    const int em = fontMetrics().horizontalAdvance(QLatin1Char('m'));
    QSize size(em * 60, em * 45);
    if (const QScreen* shown = screen())
        size = size.boundedTo(shown->availableSize() * 9 / 10);
    resize(size);
}

QUrl HelpWindow::TopicUrl(const QString& path)
{
    QString relative = path;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString resource = QStringLiteral(":/help/") + relative;
    if (!QFile::exists(resource))
        return QUrl(QStringLiteral("qrc:/help/html/contents.htm"));
    return QUrl(QStringLiteral("qrc") + resource);
}

void HelpWindow::ShowTopic(const QString& path)
{
    browser_->setSource(TopicUrl(path));
    show();
    raise();
    activateWindow();
}

} // namespace solvo
