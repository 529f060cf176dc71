#include "solution/RecipePlaceholders.h"

#include <array>
#include <utility>

namespace solvo {

namespace {

std::string ReplaceAll(std::string_view text, std::string_view placeholder, std::string_view value)
{
    std::string result;
    std::size_t start = 0;
    for (std::size_t found = text.find(placeholder); found != std::string_view::npos;
         found = text.find(placeholder, start)) {
        result.append(text.substr(start, found - start)).append(value);
        start = found + placeholder.size();
    }
    result.append(text.substr(start));
    return result;
}

std::string CollapseDoubledPercent(std::string_view line)
{
    std::string result;
    result.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        result.push_back(line[i]);
        if (line[i] == '%' && i + 1 < line.size() && line[i + 1] == '%')
            ++i;
    }
    return result;
}

} // namespace

std::string RecipePlaceholders::ReplacePlaceholders(std::string_view text) const
{
    const std::array<std::pair<std::string_view, const std::string*>, 9> passes = {{
        {"<LINENUMBER>", &lineNumber},
        {"<TARGETVOLUME>", &targetVolume},
        {"<STARTVOLUME>", &startVolume},
        {"<SOLIDMASS>", &solidMass},
        {"<SUBSTANCENAME>", &substanceName},
        {"<SOLUTIONVOLUME>", &solutionVolume},
        {"<CONCENTRATION>", &concentration},
        {"<TARGETVOLUME>", &targetVolume},
        {"<VOLUMEUNIT>", &volumeUnit},
    }};
    std::string result(text);
    for (const auto& [placeholder, value] : passes) {
        if (result.find(placeholder) != std::string::npos)
            result = ReplaceAll(result, placeholder, *value);
    }
    return result;
}

std::string RecipePlaceholders::Expand(std::string_view templateLine) const
{
    return ReplacePlaceholders(CollapseDoubledPercent(templateLine));
}

} // namespace solvo
