#pragma once

#include "formula/CanvasTextCache.h"
#include "solution/RecipeLine.h"
#include "solution/RecipePage.h"
#include "solution/RecipeTemplate.h"

#include <QPointF>
#include <QSize>
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

    /// The recipe's lines and the sheets they take, measured with the fonts
    /// of painter's device.
    struct Sheets {
        std::vector<RecipeLine> lines;
        std::vector<RecipePage::Sheet> sheets;
    };
    Sheets Layout(QPainter& painter, bool printing) const;

    /// The recipe as the window shows it, measured with the fonts of
    /// painter's device: laid out again only when its lines or the device's
    /// resolution differ from the last call's. Valid until the next call.
    const Sheets& ScreenLayout(QPainter& painter) const;

    /// How many sheets the recipe takes on a screen of the application's
    /// resolution, for the window to scroll through them all.
    std::size_t SheetCount() const;

    /// Draws the rows of sheet number index of laid that reach into band,
    /// with the sheet's top left corner at the painter's origin, scale
    /// device units to 0.1 mm.
    void PaintSheet(QPainter& painter, qreal scale, const Sheets& laid, std::size_t index,
                    const RecipeBand& band = {}) const;

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

    /// Prints the recipe on device, each sheet on a page of its own with the
    /// footer, placed by PageCorner(); only the pages of the device's page
    /// ranges when it has any. False when the device cannot be painted on
    /// (a file that cannot be written).
    bool Print(QPagedPaintDevice& device) const;

    /// Writes the printed recipe as an A4 PDF at path. False when the file
    /// cannot be written, with the system's reason in error when given.
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
    std::vector<RecipePage::Sheet> Measure(QPainter& painter, std::span<const RecipeLine> lines) const;

    SolvoDocument& document_;
    RecipeTemplate template_;
    // Only speeds up the next paint; drawing stays a const operation.
    mutable CanvasTextCache textCache_;
    // The window's last layout and the resolution it was measured at; a
    // keystroke rewords the recipe, but lays it out only when that changed
    // a line.
    mutable Sheets screen_;
    mutable QSize screenDpi_;
};

} // namespace solvo
