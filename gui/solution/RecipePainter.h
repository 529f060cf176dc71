#pragma once

#include "formula/CanvasTextCache.h"
#include "solution/RecipeLine.h"
#include "solution/RecipeTemplate.h"

#include <QString>

#include <vector>

class QMimeData;
class QPagedPaintDevice;
class QPainter;

namespace solvo {

class SolvoDocument;

/// The recipe of one solution as a page: worded from the template read when
/// the painter is made, and from the document as it is at each drawing, so
/// that nothing goes stale between edits.
class RecipePainter {
public:
    /// Reads template.txt of the data folder, creating it with the default
    /// lines when it is missing.
    explicit RecipePainter(SolvoDocument& document);

    SolvoDocument& Document() const { return document_; }

    /// The recipe's lines now, dated today; a printed recipe ends with the
    /// footer.
    std::vector<RecipeLine> Lines(bool printing) const;

    /// Draws the page with its top left corner at the painter's origin,
    /// scale device units to 0.1 mm, cut at the page's edges unless
    /// printing (paper has its own).
    void Paint(QPainter& painter, qreal scale, bool printing) const;

    /// Prints the page on device, one page with the footer, its top left
    /// corner at the corner of the device's printable area. False when the
    /// device cannot be painted on (a file that cannot be written).
    bool Print(QPagedPaintDevice& device) const;

    /// Writes the printed page as a one-page A4 PDF at path. False when
    /// the file cannot be written.
    bool WritePdf(const QString& path) const;

    /// The recipe as the window shows it now, in three forms at once from
    /// the same lines: the text, the HTML document and the rich-text
    /// document (see RecipeExport).
    QMimeData* ClipboardData() const;

    /// Writes the recipe as an HTML document at path, replacing a file only
    /// once the whole document is written. False when it cannot be written.
    bool WriteHtml(const QString& path) const;

private:
    SolvoDocument& document_;
    RecipeTemplate template_;
    // Only speeds up the next paint; drawing stays a const operation.
    mutable CanvasTextCache textCache_;
};

} // namespace solvo
