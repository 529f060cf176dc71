#include "formula/FormulaMarkup.h"

#include <array>

namespace solvo {

namespace {

struct Style {
    // Opening and closing texts by CharKind: Normal, Subscript, Superscript, HydrateDot.
    std::array<std::string_view, 4> open;
    std::array<std::string_view, 4> close;
    bool writeHydrateDot; // whether the "." of a hydrate mark is written itself
};

constexpr Style kHtml{{"", "<sub>", "<sup>", ""}, {"", "</sub>", "</sup>", "&middot;"}, false};
constexpr Style kRtf{{"", "{\\sub ", "{\\super ", "{\\super "}, {"", "}", "}", "}"}, true};
constexpr Style kUbbc{{"", "[sub]", "[sup]", "[sup]"}, {"", "[/sub]", "[/sup]", "[/sup]"}, true};
constexpr Style kLatex{{"\\textrm{", "_{", "^{", "\\cdot"}, {"}", "}", "}", ""}, false};

const Style& StyleOf(FormulaMarkup::Format format)
{
    switch (format) {
    case FormulaMarkup::Format::Html:
        return kHtml;
    case FormulaMarkup::Format::Rtf:
        return kRtf;
    case FormulaMarkup::Format::Ubbc:
        return kUbbc;
    case FormulaMarkup::Format::Latex:
        break;
    }
    return kLatex;
}

std::size_t Slot(CharKind kind)
{
    return static_cast<std::size_t>(kind);
}

} // namespace

std::string FormulaMarkup::Write(Format format, std::string_view display,
                                 const std::vector<CharKind>& kinds, CharWriter writeChar)
{
    if (display.empty())
        return {};
    const Style& style = StyleOf(format);
    std::string out(style.open[Slot(CharKind::Normal)]);
    CharKind current = CharKind::Normal;
    for (std::size_t i = 0; i < display.size(); ++i) {
        const CharKind kind = i < kinds.size() ? kinds[i] : CharKind::Normal;
        if (kind != current) {
            out += style.close[Slot(current)];
            out += style.open[Slot(kind)];
            current = kind;
        }
        if (kind != CharKind::HydrateDot || style.writeHydrateDot)
            writeChar(out, display[i]);
    }
    out += style.close[Slot(current)];
    return out;
}

} // namespace solvo
