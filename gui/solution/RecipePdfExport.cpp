#include "solution/RecipePdfExport.h"

#include "app/CSolvoApp.h"
#include "app/ConsolePrompts.h"
#include "app/QtSettingsStore.h"
#include "app/StandardDataFolder.h"
#include "app/TextConversion.h"
#include "solution/RecipePainter.h"
#include "solution/SolvoDocument.h"

#include <QFileInfo>

namespace solvo {

int RecipePdfExport::Run(const QString& pdfFile, const QString& solutionFile)
{
    QtSettingsStore store;
    CSolvoApp app(store, StandardDataFolder());
    app.Initialise();
    app.Data().EnsureExists();
    ConsolePrompts prompts;
    // Headless, as on the command line: before the program's first run the
    // built-in database serves, without a word and without writing it.
    app.StartDatabase(prompts, false);
    app.ReadUnitLabels();

    SolvoDocument document(app, QFileInfo(solutionFile).fileName());
    const CSolvoDoc::ReadResult result = document.Read(solutionFile);
    for (const std::string& message : result.messages)
        ConsolePrompts::WriteLine(solutionFile + QStringLiteral(": ") + ToQString(message));
    // A file of an unknown version opens as a new solution in a window; a
    // PDF of that empty solution would pass for the file's recipe.
    if (result.status != CSolvoDoc::ReadStatus::Read &&
        result.status != CSolvoDoc::ReadStatus::Empty)
        return kFailed;

    std::string reason;
    if (!RecipePainter(document).WritePdf(pdfFile, &reason)) {
        ConsolePrompts::WriteLine(pdfFile + QStringLiteral(": the file cannot be written. ") +
                                  QString::fromLocal8Bit(reason) + QLatin1Char('.'));
        return kFailed;
    }
    return kSucceeded;
}

} // namespace solvo
