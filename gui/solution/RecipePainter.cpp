#include "solution/RecipePainter.h"

#include "app/CSolvoApp.h"
#include "app/PathConversion.h"
#include "app/RichTextMime.h"
#include "app/TextConversion.h"
#include "formula/QtFormulaCanvas.h"
#include "platform/FileAccess.h"
#include "platform/Windows1252.h"
#include "solution/CompositionSolver.h"
#include "solution/RecipeDate.h"
#include "solution/RecipeExport.h"
#include "solution/RecipeGenerator.h"
#include "solution/SolvoDocument.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QMimeData>
#include <QPageLayout>
#include <QPageRanges>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace solvo {

namespace {

constexpr qreal kUnitsPerInch = 254.0;
constexpr qreal kMillimetresPerInch = 25.4;

// A file name may hold characters the recipe's 8-bit text cannot; they show
// as "?" rather than costing the title.
std::string ProgramTitle(const QString& title)
{
    return Windows1252::FromUtf8Replacing(title.toStdString());
}

std::string_view AsBytes(const QByteArray& bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

RecipePainter::RecipePainter(SolvoDocument& document) : document_(document)
{
    const DataFolder& data = document.App().Data();
    data.EnsureExists();
    template_ = RecipeTemplate::Load(data.File(DataFolder::kTemplateFile));
}

std::vector<RecipeLine> RecipePainter::Lines(bool printing) const
{
    const CSolvoApp& app = document_.App();
    RecipeOptions options;
    options.title = RecipeTitle(ProgramTitle(document_.Title()), !document_.Path().isEmpty());
    options.date = LocalToday();
    options.printing = printing;
    options.displayDigits = app.DisplayDigits();
    options.labels = app.Units();
    const CSolvoDoc& data = document_.Data();
    return GenerateRecipe(data, SolveComposition(data, app.Elements()), template_, options);
}

std::vector<RecipePage::Sheet> RecipePainter::Measure(QPainter& painter,
                                                      std::span<const RecipeLine> lines) const
{
    QtFormulaCanvas canvas(painter, textCache_, true);
    return RecipePage::Layout(canvas, lines, document_.App().Elements());
}

RecipePainter::Sheets RecipePainter::Layout(QPainter& painter, bool printing) const
{
    Sheets laid{Lines(printing), {}};
    laid.sheets = Measure(painter, laid.lines);
    return laid;
}

const RecipePainter::Sheets& RecipePainter::ScreenLayout(QPainter& painter) const
{
    std::vector<RecipeLine> lines = Lines(false);
    const QPaintDevice& device = *painter.device();
    const QSize dpi(device.logicalDpiX(), device.logicalDpiY());
    // Every input of the layout is in the lines (the date, the display
    // settings, the units) or in the resolution, so equal ones lay out alike.
    if (screen_.sheets.empty() || dpi != screenDpi_ || lines != screen_.lines) {
        screen_.sheets = Measure(painter, lines);
        screen_.lines = std::move(lines);
        screenDpi_ = dpi;
    }
    return screen_;
}

std::size_t RecipePainter::SheetCount() const
{
    // Only the fonts' measures matter here, and an image has them at the
    // screen's resolution.
    QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    return ScreenLayout(painter).sheets.size();
}

void RecipePainter::PaintSheet(QPainter& painter, qreal scale, const Sheets& laid,
                               std::size_t index, const RecipeBand& band) const
{
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, -scale);
    QtFormulaCanvas canvas(painter, textCache_, true);
    RecipePage::DrawSheet(canvas, laid.lines, laid.sheets[index], document_.App().Elements(), band);
    painter.restore();
}

QPointF RecipePainter::PageCorner(const QPageLayout& layout)
{
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    return {std::max(kPaperMarginMillimetres - margins.left(), 0.0),
            std::max(kPaperMarginMillimetres - margins.top(), 0.0)};
}

bool RecipePainter::Print(QPagedPaintDevice& device) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QPointF corner = PageCorner(device.pageLayout());
    const Sheets laid = Layout(painter, true);
    const QPageRanges ranges = device.pageRanges();
    bool first = true;
    for (std::size_t i = 0; i < laid.sheets.size(); ++i) {
        if (!ranges.isEmpty() && !ranges.contains(static_cast<int>(i) + 1))
            continue;
        if (!first && !device.newPage())
            return false;
        first = false;
        painter.save();
        painter.translate(corner.x() * device.logicalDpiX() / kMillimetresPerInch,
                          corner.y() * device.logicalDpiY() / kMillimetresPerInch);
        PaintSheet(painter, device.logicalDpiX() / kUnitsPerInch, laid, i);
        painter.restore();
    }
    return painter.end();
}

bool RecipePainter::WritePdf(const QString& path, std::string* error) const
{
    // Made in memory first, so that the file is replaced only by a whole
    // document, as every other file the program saves.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kPaperMarginMillimetres, kPaperMarginMillimetres,
                                               kPaperMarginMillimetres, kPaperMarginMillimetres),
                                     QPageLayout::Millimeter));
    writer.setCreator(QStringLiteral("Solvo"));
    writer.setTitle(QFileInfo(document_.Title()).completeBaseName());
    return Print(writer) && WriteFileAtomically(ToFilePath(path), AsBytes(pdf.data()), error);
}

QMimeData* RecipePainter::ClipboardData() const
{
    const std::vector<RecipeLine> lines = Lines(false);
    const ElementTable& elements = document_.App().Elements();
    const auto write = [&](RecipeExport::Format format) {
        return RecipeExport::Write(format, lines, elements);
    };
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(write(RecipeExport::Format::Text)));
    data->setHtml(QString::fromStdString(write(RecipeExport::Format::Html)));
    RichTextMime::Add(*data, write(RecipeExport::Format::Rtf));
    return data;
}

bool RecipePainter::WriteHtml(const QString& path, std::string* error) const
{
    const std::string html =
        RecipeExport::Write(RecipeExport::Format::Html, Lines(false), document_.App().Elements());
    return WriteFileAtomically(ToFilePath(path), html, error);
}

} // namespace solvo
