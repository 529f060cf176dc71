#include "app/CMainFrame.h"

#include "app/CAboutDlg.h"
#include "app/CFlaskwareApp.h"
#include "app/CTipofTheDay.h"
#include "app/CommandActions.h"
#include "app/KeyboardIndicators.h"
#include "app/PathConversion.h"
#include "app/RecentFileList.h"
#include "app/TextConversion.h"
#include "app/WindowSizeRule.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>

namespace solvo {

namespace {

QStringList SolutionFiles(const QMimeData* data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && url.toLocalFile().endsWith(QStringLiteral(".sln"), Qt::CaseInsensitive))
            paths << url.toLocalFile();
    }
    return paths;
}

} // namespace

CMainFrame::CMainFrame(CFlaskwareApp& app, RecentFileList& recentFiles, QWidget* parent)
    : QMainWindow(parent),
      app_(app),
      recentFiles_(recentFiles),
      mdiArea_(new QMdiArea(this)),
      commands_(new CommandActions(this)),
      helpers_(new QObject(this))
{
    setWindowTitle(QString::fromLatin1(kTitle));
    setAcceptDrops(true);
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);

    CreateToolBar();
    CreateStatusBar();
    addActions(commands_->KeyboardOnly());
    qApp->installEventFilter(this);

    CommandActions& c = *commands_;
    connect(c.exit, &QAction::triggered, this, &QWidget::close);
    connect(c.toolbar, &QAction::toggled, toolBar_, &QWidget::setVisible);
    // The toolbar's own context menu hides it too; the menu item follows.
    connect(toolBar_, &QToolBar::visibilityChanged, c.toolbar, &QAction::setChecked);
    connect(c.statusBar, &QAction::toggled, statusBar(), &QWidget::setVisible);
    connect(c.cascade, &QAction::triggered, mdiArea_, &QMdiArea::cascadeSubWindows);
    connect(c.arrangeIcons, &QAction::triggered, this, &CMainFrame::ArrangeIcons);
    connect(c.displayDigits4, &QAction::triggered, this, [this] { SetDisplayDigits(4); });
    connect(c.displayDigits6, &QAction::triggered, this, [this] { SetDisplayDigits(6); });
    connect(c.widen, &QAction::triggered, this, [this] {
        const auto size = WindowSizeRule::Widen({frameGeometry().width(), frameGeometry().height()});
        ResizeOuter(size.width, size.height);
    });
    connect(c.narrow, &QAction::triggered, this, [this] {
        const auto size = WindowSizeRule::Narrow({frameGeometry().width(), frameGeometry().height()});
        ResizeOuter(size.width, size.height);
    });
    connect(c.cycleSize, &QAction::triggered, this, [this] {
        const auto size = WindowSizeRule::Cycle({frameGeometry().width(), frameGeometry().height()});
        ResizeOuter(size.width, size.height);
    });
    connect(c.tipOfTheDay, &QAction::triggered, this,
            [this] { CTipofTheDay(app_.Settings(), this).exec(); });
    connect(c.about, &QAction::triggered, this, [this] { CAboutDlg(this).exec(); });
    for (QAction* action : c.recentFiles) {
        connect(action, &QAction::triggered, this,
                [this, action] { emit recentFileChosen(action->data().toString()); });
    }
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this] {
        RebuildMenus();
        UpdateTitle();
    });

    // Commands whose windows are not part of the program yet stay offered
    // but unavailable, so the menus and the toolbar keep their final shape.
    for (QAction* action : {c.newFile, c.open, c.close, c.save, c.saveAs, c.print, c.printPreview,
                            c.exportPdf, c.exportHtml, c.copyRecipe, c.printSetup,
                            c.saveDatabase, c.reloadDatabase, c.databasePath,
                            c.databasePassword,
                            c.concentrationCalculator, c.mixingCalculator, c.buffer, c.database,
                            c.moietiesEditor, c.solution, c.recipe, c.helpTopics, c.tutorial,
                            c.contextHelp, c.helpMode, c.formulaSort, c.copy, c.cut, c.paste})
        action->setEnabled(false);

    RefreshRecentFiles();
    RebuildMenus();

    // Two thirds of the screen leaves room beside the window, whatever its DPI.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(screen->availableSize() * 2 / 3);
}

