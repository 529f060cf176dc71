#pragma once

#include "solution/RecipePainter.h"

#include <QAbstractScrollArea>

namespace solvo {

class CommandActions;
class SolvoDocument;

/// The recipe window's view: the recipe of one solution on its sheets, one
/// below the other at their real size on the screen, scrollable, redrawn
/// from the document at every change. The recipe window itself is the solution's CChildFrame of kind
/// RecipeWindow; printing it is RecipePrintCommands' part.
class CRecipeView : public QAbstractScrollArea {
    Q_OBJECT

public:
    /// The view's context menu offers the print commands of commands.
    CRecipeView(SolvoDocument& document, CommandActions& commands, QWidget* parent = nullptr);

    const RecipePainter& Page() const { return painter_; }

    /// Device-independent pixels per 0.1 mm: the page at its size on paper.
    qreal Scale() const;
    QSize sizeHint() const override;
    /// How many sheets the window scrolls through.
    std::size_t SheetCount() const { return sheetCount_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QSize PageSize() const;
    void UpdateScrollBars();
    /// Lays the recipe out again after a change, for the scroll range.
    void FollowDocument();

    RecipePainter painter_;
    CommandActions& commands_;
    std::size_t sheetCount_ = 1;
};

} // namespace solvo
