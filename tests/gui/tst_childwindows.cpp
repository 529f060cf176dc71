#include "GuiTestFixture.h"

#include "app/CMainFrame.h"
#include "app/CommandActions.h"
#include "solution/CChildFrame.h"
#include "solution/DocumentManager.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

class ChildWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void open_at_the_top_left_of_the_area_and_no_larger_than_it()
    {
        solvo::test::StartedSolvo s;
        solvo::CMainFrame& frame = *s.solvo.MainFrame();
        // A screen smaller than the windows, as at a large scale factor.
        frame.resize(480, 360);
        QMdiArea& area = *frame.MdiArea();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        solvo::DocumentManager& documents = *s.solvo.Documents();
        documents.ShowRecipeWindow(*documents.ActiveDocument());
        frame.Commands().newFile->trigger();
        documents.ShowRecipeWindow(*documents.ActiveDocument());

        const QList<QMdiSubWindow*> windows = area.subWindowList();
        QCOMPARE(windows.size(), 4);
        for (QMdiSubWindow* window : windows) {
            QCOMPARE(window->pos(), QPoint(0, 0));
            const auto* child = qobject_cast<solvo::CChildFrame*>(window);
            // The composition window has its form's fixed size; the recipe fits the area.
            if (child->FrameKind() == solvo::CChildFrame::Kind::RecipeWindow) {
                QVERIFY2(area.viewport()->rect().contains(window->geometry()),
                         qPrintable(QStringLiteral("%1 x %2 in %3 x %4")
                                        .arg(window->width())
                                        .arg(window->height())
                                        .arg(area.viewport()->width())
                                        .arg(area.viewport()->height())));
            }
        }
    }
};

SOLVO_GUI_TEST_MAIN(ChildWindowsTest)
#include "tst_childwindows.moc"