CMainFrame::~CMainFrame()
{
    qApp->removeEventFilter(this);
    // What QWidget's tear-down sends (a window activated or destroyed, the
    // focus moving) would reach this window half taken down. So the solution
    // windows go first, while everything they report to is whole, and then
    // the helpers, whose connections go with them. The windows left over
    // activate one another as they go; nothing needs to hear of it.
    mdiArea_->disconnect();
    qDeleteAll(mdiArea_->subWindowList());
    delete helpers_;
}

QString CMainFrame::IdleText()
{
    return tr("For Help, press F1");
}

void CMainFrame::CreateToolBar()
{
    CommandActions& c = *commands_;
    toolBar_ = addToolBar(tr("Standard"));
    toolBar_->setObjectName(QStringLiteral("StandardToolBar"));
    toolBar_->setIconSize(QSize(24, 24));
    toolBar_->addActions({c.newFile, c.open, c.save, c.print});
    toolBar_->addSeparator();
    toolBar_->addActions({c.solution, c.recipe});
    toolBar_->addSeparator();
    toolBar_->addActions({c.concentrationCalculator, c.mixingCalculator, c.database, c.moietiesEditor});
    toolBar_->addSeparator();
    toolBar_->addActions({c.tutorial, c.about});
    c.toolbar->setChecked(true);
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    new KeyboardIndicators(bar);
    // The message pane falls back to the idle text whenever no prompt is shown.
    connect(bar, &QStatusBar::messageChanged, this, [bar](const QString& message) {
        if (message.isEmpty())
            bar->showMessage(IdleText());
    });
    bar->showMessage(IdleText());
    commands_->statusBar->setChecked(true);
}

bool CMainFrame::HasSolution() const
{
    return !mdiArea_->subWindowList().isEmpty();
}

void CMainFrame::RebuildMenus()
{
    const bool solution = HasSolution();
    if (menuBar()->actions().size() > 0 && solution == menusForSolution_)
        return;
    menusForSolution_ = solution;
    CommandActions& c = *commands_;
    QMenuBar* bar = menuBar();
    bar->clear();

    QMenu* file = bar->addMenu(tr("&File"));
    file->addActions({c.newFile, c.open});
    if (solution)
        file->addActions({c.close, c.save, c.saveAs});
    file->addSeparator();
    QMenu* database = file->addMenu(tr("Data&base"));
    database->addActions({c.saveDatabase, c.reloadDatabase, c.databasePath, c.databasePassword});
    file->addSeparator();
    if (solution)
        file->addActions({c.print, c.printPreview, c.exportPdf, c.exportHtml, c.copyRecipe});
    file->addAction(c.printSetup);
    file->addSeparator();
    file->addAction(c.recentPlaceholder);
    for (QAction* action : c.recentFiles)
        file->addAction(action);
    file->addSeparator();
    file->addAction(c.exit);

    QMenu* view = bar->addMenu(tr("&View"));
    c.statusBar->setText(solution ? tr("Status &bar") : tr("&Status Bar"));
    view->addActions({c.toolbar, c.statusBar});
    view->addSeparator();
    view->addActions({c.concentrationCalculator, c.mixingCalculator, c.buffer, c.database});
    if (solution) {
        view->addSeparator();
        view->addActions({c.solution, c.recipe});
        QMenu* window = bar->addMenu(tr("&Window"));
        window->addActions({c.cascade, c.arrangeIcons});
        connect(window, &QMenu::aboutToShow, this, [this, window] {
            // The open windows follow the two commands, the active one checked.
            const auto actions = window->actions();
            for (qsizetype i = 2; i < actions.size(); ++i)
                window->removeAction(actions[i]);
            window->addSeparator();
            int number = 1;
            for (QMdiSubWindow* child : mdiArea_->subWindowList()) {
                QAction* item = window->addAction(
                    QStringLiteral("&%1 %2").arg(number++).arg(child->windowTitle()));
                item->setCheckable(true);
                item->setChecked(child == mdiArea_->activeSubWindow());
                connect(item, &QAction::triggered, mdiArea_,
                        [this, child] { mdiArea_->setActiveSubWindow(child); });
            }
        });
    }

    QMenu* help = bar->addMenu(tr("&Help"));
    help->addActions({c.helpTopics, c.tutorial, c.tipOfTheDay});
    help->addSeparator();
    help->addAction(c.about);
}

