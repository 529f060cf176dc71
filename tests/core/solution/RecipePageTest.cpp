#include "solution/RecipePage.h"

#include "../formula/RecordingCanvas.h"
#include "formula/ElementTable.h"
#include "formula/FormulaLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace solvo {

void PrintTo(const RecipePage::Placement& place, std::ostream* out)
{
    *out << "{" << place.x << ", " << place.y << ", font " << static_cast<int>(place.font)
         << (place.align == TextAlign::Right ? ", right" : "") << "}";
}

namespace {

using Role = LineRole;
using Font = RecipePage::Font;
using Placement = RecipePage::Placement;
using test::RecordingCanvas;

constexpr Colour kBlack{};
constexpr Colour kGrey = RecipePage::kApproximateColour;

std::vector<RecipeLine> Lines(std::initializer_list<Role> roles)
{
    std::vector<RecipeLine> lines;
    for (Role role : roles)
        lines.push_back({role, "line " + std::to_string(lines.size()), {}, false});
    return lines;
}

Placement Left(std::int32_t x, std::int32_t y, Font font = Font::Body)
{
    return {x, y, font, TextAlign::Left};
}

std::int32_t Width(std::string_view text, const FontSpec& font)
{
    std::int32_t width = 0;
    for (char c : text)
        width += RecordingCanvas::Advance(c, font);
    return width;
}

TEST(RecipePageTest, FontsAreArialAtTheirPointSizesInTenthsOfAMillimetre)
{
    const std::vector<std::pair<Font, std::int32_t>> heights = {
        {Font::Title, -53}, {Font::Summary, -42}, {Font::Body, -35}, {Font::Subscript, -26}};
    for (const auto& [font, height] : heights) {
        EXPECT_EQ(RecipePage::FontOf(font), (FontSpec{"Arial", height, 400}))
            << static_cast<int>(font);
    }
}

struct PlacementCase {
    const char* name;
    std::vector<RecipeLine> lines;
    std::vector<Placement> expected;
};

TEST(RecipePageTest, PlacesEveryRoleDownThePage)
{
    const std::vector<PlacementCase> cases = {
        {"three components, a standard solid and a preparer line",
         Lines({Role::Title, Role::Summary, Role::Summary, Role::Summary, Role::PreparedBy,
                Role::Date, Role::Heading, Role::WaterStep, Role::ComponentStep,
                Role::EnterMassStep, Role::ComponentStep, Role::ComponentStep, Role::StirStep,
                Role::FinalStep}),
         {Left(100, -100, Font::Title), Left(200, -200, Font::Summary),
          Left(200, -300, Font::Summary), Left(200, -400, Font::Summary), Left(100, -512),
          Left(100, -587), Left(100, -887), Left(200, -962), Left(200, -1037), Left(200, -1112),
          Left(200, -1187), Left(200, -1262), Left(200, -1337), Left(200, -1412)}},
        {"no preparer line: the date takes its place",
         Lines({Role::Title, Role::Summary, Role::Summary, Role::Summary, Role::Date,
                Role::Heading, Role::ComponentStep}),
         {Left(100, -100, Font::Title), Left(200, -200, Font::Summary),
          Left(200, -300, Font::Summary), Left(200, -400, Font::Summary), Left(100, -512),
          Left(100, -812), Left(200, -887)}},
        {"the warning sits at the left margin where a final step would be",
         Lines({Role::Summary, Role::Summary, Role::Date, Role::Heading, Role::ComponentStep,
                Role::ComponentStep, Role::Warning}),
         {Left(200, -200, Font::Summary), Left(200, -300, Font::Summary), Left(100, -412),
          Left(100, -712), Left(200, -787), Left(200, -862), Left(100, -937)}},
        {"impossible: three lines below the last summary, the last apart",
         Lines({Role::Title, Role::Summary, Role::Summary, Role::Impossible, Role::Impossible,
                Role::Impossible}),
         {Left(100, -100, Font::Title), Left(200, -200, Font::Summary),
          Left(200, -300, Font::Summary), Left(100, -525), Left(100, -600), Left(100, -750)}},
        {"notes of an impossible solution follow its last line",
         Lines({Role::Title, Role::Summary, Role::Impossible, Role::Impossible, Role::Impossible,
                Role::Warning, Role::Warning}),
         {Left(100, -100, Font::Title), Left(200, -200, Font::Summary), Left(100, -425),
          Left(100, -500), Left(100, -650), Left(100, -725), Left(100, -800)}},
        {"notes of a final volume of 0 follow the date",
         Lines({Role::Title, Role::Summary, Role::Date, Role::Warning}),
         {Left(100, -100, Font::Title), Left(200, -200, Font::Summary), Left(100, -312),
          Left(100, -387)}},
        {"final volume 0: the page ends with the date",
         Lines({Role::Title, Role::Summary, Role::PreparedBy, Role::Date}),
         {Left(100, -100, Font::Title), Left(200, -200, Font::Summary), Left(100, -312),
          Left(100, -387)}},
        {"the footer hangs from the foot of the page, right-aligned",
         Lines({Role::Summary, Role::Date, Role::Heading, Role::StirStep, Role::Footer}),
         {Left(200, -200, Font::Summary), Left(100, -312), Left(100, -612), Left(200, -687),
          Placement{1950, -2750, Font::Body, TextAlign::Right}}},
    };
    for (const PlacementCase& c : cases)
        EXPECT_EQ(RecipePage::Place(c.lines), c.expected) << c.name;
}

class RecipePageDrawTest : public ::testing::Test {
protected:
    RecipePageDrawTest() { elements.LoadDefaults(); }

