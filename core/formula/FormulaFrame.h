#pragma once

#include "formula/CanvasTypes.h"
#include "formula/ChemicalFormula.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace solvo {

class ElementTable;
class FormulaCanvas;

/// What a formula frame shows and how it is painted: one formula, shrunk
/// to fit the frame, under an etched edge whose top line carries the
/// formula's molar mass as a caption. The window that shows it supplies the
/// canvas, its size and colours; this class keeps no window state.
class FormulaFrame {
public:
    /// Heights of the formula fonts in canvas units (cell heights).
    static constexpr std::int32_t kLargeHeight = 36;
    static constexpr std::int32_t kSmallHeight = 18;
    /// The caption's distance from the frame's left or right side, and the
    /// edge's distance from the frame's top.
    static constexpr std::int32_t kCaptionInset = 6;
    static constexpr std::int32_t kEdgeTop = 6;
    /// The etched edge's two lines.
    static constexpr std::int32_t kEdgeThickness = 2;

    /// The table must outlive the frame.
    explicit FormulaFrame(const ElementTable& table);

    /// Whether the caption is drawn, and whether the etched edge is.
    /// Both are on at creation.
    void SetFrameOptions(bool showCaption, bool drawEdge);
    bool ShowsCaption() const { return showCaption_; }
    bool DrawsEdge() const { return drawEdge_; }

    /// Puts the caption at the top right instead of the top left.
    void SetCaptionOnRight(bool onRight) { captionOnRight_ = onRight; }
    bool CaptionOnRight() const { return captionOnRight_; }

    /// Shows text up to, not including, its first ";". With updateMass the
    /// caption becomes the formula's mixture molar mass.
    void SetFormulaText(std::string_view text, bool updateMass);
    /// The molar mass becomes x; the caption is x with two decimals, or
    /// empty when the caption is hidden or x is 0. A value that is not
    /// finite shows as "???".
    void SetMolarMassCaption(double x);

    /// The text shown, as cut at its first ";".
    const std::string& Text() const { return text_; }
    const ChemicalFormula& Formula() const { return formula_; }
    /// g/mol; 0.0 until a molar mass is set.
    double MolarMass() const { return molarMass_; }
    /// The caption's text, without the spaces drawn around it.
    const std::string& Caption() const { return caption_; }
    /// The caption's text as drawn: one space before and after it.
    std::string DrawnCaption() const;

    /// The least frame height at which a full-size formula lies below a
    /// caption captionHeight units high and above the edge's bottom line,
    /// for the frame's current options.
    std::int32_t MinimumHeight(std::int32_t captionHeight) const;

    static FontSpec LargeFont();
    static FontSpec SmallFont();

    /// Paints the whole frame of width × height canvas units from the top
    /// left corner (0, 0), with y growing downwards: the face colour behind
    /// everything, the formula centred, the edge, and the caption in
    /// captionFont over the edge's top line.
    void Paint(FormulaCanvas& canvas, std::int32_t width, std::int32_t height, Colour face,
               const FontSpec& captionFont) const;

private:
    ChemicalFormula formula_;
    std::string text_;
    std::string caption_;
    double molarMass_ = 0.0;
    bool showCaption_ = true;
    bool drawEdge_ = true;
    bool captionOnRight_ = false;
};

} // namespace solvo
