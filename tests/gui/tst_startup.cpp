#include "GuiTestFixture.h"

#include "app/CMainFrame.h"
#include "app/SolvoApplication.h"
#include "solution/DocumentManager.h"
#include "solution/SolvoDocument.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

namespace {

QString DefaultDatabaseFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Flaskware/Solvo/Solvodatabase.dat"));
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    // The tip of the day that a start would show is tested on its own;
    // here it would only stand in the way of the questions asked.
    void init() { QSettings().setValue(QStringLiteral("Settings/ShowTipOfTheDay"), 0); }

    void first_run_shows_the_tutorial_once()
    {
        QSettings().setValue(QStringLiteral("Settings/FirstRun"), 1);
        solvo::SolvoApplication solvo;
        QVERIFY(solvo.Start());
        QCOMPARE(QSettings().value(QStringLiteral("Settings/FirstRun")).toInt(), 0);
        const auto windows = QApplication::topLevelWidgets();
        const bool tutorialShown = std::any_of(windows.begin(), windows.end(), [](QWidget* w) {
            return w->isVisible() && w->windowTitle().contains(QStringLiteral("Your first solution"));
        });
        QVERIFY(tutorialShown);
        solvo.Finish();
    }

    void exit_asks_for_documents_then_database_even_after_cancel()
    {
        solvo::SolvoApplication solvo;
        QVERIFY(solvo.Start());
        solvo.Documents()->ActiveDocument()->Edited();
        solvo.App().Elements().AddEntry("Cit", "", "", 189.1, 1);

        {
            solvo::test::MessageBoxAnswers answers({QMessageBox::Cancel, QMessageBox::No});
            QVERIFY(!solvo.MainFrame()->close());
            QCOMPARE(answers.Texts(), QStringList({QStringLiteral("Save changes to Solvo1?"),
                                                   QStringLiteral("Save changes to the program database?")}));
        }
        QVERIFY(solvo.MainFrame()->isVisible());

        {
            solvo::test::MessageBoxAnswers answers({QMessageBox::No, QMessageBox::No});
            QVERIFY(solvo.MainFrame()->close());
            QCOMPARE(answers.Texts().size(), 2);
        }
        solvo.Finish();
    }

    void first_start_writes_the_built_in_database_without_a_word()
    {
        const QString file = DefaultDatabaseFile();
        QVERIFY(QFile::remove(file));
        {
            solvo::SolvoApplication solvo;
            solvo::test::MessageBoxAnswers answers({QMessageBox::Ok});
            QVERIFY(solvo.Start());
            QVERIFY(answers.Texts().isEmpty());
            QCOMPARE(solvo.App().Substances().GetSubstanceCount(), 10);
            solvo.Finish();
        }
        QVERIFY(QFileInfo(file).size() > 0);

        // The next start reads that file as any other.
        solvo::SolvoApplication next;
        solvo::test::MessageBoxAnswers answers({QMessageBox::Ok});
        QVERIFY(next.Start());
        QVERIFY(answers.Texts().isEmpty());
        next.Finish();
    }

    void a_missing_database_the_user_chose_is_reported_not_created()
    {
        QTemporaryDir folder;
        const QString chosen = folder.filePath(QStringLiteral("share/lab.dat"));
        QSettings().setValue(QStringLiteral("Settings/DatabasePath"), chosen);
        {
            solvo::SolvoApplication solvo;
            solvo::test::MessageBoxAnswers answers({QMessageBox::Ok});
            QVERIFY(solvo.Start());
            QCOMPARE(answers.Texts(),
                     QStringList({QStringLiteral("Can't open program database file.\n"
                                                 "Program will start with a limited database.")}));
            solvo.Finish();
        }
        QSettings().remove(QStringLiteral("Settings/DatabasePath"));
        QVERIFY(!QFileInfo::exists(folder.filePath(QStringLiteral("share"))));
    }

    void a_file_that_cannot_be_read_ends_the_start()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("cut.sln"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\x01\x00\x01\x00\x05", 5));
        file.close();

        solvo::SolvoApplication solvo;
        solvo::test::MessageBoxAnswers answers({QMessageBox::Ok});
        QVERIFY(!solvo.Start(path));
        QCOMPARE(answers.Texts(), QStringList({QStringLiteral("Unexpected file format.")}));
        solvo.Finish();
    }
};

SOLVO_GUI_TEST_MAIN(StartupTest)
#include "tst_startup.moc"
