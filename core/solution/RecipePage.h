#pragma once

#include "formula/CanvasTypes.h"
#include "solution/RecipeLine.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <vector>

namespace solvo {

class ElementTable;
class FormulaCanvas;

/// A strip of a recipe's sheet across its width, from top down to bottom in
/// page units (see RecipePage): the part a window shows. The whole sheet
/// unless told otherwise.
struct RecipeBand {
    std::int32_t top = std::numeric_limits<std::int32_t>::max();
    std::int32_t bottom = std::numeric_limits<std::int32_t>::min();

    /// Whether a row whose text has its top at y may leave ink in the band.
    bool Reaches(std::int32_t y) const;
};

/// The recipe as a page: where each line of a recipe goes, in which font,
/// and how it is drawn with its formula inline.
///
/// The page is in metric units of 0.1 mm with x growing to the right and y
/// growing upwards from the top left corner (0, 0), so positions down the
/// page are negative. The same coordinates serve the screen, the print
/// preview, paper and PDF, which keeps the printout at the size of the
/// screen layout.
class RecipePage {
public:
    /// The page's size in 0.1 mm: 180 mm by 275 mm.
    static constexpr std::int32_t kWidth = 1800;
    static constexpr std::int32_t kHeight = 2750;
    /// The colour of a line whose figures are not final yet.
    static constexpr Colour kApproximateColour{192, 192, 192};
    static constexpr std::string_view kFontFace = "Arial";

    /// Which of the page's four fonts a text is set in.
    enum class Font : std::uint8_t {
        Title,     ///< 15 pt: the title
        Summary,   ///< 12 pt: the components' summary lines
        Body,      ///< 10 pt: every other line
        Subscript, ///< 7.5 pt: subscripts and superscripts of formulas in lines
    };

    /// One line's place on the page: the top of its text at y and its left
    /// edge at x, or its right edge for a right-aligned line.
    struct Placement {
        std::int32_t x = 0;
        std::int32_t y = 0;
        Font font = Font::Body;
        TextAlign align = TextAlign::Left;

        bool operator==(const Placement&) const = default;
    };

    /// The font of a text, as an em height in page units (0.1 mm) of the
    /// point size, normal weight.
    static FontSpec FontOf(Font font);

    /// Where each of lines goes, in order, for lines in the order the recipe
    /// generator makes them: the title at the top, the summaries 10 mm
    /// apart, then either the three impossible lines, or the preparer line
    /// and the date, the heading 30 mm lower and the steps 7.5 mm apart,
    /// and the footer right-aligned with its top at the foot of the page.
    static std::vector<Placement> Place(std::span<const RecipeLine> lines);

    /// One row of a line as it lands on a sheet: the bytes [begin, end) of
    /// the text of lines[line], placed on its sheet.
    struct Row {
        std::size_t line = 0;
        std::size_t begin = 0;
        std::size_t end = 0;
        Placement place;
        /// Whether the row holds the line's first <SUBSTANCEFORMULA> and
        /// draws the formula there.
        bool drawsFormula = false;
    };

    /// What one piece of paper (or one page of the window) shows.
    struct Sheet {
        std::vector<Row> rows;
        /// "page 2 of 3", drawn at the left of the footer line when a printed
        /// recipe takes more than one sheet; empty otherwise.
        std::string pageLabel;
    };

    /// Lays lines out on as many sheets as they need, measuring on canvas.
    /// The first sheet is placed as Place() says. A line wider than the page
    /// wraps into rows, a step's rows indented under the text after its
    /// number, and later lines move down by the rows added. A line that
    /// would reach below the page starts the next sheet, whole, and a
    /// heading goes with the line after it; later sheets repeat the title
    /// in the body font at the top. The footer, when lines have one, is on
    /// every sheet. There is always at least one sheet.
    static std::vector<Sheet> Layout(FormulaCanvas& canvas, std::span<const RecipeLine> lines,
                                     const ElementTable& elements);

    /// Draws sheet, laid out from lines, on canvas, whose y axis must grow
    /// upwards in page units. A row that holds its line's formula draws it
    /// where the text says <SUBSTANCEFORMULA>, parsed against elements, with
    /// the row's font for normal characters and the subscript font for the
    /// small ones; every other placeholder stays text. Approximate lines are
    /// drawn in kApproximateColour, the rest in black. Only the rows that
    /// reach into band are drawn, the page label always. The canvas's state
    /// is restored afterwards.
    static void DrawSheet(FormulaCanvas& canvas, std::span<const RecipeLine> lines,
                          const Sheet& sheet, const ElementTable& elements, const RecipeBand& band = {});
};

} // namespace solvo
