#include "app/CMainFrame.h"
#include "app/SingleInstance.h"
#include "app/SolvoApplication.h"
#include "solution/RecipePdfExport.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <cstdio>
#include <string_view>

namespace {

constexpr std::string_view kExportPdf = "--export-pdf";

struct CommandLine {
    QCommandLineParser parser;
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption exportPdf{
        QString::fromLatin1(kExportPdf.substr(2)),
        QApplication::translate("main", "Write the printed recipe of the file as a PDF and exit"),
        QStringLiteral("OUT.pdf")};

    CommandLine() : help(parser.addHelpOption()), version(parser.addVersionOption())
    {
        parser.setApplicationDescription(
            QApplication::translate("main", "Solvo: prepare laboratory solutions"));
        parser.addPositionalArgument(
            QStringLiteral("file"), QApplication::translate("main", "A solution file (.sln) to open"),
            QStringLiteral("[file]"));
        parser.addOption(exportPdf);
    }

    // Only a run that opens a window needs a display; help, version, an export
    // and a mistyped command line answer on a terminal or a server too.
    [[nodiscard]] bool NeedsWindow(int argc, char* argv[])
    {
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        if (!parser.parse(arguments))
            return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
        return !parser.isSet(help) && !parser.isSet(version) && !parser.isSet(exportPdf) &&
               !parser.isSet(QStringLiteral("help-all"));
    }
};

} // namespace

int main(int argc, char* argv[])
{
    CommandLine commandLine;
    const bool needsWindow = commandLine.NeedsWindow(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        if (!needsWindow) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        } else if (qEnvironmentVariableIsEmpty("DISPLAY") &&
                   qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
            // The toolkit would abort; a person on a terminal gets the way out.
            std::fputs("solvo: opening a window needs a display; use --export-pdf OUT.pdf to "
                       "write a recipe, or solvo-cli for scripts and batch jobs\n",
                       stderr);
            return 1;
        }
    }
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Flaskware"));
    QApplication::setApplicationName(QStringLiteral("Solvo"));
    QApplication::setApplicationVersion(QStringLiteral(SOLVO_VERSION_TEXT));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/solvo.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("solvo"));

    // Parsed again now that the toolkit has taken its own options (-style,
    // -platform) out of the arguments.
    QCommandLineParser& parser = commandLine.parser;
    if (!parser.parse(QApplication::arguments())) {
        std::fprintf(stderr, "solvo: %s\nUsage: solvo [--export-pdf OUT.pdf] [file]\n",
                     qPrintable(parser.errorText()));
        return 1;
    }
    if (parser.isSet(commandLine.help) || parser.isSet(QStringLiteral("help-all")))
        parser.process(application); // prints the help and exits with 0
    if (parser.isSet(commandLine.version))
        parser.showVersion();
    const QCommandLineOption& exportPdf = commandLine.exportPdf;
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
