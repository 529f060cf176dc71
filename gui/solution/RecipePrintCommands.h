#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <string_view>

class QPrinter;

namespace solvo {

class CMainFrame;
class CRecipeView;
class RecipePainter;
class SettingsStore;

/// Print, Print Preview, Export PDF, Export HTML, Copy recipe and Print
/// Setup. All but the last work on the active recipe window and are
/// available only while one is active, as is Copy, which copies the recipe
/// there; Print Setup chooses the printer and paper that every later print
/// and preview uses.
class RecipePrintCommands : public QObject {
    Q_OBJECT

public:
    /// The preview shows two pages side by side when the value PreviewPages
    /// of the section Settings in store is 2, else one; the program never
    /// writes it.
    RecipePrintCommands(CMainFrame& frame, SettingsStore& store);
    ~RecipePrintCommands() override;

    /// The print dialog, then the page on the chosen printer.
    void Print(const CRecipeView& view);
    void PrintPreview(const CRecipeView& view);
    /// The save dialog, then the printed page as a PDF file.
    void ExportPdf(const CRecipeView& view);
    /// The save dialog, then the recipe as an HTML document.
    void ExportHtml(const CRecipeView& view);
    /// The recipe on the clipboard as text, HTML and rich text.
    void CopyRecipe(const CRecipeView& view);
    void PrintSetup();

private:
    CRecipeView* ActiveView() const;
    /// One way of exporting the recipe to a file.
    struct ExportForm {
        QString caption;
        QString filter;
        /// The first is added to a name that ends with none of them.
        QStringList suffixes;
        bool (RecipePainter::*write)(const QString& path, std::string* error) const;
        std::string_view failure;
    };
    /// Asks for the file, offering the document's name with the form's
    /// suffix, and writes view's recipe there; says so when it cannot.
    void Export(const CRecipeView& view, const ExportForm& form);
    void UpdateCommands();
    QPrinter& Printer();

    CMainFrame& frame_;
    SettingsStore& store_;
    // Made on first use: finding the printers can take a moment.
    std::unique_ptr<QPrinter> printer_;
};

} // namespace solvo
