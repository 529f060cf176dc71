#pragma once

#include "formula/CanvasTypes.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace solvo {

/// What formula drawing needs of a drawing surface: a screen widget, a page
/// being printed, or a recorder in tests. Coordinates and sizes are integer
/// canvas units; text is the program's 8-bit text, one byte per character.
class FormulaCanvas {
public:
    virtual ~FormulaCanvas() = default;

    /// Saves the font, text colour, alignment and background settings.
    virtual void SaveState() = 0;
    /// Returns to the settings of the matching SaveState.
    virtual void RestoreState() = 0;

    virtual void SetTextAlign(TextAlign align) = 0;
    virtual void SetBackgroundMode(BackgroundMode mode) = 0;
    /// The colour behind opaque text.
    virtual void SetBackgroundColour(Colour colour) = 0;
    virtual void SelectFont(const FontSpec& font) = 0;
    virtual void SetTextColour(Colour colour) = 0;

    /// Writes the advance width of each character of text, in the selected
    /// font, into widths, which holds exactly text.size() entries.
    virtual void MeasureAdvances(std::string_view text, std::span<std::int32_t> widths) = 0;
    /// Draws text with its top at y, placed at x by the text alignment.
    virtual void DrawText(std::int32_t x, std::int32_t y, std::string_view text) = 0;

    /// True when y grows upwards (a page in metric units), false when it
    /// grows downwards (device pixels).
    virtual bool YAxisUp() const = 0;

    virtual void FillRect(const CanvasRect& rect, Colour colour) = 0;
    /// An engraved frame line around rect, as drawn around a group of controls.
    virtual void DrawEtchedEdge(const CanvasRect& rect) = 0;
};

} // namespace solvo
