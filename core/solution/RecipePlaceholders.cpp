#include "solution/RecipePlaceholders.h"

#include "quantities/StringTableText.h"
#include "solution/RecipeLine.h"

#include <algorithm>
#include <array>
#include <utility>

namespace solvo {

namespace {

// Room for the values without growing the text during the passes.
constexpr std::size_t kValueRoom = 96;

// Replaces in place, searching on after each inserted value, so that a pass
// never rescans what it inserted.
void ReplaceAll(std::string& text, std::string_view placeholder, std::string_view value)
{
    for (std::size_t found = text.find(placeholder); found != std::string::npos;
         found = text.find(placeholder, found + value.size()))
        text.replace(found, placeholder.size(), value);
}

struct Pass {
    std::string_view placeholder;
    std::string RecipePlaceholders::*value;
};

// The passes in their order; <TARGETVOLUME> has a second pass, which sees a
// <TARGETVOLUME> that an earlier value brought in.
constexpr std::array<Pass, 9> kPasses = {{
    {"<LINENUMBER>", &RecipePlaceholders::lineNumber},
    {"<TARGETVOLUME>", &RecipePlaceholders::targetVolume},
    {"<STARTVOLUME>", &RecipePlaceholders::startVolume},
    {"<SOLIDMASS>", &RecipePlaceholders::solidMass},
    {"<SUBSTANCENAME>", &RecipePlaceholders::substanceName},
    {"<SOLUTIONVOLUME>", &RecipePlaceholders::solutionVolume},
    {"<CONCENTRATION>", &RecipePlaceholders::concentration},
    {"<TARGETVOLUME>", &RecipePlaceholders::targetVolume},
    {"<VOLUMEUNIT>", &RecipePlaceholders::volumeUnit},
}};

void ReplaceByPasses(const RecipePlaceholders& values, std::string& text)
{
    for (const Pass& pass : kPasses)
        ReplaceAll(text, pass.placeholder, values.*pass.value);
}

// The pass whose placeholder starts at text[at] (a '<'), or none.
const Pass* PassAt(std::string_view text, std::size_t at)
{
    for (const Pass& pass : kPasses) {
        if (text.size() - at >= pass.placeholder.size() && text[at + 1] == pass.placeholder[1] &&
            text.compare(at, pass.placeholder.size(), pass.placeholder) == 0)
            return &pass;
    }
    return nullptr;
}

// The passes in one scan, into result. This gives what they give one
// after another as long as no placeholder can appear that was not there at
// the start: no value holds a '<', and every '<' of the text opens a
// placeholder (so that no value can complete one). Returns false
// otherwise.
bool ReplaceInOneScan(const RecipePlaceholders& values, std::string_view text, std::string& result)
{
    // Values and lines are short: a plain loop beats calling memchr.
    const auto holdsOpening = [](std::string_view value) {
        return std::find(value.begin(), value.end(), '<') != value.end();
    };
    const auto nextOpening = [&](std::size_t from) {
        return static_cast<std::size_t>(std::find(text.begin() + static_cast<std::ptrdiff_t>(from),
                                                  text.end(), '<') -
                                        text.begin());
    };
    for (const Pass& pass : kPasses) {
        if (holdsOpening(values.*pass.value))
            return false;
    }
    result.clear();
    result.reserve(text.size() + kValueRoom);
    std::size_t start = 0;
    for (std::size_t at = nextOpening(0); at < text.size(); at = nextOpening(start)) {
        const Pass* pass = PassAt(text, at);
        if (!pass && text.compare(at, kFormulaPlaceholder.size(), kFormulaPlaceholder) != 0)
            return false;
        result.append(text.substr(start, at - start));
        result.append(pass ? std::string_view(values.*pass->value) : kFormulaPlaceholder);
        start = at + (pass ? pass->placeholder.size() : kFormulaPlaceholder.size());
    }
    result.append(text.substr(start));
    return true;
}

std::string Replace(const RecipePlaceholders& values, std::string_view text)
{
    std::string result;
    if (!ReplaceInOneScan(values, text, result)) {
        result.assign(text);
        ReplaceByPasses(values, result);
    }
    return result;
}

} // namespace

std::string RecipePlaceholders::ReplacePlaceholders(std::string_view text) const
{
    return Replace(*this, text);
}

std::string RecipePlaceholders::Expand(std::string_view templateLine) const
{
    if (templateLine.find("%%") == std::string_view::npos)
        return Replace(*this, templateLine);
    return Replace(*this, StringTableText(templateLine));
}

} // namespace solvo
