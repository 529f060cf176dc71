#include "GuiTestFixture.h"

#include "app/CMainFrame.h"
#include "app/CommandActions.h"
#include "solution/CChildFrame.h"
#include "solution/DocumentManager.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

class ChildWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void each_new_window_steps_clear_of_the_one_before_within_the_area()
    {
        solvo::test::StartedSolvo s;
        solvo::CMainFrame& frame = *s.solvo.MainFrame();
        frame.resize(1600, 1200);
        QMdiArea& area = *frame.MdiArea();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        solvo::DocumentManager& documents = *s.solvo.Documents();
        documents.ShowRecipeWindow(*documents.ActiveDocument());
        frame.Commands().newFile->trigger();

        const QList<QMdiSubWindow*> windows = area.subWindowList(QMdiArea::CreationOrder);
        QCOMPARE(windows.size(), 3);
        for (qsizetype i = 0; i < windows.size(); ++i) {
            QVERIFY(area.viewport()->rect().contains(windows[i]->geometry()));
            if (i > 0) {
                const QPoint step = windows[i]->pos() - windows[i - 1]->pos();
                QVERIFY2(step.x() > 0 && step.x() == step.y(),
                         qPrintable(QStringLiteral("window %1 at %2,%3").arg(i).arg(step.x()).arg(step.y())));
            }
        }
    }

    void save_as_keeps_the_suffix_and_renames_every_window_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("a dot inside the name") << QStringLiteral("PBS 1\u00D7 pH7.4")
                                               << QStringLiteral("PBS 1\u00D7 pH7.4.sln");
        QTest::newRow("the suffix in capitals") << QStringLiteral("Tris.SLN") << QStringLiteral("Tris.SLN");
        QTest::newRow("no dot at all") << QStringLiteral("saline") << QStringLiteral("saline.sln");
    }

    void save_as_keeps_the_suffix_and_renames_every_window()
    {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        solvo::test::StartedSolvo s;
        solvo::CMainFrame& frame = *s.solvo.MainFrame();
        solvo::DocumentManager& documents = *s.solvo.Documents();
        solvo::SolvoDocument& document = *documents.ActiveDocument();
        documents.ShowRecipeWindow(document);
        QTemporaryDir folder;
        // The user types the name into the save dialog and presses Save.
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                answer.stop();
                dialog->setDirectory(folder.path());
                dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
                QMetaObject::invokeMethod(dialog, "accept");
            }
        });
        answer.start(20);
        QVERIFY(documents.SaveAs(document));
        QVERIFY2(QFileInfo::exists(folder.filePath(saved)),
                 qPrintable(QDir(folder.path()).entryList(QDir::Files).join(QLatin1Char('|')) + document.Path()));
        QCOMPARE(document.Title(), saved);

        QStringList titles;
        for (QMdiSubWindow* window : frame.MdiArea()->subWindowList(QMdiArea::CreationOrder))
            titles << window->windowTitle();
        QCOMPARE(titles, (QStringList{saved, saved + QStringLiteral(" - recipe")}));
        QVERIFY2(frame.windowTitle().endsWith(saved + QStringLiteral(" - recipe")), qPrintable(frame.windowTitle()));
    }

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
