#pragma once

#include "app/SolvoApplication.h"

#include <QMessageBox>
#include <QObject>
#include <QPushButton>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <deque>

namespace solvo::test {

/// Every GUI test runs with its own empty settings and data folder, so it
/// never reads or changes the user's, and fails at once when a modal dialog
/// that the test did not expect is left open.
class GuiTestFixture : public QObject {
    Q_OBJECT

public:
    /// Points the settings and data locations at a fresh temporary folder
    /// that holds the built-in program database, as after a first run; call
    /// before the QApplication is created.
    GuiTestFixture();

    /// Starts the watchdog: any modal dialog still open after a few seconds
    /// fails the test and is closed, so a test never hangs on one.
    void WatchForModalDialogs();

private:
    QTemporaryDir root_;
};

/// Answers the program's message boxes in turn, as a user would click, and
/// keeps their texts so that a test can check what was asked in which order.
class MessageBoxAnswers : public QObject {
    Q_OBJECT

public:
    explicit MessageBoxAnswers(std::deque<QMessageBox::StandardButton> answers);

    const QStringList& Texts() const { return texts_; }

private:
    std::deque<QMessageBox::StandardButton> answers_;
    QStringList texts_;
};

/// The program started as a user starts it, with a new solution. At the end
/// every change to the solutions and the database is dropped, so closing
/// asks nothing.
struct StartedSolvo {
    SolvoApplication solvo;

    StartedSolvo();
    ~StartedSolvo();
};

/// The child of parent with this object name, or null.
template <typename Widget>
Widget* FindChild(const QWidget& parent, const char* name)
{
    return parent.findChild<Widget*>(QString::fromLatin1(name));
}

/// The push button of parent that shows this text, or null.
QPushButton* ButtonWithText(const QWidget& parent, const QString& text);

} // namespace solvo::test

/// main() for a GUI test class: isolated folders, then QApplication, then the tests.
#define SOLVO_GUI_TEST_MAIN(TestClass)                                                           \
    int main(int argc, char* argv[])                                                             \
    {                                                                                            \
        solvo::test::GuiTestFixture fixture;                                                     \
        QApplication application(argc, argv);                                                    \
        QApplication::setOrganizationName(QStringLiteral("Flaskware"));                          \
        QApplication::setApplicationName(QStringLiteral("Solvo"));                               \
        /* The tip of the day is its own test's business: elsewhere start-up */                 \
        /* goes straight to the solution. */                                                      \
        QSettings().setValue(QStringLiteral("Settings/ShowTipOfTheDay"), 0);                     \
        fixture.WatchForModalDialogs();                                                          \
        TestClass test;                                                                          \
        return QTest::qExec(&test, argc, argv);                                                  \
    }
