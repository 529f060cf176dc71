#include "formula/FormulaFrame.h"

#include "formula/FormulaCanvas.h"
#include "formula/FormulaLayout.h"
#include "quantities/NumberFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace solvo {
namespace {

// As printf's "%.2f" writes it in the C locale. The buffer holds the
// largest finite double written out in full.
std::string TwoDecimals(double x)
{
    if (!std::isfinite(x))
        return std::string(kNotFiniteText);
    std::array<char, 400> buffer{};
    const std::to_chars_result written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, std::chars_format::fixed, 2);
    return std::string(buffer.data(), written.ptr);
}

} // namespace

FormulaFrame::FormulaFrame(const ElementTable& table) : formula_(table) {}

void FormulaFrame::SetFrameOptions(bool showCaption, bool drawEdge)
{
    showCaption_ = showCaption;
    drawEdge_ = drawEdge;
}

void FormulaFrame::SetFormulaText(std::string_view text, bool updateMass)
{
    text_.assign(text.substr(0, text.find(';')));
    formula_.SetText(text_);
    if (updateMass)
        SetMolarMassCaption(formula_.MixtureMolarMass());
}

void FormulaFrame::SetMolarMassCaption(double x)
{
    molarMass_ = x;
    caption_ = showCaption_ && x != 0.0 ? TwoDecimals(x) : std::string();
}

std::string FormulaFrame::DrawnCaption() const
{
    return ' ' + caption_ + ' ';
}

std::int32_t FormulaFrame::MinimumHeight(std::int32_t captionHeight) const
{
    // Both the formula's top, (height − 36) ÷ 2 + 4, and the room below it
    // grow with the height, so each bound gives its own least height.
    constexpr std::int32_t kMostCaption = 1 << 20;
    const std::int32_t above = showCaption_ ? std::clamp(captionHeight, 0, kMostCaption) : 0;
    const std::int32_t below = drawEdge_ ? kEdgeThickness : 0;
    // The lowest text is a subscript; its bottom is this far below the top.
    const std::int32_t textHeight = FormulaLayout::SubscriptOffset(kLargeHeight) + kSmallHeight;
    const std::int32_t belowCaption = kLargeHeight + 2 * std::max(above - 4, 0);
    const std::int32_t aboveEdge = kLargeHeight + std::max(2 * (textHeight + below + 4 - kLargeHeight) - 1, 0);
    return std::max(belowCaption, aboveEdge);
}

FontSpec FormulaFrame::LargeFont()
{
    return {std::string(kFormulaFontFace), kLargeHeight, kFormulaFontWeight};
}

FontSpec FormulaFrame::SmallFont()
{
    return {std::string(kFormulaFontFace), kSmallHeight, kFormulaFontWeight};
}

void FormulaFrame::Paint(FormulaCanvas& canvas, std::int32_t width, std::int32_t height, Colour face,
                         const FontSpec& captionFont) const
{
    canvas.SaveState();
    canvas.FillRect({0, 0, width, height}, face);
    canvas.SetBackgroundColour(face);
    canvas.SetBackgroundMode(BackgroundMode::Opaque);

    formula_.DrawFormula(canvas, LargeFont(), SmallFont(), width / 2,
                         FormulaLayout::CentredTop(height, kLargeHeight),
                         TextAlign::Centre, width, height);

    if (drawEdge_)
        canvas.DrawEtchedEdge({0, kEdgeTop, width, height});

    // The opaque background lets the caption interrupt the edge's top line.
    if (showCaption_ && !caption_.empty()) {
        canvas.SelectFont(captionFont);
        if (captionOnRight_) {
            canvas.SetTextAlign(TextAlign::Right);
            canvas.DrawText(width - kCaptionInset, 0, DrawnCaption());
        } else {
            canvas.SetTextAlign(TextAlign::Left);
            canvas.DrawText(kCaptionInset, 0, DrawnCaption());
        }
    }
    canvas.RestoreState();
}

} // namespace solvo
