#include "solution/RecipePage.h"

#include "formula/ChemicalFormula.h"
#include "formula/FormulaCanvas.h"
#include "solution/RecipeLineWrap.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <optional>
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
// Rows wrap before the right margin, which mirrors the left one.
constexpr std::int32_t kRightEdge = RecipePage::kWidth - kTextLeft;

// How far a row's ink may lie from the top of its text, either way: the
// title's em is 53 units, and a formula's small characters rise above and
// hang below the line by less than the rest.
constexpr std::int32_t kRowReach = 100;

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

// How far apart the rows of one wrapped line are, and how much height a
// row needs below its top: closer than separate lines, clear of subscripts.
std::int32_t RowStep(RecipePage::Font font)
{
    switch (font) {
    case RecipePage::Font::Title:
        return 80;
    case RecipePage::Font::Summary:
        return 65;
    case RecipePage::Font::Body:
    case RecipePage::Font::Subscript:
        return 55;
    }
    return 55;
}

// One line of the flow, wrapped, at its place on an endless first sheet.
struct Block {
    std::size_t line = 0;
    RecipePage::Placement place;
    RecipeLineWrap::Result wrap;

    std::int32_t Height() const
    {
        return static_cast<std::int32_t>(wrap.rows.size()) * RowStep(place.font);
    }
};

Block MakeBlock(FormulaCanvas& canvas, std::span<const RecipeLine> lines, std::size_t line,
                const RecipePage::Placement& place, const ElementTable& elements)
{
    return {line, place,
            RecipeLineWrap::Wrap(canvas, lines[line], RecipePage::FontOf(place.font),
                                 kRightEdge - place.x, elements)};
}

void AddRows(RecipePage::Sheet& sheet, const RecipeLine& line, const Block& block, std::int32_t top)
{
    const std::size_t formulaAt =
        line.DrawsFormula() ? line.text.find(kFormulaPlaceholder) : std::string::npos;
    const std::int32_t step = RowStep(block.place.font);
    for (std::size_t r = 0; r < block.wrap.rows.size(); ++r) {
        const RecipeLineWrap::Row& row = block.wrap.rows[r];
        const std::int32_t x = block.place.x + (r == 0 ? 0 : block.wrap.indent);
        const std::int32_t y = top - static_cast<std::int32_t>(r) * step;
        sheet.rows.push_back({block.line, row.begin, row.end,
                              {x, y, block.place.font, block.place.align},
                              formulaAt >= row.begin && formulaAt < row.end});
    }
}

void DrawRow(FormulaCanvas& canvas, const RecipeLine& line, const RecipePage::Row& row,
             const ElementTable& elements)
{
    const RecipePage::Placement& place = row.place;
    const FontSpec font = RecipePage::FontOf(place.font);
    canvas.SelectFont(font);
    canvas.SetTextAlign(place.align);
    const bool grey = line.approximate;
    canvas.SetTextColour(grey ? RecipePage::kApproximateColour : Colour{});

    const std::string_view text = std::string_view(line.text).substr(row.begin, row.end - row.begin);
    const std::size_t at = row.drawsFormula ? text.find(kFormulaPlaceholder) : text.npos;
    if (at == text.npos) {
        canvas.DrawText(place.x, place.y, text);
        return;
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

bool RecipeBand::Reaches(std::int32_t y) const
{
    return y - kRowReach <= top && y + kRowReach >= bottom;
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

std::vector<RecipePage::Sheet> RecipePage::Layout(FormulaCanvas& canvas,
                                                  std::span<const RecipeLine> lines,
                                                  const ElementTable& elements)
{
    const std::vector<Placement> places = Place(lines);
    canvas.SaveState();
    std::vector<Block> flow;
    std::vector<std::size_t> footers;
    std::optional<Block> title;
    // What wrapping adds pushes every later line down.
    std::int32_t added = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].role == LineRole::Footer) {
            footers.push_back(i);
            continue;
        }
        Placement place = places[i];
        place.y -= added;
        flow.push_back(MakeBlock(canvas, lines, i, place, elements));
        added += flow.back().Height() - RowStep(place.font);
        if (lines[i].role == LineRole::Title && !title)
            title = MakeBlock(canvas, lines, i, {kTextLeft, kTop, Font::Body, TextAlign::Left}, elements);
    }
    const std::int32_t continuedTop =
        kTop - kBodyGap - (title ? title->Height() - RowStep(Font::Body) : 0);

    std::vector<Sheet> sheets(1);
    std::int32_t offset = 0;
    const auto reachesBelowPage = [&](const Block& block) {
        return block.place.y + offset - block.Height() < -kHeight;
    };
    for (std::size_t k = 0; k < flow.size(); ++k) {
        const Block& block = flow[k];
        const bool headingAlone = lines[block.line].role == LineRole::Heading &&
                                  k + 1 < flow.size() && reachesBelowPage(flow[k + 1]);
        if (!sheets.back().rows.empty() && (reachesBelowPage(block) || headingAlone)) {
            sheets.emplace_back();
            offset = continuedTop - block.place.y;
            if (title)
                AddRows(sheets.back(), lines[title->line], *title, kTop);
        }
        AddRows(sheets.back(), lines[block.line], block, block.place.y + offset);
    }

    for (std::size_t s = 0; s < sheets.size(); ++s) {
        for (std::size_t i : footers) {
            sheets[s].rows.push_back({i, 0, lines[i].text.size(), places[i], false});
        }
        if (!footers.empty() && sheets.size() > 1) {
            sheets[s].pageLabel =
                "page " + std::to_string(s + 1) + " of " + std::to_string(sheets.size());
        }
    }
    canvas.RestoreState();
    return sheets;
}

void RecipePage::DrawSheet(FormulaCanvas& canvas, std::span<const RecipeLine> lines,
                           const Sheet& sheet, const ElementTable& elements, const RecipeBand& band)
{
    canvas.SaveState();
    canvas.SetBackgroundMode(BackgroundMode::Transparent);
    for (const Row& row : sheet.rows) {
        if (band.Reaches(row.place.y))
            DrawRow(canvas, lines[row.line], row, elements);
    }
    if (!sheet.pageLabel.empty()) {
        canvas.SelectFont(FontOf(Font::Body));
        canvas.SetTextAlign(TextAlign::Left);
        canvas.SetTextColour(Colour{});
        canvas.DrawText(kTextLeft, -kHeight, sheet.pageLabel);
    }
    canvas.RestoreState();
}

} // namespace solvo
