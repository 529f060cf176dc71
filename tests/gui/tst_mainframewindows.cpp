#include "GuiTestFixture.h"

#include "app/CMainFrame.h"
#include "app/CommandActions.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolBar>
#include <QtTest>

#include <memory>

// The main window's own commands on its child windows and bars.
class MainFrameWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void arrange_icons_lines_up_only_the_minimised_windows()
    {
        solvo::test::StartedSolvo started;
        solvo::CMainFrame& frame = *started.solvo.MainFrame();
        solvo::CommandActions& c = frame.Commands();
        c.recipe->trigger();
        c.newFile->trigger();
        QMdiArea& area = *frame.MdiArea();
        const auto windows = area.subWindowList(QMdiArea::CreationOrder);
        QCOMPARE(windows.size(), 3);

        QMdiSubWindow* recipe = windows[1];
        recipe->move(40, 30);
        const QRect placed = recipe->geometry();
        const QSize form = windows[0]->size();
        windows[0]->showMinimized();
        windows[2]->showMinimized();
        // The user dragged one icon away.
        windows[0]->move(150, 20);

        c.arrangeIcons->trigger();
        QCOMPARE(recipe->geometry(), placed);
        QVERIFY(!recipe->isMinimized());
        const QRect viewport = area.viewport()->rect();
        QCOMPARE(windows[0]->geometry().bottomLeft(), viewport.bottomLeft());
        QCOMPARE(windows[2]->geometry().bottom(), viewport.bottom());
        QCOMPARE(windows[2]->x(), windows[0]->geometry().right() + 1);
        // A composition window's icon shows its title as any other icon does.
        for (const QMdiSubWindow* icon : {windows[0], windows[2]})
            QVERIFY(icon->width() > icon->fontMetrics().horizontalAdvance(icon->windowTitle()));
        windows[0]->showNormal();
        QCOMPARE(windows[0]->size(), form);
    }

    void a_maximised_window_names_its_document_once_in_brackets()
    {
        solvo::test::StartedSolvo started;
        solvo::CMainFrame& frame = *started.solvo.MainFrame();
        frame.Commands().recipe->trigger();
        QMdiSubWindow* recipe = frame.MdiArea()->activeSubWindow();
        QVERIFY(recipe);
        QCOMPARE(frame.windowTitle(), QStringLiteral("Flaskware - Solvo - Solvo1 - recipe"));

        recipe->showMaximized();
        QCOMPARE(frame.windowTitle(), QStringLiteral("Flaskware - Solvo - [Solvo1 - recipe]"));
        recipe->showNormal();
        QCOMPARE(frame.windowTitle(), QStringLiteral("Flaskware - Solvo - Solvo1 - recipe"));
        recipe->showMaximized();
        QCOMPARE(frame.windowTitle(), QStringLiteral("Flaskware - Solvo - [Solvo1 - recipe]"));
    }

    void view_toolbar_follows_the_toolbar_however_it_is_hidden()
    {
        solvo::test::StartedSolvo started;
        solvo::CMainFrame& frame = *started.solvo.MainFrame();
        QAction* item = frame.Commands().toolbar;
        auto* bar = solvo::test::FindChild<QToolBar>(frame, "StandardToolBar");
        QVERIFY(bar);
        QVERIFY(item->isChecked());

        // The context menu of the toolbar area hides the toolbar.
        const std::unique_ptr<QMenu> menu(frame.createPopupMenu());
        QVERIFY(menu);
        QVERIFY(menu->actions().contains(bar->toggleViewAction()));
        bar->toggleViewAction()->trigger();
        QVERIFY(!bar->isVisible());
        QVERIFY(!item->isChecked());

        // One click on View > Toolbar brings it back.
        item->trigger();
        QVERIFY(bar->isVisible());
        QVERIFY(item->isChecked());
        item->trigger();
        QVERIFY(!bar->isVisible());
        QVERIFY(!bar->toggleViewAction()->isChecked());
    }
};

SOLVO_GUI_TEST_MAIN(MainFrameWindowsTest)
#include "tst_mainframewindows.moc"
