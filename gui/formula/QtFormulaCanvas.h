#pragma once

#include "formula/CanvasTextCache.h"
#include "formula/FormulaCanvas.h"

#include <QFont>
#include <QPalette>

#include <memory>
#include <vector>

class QPainter;

namespace solvo {

/// Formula drawing through a QPainter, in the painter's coordinates: logical
/// pixels of a widget, or page units of a printer or a picture. Text is the
/// program's Windows-1252 bytes. "Arial" is whatever fontconfig or the
/// platform puts in its place (Liberation Sans on Linux), with the same
/// metrics.
class QtFormulaCanvas final : public FormulaCanvas {
public:
    /// With yAxisUp the painter's transform must make y grow upwards (a page
    /// in metric units); text is still drawn upright, hanging below its
    /// point. Fonts and shaped text come from cache, which outlives the
    /// canvas so that the next paint finds them ready. The palette gives the
    /// shades of the etched edge.
    QtFormulaCanvas(QPainter& painter, CanvasTextCache& cache, bool yAxisUp = false,
                    const QPalette& palette = QPalette());

    /// The font described by wanted: a positive height is the cell height
    /// (ascent plus descent), a negative one the pixel (em) size, both in
    /// the painter's units; never smaller than one unit.
    static QFont ToQFont(const FontSpec& wanted);

    void SaveState() override;
    void RestoreState() override;
    void SetTextAlign(TextAlign align) override;
    void SetBackgroundMode(BackgroundMode mode) override;
    void SetBackgroundColour(Colour colour) override;
    void SelectFont(const FontSpec& font) override;
    void SetTextColour(Colour colour) override;
    void MeasureAdvances(std::string_view text, std::span<std::int32_t> widths) override;
    void DrawText(std::int32_t x, std::int32_t y, std::string_view text) override;
    bool YAxisUp() const override { return yAxisUp_; }
    void FillRect(const CanvasRect& rect, Colour colour) override;
    void DrawEtchedEdge(const CanvasRect& rect) override;

private:
    // What QPainter::save() does not keep.
    struct State {
        TextAlign align = TextAlign::Left;
        std::shared_ptr<CanvasTextCache::Font> font;
    };

    /// The selected font; before any is selected, the painter's own.
    CanvasTextCache::Font& CurrentFont();

    QPainter& painter_;
    CanvasTextCache& cache_;
    bool yAxisUp_;
    QPalette palette_;
    State state_;
    std::vector<State> savedStates_;
};

} // namespace solvo
