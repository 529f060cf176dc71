#include "RecordingCanvas.h"

#include "formula/ElementTable.h"
#include "formula/FormulaFrame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace solvo {
namespace {

using test::RecordingCanvas;

const Colour kFace{240, 240, 240};
const FontSpec kCaptionFont{"Caption", -12, 400};

class FormulaFrameTest : public ::testing::Test {
protected:
    FormulaFrameTest() { table.LoadDefaults(); }

    RecordingCanvas Paint(const FormulaFrame& frame, std::int32_t width = 300, std::int32_t height = 80)
    {
        RecordingCanvas canvas;
        frame.Paint(canvas, width, height, kFace, kCaptionFont);
        EXPECT_EQ(canvas.SavedDepth(), 0u);
        return canvas;
    }

    ElementTable table;
};

TEST_F(FormulaFrameTest, ShowsTheTextBeforeTheFirstSemicolonWithItsMolarMass)
{
    FormulaFrame frame(table);
    EXPECT_EQ(frame.MolarMass(), 0.0);
    EXPECT_EQ(frame.Caption(), "");

    frame.SetFormulaText("MgCl_2&6H_2O;hexahydrate;x", true);
    EXPECT_EQ(frame.Text(), "MgCl_2&6H_2O");
    EXPECT_EQ(frame.Formula().DisplayText(), "MgCl2.6H2O");
    EXPECT_NEAR(frame.MolarMass(), 203.30268, 1e-9);
    EXPECT_EQ(frame.Caption(), "203.30");
    EXPECT_EQ(frame.DrawnCaption(), " 203.30 ");

    // Without updating the mass the caption stays; a mixture counts its multipliers.
    frame.SetFormulaText("NaCl", false);
    EXPECT_EQ(frame.Formula().DisplayText(), "NaCl");
    EXPECT_EQ(frame.Caption(), "203.30");
    frame.SetFormulaText("2NaCl,KCl", true);
    EXPECT_EQ(frame.Caption(), "191.44");

    frame.SetFormulaText(";", true);
    EXPECT_EQ(frame.Text(), "");
    EXPECT_EQ(frame.Caption(), "");
}

TEST_F(FormulaFrameTest, CaptionShowsTwoDecimalsOfANonZeroMass)
{
    struct Case {
        double mass;
        bool showCaption;
        const char* caption;
    };
    const Case cases[] = {
        {203.30268, true, "203.30"},
        {249.685, true, "249.69"},
        {0.005, true, "0.01"},
        {0.001, true, "0.00"},
        {-1.005, true, "-1.00"},
        {1e6, true, "1000000.00"},
        {0.0, true, ""},
        {-0.0, true, ""},
        {203.30268, false, ""},
        {std::numeric_limits<double>::quiet_NaN(), true, "???"},
        {-std::numeric_limits<double>::infinity(), true, "???"},
    };
    for (const Case& c : cases) {
        FormulaFrame frame(table);
        frame.SetFrameOptions(c.showCaption, true);
        frame.SetMolarMassCaption(c.mass);
        EXPECT_EQ(frame.Caption(), c.caption) << c.mass;
        EXPECT_TRUE(frame.MolarMass() == c.mass || std::isnan(c.mass));
    }

    FormulaFrame frame(table);
    frame.SetMolarMassCaption(std::numeric_limits<double>::max());
    EXPECT_EQ(frame.Caption().size(), 309u + 3u);
    EXPECT_EQ(frame.Caption().substr(frame.Caption().size() - 3), ".00");
}

TEST_F(FormulaFrameTest, PaintsFaceFormulaEdgeAndCaptionOverTheEdge)
{
    FormulaFrame frame(table);
    frame.SetFormulaText("MgCl_2&6H_2O", true);
    const RecordingCanvas canvas = Paint(frame);

    ASSERT_EQ(canvas.fills.size(), 1u);
    EXPECT_EQ(canvas.fills[0].first, (CanvasRect{0, 0, 300, 80}));
    EXPECT_EQ(canvas.fills[0].second, kFace);
    EXPECT_EQ(canvas.edges, (std::vector<CanvasRect>{{0, 6, 300, 80}}));

    // The formula (156 wide) centred on 150, its top at (80 − 36) ÷ 2 + 4.
    ASSERT_EQ(canvas.drawn.size(), 11u);
    EXPECT_EQ(canvas.drawn[0].x, 150 - 78);
    EXPECT_EQ(canvas.drawn[0].y, 26);
    EXPECT_EQ(canvas.drawn[0].state.font, FormulaFrame::LargeFont());
    EXPECT_EQ(canvas.drawn[4].state.font, FormulaFrame::SmallFont());
    EXPECT_EQ(canvas.drawn[4].y, 46);

    const RecordingCanvas::Drawn& caption = canvas.drawn.back();
    EXPECT_EQ(caption.text, " 203.30 ");
    EXPECT_EQ(caption.x, 6);
    EXPECT_EQ(caption.y, 0);
    EXPECT_EQ(caption.state.font, kCaptionFont);
    EXPECT_EQ(caption.state.align, TextAlign::Left);
    EXPECT_EQ(caption.state.background, BackgroundMode::Opaque);
    EXPECT_EQ(caption.state.backgroundColour, kFace);

    frame.SetCaptionOnRight(true);
    const RecordingCanvas right = Paint(frame);
    EXPECT_EQ(right.drawn.back().x, 294);
    EXPECT_EQ(right.drawn.back().state.align, TextAlign::Right);
}

TEST_F(FormulaFrameTest, OptionsAndMissingMassesLeaveOutEdgeOrCaption)
{
    FormulaFrame empty(table);
    empty.SetFormulaText("", true);
    const RecordingCanvas emptyCanvas = Paint(empty);
    EXPECT_TRUE(emptyCanvas.drawn.empty());
    EXPECT_EQ(emptyCanvas.edges.size(), 1u);

    FormulaFrame failed(table);
    failed.SetFormulaText("Water", true);
    EXPECT_EQ(failed.Caption(), "");
    const RecordingCanvas failedCanvas = Paint(failed);
    ASSERT_EQ(failedCanvas.drawn.size(), 5u);
    EXPECT_EQ(failedCanvas.drawn[0].text, "W");

    FormulaFrame bare(table);
    bare.SetFrameOptions(false, false);
    bare.SetFormulaText("CuSO_4&5H_2O", true);
    EXPECT_EQ(bare.Caption(), "");
    EXPECT_GT(bare.MolarMass(), 249.0);
    const RecordingCanvas bareCanvas = Paint(bare);
    EXPECT_TRUE(bareCanvas.edges.empty());
    EXPECT_EQ(bareCanvas.drawn.size(), 10u);
}

TEST_F(FormulaFrameTest, ANarrowFrameShrinksTheFormulaInsideItsSides)
{
    FormulaFrame frame(table);
    frame.SetFormulaText("K_4[Fe(CN)_6]&3H_2O", true);
    for (const std::int32_t width : {60, 100, 150, 200}) {
        const RecordingCanvas canvas = Paint(frame, width, 70);
        ASSERT_EQ(canvas.drawn.size(), 17u); // 16 characters and the caption
        EXPECT_LT(canvas.drawn[0].state.font.height, FormulaFrame::kLargeHeight);
        EXPECT_GE(canvas.drawn.front().x, 0) << width;
        const RecordingCanvas::Drawn& last = canvas.drawn[15];
        EXPECT_LE(last.x + RecordingCanvas::Advance(last.text[0], last.state.font), width) << width;
    }
}

TEST_F(FormulaFrameTest, MinimumHeightIsTheLeastThatKeepsTheFormulaBetweenCaptionAndEdge)
{
    // Whether the formula's top clears the caption and its subscripts the
    // edge's bottom line, painted at that height.
    const auto fits = [this](const FormulaFrame& frame, std::int32_t captionHeight, std::int32_t height) {
        const RecordingCanvas canvas = Paint(frame, 400, height);
        const std::int32_t top = canvas.drawn[0].y;
        const std::int32_t bottom = canvas.drawn[1].y + FormulaFrame::kSmallHeight;
        const std::int32_t edge = frame.DrawsEdge() ? FormulaFrame::kEdgeThickness : 0;
        return top >= (frame.ShowsCaption() ? captionHeight : 0) && bottom <= height - edge;
    };
    for (const bool showCaption : {true, false}) {
        for (const bool drawEdge : {true, false}) {
            for (const std::int32_t captionHeight : {0, 12, 17, 18, 30}) {
                FormulaFrame frame(table);
                frame.SetFrameOptions(showCaption, drawEdge);
                frame.SetFormulaText("H_2O", true);
                const std::int32_t least = frame.MinimumHeight(captionHeight);
                EXPECT_TRUE(fits(frame, captionHeight, least)) << captionHeight << showCaption << drawEdge;
                EXPECT_FALSE(fits(frame, captionHeight, least - 1)) << captionHeight << showCaption << drawEdge;
            }
        }
    }
}

} // namespace
} // namespace solvo
