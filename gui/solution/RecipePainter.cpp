#include "solution/RecipePainter.h"

#include "app/CSolvoApp.h"
#include "app/TextConversion.h"
#include "formula/QtFormulaCanvas.h"
#include "platform/Windows1252.h"
#include "solution/CompositionSolver.h"
#include "solution/RecipeDate.h"
#include "solution/RecipeGenerator.h"
#include "solution/RecipePage.h"
#include "solution/SolvoDocument.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

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
    return Windows1252::FromUtf8Replacing(title.toStdString());
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

} // namespace solvo
