#pragma once

#include "formula/CanvasTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace solvo {

class ChemicalFormula;
class FormulaCanvas;

/// The face and weight of formula fonts, and of the smaller ones made when
/// a formula is shrunk to fit.
inline constexpr std::string_view kFormulaFontFace = "Arial";
inline constexpr std::int32_t kFormulaFontWeight = 700;

/// Typesets a formula's display characters: normal characters and the
/// hydrate dot in a large font, subscripts and superscripts in a small one.
/// Subscripts are lowered by 23/40 of the large font's height, superscripts
/// share the top line of the normal characters, and the hydrate dot is
/// raised by 2/5 of the subscript offset.
///
/// Measuring works in fixed arrays and allocates nothing. Any display text
/// is accepted; one that is empty or longer than kMaxLength is neither
/// measured nor drawn.
class FormulaLayout {
public:
    /// The longest display text that is measured and drawn.
    static constexpr std::size_t kMaxLength = 127;

    /// Measures every display character in its font and returns the
    /// formula's width in canvas units: 0 for an empty display text or one
    /// longer than kMaxLength. The canvas's selected font is left as it was.
    std::int32_t Measure(const ChemicalFormula& formula, FormulaCanvas& canvas,
                         const FontSpec& large, const FontSpec& small);

    /// Left edge of display character i from the formula's left edge, for
    /// i up to the length of the last measured text; Position(length) is
    /// its width.
    std::int32_t Position(std::size_t i) const { return positions_[i]; }

    /// How far subscripts sit below the top of the normal characters, in
    /// the direction of a y axis growing downwards: 23/40 of the large
    /// font's height, whether a cell or an em height.
    static std::int32_t SubscriptOffset(std::int32_t largeHeight);

    /// The top of the normal characters that centres a formula set in a
    /// large font of largeHeight in fitHeight, 4 units lower to clear the
    /// caption of a formula frame.
    static std::int32_t CentredTop(std::int32_t fitHeight, std::int32_t largeHeight);

    /// Draws formula with the top of its normal characters at y and its left
    /// edge, centre or right edge at x. A fit width above 0 shrinks both
    /// fonts, 2 % a pass, until the formula is at least 6 units narrower
    /// than it; a fit height other than 0 then centres the shrunk formula
    /// vertically in that height. The canvas's state is restored afterwards.
    static void Draw(const ChemicalFormula& formula, FormulaCanvas& canvas, const FontSpec& large,
                     const FontSpec& small, std::int32_t x, std::int32_t y, TextAlign align,
                     std::int32_t fitWidth, std::int32_t fitHeight);

private:
    std::array<char, kMaxLength> normal_{};
    std::array<char, kMaxLength> small_{};
    std::array<std::int32_t, kMaxLength> normalWidths_{};
    std::array<std::int32_t, kMaxLength> smallWidths_{};
    std::array<std::int32_t, kMaxLength + 1> positions_{};
};

} // namespace solvo
