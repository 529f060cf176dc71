#pragma once

#include "formula/FormulaCanvas.h"

#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

namespace solvo::test {

/// A canvas with known advance widths that records what is measured and drawn.
/// Capitals are two thirds of the font's height wide, every other character
/// one third, truncated: 24 and 12 units at height 36, 12 and 6 at height 18.
class RecordingCanvas : public FormulaCanvas {
public:
    struct State {
        FontSpec font{"Initial", 10, 400};
        Colour textColour{1, 2, 3};
        TextAlign align = TextAlign::Left;
        BackgroundMode background = BackgroundMode::Opaque;
        Colour backgroundColour{255, 255, 255};
    };

    struct Drawn {
        std::string text;
        std::int32_t x;
        std::int32_t y;
        State state;
    };

    struct Measured {
        std::string text;
        FontSpec font;
    };

    explicit RecordingCanvas(bool yAxisUp = false) : yAxisUp_(yAxisUp) {}

    static std::int32_t Advance(char c, const FontSpec& font)
    {
        const std::int32_t height = std::abs(font.height);
        return std::isupper(static_cast<unsigned char>(c)) ? height * 2 / 3 : height / 3;
    }

    void SaveState() override { saved_.push_back(state); }
    void RestoreState() override
    {
        state = saved_.back();
        saved_.pop_back();
    }
    void SetTextAlign(TextAlign align) override { state.align = align; }
    void SetBackgroundMode(BackgroundMode mode) override { state.background = mode; }
    void SetBackgroundColour(Colour colour) override { state.backgroundColour = colour; }
    void SelectFont(const FontSpec& font) override { state.font = font; }
    void SetTextColour(Colour colour) override { state.textColour = colour; }

    void MeasureAdvances(std::string_view text, std::span<std::int32_t> widths) override
    {
        measured.push_back({std::string(text), state.font});
        for (std::size_t i = 0; i < text.size(); ++i)
            widths[i] = Advance(text[i], state.font);
    }
    void DrawText(std::int32_t x, std::int32_t y, std::string_view text) override
    {
        drawn.push_back({std::string(text), x, y, state});
    }
    bool YAxisUp() const override { return yAxisUp_; }
    void FillRect(const CanvasRect& rect, Colour colour) override { fills.push_back({rect, colour}); }
    void DrawEtchedEdge(const CanvasRect& rect) override { edges.push_back(rect); }

    std::size_t SavedDepth() const { return saved_.size(); }

    State state;
    std::vector<Measured> measured;
    std::vector<Drawn> drawn;
    std::vector<std::pair<CanvasRect, Colour>> fills;
    std::vector<CanvasRect> edges;

private:
    bool yAxisUp_;
    std::vector<State> saved_;
};

} // namespace solvo::test
