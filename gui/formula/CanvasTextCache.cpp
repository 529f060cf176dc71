#include "formula/CanvasTextCache.h"

#include "app/TextConversion.h"
#include "formula/QtFormulaCanvas.h"
#include "platform/Windows1252.h"

#include <QPaintDevice>

#include <algorithm>
#include <cmath>
#include <limits>

namespace solvo {
namespace {

// Far more than any page or frame draws; only a runaway would reach them.
constexpr std::size_t kMaxFonts = 32;
constexpr std::size_t kMaxRunsPerFont = 4096;
constexpr std::int32_t kUnmeasured = std::numeric_limits<std::int32_t>::min();

} // namespace

CanvasTextCache::Font::Font(const FontSpec& wanted, const QPaintDevice* device)
    : wanted_(wanted),
      dpi_(device->logicalDpiY()),
      font_(QtFormulaCanvas::ToQFont(wanted)),
      metrics_(font_, device)
{
    advances_.fill(kUnmeasured);
}

std::int32_t CanvasTextCache::Font::Advance(unsigned char character)
{
    std::int32_t& advance = advances_[character];
    if (advance == kUnmeasured) {
        const auto codePoint = static_cast<char16_t>(Windows1252::CodePoint(character));
        advance = static_cast<std::int32_t>(std::lround(metrics_.horizontalAdvance(QChar(codePoint))));
    }
    return advance;
}

const CanvasTextCache::Run& CanvasTextCache::Font::Shaped(std::string_view text)
{
    if (const auto known = runs_.find(text); known != runs_.end())
        return known->second;
    if (runs_.size() >= kMaxRunsPerFont)
        runs_.clear();
    const QString shown = ToQString(text);
    Run run{QStaticText(shown), metrics_.horizontalAdvance(shown)};
    // Names may hold "<" and "&"; they are never markup.
    run.text.setTextFormat(Qt::PlainText);
    run.text.setPerformanceHint(QStaticText::AggressiveCaching);
    return runs_.emplace(std::string(text), std::move(run)).first->second;
}

std::shared_ptr<CanvasTextCache::Font> CanvasTextCache::Select(const FontSpec& wanted, const QPaintDevice* device)
{
    const int dpi = device->logicalDpiY();
    const auto known = std::find_if(fonts_.begin(), fonts_.end(), [&](const auto& font) {
        return font->dpi_ == dpi && font->wanted_ == wanted;
    });
    if (known != fonts_.end())
        return *known;
    if (fonts_.size() >= kMaxFonts)
        fonts_.clear();
    return fonts_.emplace_back(std::make_shared<Font>(wanted, device));
}

} // namespace solvo
