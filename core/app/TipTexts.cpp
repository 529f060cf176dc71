#include "app/TipTexts.h"

#include "quantities/StringTableText.h"

#include <array>
#include <string_view>

namespace solvo {

namespace {

// The tips as the string table holds them, "%%" and all; the text shown is
// made from these, so there is one copy of each.
constexpr std::array<std::string_view, 11> kTipTable = {
    "To switch Tip of the Day back on, select Help/Tip of the day from the menu, and  check "
    "'Show tips at startup'.",
    "Following tutorial you will learn all most important features of the program. To do so, "
    "select Help/Tutorial from the menu.",
    "Patterns used to filter content of the lists use subset of regular expressions.",
    "Basic features of the Solvo are described in the first tutorial lesson.",
    "Use moiety editor - H_3Citrate is much easier to identify than C_6H_8O_7.",
    "Try to always use canonical forms of formulas. While not using them you may occasionally "
    "save yourself few keystrokes, in the long run being consistent helps to keep order in the "
    "database.",
    "In the canonical form of a formula all subscripts are always preceded by _, and curly "
    "braces are never used around single characters.",
    "Density vs concentration plot in the substances database helps spot errors in entered "
    "density data - density curves are continuous, any steps are signal something is wrong "
    "with the data.",
    "When editing density data in substances database, use Ctrl+Enter to move to the next "
    "line, as Enter will close dialog window. Modified data is not saved untill you click on "
    "Modify button.",
    "Small buttons with < or > sign are for switching bewteen two edit fields - one is for "
    "entering solution volume, other is for entering solution mass.",
    "In recipes, when dealing with solutions containing more than one dissolved substance, "
    "program calculates amount of each substance as if other substances were not present, "
    "thus %%w/w and %%w/v concentrations (that depend on the real density of the final "
    "solution) can be of.",
};

} // namespace

const std::vector<std::string>& TipTexts()
{
    static const std::vector<std::string> tips = [] {
        std::vector<std::string> shown;
        shown.reserve(kTipTable.size());
        for (std::string_view tip : kTipTable)
            shown.push_back(StringTableText(tip));
        return shown;
    }();
    return tips;
}

} // namespace solvo
