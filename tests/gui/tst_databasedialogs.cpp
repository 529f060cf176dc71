#include "GuiTestFixture.h"

#include "app/CSolvoApp.h"
#include "app/MemorySettingsStore.h"
#include "app/MessagePrompts.h"
#include "app/PathConversion.h"
#include "substances/CDatabasePasswordDlg.h"
#include "substances/CDatabasePathDlg.h"
#include "substances/PasswordDigest.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace solvo;
using Field = DatabasePasswordForm::Field;

namespace {

QPushButton* Ok(const QDialog& dialog)
{
    return dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
}

} // namespace

class DatabaseDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void password_fields_show_bullets_and_follow_the_mode()
    {
        CDatabasePasswordDlg enter(PasswordDialogMode::EnterPassword, {});
        QVERIFY(enter.PasswordField(Field::Current)->isEnabled());
        QVERIFY(!enter.PasswordField(Field::New)->isEnabled());
        QVERIFY(Ok(enter)->isEnabled());
        QCOMPARE(enter.PasswordField(Field::Current)->echoMode(), QLineEdit::Password);
        QTest::keyClicks(enter.PasswordField(Field::Current), QStringLiteral("pw"));
        QCOMPARE(enter.ResultDigest(), PasswordDigest("pw"));

        CDatabasePasswordDlg change(PasswordDialogMode::ChangePassword, PasswordDigest("old"));
        QVERIFY(!Ok(change)->isEnabled());
        QTest::keyClicks(change.PasswordField(Field::Current), QStringLiteral("old"));
        QTest::keyClicks(change.PasswordField(Field::New), QStringLiteral("new"));
        QVERIFY(!Ok(change)->isEnabled());
        QTest::keyClicks(change.PasswordField(Field::Repeated), QStringLiteral("new"));
        QVERIFY(Ok(change)->isEnabled());
        QCOMPARE(change.ResultDigest(), PasswordDigest("new"));
    }

    void path_moves_the_database_protected_by_a_new_password()
    {
        QTemporaryDir folder;
        MemorySettingsStore store;
        CSolvoApp app(store, DataFolder(ToFilePath(folder.path())));
        app.InstallDefaults();
        MessagePrompts prompts(nullptr);
        CDatabasePathDlg dialog(app, prompts);
        QLineEdit* path = dialog.PathField();
        const QString current = ToQString(app.DatabaseFilePath());
        QCOMPARE(path->text(), current);
        QVERIFY(!Ok(dialog)->isEnabled());

        const QString moved = folder.filePath(QStringLiteral("moved.dat"));
        path->selectAll();
        QTest::keyClicks(path, moved);
        QVERIFY(Ok(dialog)->isEnabled());
        QTest::mouseClick(test::ButtonWithText(dialog, QStringLiteral("Default")), Qt::LeftButton);
        QCOMPARE(path->text(), current);
        QVERIFY(!Ok(dialog)->isEnabled());
        path->selectAll();
        QTest::keyClicks(path, moved);

        // Yes to the protection question, then a new password typed twice.
        test::MessageBoxAnswers answers({QMessageBox::Yes});
        QTimer typist;
        connect(&typist, &QTimer::timeout, this, [] {
            auto* password = qobject_cast<CDatabasePasswordDlg*>(QApplication::activeModalWidget());
            if (!password)
                return;
            QTest::keyClicks(password->PasswordField(Field::New), QStringLiteral("lab"));
            QTest::keyClicks(password->PasswordField(Field::Repeated), QStringLiteral("lab"));
            Ok(*password)->click();
        });
        typist.start(20);
        dialog.show();
        QTest::mouseClick(Ok(dialog), Qt::LeftButton);

        QCOMPARE(answers.Texts(),
                 QStringList{QStringLiteral(
                     "Do you want to use a password to protect the database from overwriting?")});
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(ToQString(app.Settings().DatabasePath()), moved);
        QCOMPARE(app.PasswordDigest(), PasswordDigest("lab"));
        QCOMPARE(QString::fromStdString(CFlaskwareApp::ReadStoredDigest(ToFilePath(moved))),
                 QString::fromStdString(PasswordDigest("lab")));
    }

    // The user's own database in a folder and under a name that the
    // program's 8-bit text cannot hold: the dialog must find it, ask before
    // replacing it, and store its real path.
    void path_over_an_existing_file_with_any_name_asks_and_keeps_the_real_path()
    {
        QTemporaryDir folder;
        const QString existing =
            folder.filePath(QStringLiteral("Donn\u00e9es \u5b9f/Donn\u00e9es \u00fc\u00df \u5b9f.dat"));
        QVERIFY(QDir().mkpath(QFileInfo(existing).absolutePath()));
        MemorySettingsStore store;
        CSolvoApp app(store, DataFolder(ToFilePath(folder.path())));
        app.InstallDefaults();
        MessagePrompts prompts(nullptr);
        QVERIFY(app.SaveDatabaseFile(ToFilePath(existing), false, prompts));

        CDatabasePathDlg dialog(app, prompts);
        // Typed as an input method delivers it: key clicks carry Latin-1 only.
        dialog.PathField()->selectAll();
        QInputMethodEvent typed;
        typed.setCommitString(existing);
        QApplication::sendEvent(dialog.PathField(), &typed);
        QVERIFY(Ok(dialog)->isEnabled());
        // No: read the database found there instead of replacing it.
        test::MessageBoxAnswers answers({QMessageBox::No});
        dialog.show();
        QTest::mouseClick(Ok(dialog), Qt::LeftButton);

        QCOMPARE(answers.Texts(),
                 QStringList{QStringLiteral("Do you want to overwrite existing database?\n\n"
                                            "(Selecting No will READ the new database)")});
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(ToQString(app.Settings().DatabasePath()), existing);
        QCOMPARE(QDir(QFileInfo(existing).absolutePath()).entryList(QDir::Files),
                 QStringList{QFileInfo(existing).fileName()});
    }
};

SOLVO_GUI_TEST_MAIN(DatabaseDialogsTest)
#include "tst_databasedialogs.moc"
