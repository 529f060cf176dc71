#include "GuiTestFixture.h"

#include "app/CMainFrame.h"
#include "app/CSolvoApp.h"
#include "app/CommandActions.h"
#include "app/MemorySettingsStore.h"
#include "app/MessagePrompts.h"
#include "app/PathConversion.h"
#include "solution/DocumentManager.h"
#include "solution/SolvoDocument.h"
#include "substances/CSubstanceDatabaseDlg.h"

#include <QApplication>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace solvo;
using test::MessageBoxAnswers;
using test::StartedSolvo;

namespace {

const QString kChanged = QStringLiteral(
    "The database file was changed by another program since it was loaded. "
    "Overwrite it with your version?");

// A second user of the same database file, as another instance of the
// program on another machine.
// Loading and saving there ask nothing: a message box would fail the test.
class OtherUser {
public:
    explicit OtherUser(const FilePath& database)
        : app_(store_, DataFolder(database.Folder()))
    {
        app_.LoadDatabaseFile(database, prompts_);
    }

    bool Has(const char* name) const { return app_.Substances().FindByName(name) != nullptr; }

    void AddAndSave(const char* name)
    {
        SolvoSubstance substance;
        substance.SetName(name);
        app_.Substances().AddSubstance(substance);
        QVERIFY(app_.SaveDatabaseFile(app_.DatabaseFilePath(), false, prompts_));
    }

private:
    MemorySettingsStore store_;
    CSolvoApp app_;
    MessagePrompts prompts_{nullptr};
};

void AddSubstance(CSolvoApp& app, const char* name)
{
    SolvoSubstance substance;
    substance.SetName(name);
    app.Substances().AddSubstance(substance);
}

QMenu* DatabaseSubmenu(CMainFrame& frame)
{
    for (QAction* top : frame.menuBar()->actions()) {
        if (top->text() != QStringLiteral("&File"))
            continue;
        for (QAction* item : top->menu()->actions()) {
            if (item->menu() && item->text() == QStringLiteral("Data&base"))
                return item->menu();
        }
    }
    return nullptr;
}

} // namespace

class SharedFilesTest : public QObject {
    Q_OBJECT

private slots:
    void reload_is_offered_in_the_database_submenu_and_asks_before_discarding()
    {
        StartedSolvo started;
        CSolvoApp& app = started.solvo.App();
        CommandActions& c = started.solvo.MainFrame()->Commands();
        QMenu* submenu = DatabaseSubmenu(*started.solvo.MainFrame());
        QVERIFY(submenu);
        QVERIFY(submenu->actions().contains(c.reloadDatabase));
        QCOMPARE(c.reloadDatabase->text(), QStringLiteral("&Reload database"));
        QVERIFY(c.reloadDatabase->isEnabled());

        OtherUser(app.DatabaseFilePath()).AddAndSave("alpha");
        AddSubstance(app, "beta");
        {
            MessageBoxAnswers answers({QMessageBox::No});
            c.reloadDatabase->trigger();
            QCOMPARE(answers.Texts(),
                     QStringList{QStringLiteral("Discard your changes to the program database?")});
        }
        QVERIFY(app.Substances().FindByName("beta"));
        {
            MessageBoxAnswers answers({QMessageBox::Yes});
            c.reloadDatabase->trigger();
        }
        QVERIFY(app.Substances().FindByName("alpha"));
        QVERIFY(!app.Substances().FindByName("beta"));
    }

    void save_database_asks_before_overwriting_a_changed_file()
    {
        StartedSolvo started;
        CSolvoApp& app = started.solvo.App();
        OtherUser(app.DatabaseFilePath()).AddAndSave("gamma");
        AddSubstance(app, "delta");
        // The command is offered again when the focus comes back from the
        // dialog that changed the database; here nothing took the focus.
        QAction* save = started.solvo.MainFrame()->Commands().saveDatabase;
        save->setEnabled(true);
        {
            MessageBoxAnswers answers({QMessageBox::Yes, QMessageBox::No});
            save->trigger();
            QCOMPARE(answers.Texts(),
                     (QStringList{QStringLiteral("Save changes to the program database?"), kChanged}));
        }
        QVERIFY(app.IsDatabaseModified());
        const OtherUser reader(app.DatabaseFilePath());
        QVERIFY(reader.Has("gamma"));
        QVERIFY(!reader.Has("delta"));
    }

    void database_dialog_offers_a_changed_file_when_opened()
    {
        StartedSolvo started;
        CSolvoApp& app = started.solvo.App();
        OtherUser(app.DatabaseFilePath()).AddAndSave("epsilon");
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [] {
            if (auto* dialog = qobject_cast<CSubstanceDatabaseDlg*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        closer.start(20);
        MessageBoxAnswers answers({QMessageBox::Yes});
        started.solvo.MainFrame()->Commands().database->trigger();
        QCOMPARE(answers.Texts(),
                 QStringList{QStringLiteral("The database file was changed by another program "
                                            "since it was loaded. Reload it?")});
        QVERIFY(app.Substances().FindByName("epsilon"));
    }

    void saving_a_solution_changed_elsewhere_asks_naming_the_file()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("shared buffer.sln"));
        const FilePath file = ToFilePath(path);
        StartedSolvo started;
        const ElementTable& elements = started.solvo.App().Elements();
        QVERIFY(CSolvoDoc().WriteFile(file, elements));
        SolvoDocument* document = started.solvo.Documents()->OpenDocument(path);
        QVERIFY(document);
        document->Data().SetFinalVolume(0.5);
        document->Edited();

        CSolvoDoc elsewhere;
        QVERIFY(elsewhere.ReadFile(file, elements).Opened());
        elsewhere.SetFinalVolume(2.0);
        QVERIFY(elsewhere.WriteFile(file, elements));
        {
            MessageBoxAnswers answers({QMessageBox::No});
            started.solvo.MainFrame()->Commands().save->trigger();
            QCOMPARE(answers.Texts(),
                     QStringList{QStringLiteral(
                         "The solution file \"shared buffer.sln\" was changed by another program "
                         "since it was opened. Overwrite it with your version?")});
        }
        QVERIFY(document->IsModified());
        CSolvoDoc onDisk;
        QVERIFY(onDisk.ReadFile(file, elements).Opened());
        QCOMPARE(onDisk.FinalVolume(), 2.0);
    }
};

SOLVO_GUI_TEST_MAIN(SharedFilesTest)
#include "tst_sharedfiles.moc"
