#pragma once

#include "formula/CanvasTextCache.h"
#include "solution/RecipeLine.h"
#include "solution/RecipeTemplate.h"

#include <QPointF>
#include <QString>

#include <span>
#include <string>
#include <vector>

class QMimeData;
class QPageLayout;
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
    /// scale device units to 0.1 mm, cut at the page's edges; a printed
    /// page's footer is drawn whole below it.
    void Paint(QPainter& painter, qreal scale, bool printing) const;

    /// How far from the paper's edges a printed page lies: room on A4
    /// (210 x 297 mm) for the footer, which ends 15 mm right of the page
    /// and hangs below it.
    static constexpr qreal kPaperMarginMillimetres = 10.0;

    /// Where the page's top left corner goes on a device with layout, in
    /// millimetres from the corner of its printable area: kPaperMarginMillimetres
    /// from the paper's edges, or the printable area's corner when its margins
    /// are wider. So a printer, a PDF printed through the print dialog and an
    /// exported PDF all place the page alike.
    static QPointF PageCorner(const QPageLayout& layout);

    /// Prints the page on device, one page with the footer, placed by
    /// PageCorner(). False when the device cannot be painted on (a file
    /// that cannot be written).
    bool Print(QPagedPaintDevice& device) const;

    /// Writes the printed page as a one-page A4 PDF at path. False when
    /// the file cannot be written, with the system's reason in error when
    /// given.
    bool WritePdf(const QString& path, std::string* error = nullptr) const;

    /// The recipe as the window shows it now, in three forms at once from
    /// the same lines: the text, the HTML document and the rich-text
    /// document (see RecipeExport).
    QMimeData* ClipboardData() const;

    /// Writes the recipe as an HTML document at path, replacing a file only
    /// once the whole document is written. False when it cannot be written,
    /// with the system's reason in error when given.
    bool WriteHtml(const QString& path, std::string* error = nullptr) const;

private:
    void Draw(QPainter& painter, qreal scale, std::span<const RecipeLine> lines) const;

    SolvoDocument& document_;
    RecipeTemplate template_;
    // Only speeds up the next paint; drawing stays a const operation.
    mutable CanvasTextCache textCache_;
};

} // namespace solvo
