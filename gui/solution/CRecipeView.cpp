#include "solution/CRecipeView.h"

#include "app/CommandActions.h"
#include "solution/RecipePage.h"
#include "solution/SolvoDocument.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace solvo {

namespace {

// The grey surround that sets the page off, in device-independent pixels.
constexpr int kMargin = 12;
constexpr int kLineStep = 20;
constexpr qreal kUnitsPerInch = 254.0;

} // namespace

CRecipeView::CRecipeView(SolvoDocument& document, CommandActions& commands, QWidget* parent)
    : QAbstractScrollArea(parent), painter_(document), commands_(commands)
{
    setObjectName(QStringLiteral("recipeView"));
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    horizontalScrollBar()->setSingleStep(kLineStep);
    verticalScrollBar()->setSingleStep(kLineStep);
    // The recipe is worded afresh at every paint; a change may only add or
    // take away sheets to scroll through.
    connect(&document, &SolvoDocument::changed, this, &CRecipeView::FollowDocument);
    FollowDocument();
}

qreal CRecipeView::Scale() const
{
    return logicalDpiY() / kUnitsPerInch;
}

QSize CRecipeView::PageSize() const
{
    return QSize(static_cast<int>(std::lround(RecipePage::kWidth * Scale())),
                 static_cast<int>(std::lround(RecipePage::kHeight * Scale())));
}

QSize CRecipeView::sizeHint() const
{
    // The page's full width and as much of its height as most screens show.
    const QSize page = PageSize();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int frame = 2 * frameWidth();
    return QSize(page.width() + 2 * kMargin + scrollBar + frame,
                 std::min(page.height() + 2 * kMargin, page.width() * 4 / 5) + frame);
}

void CRecipeView::FollowDocument()
{
    const std::size_t sheets = painter_.SheetCount();
    if (sheets != sheetCount_) {
        sheetCount_ = sheets;
        UpdateScrollBars();
    }
    viewport()->update();
}

void CRecipeView::UpdateScrollBars()
{
    const QSize sheet = PageSize();
    const int count = static_cast<int>(sheetCount_);
    const QSize page(sheet.width() + 2 * kMargin, count * (sheet.height() + kMargin) + kMargin);
    const QSize view = viewport()->size();
    horizontalScrollBar()->setPageStep(view.width());
    horizontalScrollBar()->setRange(0, std::max(0, page.width() - view.width()));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setRange(0, std::max(0, page.height() - view.height()));
}

void CRecipeView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CRecipeView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    // A page narrower than the window stays in its middle.
    const QSize page = PageSize();
    const int spare = viewport()->width() - page.width() - 2 * kMargin;
    const QPoint first(kMargin + std::max(0, spare / 2) - horizontalScrollBar()->value(),
                       kMargin - verticalScrollBar()->value());
    const RecipePainter::Sheets& laid = painter_.ScreenLayout(painter);
    const qreal scale = Scale();
    for (std::size_t i = 0; i < laid.sheets.size(); ++i) {
        const QPoint corner = first + QPoint(0, static_cast<int>(i) * (page.height() + kMargin));
        const QRect sheet(corner, page);
        if (!sheet.adjusted(0, 0, 2, 2).intersects(event->rect()))
            continue;
        painter.fillRect(sheet.translated(2, 2), palette().color(QPalette::Shadow));
        painter.fillRect(sheet, Qt::white);
        painter.save();
        painter.translate(corner);
        // A long recipe has many more rows than the window shows.
        const QRect exposed = event->rect().intersected(sheet).translated(-corner);
        const RecipeBand band{
            static_cast<std::int32_t>(std::ceil(-exposed.top() / scale)),
            static_cast<std::int32_t>(std::floor(-(exposed.bottom() + 1) / scale))};
        painter_.PaintSheet(painter, scale, laid, i, band);
        painter.restore();
    }
}

void CRecipeView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addActions({commands_.print, commands_.printPreview, commands_.exportPdf,
                     commands_.exportHtml, commands_.copyRecipe});
    menu.exec(event->globalPos());
}

} // namespace solvo
