#include "formula/FormulaLayout.h"

#include "formula/ChemicalFormula.h"
#include "formula/FormulaCanvas.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <span>
#include <string>

namespace solvo {
namespace {

// A formula fits when it leaves at least this much of the fit width free.
constexpr std::int32_t kFitMargin = 6;
constexpr std::int32_t kPercentStep = 2;
// A frame of kFitMargin units or less can never hold a formula, so the
// shrinking stops at the smallest step instead of going on for ever.
constexpr std::int32_t kLowestPercent = kPercentStep;

bool IsSmall(CharKind kind)
{
    return kind == CharKind::Subscript || kind == CharKind::Superscript;
}

bool Drawable(const std::string& display)
{
    return !display.empty() && display.size() <= FormulaLayout::kMaxLength;
}

// height × percent × fit ÷ (width × 100), truncated toward zero. A height of
// 0 would leave the choice of size to the canvas, so the smallest result is
// one unit, keeping the sign that says cell or em height.
std::int32_t ShrunkHeight(std::int32_t height, std::int32_t percent, std::int32_t fitWidth,
                          std::int32_t width)
{
    const std::int64_t shrunk = std::int64_t{height} * percent * fitWidth / (std::int64_t{width} * 100);
    if (shrunk == 0)
        return height < 0 ? -1 : 1;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        shrunk, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

} // namespace

std::int32_t FormulaLayout::Measure(const ChemicalFormula& formula, FormulaCanvas& canvas,
                                    const FontSpec& large, const FontSpec& small)
{
    positions_[0] = 0;
    const std::string& display = formula.DisplayText();
    if (!Drawable(display))
        return 0;

    const std::vector<CharKind>& kinds = formula.Kinds();
    std::size_t normalCount = 0;
    std::size_t smallCount = 0;
    for (std::size_t i = 0; i < display.size(); ++i) {
        if (IsSmall(kinds[i]))
            small_[smallCount++] = display[i];
        else
            normal_[normalCount++] = display[i];
    }

    canvas.SaveState();
    canvas.SelectFont(small);
    canvas.MeasureAdvances({small_.data(), smallCount}, std::span(smallWidths_.data(), smallCount));
    canvas.SelectFont(large);
    canvas.MeasureAdvances({normal_.data(), normalCount}, std::span(normalWidths_.data(), normalCount));
    canvas.RestoreState();

    normalCount = 0;
    smallCount = 0;
    for (std::size_t i = 0; i < display.size(); ++i) {
        const std::int32_t width = IsSmall(kinds[i]) ? smallWidths_[smallCount++] : normalWidths_[normalCount++];
        positions_[i + 1] = positions_[i] + width;
    }
    return positions_[display.size()];
}

std::int32_t FormulaLayout::SubscriptOffset(std::int32_t largeHeight)
{
    return static_cast<std::int32_t>(std::llabs(std::int64_t{largeHeight}) * 23 / 40);
}

std::int32_t FormulaLayout::CentredTop(std::int32_t fitHeight, std::int32_t largeHeight)
{
    return (fitHeight - largeHeight) / 2 + 4;
}

void FormulaLayout::Draw(const ChemicalFormula& formula, FormulaCanvas& canvas, const FontSpec& large,
                         const FontSpec& small, std::int32_t x, std::int32_t y, TextAlign align,
                         std::int32_t fitWidth, std::int32_t fitHeight)
{
    const std::string& display = formula.DisplayText();
    if (!Drawable(display))
        return;

    canvas.SaveState();
    canvas.SetTextAlign(TextAlign::Left);
    canvas.SetBackgroundMode(BackgroundMode::Transparent);

    FormulaLayout layout;
    std::int32_t width = layout.Measure(formula, canvas, large, small);

    FontSpec fittedLarge;
    FontSpec fittedSmall;
    const FontSpec* largeInUse = &large;
    const FontSpec* smallInUse = &small;
    // Each pass scales the fonts as passed in by the latest width, not the
    // previous pass's fonts. A width of 0 leaves nothing to scale by.
    for (std::int32_t percent = 100;
         fitWidth > 0 && fitWidth - width < kFitMargin && percent > kLowestPercent && width > 0;) {
        percent -= kPercentStep;
        fittedLarge = {std::string(kFormulaFontFace), ShrunkHeight(large.height, percent, fitWidth, width),
                       kFormulaFontWeight};
        fittedSmall = {std::string(kFormulaFontFace), ShrunkHeight(small.height, percent, fitWidth, width),
                       kFormulaFontWeight};
        largeInUse = &fittedLarge;
        smallInUse = &fittedSmall;
        if (fitHeight != 0)
            y = CentredTop(fitHeight, fittedLarge.height);
        width = layout.Measure(formula, canvas, fittedLarge, fittedSmall);
    }

    if (align == TextAlign::Right)
        x -= width;
    else if (align == TextAlign::Centre)
        x -= width / 2;

    std::int64_t offset = SubscriptOffset(largeInUse->height);
    if (canvas.YAxisUp())
        offset = -offset;
    const auto subscriptY = static_cast<std::int32_t>(y + offset);
    const auto dotY = static_cast<std::int32_t>(y - 2 * offset / 5);

    const std::vector<CharKind>& kinds = formula.Kinds();
    const std::vector<Colour>& colours = formula.Colours();
    for (std::size_t i = 0; i < display.size(); ++i) {
        canvas.SetTextColour(colours[i]);
        const std::int32_t left = x + layout.Position(i);
        const std::string_view character(&display[i], 1);
        switch (kinds[i]) {
        case CharKind::Normal:
            canvas.SelectFont(*largeInUse);
            canvas.DrawText(left, y, character);
            break;
        case CharKind::Subscript:
            canvas.SelectFont(*smallInUse);
            canvas.DrawText(left, subscriptY, character);
            break;
        case CharKind::Superscript:
            canvas.SelectFont(*smallInUse);
            canvas.DrawText(left, y, character);
            break;
        case CharKind::HydrateDot:
            canvas.SelectFont(*largeInUse);
            canvas.DrawText(left, dotY, character);
            break;
        }
    }
    canvas.RestoreState();
}

} // namespace solvo
