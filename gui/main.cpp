#include "app/CMainFrame.h"
#include "app/SingleInstance.h"
#include "app/SolvoApplication.h"
#include "solution/RecipePdfExport.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <cstdio>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kExportPdf = "--export-pdf";

// An export shows no window, so it needs no display: it runs where there is
// none (a server, a script) unless a platform is chosen explicitly.
void ChoosePlatformForExport(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == kExportPdf || argument.starts_with(std::string(kExportPdf) + '=')) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            return;
        }
    }
}

} // namespace

int main(int argc, char* argv[])
{
    ChoosePlatformForExport(argc, argv);
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
    const QCommandLineOption exportPdf(
        QString::fromLatin1(kExportPdf.substr(2)),
        QApplication::translate("main", "Write the printed recipe of the file as a PDF and exit"),
        QStringLiteral("OUT.pdf"));
    parser.addOption(exportPdf);
    parser.process(application);
    const QStringList files = parser.positionalArguments();
    const QString fileToOpen = files.isEmpty() ? QString() : files.first();

    if (parser.isSet(exportPdf)) {
        if (fileToOpen.isEmpty()) {
            std::fputs("solvo: --export-pdf needs a solution file (.sln)\n", stderr);
            return solvo::RecipePdfExport::kFailed;
        }
        return solvo::RecipePdfExport::Run(parser.value(exportPdf), fileToOpen);
    }

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
