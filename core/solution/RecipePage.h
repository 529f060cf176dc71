#pragma once

#include "formula/CanvasTypes.h"
#include "solution/RecipeLine.h"

#include <cstdint>
#include <span>
#include <vector>

namespace solvo {

class ElementTable;
class FormulaCanvas;

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

    /// Draws lines on canvas, whose y axis must grow upwards in page units.
    /// A summary, component step or enter-mass step draws its formula,
    /// parsed against elements, where the text first says
    /// <SUBSTANCEFORMULA>, with the line's font for normal characters and
    /// the subscript font for the small ones; every other placeholder stays
    /// text. A Warning line wider than the page goes on in further lines,
    /// broken between words, and the lines below it (but the footer) move
    /// down as far. Approximate lines are drawn in kApproximateColour, the
    /// rest in black. The canvas's state is restored afterwards.
    static void Draw(FormulaCanvas& canvas, std::span<const RecipeLine> lines,
                     const ElementTable& elements);
};

} // namespace solvo
