#include "solution/CRecipeView.h"

#include "app/CommandActions.h"
#include "solution/RecipePage.h"
#include "solution/SolvoDocument.h"

#include <QContextMenuEvent>
#include <QMenu>
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
    // The recipe is worded afresh at every paint, so a change needs no more than a repaint.
    connect(&document, &SolvoDocument::changed, viewport(), qOverload<>(&QWidget::update));
    UpdateScrollBars();
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

void CRecipeView::UpdateScrollBars()
{
    const QSize page = PageSize() + QSize(2 * kMargin, 2 * kMargin);
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

void CRecipeView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    // A page narrower than the window stays in its middle.
    const QSize page = PageSize();
    const int spare = viewport()->width() - page.width() - 2 * kMargin;
    const QPoint corner(kMargin + std::max(0, spare / 2) - horizontalScrollBar()->value(),
                        kMargin - verticalScrollBar()->value());
    const QRect sheet(corner, page);
    painter.fillRect(sheet.translated(2, 2), palette().color(QPalette::Shadow));
    painter.fillRect(sheet, Qt::white);
    painter.translate(corner);
    painter_.Paint(painter, Scale(), false);
}

void CRecipeView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addActions({commands_.print, commands_.printPreview, commands_.exportPdf,
                     commands_.exportHtml, commands_.copyRecipe});
    menu.exec(event->globalPos());
}

} // namespace solvo
