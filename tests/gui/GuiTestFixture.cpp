#include "GuiTestFixture.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QtTest>

namespace solvo::test {

GuiTestFixture::GuiTestFixture()
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root_.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root_.filePath(QStringLiteral("data"))));
    qputenv("QT_QPA_PLATFORM", "offscreen");
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

} // namespace solvo::test
