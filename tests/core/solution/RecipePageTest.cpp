#include "solution/RecipePage.h"

#include "../formula/RecordingCanvas.h"
#include "formula/ElementTable.h"
#include "formula/FormulaLayout.h"

#include <gtest/gtest.h>

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

    ElementTable elements;
    RecordingCanvas canvas{true};
};

TEST_F(RecipePageDrawTest, DrawsTheFormulaInlineBetweenTheTextAroundIt)
{
    const std::vector<RecipeLine> lines = {
        {Role::Summary, "0.1 M water <SUBSTANCEFORMULA> pure", "H_2O", false}};
    RecipePage::Draw(canvas, lines, elements);

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
    RecipePage::Draw(canvas, lines, elements);

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
    RecipePage::Draw(canvas, lines, elements);

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
    RecipePage::Draw(canvas, lines, elements);

    ASSERT_GE(canvas.drawn.size(), 6U);
    const std::size_t pieces = canvas.drawn.size() - 3;
    EXPECT_GE(pieces, 3U);
    std::string joined;
    for (std::size_t i = 1; i <= pieces; ++i) {
        const RecordingCanvas::Drawn& piece = canvas.drawn[i];
        EXPECT_LE(Width(piece.text, RecipePage::FontOf(Font::Body)), 1600) << piece.text;
        EXPECT_EQ(piece.x, 100);
        EXPECT_EQ(piece.y, -287 - 75 * static_cast<std::int32_t>(i - 1));
        EXPECT_FALSE(piece.text.starts_with(' ') || piece.text.ends_with(' ')) << piece.text;
        joined += (joined.empty() ? "" : " ") + piece.text;
    }
    EXPECT_EQ(joined, note);
    // The next note follows the last piece; the footer stays at the foot.
    EXPECT_EQ(canvas.drawn[pieces + 1].text, "Note: short.");
    EXPECT_EQ(canvas.drawn[pieces + 1].y, -287 - 75 * static_cast<std::int32_t>(pieces));
    EXPECT_EQ(canvas.drawn.back().y, -2750);
}

} // namespace
} // namespace solvo
