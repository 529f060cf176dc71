#pragma once

#include "formula/CanvasTypes.h"
#include "solution/RecipeLine.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace solvo {

class ElementTable;
class FormulaCanvas;

/// Breaks a recipe line into rows that fit the width of the page, so that a
/// long step is read whole on screen and on paper instead of running off the
/// edge.
class RecipeLineWrap {
public:
    /// One row: the bytes [begin, end) of the line's text.
    struct Row {
        std::size_t begin = 0;
        std::size_t end = 0;

        bool operator==(const Row&) const = default;
    };

    struct Result {
        std::vector<Row> rows;
        /// How far right of the line's own left edge the rows after the first
        /// start: under the text after a leading step number ("12. "), so the
        /// number stands out; 0 for lines without one.
        std::int32_t indent = 0;
    };

    /// Splits line, set in font, into rows of at most width page units (the
    /// first) and width - indent (the rest). Rows break at spaces, which are
    /// left out; a word wider than a whole row is broken between characters.
    /// The formula drawn at the line's first <SUBSTANCEFORMULA> counts with
    /// its drawn width and is never broken. A line that fits is one row of
    /// all its text.
    static Result Wrap(FormulaCanvas& canvas, const RecipeLine& line, const FontSpec& font,
                       std::int32_t width, const ElementTable& elements);
};

} // namespace solvo
