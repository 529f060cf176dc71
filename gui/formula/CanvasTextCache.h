#pragma once

#include "formula/CanvasTypes.h"

#include <QFont>
#include <QFontMetricsF>
#include <QStaticText>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class QPaintDevice;

namespace solvo {

/// Fonts and shaped text kept from one paint to the next. A recipe page or a
/// formula frame draws the same few hundred short runs at every repaint;
/// resolving the fonts and shaping the text afresh each time was most of a
/// repaint's work. A cache belongs to one widget or one printout and is used
/// on the GUI thread only; it forgets what it holds when it outgrows its
/// bounds.
class CanvasTextCache {
public:
    /// Text laid out in one font, with its advance width.
    struct Run {
        QStaticText text;
        qreal advance = 0;
    };

    class Font {
    public:
        Font(const FontSpec& wanted, const QPaintDevice* device);

        const QFont& Get() const { return font_; }
        qreal Height() const { return metrics_.height(); }
        /// The rounded advance width of one program (Windows-1252) character.
        std::int32_t Advance(unsigned char character);
        /// text (program text) laid out in this font.
        const Run& Shaped(std::string_view text);

    private:
        friend class CanvasTextCache;

        struct TextHash {
            using is_transparent = void;
            std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
        };

        FontSpec wanted_;
        int dpi_;
        QFont font_;
        QFontMetricsF metrics_;
        std::array<std::int32_t, 256> advances_;
        std::unordered_map<std::string, Run, TextHash, std::equal_to<>> runs_;
    };

    /// The font described by wanted (see QtFormulaCanvas::ToQFont) on device,
    /// kept alive by its holders even when the cache lets it go.
    std::shared_ptr<Font> Select(const FontSpec& wanted, const QPaintDevice* device);

private:
    std::vector<std::shared_ptr<Font>> fonts_;
};

} // namespace solvo
