#include "app/CMainFrame.h"
#include "app/SingleInstance.h"
#include "app/SolvoApplication.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Flaskware"));
    QApplication::setApplicationName(QStringLiteral("Solvo"));
    QApplication::setApplicationVersion(QStringLiteral(SOLVO_VERSION_TEXT));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/solvo.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("solvo"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QApplication::translate("main", "Solvo: prepare laboratory solutions"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QApplication::translate("main", "A solution file (.sln) to open"),
                                 QStringLiteral("[file]"));
    parser.process(application);
    const QStringList files = parser.positionalArguments();
    const QString fileToOpen = files.isEmpty() ? QString() : files.first();

    solvo::SingleInstance instance;
    if (!fileToOpen.isEmpty() && instance.HandOver({fileToOpen}))
        return 0;

    solvo::SolvoApplication solvo;
    if (!solvo.Start(fileToOpen))
        return 1;
    instance.Listen();
    solvo::CMainFrame* frame = solvo.MainFrame();
    QObject::connect(&instance, &solvo::SingleInstance::filesReceived, frame,
                     &solvo::CMainFrame::filesToOpen);
    QObject::connect(&instance, &solvo::SingleInstance::filesReceived, frame, [frame] {
        frame->raise();
        frame->activateWindow();
    });
    const int status = QApplication::exec();
    solvo.Finish();
    return status;
}