    void Draw(const std::vector<RecipeLine>& lines)
    {
        for (const RecipePage::Sheet& sheet : RecipePage::Layout(canvas, lines, elements))
            RecipePage::DrawSheet(canvas, lines, sheet, elements);
    }

    ElementTable elements;
    RecordingCanvas canvas{true};
};

TEST_F(RecipePageDrawTest, DrawsTheFormulaInlineBetweenTheTextAroundIt)
{
    const std::vector<RecipeLine> lines = {
        {Role::Summary, "0.1 M water <SUBSTANCEFORMULA> pure", "H_2O", false}};
    Draw(lines);

    const FontSpec summary = RecipePage::FontOf(Font::Summary);
    const FontSpec subscript = RecipePage::FontOf(Font::Subscript);
    const std::int32_t formulaLeft = 200 + Width("0.1 M water ", summary);
    // On a page y grows upwards, so the subscript goes down by subtracting.
    const std::int32_t lowered = -200 - FormulaLayout::SubscriptOffset(summary.height);
    ASSERT_EQ(canvas.drawn.size(), 5U);
    const std::vector<std::tuple<std::string, std::int32_t, std::int32_t, FontSpec>> expected = {
        {"0.1 M water ", 200, -200, summary},
        {"H", formulaLeft, -200, summary},
        {"2", formulaLeft + Width("H", summary), lowered, subscript},
        {"O", formulaLeft + Width("H", summary) + Width("2", subscript), -200, summary},
        {" pure", formulaLeft + Width("HO", summary) + Width("2", subscript), -200, summary},
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto& [text, x, y, font] = expected[i];
        const RecordingCanvas::Drawn& drawn = canvas.drawn[i];
        EXPECT_EQ(drawn.text, text);
        EXPECT_EQ(drawn.x, x) << text;
        EXPECT_EQ(drawn.y, y) << text;
        EXPECT_EQ(drawn.state.font, font) << text;
        EXPECT_EQ(drawn.state.textColour, kBlack) << text;
        EXPECT_EQ(drawn.state.align, TextAlign::Left) << text;
    }
    EXPECT_EQ(canvas.SavedDepth(), 0U);
}

TEST_F(RecipePageDrawTest, DrawsAnApproximateLineAndItsFormulaGreyAndTheNextLineBlack)
{
    const std::vector<RecipeLine> lines = {
        {Role::Summary, "~0.1 M borax <SUBSTANCEFORMULA>", "Na_2B_4O_7", true},
        {Role::Date, "Thursday, December 10, 2026", {}, false}};
    Draw(lines);

    // The text before, seven characters, the (empty) text after, then the date.
    ASSERT_EQ(canvas.drawn.size(), 10U);
    for (std::size_t i = 0; i + 1 < canvas.drawn.size(); ++i)
        EXPECT_EQ(canvas.drawn[i].state.textColour, kGrey) << canvas.drawn[i].text;
    EXPECT_EQ(canvas.drawn.back().text, "Thursday, December 10, 2026");
    EXPECT_EQ(canvas.drawn.back().state.textColour, kBlack);
    EXPECT_EQ(canvas.drawn.back().state.font, RecipePage::FontOf(Font::Body));
}

TEST_F(RecipePageDrawTest, LeavesThePlaceholderAsTextWhereNoFormulaIsDrawn)
{
    const std::vector<RecipeLine> lines = {
        {Role::Heading, "Heading <SUBSTANCEFORMULA>", {}, false},
        {Role::ComponentStep, "2. Weigh 2.922 g of salt.", "NaCl", false},
        {Role::ComponentStep, "3. <SUBSTANCEFORMULA> and <SUBSTANCEFORMULA>", "KCl", false},
        {Role::Footer, "Solvo", {}, false}};
    Draw(lines);

    std::vector<std::string> texts;
    for (const RecordingCanvas::Drawn& drawn : canvas.drawn)
        texts.push_back(drawn.text);
    const std::vector<std::string> expected = {
        "Heading <SUBSTANCEFORMULA>", "2. Weigh 2.922 g of salt.", "3. ", "K", "C", "l",
        " and <SUBSTANCEFORMULA>",   "Solvo"};
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(canvas.drawn.back().state.align, TextAlign::Right);
    EXPECT_EQ(canvas.drawn.back().x, 1950);
    EXPECT_EQ(canvas.drawn.back().y, -2750);
}

TEST_F(RecipePageDrawTest, NoteWiderThanThePageGoesOnBelowBetweenWords)
{
    const std::string words =
        "Note: No density table for nitric acid: 1 g/mL was assumed; the amount of a concentrated "
        "stock may be far off.";
    std::string note;
    while (Width(note, RecipePage::FontOf(Font::Body)) <= 2 * 1600)
        note += (note.empty() ? "" : " ") + words;
    const std::vector<RecipeLine> lines = {{Role::Date, "Thursday, December 10, 2026", {}, false},
                                           {Role::Warning, note, {}, false},
                                           {Role::Warning, "Note: short.", {}, false},
                                           {Role::Footer, "Solvo", {}, false}};
    Draw(lines);

    ASSERT_GE(canvas.drawn.size(), 6U);
    const std::size_t pieces = canvas.drawn.size() - 3;
    EXPECT_GE(pieces, 3U);
    std::string joined;
    for (std::size_t i = 1; i <= pieces; ++i) {
        const RecordingCanvas::Drawn& piece = canvas.drawn[i];
        EXPECT_LE(Width(piece.text, RecipePage::FontOf(Font::Body)), 1600) << piece.text;
        EXPECT_EQ(piece.x, 100);
        EXPECT_EQ(piece.y, -287 - 55 * static_cast<std::int32_t>(i - 1));
        EXPECT_FALSE(piece.text.starts_with(' ') || piece.text.ends_with(' ')) << piece.text;
        joined += (joined.empty() ? "" : " ") + piece.text;
    }
    EXPECT_EQ(joined, note);
    // The next note follows the last row; the footer stays at the foot.
    EXPECT_EQ(canvas.drawn[pieces + 1].text, "Note: short.");
    EXPECT_EQ(canvas.drawn[pieces + 1].y, -287 - 75 - 55 * static_cast<std::int32_t>(pieces - 1));
    EXPECT_EQ(canvas.drawn.back().y, -2750);
}

// A recipe as the generator makes it for n components, printed.
std::vector<RecipeLine> PrintedRecipe(std::size_t n, const std::string& step)
{
    std::vector<RecipeLine> lines = {{Role::Title, "buffer", {}, false}};
    for (std::size_t i = 0; i < n; ++i)
        lines.push_back({Role::Summary, "0.1 M salt " + std::to_string(i) + " <SUBSTANCEFORMULA>", "NaCl", false});
    lines.push_back({Role::PreparedBy, "Solution prepared by: ....", {}, false});
    lines.push_back({Role::Date, "Friday, December 11, 2026", {}, false});
    lines.push_back({Role::Heading, "To prepare 1000 mL of the above solution:", {}, false});
    std::size_t number = 1;
    lines.push_back({Role::WaterStep, std::to_string(number++) + ". Put about 800 mL of water.", {}, false});
    for (std::size_t i = 0; i < n; ++i)
        lines.push_back({Role::ComponentStep, std::to_string(number++) + ". " + step, "NaCl", false});
    lines.push_back({Role::StirStep, std::to_string(number++) + ". Stir until dissolved.", {}, false});
    lines.push_back({Role::FinalStep, std::to_string(number) + ". Fill up to 1000 mL and mix thoroughly.", {}, false});
    lines.push_back({Role::Footer, "Solvo", {}, false});
    return lines;
}

std::int32_t RowHeight(Font font)
{
    return font == Font::Title ? 80 : font == Font::Summary ? 65 : 55;
}

class RecipePageLayoutTest : public RecipePageDrawTest {};

TEST_F(RecipePageLayoutTest, ARecipeThatFitsStaysWhereItWasOnOneSheet)
{
    std::vector<RecipeLine> lines = PrintedRecipe(3, "Weigh 2.922 g salt <SUBSTANCEFORMULA>.");
    const std::vector<RecipePage::Sheet> sheets = RecipePage::Layout(canvas, lines, elements);
    ASSERT_EQ(sheets.size(), 1U);
    const std::vector<Placement> places = RecipePage::Place(lines);
    ASSERT_EQ(sheets[0].rows.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const RecipePage::Row& row = sheets[0].rows[i];
        EXPECT_EQ(row.line, i);
        EXPECT_EQ(row.place, places[i]) << lines[i].text;
        EXPECT_EQ(row.end - row.begin, lines[i].text.size()) << lines[i].text;
    }
    EXPECT_EQ(sheets[0].pageLabel, "");
}

TEST_F(RecipePageLayoutTest, EveryLineReachesASheetWholeAndAboveTheFooter)
{
    const std::string longStep =
        "Exactly weigh about 3.8137 g disodium tetraborate decahydrate <SUBSTANCEFORMULA> "
        "and transfer it quantitatively to the flask, rinsing the weighing boat twice with water.";
    for (const std::size_t n : {1U, 12U, 30U, 100U}) {
        const std::vector<RecipeLine> lines = PrintedRecipe(n, longStep);
        const std::vector<RecipePage::Sheet> sheets = RecipePage::Layout(canvas, lines, elements);
        std::vector<std::string> seen;
        std::size_t lastLine = lines.size();
        for (std::size_t s = 0; s < sheets.size(); ++s) {
            const RecipePage::Sheet& sheet = sheets[s];
            const std::string number = std::to_string(s + 1) + " of " + std::to_string(sheets.size());
            EXPECT_EQ(sheet.pageLabel, sheets.size() > 1 ? "page " + number : "") << n;
            ASSERT_FALSE(sheet.rows.empty());
            EXPECT_EQ(sheet.rows.back().line, lines.size() - 1) << "the footer on sheet " << number;
            if (s > 0) {
                // The title again, small, at the top.
                EXPECT_EQ(sheet.rows.front().line, 0U);
                EXPECT_EQ(sheet.rows.front().place, Left(100, -100, Font::Body));
            }
            for (const RecipePage::Row& row : sheet.rows) {
                const RecipeLine& line = lines[row.line];
                if (line.role == Role::Footer || (s > 0 && row.line == 0))
                    continue;
                EXPECT_GE(row.place.y - RowHeight(row.place.font), -RecipePage::kHeight)
                    << n << ": " << line.text << " on sheet " << number;
                if (row.line != lastLine)
                    seen.push_back({});
                else
                    seen.back() += ' ';
                seen.back() += line.text.substr(row.begin, row.end - row.begin);
                lastLine = row.line;
            }
        }
        std::vector<std::string> expected;
        for (const RecipeLine& line : lines)
            if (line.role != Role::Footer)
                expected.push_back(line.text);
        EXPECT_EQ(seen, expected) << n << " components";
        EXPECT_EQ(sheets.size() > 1, n >= 12) << n;
    }
}

TEST_F(RecipePageLayoutTest, ALongStepWrapsUnderItsTextAndKeepsItsFormulaWhole)
{
    const std::string words(40, 'w');
    std::string text = "12. Weigh";
    for (int i = 0; i < 5; ++i)
        text += " " + words;
    text += " <SUBSTANCEFORMULA> salt.";
    const std::vector<RecipeLine> lines = {{Role::ComponentStep, text, "Na_2B_4O_7&10H_2O", false}};
    const std::vector<RecipePage::Sheet> sheets = RecipePage::Layout(canvas, lines, elements);
    ASSERT_EQ(sheets.size(), 1U);
    const std::vector<RecipePage::Row>& rows = sheets[0].rows;
    ASSERT_GE(rows.size(), 2U);
    const FontSpec body = RecipePage::FontOf(Font::Body);
    const std::int32_t indent = Width("12. ", body);
    std::size_t formulaRows = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        EXPECT_EQ(rows[r].place.x, r == 0 ? 200 : 200 + indent);
        EXPECT_EQ(rows[r].place.y, -175 - static_cast<std::int32_t>(r) * 55);
        const std::string_view part = std::string_view(text).substr(rows[r].begin, rows[r].end - rows[r].begin);
        EXPECT_NE(part.front(), ' ');
        EXPECT_NE(part.back(), ' ');
        const std::size_t formula = part.find(kFormulaPlaceholder);
        EXPECT_EQ(rows[r].drawsFormula, formula != part.npos);
        formulaRows += rows[r].drawsFormula ? 1 : 0;
        if (formula == part.npos) {
            EXPECT_LE(rows[r].place.x + Width(part, body), 1700) << part;
        }
    }
    EXPECT_EQ(formulaRows, 1U);