void CMainFrame::RefreshRecentFiles()
{
    CommandActions& c = *commands_;
    const auto& files = recentFiles_.Files();
    c.recentPlaceholder->setVisible(files.empty());
    for (std::size_t i = 0; i < c.recentFiles.size(); ++i) {
        QAction* action = c.recentFiles[i];
        action->setVisible(i < files.size());
        if (i < files.size()) {
            const QString path = ToQString(files[i]);
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
            action->setData(path);
            action->setStatusTip(tr("Open this document"));
        }
    }
}

void CMainFrame::UpdateTitle()
{
    // A maximised child has no title bar of its own, so its title follows
    // the program's in brackets, once.
    QString title = QString::fromLatin1(kTitle);
    if (QMdiSubWindow* active = mdiArea_->activeSubWindow()) {
        title += active->isMaximized() ? QStringLiteral(" - [%1]").arg(active->windowTitle())
                                       : QStringLiteral(" - ") + active->windowTitle();
    }
    if (windowTitle() != title)
        setWindowTitle(title);
}

void CMainFrame::ArrangeIcons()
{
    // The icons of minimised windows line up from the bottom left corner,
    // row above row; the other windows stay where they are.
    const QRect area = mdiArea_->viewport()->rect();
    QPoint next = area.bottomLeft() + QPoint(0, 1);
    int rowHeight = 0;
    for (QMdiSubWindow* child : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        if (!child->isMinimized())
            continue;
        const QSize size = child->size();
        if (next.x() > area.left() && next.x() + size.width() > area.right() + 1) {
            next = QPoint(area.left(), next.y() - rowHeight);
            rowHeight = 0;
        }
        rowHeight = std::max(rowHeight, size.height());
        child->move(next.x(), next.y() - size.height());
        next.rx() += size.width();
    }
}

void CMainFrame::ResizeOuter(int width, int height)
{
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(width - frame.width(), height - frame.height());
    statusBar()->showMessage(
        QString::fromStdString(WindowSizeRule::StatusText({width, height})));
}

void CMainFrame::SetDisplayDigits(int digits)
{
    app_.SetDisplayDigits(digits);
    emit displayDigitsChanged();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (closeGuard && !closeGuard()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!SolutionFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QStringList paths = SolutionFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    emit filesToOpen(paths);
}

void CMainFrame::changeEvent(QEvent* event)
{
    // A child window that is maximised writes its own title into the
    // program's; the program's title rule has the last word.
    if (event->type() == QEvent::WindowTitleChange)
        UpdateTitle();
    QMainWindow::changeEvent(event);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::WindowStateChange || event->type() == QEvent::WindowTitleChange) &&
        watched->parent() == mdiArea_->viewport() && qobject_cast<QMdiSubWindow*>(watched))
        UpdateTitle();
    // The window's shortcuts come before a field's own use of the same keys
    // (a line edit would otherwise undo on Ctrl+Z, for example).
    if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (QAction* action : actions()) {
            if (action->shortcuts().contains(pressed)) {
                event->ignore();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace solvo
