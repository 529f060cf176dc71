#include "GuiTestFixture.h"

#include "app/CSolvoApp.h"
#include "app/MemorySettingsStore.h"
#include "app/MessagePrompts.h"
#include "substances/CDatabasePasswordDlg.h"
#include "substances/CDatabasePathDlg.h"
#include "substances/PasswordDigest.h"

#include <QApplication>
#include <QDialogButtonBox>
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
        CSolvoApp app(store, DataFolder(std::filesystem::path(folder.path().toStdString())));
        app.InstallDefaults();
        MessagePrompts prompts(nullptr);
        CDatabasePathDlg dialog(app, prompts);
        QLineEdit* path = dialog.PathField();
        const QString current = QString::fromStdString(app.DatabaseFilePath().string());
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
        QCOMPARE(QString::fromStdString(app.Settings().DatabasePath()), moved);
        QCOMPARE(app.PasswordDigest(), PasswordDigest("lab"));
        QCOMPARE(QString::fromStdString(CFlaskwareApp::ReadStoredDigest(moved.toStdString())),
                 QString::fromStdString(PasswordDigest("lab")));
    }
};

SOLVO_GUI_TEST_MAIN(DatabaseDialogsTest)
#include "tst_databasedialogs.moc"
