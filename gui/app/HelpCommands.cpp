#include "app/HelpCommands.h"

#include "app/CMainFrame.h"
#include "app/CommandActions.h"
#include "app/HelpWindow.h"
#include "solution/CChildFrame.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>

namespace solvo {

HelpCommands::HelpCommands(CMainFrame& frame) : QObject(frame.Helpers()), frame_(frame)
{
    CommandActions& c = frame.Commands();
    connect(c.helpTopics, &QAction::triggered, this,
            [this] { ShowTopic(QString::fromLatin1(HelpWindow::kContents)); });
    connect(c.tutorial, &QAction::triggered, this,
            [this] { ShowTopic(QString::fromLatin1(HelpWindow::kExamples)); });
    connect(c.contextHelp, &QAction::triggered, this,
            [this] { ShowTopic(TopicFor(QApplication::focusWidget())); });
    connect(c.helpMode, &QAction::triggered, this, &HelpCommands::StartHelpMode);
    for (QAction* action : {c.helpTopics, c.tutorial, c.contextHelp, c.helpMode})
        action->setEnabled(true);
    QDesktopServices::setUrlHandler(QString::fromLatin1(kLinkScheme), this, "ShowLink");
}

HelpCommands::~HelpCommands()
{
    QDesktopServices::unsetUrlHandler(QString::fromLatin1(kLinkScheme));
    EndHelpMode();
    delete window_;
}

void HelpCommands::ShowTopic(const QString& path)
{
    // A window of its own, so that help stays beside the solution it explains.
    if (!window_)
        window_ = new HelpWindow;
    window_->ShowTopic(path);
}

QUrl HelpCommands::LinkTo(const QString& path)
{
    QUrl link;
    link.setScheme(QString::fromLatin1(kLinkScheme));
    link.setPath(QString(path).replace(QLatin1Char('\\'), QLatin1Char('/')));
    return link;
}

void HelpCommands::ShowLink(const QUrl& link)
{
    ShowTopic(link.path());
}

QString HelpCommands::TopicFor(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (const auto* frame = qobject_cast<const CChildFrame*>(w)) {
            return QString::fromLatin1(frame->FrameKind() == CChildFrame::Kind::RecipeWindow
                                           ? HelpWindow::kRecipe
                                           : HelpWindow::kComposition);
        }
    }
    return QString::fromLatin1(HelpWindow::kContents);
}

void HelpCommands::StartHelpMode()
{
    if (helpMode_)
        return;
    helpMode_ = true;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    qApp->installEventFilter(this);
}

void HelpCommands::EndHelpMode()
{
    if (!helpMode_)
        return;
    helpMode_ = false;
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
}

bool HelpCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
        // The click names what to explain; it does nothing else.
        const QString topic = TopicFor(static_cast<QWidget*>(watched));
        EndHelpMode();
        ShowTopic(topic);
        return true;
    }
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        EndHelpMode();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace solvo
