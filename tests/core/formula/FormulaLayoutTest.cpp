#include "RecordingCanvas.h"

#include "formula/ChemicalFormula.h"
#include "formula/ElementTable.h"
#include "formula/FormulaLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace solvo {
namespace {

using test::RecordingCanvas;

const FontSpec kLarge{"Arial", 36, 700};
const FontSpec kSmall{"Arial", 18, 700};

class FormulaLayoutTest : public ::testing::Test {
protected:
    FormulaLayoutTest() { table.LoadDefaults(); }

    // Draws text at (100, 50), left-aligned, and returns what was drawn.
    std::vector<RecordingCanvas::Drawn> DrawAt(const std::string& text, bool yAxisUp = false,
                                               const FontSpec& large = kLarge)
    {
        RecordingCanvas canvas(yAxisUp);
        ChemicalFormula(table, text).DrawFormula(canvas, large, kSmall, 100, 50, TextAlign::Left, 0, 0);
        return canvas.drawn;
    }

    ElementTable table;
};

TEST_F(FormulaLayoutTest, MeasuresEachStringOnceInItsFontAndKeepsTheSelectedFont)
{
    const ChemicalFormula formula(table, "MgCl_2&6H_2O");
    RecordingCanvas canvas;
    FormulaLayout layout;
    EXPECT_EQ(layout.Measure(formula, canvas, kLarge, kSmall), 156);

    ASSERT_EQ(canvas.measured.size(), 2u);
    EXPECT_EQ(canvas.measured[0].text, "22");
    EXPECT_EQ(canvas.measured[0].font, kSmall);
    EXPECT_EQ(canvas.measured[1].text, "MgCl.6HO");
    EXPECT_EQ(canvas.measured[1].font, kLarge);
    EXPECT_EQ(canvas.state.font, RecordingCanvas::State{}.font);
    EXPECT_EQ(canvas.SavedDepth(), 0u);

    const std::vector<std::int32_t> positions = {0, 24, 36, 60, 72, 78, 90, 102, 126, 132, 156};
    for (std::size_t i = 0; i < positions.size(); ++i)
        EXPECT_EQ(layout.Position(i), positions[i]) << "position " << i;
    EXPECT_EQ(formula.MeasureFormula(canvas, kLarge, kSmall), 156);
}

TEST_F(FormulaLayoutTest, OnlyTextsOfOneTo127CharactersAreMeasuredAndDrawn)
{
    struct Case {
        std::string text;
        std::int32_t width;
        std::size_t drawn;
    };
    std::string highBytes(127, '\0');
    for (std::size_t i = 0; i < highBytes.size(); ++i)
        highBytes[i] = static_cast<char>(0x80 + i);
    std::string huge(64 * 1024, 'A');
    for (std::size_t i = 0; i < huge.size(); i += 7)
        huge[i] = static_cast<char>(0x80 + i % 128);

    const Case cases[] = {
        {"", 0, 0},
        {std::string(127, 'A'), 127 * 24, 127},
        {highBytes, 127 * 12, 127},
        {std::string(128, 'A'), 0, 0},
        {"{" + std::string(127, 'A') + "}_2", 0, 0}, // 128 display characters after the markup goes
        {huge, 0, 0},
    };
    for (const Case& c : cases) {
        const ChemicalFormula formula(table, c.text);
        RecordingCanvas canvas;
        EXPECT_EQ(formula.MeasureFormula(canvas, kLarge, kSmall), c.width) << c.text.size();
        formula.DrawFormula(canvas, kLarge, kSmall, 0, 0, TextAlign::Left, 200, 60);
        EXPECT_EQ(canvas.drawn.size(), c.drawn) << c.text.size();
        EXPECT_EQ(canvas.SavedDepth(), 0u);
    }
}

TEST_F(FormulaLayoutTest, DrawsEachCharacterSinglyInItsFontAtItsOffset)
{
    struct Expected {
        const char* text;
        std::int32_t x;
        std::int32_t y;
        std::int32_t height;
    };
    // Subscripts 36 × 23 ÷ 40 = 20 lower, the dot 2 × 20 ÷ 5 = 8 higher.
    const Expected expected[] = {
        {"M", 100, 50, 36}, {"g", 124, 50, 36}, {"C", 136, 50, 36}, {"l", 160, 50, 36},
        {"2", 172, 70, 18}, {".", 178, 42, 36}, {"6", 190, 50, 36}, {"H", 202, 50, 36},
        {"2", 226, 70, 18}, {"O", 232, 50, 36},
    };
    RecordingCanvas canvas;
    canvas.SetTextAlign(TextAlign::Right);
    ChemicalFormula(table, "MgCl_2&6H_2O").DrawFormula(canvas, kLarge, kSmall, 100, 50, TextAlign::Left, 0, 0);

    ASSERT_EQ(canvas.drawn.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const RecordingCanvas::Drawn& drawn = canvas.drawn[i];
        EXPECT_EQ(drawn.text, expected[i].text) << i;
        EXPECT_EQ(drawn.x, expected[i].x) << i;
        EXPECT_EQ(drawn.y, expected[i].y) << i;
        EXPECT_EQ(drawn.state.font.height, expected[i].height) << i;
        EXPECT_EQ(drawn.state.align, TextAlign::Left) << i;
        EXPECT_EQ(drawn.state.background, BackgroundMode::Transparent) << i;
        EXPECT_EQ(drawn.state.textColour, Colour{}) << i;
    }
    EXPECT_EQ(canvas.SavedDepth(), 0u);
    EXPECT_EQ(canvas.state.align, TextAlign::Right);
    EXPECT_EQ(canvas.state.background, BackgroundMode::Opaque);
    EXPECT_EQ(canvas.state.textColour, RecordingCanvas::State{}.textColour);
}

TEST_F(FormulaLayoutTest, OffsetsFollowTheLargeFontsHeightAndTheDirectionOfY)
{
    struct Case {
        bool yAxisUp;
        std::int32_t largeHeight;
        std::int32_t subscriptY;
        std::int32_t dotY;
    };
    const Case cases[] = {
        {false, 36, 70, 42},
        {true, 36, 30, 58},
        {false, -40, 73, 41}, // an em height counts by its size: 40 × 23 ÷ 40 = 23, dot 9
        {true, -40, 27, 59},
    };
    for (const Case& c : cases) {
        const std::vector<RecordingCanvas::Drawn> drawn =
            DrawAt("SO_4^{2-}&H_2O", c.yAxisUp, {"Arial", c.largeHeight, 700});
        // S O 4 2 - . H 2 O: subscript, superscripts at the top line, dot.
        ASSERT_EQ(drawn.size(), 9u);
        EXPECT_EQ(drawn[0].y, 50);
        EXPECT_EQ(drawn[2].y, c.subscriptY) << c.largeHeight << " up " << c.yAxisUp;
        EXPECT_EQ(drawn[3].y, 50);
        EXPECT_EQ(drawn[3].state.font, kSmall);
        EXPECT_EQ(drawn[4].y, 50);
        EXPECT_EQ(drawn[5].y, c.dotY) << c.largeHeight << " up " << c.yAxisUp;
        EXPECT_EQ(drawn[5].state.font.height, c.largeHeight);
        EXPECT_EQ(drawn[7].y, c.subscriptY);
    }
}

TEST_F(FormulaLayoutTest, AlignmentPlacesTheMeasuredWidthRelativeToX)
{
    const std::pair<TextAlign, std::int32_t> cases[] = {
        {TextAlign::Left, 300}, {TextAlign::Centre, 300 - 78}, {TextAlign::Right, 300 - 156}};
    for (const auto& [align, left] : cases) {
        RecordingCanvas canvas;
        ChemicalFormula(table, "MgCl_2&6H_2O").DrawFormula(canvas, kLarge, kSmall, 300, 10, align, 0, 0);
        ASSERT_FALSE(canvas.drawn.empty());
        EXPECT_EQ(canvas.drawn.front().x, left);
        EXPECT_EQ(canvas.drawn.back().x, left + 132);
    }
}

TEST_F(FormulaLayoutTest, AFormulaLeavingSixUnitsFreeIsNotShrunk)
{
    RecordingCanvas canvas;
    ChemicalFormula(table, "MgCl_2&6H_2O").DrawFormula(canvas, kLarge, kSmall, 0, 50, TextAlign::Left, 162, 80);
    EXPECT_EQ(canvas.measured.size(), 2u);
    EXPECT_EQ(canvas.drawn.front().y, 50);
    EXPECT_EQ(canvas.drawn.front().state.font, kLarge);
    EXPECT_EQ(canvas.drawn[4].state.font, kSmall);
}

TEST_F(FormulaLayoutTest, OneUnitWiderShrinksFromTheGivenFontsByTheLatestWidth)
{
    RecordingCanvas canvas;
    const FontSpec large{"Any", 36, 400};
    const FontSpec small{"Any", 18, 400};
    ChemicalFormula(table, "MgCl_2&6H_2O").DrawFormula(canvas, large, small, 0, 50, TextAlign::Left, 161, 80);

    // 98 %: 36 × 98 × 161 ÷ (156 × 100) is still 36, so the width stays 156;
    // 96 %: 35 and 17, and the formula is 146 wide, 15 units inside the fit.
    std::vector<std::int32_t> largeHeights;
    for (std::size_t i = 1; i < canvas.measured.size(); i += 2)
        largeHeights.push_back(canvas.measured[i].font.height);
    EXPECT_EQ(largeHeights, (std::vector<std::int32_t>{36, 36, 35}));

    const FontSpec fittedLarge{"Arial", 35, 700};
    const FontSpec fittedSmall{"Arial", 17, 700};
    ASSERT_EQ(canvas.drawn.size(), 10u);
    EXPECT_EQ(canvas.drawn[0].state.font, fittedLarge);
    EXPECT_EQ(canvas.drawn[4].state.font, fittedSmall);
    EXPECT_EQ(canvas.drawn[0].y, (80 - 35) / 2 + 4);
    EXPECT_EQ(canvas.drawn[4].y, (80 - 35) / 2 + 4 + 35 * 23 / 40);
    EXPECT_EQ(canvas.drawn[9].x, 146 - 23);
}

TEST_F(FormulaLayoutTest, FittingEndsWithVisibleFontsEvenWhereNothingCanFit)
{
    for (const std::int32_t fitWidth : {1, 5, 6, 7}) {
        for (const char* text : {"MgCl_2&6H_2O", "abc", "W"}) {
            RecordingCanvas canvas;
            ChemicalFormula(table, text).DrawFormula(canvas, kLarge, kSmall, 0, 0, TextAlign::Centre, fitWidth, 20);
            EXPECT_LE(canvas.measured.size(), 2u * 50u) << text << " in " << fitWidth;
            EXPECT_FALSE(canvas.drawn.empty());
            for (const RecordingCanvas::Measured& measured : canvas.measured)
                EXPECT_NE(measured.font.height, 0) << text << " in " << fitWidth;
        }
    }
}

TEST_F(FormulaLayoutTest, CharactersKeepTheirColourUntilTheTextIsSetAgain)
{
    ChemicalFormula formula(table, "CuSO_4&5H_2O");
    const Colour grey{192, 192, 192};
    formula.SetFormulaColour(grey);
    EXPECT_EQ(formula.Colours(), std::vector<Colour>(10, grey));

    RecordingCanvas canvas;
    formula.DrawFormula(canvas, kLarge, kSmall, 0, 0, TextAlign::Left, 0, 0);
    ASSERT_EQ(canvas.drawn.size(), 10u);
    for (const RecordingCanvas::Drawn& drawn : canvas.drawn)
        EXPECT_EQ(drawn.state.textColour, grey);

    formula.SetText("H_2O");
    EXPECT_EQ(formula.Colours(), std::vector<Colour>(3, Colour{}));
}

} // namespace
} // namespace solvo
