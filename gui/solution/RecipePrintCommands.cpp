#include "solution/RecipePrintCommands.h"

#include "app/CMainFrame.h"
#include "app/CommandActions.h"
#include "app/MessagePrompts.h"
#include "app/PathConversion.h"
#include "app/ProgramSettings.h"
#include "app/TextConversion.h"
#include "solution/CChildFrame.h"
#include "solution/CRecipeView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

namespace solvo {

namespace {

constexpr std::string_view kPreviewPages = "PreviewPages";

} // namespace

RecipePrintCommands::RecipePrintCommands(CMainFrame& frame, SettingsStore& store)
    : QObject(frame.Helpers()), frame_(frame), store_(store)
{
    CommandActions& c = frame.Commands();
    const auto onActiveView = [this](void (RecipePrintCommands::*command)(const CRecipeView&)) {
        return [this, command] {
            if (const CRecipeView* view = ActiveView())
                (this->*command)(*view);
        };
    };
    connect(c.print, &QAction::triggered, this, onActiveView(&RecipePrintCommands::Print));
    connect(c.printPreview, &QAction::triggered, this,
            onActiveView(&RecipePrintCommands::PrintPreview));
    connect(c.exportPdf, &QAction::triggered, this, onActiveView(&RecipePrintCommands::ExportPdf));
    connect(c.exportHtml, &QAction::triggered, this,
            onActiveView(&RecipePrintCommands::ExportHtml));
    connect(c.copyRecipe, &QAction::triggered, this,
            onActiveView(&RecipePrintCommands::CopyRecipe));
    // In a composition window Copy copies a field's selection instead.
    connect(c.copy, &QAction::triggered, this, onActiveView(&RecipePrintCommands::CopyRecipe));
    connect(c.printSetup, &QAction::triggered, this, &RecipePrintCommands::PrintSetup);
    connect(frame.MdiArea(), &QMdiArea::subWindowActivated, this,
            &RecipePrintCommands::UpdateCommands);
    // A dialog that closes gives the focus back without a new activation.
    connect(qApp, &QApplication::focusChanged, this, &RecipePrintCommands::UpdateCommands);
    c.printSetup->setEnabled(true);
    UpdateCommands();
}

RecipePrintCommands::~RecipePrintCommands() = default;

void RecipePrintCommands::Print(const CRecipeView& view)
{
    QPrinter& printer = Printer();
    QPrintDialog dialog(&printer, &frame_);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(1, static_cast<int>(view.SheetCount()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!view.Page().Print(printer))
        MessagePrompts(&frame_).ShowMessage("The recipe could not be printed.",
                                            PromptIcon::Exclamation);
}

void RecipePrintCommands::PrintPreview(const CRecipeView& view)
{
    QPrintPreviewDialog dialog(&Printer(), &frame_);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
            [&view](QPrinter* printer) { view.Page().Print(*printer); });
    if (auto* preview = dialog.findChild<QPrintPreviewWidget*>()) {
        const bool twoPages = store_.ReadInt(ProgramSettings::kSection, kPreviewPages, 1) == 2;
        preview->setViewMode(twoPages ? QPrintPreviewWidget::FacingPagesView
                                      : QPrintPreviewWidget::SinglePageView);
    }
    dialog.resize(frame_.size() * 9 / 10);
    dialog.exec();
}

void RecipePrintCommands::ExportPdf(const CRecipeView& view)
{
    Export(view, {tr("Export PDF"), tr("PDF document (*.pdf)"), {QStringLiteral("pdf")},
                  &RecipePainter::WritePdf, "The PDF file could not be written."});
}

void RecipePrintCommands::ExportHtml(const CRecipeView& view)
{
    Export(view, {tr("Export HTML"), tr("HTML document (*.html *.htm)"), {QStringLiteral("html"), QStringLiteral("htm")},
                  &RecipePainter::WriteHtml, "The HTML file could not be written."});
}

void RecipePrintCommands::CopyRecipe(const CRecipeView& view)
{
    QGuiApplication::clipboard()->setMimeData(view.Page().ClipboardData());
}

void RecipePrintCommands::Export(const CRecipeView& view, const ExportForm& form)
{
    const QFileInfo document(view.Page().Document().Path().isEmpty()
                                 ? view.Page().Document().Title()
                                 : view.Page().Document().Path());
    QString name = document.fileName();
    if (name.endsWith(QStringLiteral(".sln"), Qt::CaseInsensitive))
        name.chop(4);
    const QString suggested = WithSuffix(document.path() + QLatin1Char('/') + name, form.suffixes);
    const QString path = QFileDialog::getSaveFileName(&frame_, form.caption, suggested, form.filter);
    if (path.isEmpty())
        return;
    std::string reason;
    if (!(view.Page().*form.write)(WithSuffix(path, form.suffixes), &reason))
        MessagePrompts(&frame_).ShowMessage(std::string(form.failure) + '\n' +
                                                SystemReasonText(reason),
                                            PromptIcon::Exclamation);
}

void RecipePrintCommands::PrintSetup()
{
    QPageSetupDialog dialog(&Printer(), &frame_);
    dialog.exec();
}

CRecipeView* RecipePrintCommands::ActiveView() const
{
    const auto* window = qobject_cast<CChildFrame*>(frame_.MdiArea()->activeSubWindow());
    if (!window || window->FrameKind() != CChildFrame::Kind::RecipeWindow)
        return nullptr;
    return qobject_cast<CRecipeView*>(window->widget());
}

void RecipePrintCommands::UpdateCommands()
{
    const bool recipe = ActiveView() != nullptr;
    CommandActions& c = frame_.Commands();
    for (QAction* action : {c.print, c.printPreview, c.exportPdf, c.exportHtml, c.copyRecipe})
        action->setEnabled(recipe);
    // Elsewhere the composition windows set the clipboard commands.
    if (recipe) {
        c.copy->setEnabled(true);
        c.cut->setEnabled(false);
        c.paste->setEnabled(false);
    }
}

QPrinter& RecipePrintCommands::Printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

} // namespace solvo
