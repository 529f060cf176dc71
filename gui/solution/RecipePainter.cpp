#include "solution/RecipePainter.h"

#include "app/CSolvoApp.h"
#include "app/RichTextMime.h"
#include "app/TextConversion.h"
#include "formula/QtFormulaCanvas.h"
#include "solution/CompositionSolver.h"
#include "solution/RecipeDate.h"
#include "solution/RecipeExport.h"
#include "solution/RecipeGenerator.h"
#include "solution/RecipePage.h"
#include "solution/SolvoDocument.h"

#include <QFileInfo>
#include <QMimeData>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace solvo {

namespace {

constexpr qreal kUnitsPerInch = 254.0;
// Room around the page on A4 (210 x 297 mm) for the footer, which ends
// 15 mm right of the page and hangs below it.
constexpr qreal kPdfMarginMillimetres = 10.0;

// A file name may hold characters the recipe's 8-bit text cannot; they show
// as "?" rather than costing the title.
std::string ProgramTitle(const QString& title)
{
    std::string text;
    for (const QChar c : title)
        text += ToProgramText(QString(c)).value_or("?");
    return text;
}

} // namespace

RecipePainter::RecipePainter(SolvoDocument& document) : document_(document)
{
    const DataFolder& data = document.App().Data();
    data.EnsureExists();
    template_ = RecipeTemplate::Load(data.FilePath(DataFolder::kTemplateFile));
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
    return GenerateRecipe(data, SolveComposition(data), template_, options);
}

void RecipePainter::Paint(QPainter& painter, qreal scale, bool printing) const
{
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (!printing)
        painter.setClipRect(QRectF(0, 0, RecipePage::kWidth * scale, RecipePage::kHeight * scale),
                            Qt::IntersectClip);
    painter.scale(scale, -scale);
    QtFormulaCanvas canvas(painter, textCache_, true);
    RecipePage::Draw(canvas, Lines(printing), document_.App().Elements());
    painter.restore();
}

bool RecipePainter::Print(QPagedPaintDevice& device) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    Paint(painter, device.logicalDpiX() / kUnitsPerInch, true);
    return painter.end();
}

bool RecipePainter::WritePdf(const QString& path) const
{
    QPdfWriter writer(path);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kPdfMarginMillimetres, kPdfMarginMillimetres,
                                               kPdfMarginMillimetres, kPdfMarginMillimetres),
                                     QPageLayout::Millimeter));
    writer.setCreator(QStringLiteral("Solvo"));
    writer.setTitle(QFileInfo(document_.Title()).completeBaseName());
    return Print(writer);
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

bool RecipePainter::WriteHtml(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const std::string html =
        RecipeExport::Write(RecipeExport::Format::Html, Lines(false), document_.App().Elements());
    file.write(html.data(), static_cast<qint64>(html.size()));
    return file.commit();
}

} // namespace solvo
