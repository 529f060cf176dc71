#include "GuiTestFixture.h"

#include "app/CSolvoApp.h"
#include "app/DatabasePrompts.h"
#include "app/MemorySettingsStore.h"
#include "app/PathConversion.h"
#include "solution/DocumentManager.h"
#include "solution/SolvoDocument.h"

#include <QApplication>
#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QTimer>
#include <QtTest>

namespace solvo::test {

namespace {

class NoPrompts final : public DatabasePrompts {
public:
    void ShowMessage(std::string_view, PromptIcon) override {}
    PromptAnswer Ask(std::string_view, PromptButtons, PromptIcon) override
    {
        return PromptAnswer::No;
    }
    std::optional<std::string> RunPasswordDialog(PasswordDialogMode, std::string_view) override
    {
        return std::nullopt;
    }
};

} // namespace

GuiTestFixture::GuiTestFixture()
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root_.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root_.filePath(QStringLiteral("data"))));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root_.filePath(QStringLiteral("runtime"))));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QDir().mkpath(root_.filePath(QStringLiteral("runtime")));
    QFile::setPermissions(root_.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    const QString dataFolder = root_.filePath(QStringLiteral("data/Flaskware/Solvo"));
    QDir().mkpath(dataFolder);
    MemorySettingsStore store;
    CSolvoApp app(store, DataFolder(ToFilePath(dataFolder)));
    app.InstallDefaults();
    NoPrompts prompts;
    app.SaveDatabaseFile(app.DatabaseFilePath(), false, prompts);
}

MessageBoxAnswers::MessageBoxAnswers(std::deque<QMessageBox::StandardButton> answers)
    : answers_(std::move(answers))
{
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || answers_.empty())
            return;
        texts_ << box->text();
        QAbstractButton* button = box->button(answers_.front());
        answers_.pop_front();
        if (button)
            button->click();
        else
            box->reject();
    });
    timer->start(20);
}

void GuiTestFixture::WatchForModalDialogs()
{
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, qApp, [] {
        static QWidget* seen = nullptr;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal == seen) {
            QWARN(qPrintable(QStringLiteral("unexpected modal dialog: ") + modal->windowTitle()));
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
            QFAIL("an unexpected modal dialog was left open");
        }
        seen = modal;
    });
    timer->start(3000);
}

StartedSolvo::StartedSolvo()
{
    solvo.Start();
}

StartedSolvo::~StartedSolvo()
{
    for (SolvoDocument* document : solvo.Documents()->Documents())
        document->Data().SetModified(false);
    solvo.App().Substances().SetModified(false);
    solvo.Finish();
}

QPushButton* ButtonWithText(const QWidget& parent, const QString& text)
{
    for (QPushButton* button : parent.findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

} // namespace solvo::test
