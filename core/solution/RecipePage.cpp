#include "solution/RecipePage.h"

#include "formula/ChemicalFormula.h"
#include "formula/FormulaCanvas.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <string>

namespace solvo {

namespace {

constexpr std::int32_t kTop = -100;
constexpr std::int32_t kTextLeft = 100;
constexpr std::int32_t kIndentedLeft = 200;
constexpr std::int32_t kSummaryStep = 100;
// The body starts a little more than a summary's spacing below the last one.
constexpr std::int32_t kBodyGap = 112;
constexpr std::int32_t kHeadingGap = 300;
constexpr std::int32_t kLineStep = 75;
// The three impossible lines: the last stands apart as advice.
constexpr std::array<std::int32_t, 3> kImpossibleDrops = {225, 300, 450};
constexpr std::int32_t kFooterRight = 1950;

// A point is 1/72 inch, 254/72 page units; fonts are asked for by em height,
// rounded to the nearest unit.
std::int32_t EmHeight(std::int32_t tenthsOfPoint)
{
    return -((tenthsOfPoint * 254 + 360) / 720);
}

std::int32_t TextWidth(FormulaCanvas& canvas, std::string_view text)
{
    std::vector<std::int32_t> widths(text.size());
    canvas.MeasureAdvances(text, widths);
    return std::accumulate(widths.begin(), widths.end(), 0);
}

// A note can be longer than the page is wide: it goes on in further lines,
// broken between words, as far down as it needs. Returns how much lower
// than one line it ended.
std::int32_t DrawWrapped(FormulaCanvas& canvas, std::string_view text,
                         const RecipePage::Placement& place)
{
    const std::int32_t width = RecipePage::kWidth - kTextLeft - place.x;
    std::int32_t y = place.y;
    while (true) {
        std::size_t end = text.size();
        while (TextWidth(canvas, text.substr(0, end)) > width) {
            const std::size_t space = text.rfind(' ', end - 1);
            if (space == text.npos || space == 0)
                break;
            end = space;
        }
        canvas.DrawText(place.x, y, text.substr(0, end));
        text.remove_prefix(end);
        while (text.starts_with(' '))
            text.remove_prefix(1);
        if (text.empty())
            return place.y - y;
        y -= kLineStep;
    }
}

std::int32_t DrawLine(FormulaCanvas& canvas, const RecipeLine& line,
                      const RecipePage::Placement& place, const ElementTable& elements)
{
    const FontSpec font = RecipePage::FontOf(place.font);
    canvas.SelectFont(font);
    canvas.SetTextAlign(place.align);
    const bool grey = line.approximate;
    canvas.SetTextColour(grey ? RecipePage::kApproximateColour : Colour{});

    const std::string_view text = line.text;
    if (line.role == LineRole::Warning)
        return DrawWrapped(canvas, text, place);
    const std::size_t at = line.DrawsFormula() ? text.find(kFormulaPlaceholder) : text.npos;
    if (at == text.npos) {
        canvas.DrawText(place.x, place.y, text);
        return 0;
    }
    const std::string_view before = text.substr(0, at);
    const std::string_view after = text.substr(at + kFormulaPlaceholder.size());
    canvas.DrawText(place.x, place.y, before);
    const std::int32_t formulaLeft = place.x + TextWidth(canvas, before);

    ChemicalFormula formula(elements, line.formula);
    if (grey)
        formula.SetFormulaColour(RecipePage::kApproximateColour);
    const FontSpec subscript = RecipePage::FontOf(RecipePage::Font::Subscript);
    const std::int32_t formulaWidth = formula.MeasureFormula(canvas, font, subscript);
    formula.DrawFormula(canvas, font, subscript, formulaLeft, place.y, TextAlign::Left, 0, 0);
    canvas.DrawText(formulaLeft + formulaWidth, place.y, after);
    return 0;
}

} // namespace

FontSpec RecipePage::FontOf(Font font)
{
    switch (font) {
    case Font::Title:
        return {std::string(kFontFace), EmHeight(150), 400};
    case Font::Summary:
        return {std::string(kFontFace), EmHeight(120), 400};
    case Font::Body:
        return {std::string(kFontFace), EmHeight(100), 400};
    case Font::Subscript:
        return {std::string(kFontFace), EmHeight(75), 400};
    }
    return {std::string(kFontFace), EmHeight(100), 400};
}

std::vector<RecipePage::Placement> RecipePage::Place(std::span<const RecipeLine> lines)
{
    std::vector<Placement> places;
    places.reserve(lines.size());
    std::int32_t y = kTop;
    bool bodyStarted = false;
    std::size_t impossible = 0;
    std::int32_t impossibleTop = 0;
    const auto startBody = [&] {
        if (!bodyStarted)
            y -= kBodyGap;
        bodyStarted = true;
    };
    const auto next = [&](std::int32_t drop, std::int32_t x) {
        y -= drop;
        return Placement{x, y, Font::Body, TextAlign::Left};
    };

    for (const RecipeLine& line : lines) {
        switch (line.role) {
        case LineRole::Title:
            places.push_back({kTextLeft, kTop, Font::Title, TextAlign::Left});
            break;
        case LineRole::Summary:
            y -= kSummaryStep;
            places.push_back({kIndentedLeft, y, Font::Summary, TextAlign::Left});
            break;
        case LineRole::Impossible: {
            // Each stands at its own distance below the summaries; a note
            // that follows goes below the last.
            if (impossible == 0)
                impossibleTop = y;
            y = impossibleTop -
                kImpossibleDrops[std::min(impossible++, kImpossibleDrops.size() - 1)];
            places.push_back({kTextLeft, y, Font::Body, TextAlign::Left});
            break;
        }
        case LineRole::PreparedBy:
            startBody();
            places.push_back({kTextLeft, y, Font::Body, TextAlign::Left});
            y -= kLineStep;
            break;
        case LineRole::Date:
            startBody();
            places.push_back({kTextLeft, y, Font::Body, TextAlign::Left});
            break;
        case LineRole::Heading:
            places.push_back(next(kHeadingGap, kTextLeft));
            break;
        case LineRole::WaterStep:
        case LineRole::ComponentStep:
        case LineRole::EnterMassStep:
        case LineRole::StirStep:
        case LineRole::FinalStep:
            places.push_back(next(kLineStep, kIndentedLeft));
            break;
        case LineRole::Warning:
            places.push_back(next(kLineStep, kTextLeft));
            break;
        case LineRole::Footer:
            places.push_back({kFooterRight, -kHeight, Font::Body, TextAlign::Right});
            break;
        }
    }
    return places;
}

void RecipePage::Draw(FormulaCanvas& canvas, std::span<const RecipeLine> lines,
                      const ElementTable& elements)
{
    const std::vector<Placement> places = Place(lines);
    canvas.SaveState();
    canvas.SetBackgroundMode(BackgroundMode::Transparent);
    // Lines below a note that took more than one line move down with it;
    // the footer keeps its place at the foot of the page.
    std::int32_t pushedDown = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        RecipePage::Placement place = places[i];
        if (place.align == TextAlign::Left)
            place.y -= pushedDown;
        pushedDown += DrawLine(canvas, lines[i], place, elements);
    }
    canvas.RestoreState();
}

} // namespace solvo
