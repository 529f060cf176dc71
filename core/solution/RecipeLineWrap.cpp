#include "solution/RecipeLineWrap.h"

#include "formula/ChemicalFormula.h"
#include "formula/FormulaCanvas.h"
#include "solution/RecipePage.h"

#include <string_view>

namespace solvo {

namespace {

// A step starts with its number, a full stop and a space; rows after the
// first line up with the text after them.
std::size_t StepNumberLength(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9')
        ++at;
    if (at == 0 || at >= text.size() || text[at] != '.')
        return 0;
    ++at;
    const std::size_t start = at;
    while (at < text.size() && text[at] == ' ')
        ++at;
    return at > start ? at : 0;
}

} // namespace

RecipeLineWrap::Result RecipeLineWrap::Wrap(FormulaCanvas& canvas, const RecipeLine& line,
                                            const FontSpec& font, std::int32_t width,
                                            const ElementTable& elements)
{
    const std::string_view text = line.text;
    canvas.SelectFont(font);
    std::vector<std::int32_t> advances(text.size());
    canvas.MeasureAdvances(text, advances);

    // The drawn formula stands in for its placeholder: its whole width on
    // the placeholder's first byte, nothing on the rest.
    const std::size_t formulaAt = line.DrawsFormula() ? text.find(kFormulaPlaceholder) : text.npos;
    const std::size_t formulaEnd = formulaAt == text.npos ? text.npos : formulaAt + kFormulaPlaceholder.size();
    if (formulaAt != text.npos) {
        const ChemicalFormula formula(elements, line.formula);
        advances[formulaAt] =
            formula.MeasureFormula(canvas, font, RecipePage::FontOf(RecipePage::Font::Subscript));
        for (std::size_t i = formulaAt + 1; i < formulaEnd; ++i)
            advances[i] = 0;
    }
    const auto insideFormula = [&](std::size_t at) { return at > formulaAt && at < formulaEnd; };

    Result result;
    std::int32_t total = 0;
    for (std::int32_t advance : advances)
        total += advance;
    if (total <= width) {
        result.rows.push_back({0, text.size()});
        return result;
    }
    const std::size_t number = line.role == LineRole::Title ? 0 : StepNumberLength(text);
    for (std::size_t i = 0; i < number; ++i)
        result.indent += advances[i];
    // A number wider than half the row would leave too little beside it.
    if (result.indent > width / 2)
        result.indent = 0;

    std::size_t start = 0;
    while (start < text.size()) {
        const std::int32_t room = result.rows.empty() ? width : width - result.indent;
        std::int32_t used = 0;
        std::size_t at = start;
        std::size_t lastSpace = text.npos;
        for (; at < text.size(); ++at) {
            if (text[at] == ' ' && !insideFormula(at))
                lastSpace = at;
            // Spaces may hang past the edge: they are left out at the break.
            if (text[at] != ' ' && used + advances[at] > room)
                break;
            used += advances[at];
        }
        std::size_t end = at;
        if (at < text.size()) {
            if (lastSpace != text.npos && lastSpace > start)
                end = lastSpace;
            else if (formulaAt != text.npos && at >= formulaAt && at < formulaEnd)
                end = formulaAt > start ? formulaAt : formulaEnd;
            else if (at == start)
                end = start + 1;
        }
        std::size_t trimmed = end;
        while (trimmed > start && text[trimmed - 1] == ' ')
            --trimmed;
        result.rows.push_back({start, trimmed});
        start = end;
        while (start < text.size() && text[start] == ' ')
            ++start;
    }
    return result;
}

} // namespace solvo