    Draw(lines);
    for (const RecordingCanvas::Drawn& drawn : canvas.drawn)
        EXPECT_EQ(drawn.text.find('<'), std::string::npos) << drawn.text;
}

TEST_F(RecipePageLayoutTest, AHeadingNeverEndsASheet)
{
    // 24 summaries bring the heading to the last row of the first sheet.
    for (std::size_t n = 20; n <= 27; ++n) {
        const std::vector<RecipeLine> lines = PrintedRecipe(n, "Weigh salt <SUBSTANCEFORMULA>.");
        const std::vector<RecipePage::Sheet> sheets = RecipePage::Layout(canvas, lines, elements);
        for (const RecipePage::Sheet& sheet : sheets) {
            std::size_t last = sheet.rows.size() - 1;
            while (lines[sheet.rows[last].line].role == Role::Footer)
                --last;
            EXPECT_NE(lines[sheet.rows[last].line].role, Role::Heading) << n;
        }
    }
}

// A window draws only the strip it shows: a run of what the whole sheet
// draws, holding everything in the strip and little beyond it, with the
// page label.
TEST_F(RecipePageLayoutTest, DrawsOnlyTheRowsInTheBandAndThePageLabel)
{
    const std::vector<RecipeLine> lines = PrintedRecipe(100, "Weigh salt <SUBSTANCEFORMULA>.");
    const std::vector<RecipePage::Sheet> sheets = RecipePage::Layout(canvas, lines, elements);
    ASSERT_GT(sheets.size(), 1U);
    const auto key = [](const RecordingCanvas::Drawn& d) { return std::to_string(d.y) + " " + d.text; };
    const auto draw = [&](const RecipeBand& band) {
        canvas.drawn.clear();
        RecipePage::DrawSheet(canvas, lines, sheets[1], elements, band);
        std::vector<std::string> keys;
        for (const RecordingCanvas::Drawn& drawn : canvas.drawn)
            keys.push_back(key(drawn));
        return keys;
    };
    std::vector<std::string> whole = draw({});
    const std::string label = whole.back();
    ASSERT_NE(label.find("page 2 of"), std::string::npos);
    whole.pop_back();

    for (const RecipeBand band : {RecipeBand{0, -30}, RecipeBand{-600, -900}, RecipeBand{-2700, -2800},
                                  RecipeBand{-1234, -1234}}) {
        std::vector<std::string> part = draw(band);
        ASSERT_FALSE(part.empty());
        EXPECT_EQ(part.back(), label);
        part.pop_back();
        ASSERT_FALSE(part.empty()) << band.top;
        EXPECT_NE(std::search(whole.begin(), whole.end(), part.begin(), part.end()), whole.end())
            << band.top;
        for (std::size_t k = 0; k < part.size(); ++k) {
            const RecordingCanvas::Drawn& drawn = canvas.drawn[k];
            EXPECT_TRUE(drawn.y <= band.top + 200 && drawn.y >= band.bottom - 200) << key(drawn);
        }
        for (const std::string& k : whole) {
            const std::int32_t y = std::stoi(k);
            if (y <= band.top && y >= band.bottom) {
                EXPECT_NE(std::find(part.begin(), part.end(), k), part.end()) << k;
            }
        }
        EXPECT_LT(part.size(), whole.size() / 4) << band.top;
    }
}

} // namespace
} // namespace solvo
