#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace solvo {

/// What a line of a recipe is; the recipe view places and draws each role
/// in its own way.
enum class LineRole : std::int32_t {
    Title = 0,
    Summary = 1,    ///< one per component: its concentration, name and formula
    Impossible = 2, ///< the three lines shown instead of a procedure
    PreparedBy = 3,
    Date = 4,
    Heading = 5,
    WaterStep = 6,
    ComponentStep = 7, ///< weigh a solid or add a solution
    EnterMassStep = 8, ///< enter the exact weight of a standard solid
    StirStep = 9,
    FinalStep = 10,
    Warning = 11, ///< the final volume may differ from the one requested
    Footer = 12,  ///< the credit line of a printed recipe
};

/// Where in a line its formula is drawn; only the first occurrence counts.
inline constexpr std::string_view kFormulaPlaceholder = "<SUBSTANCEFORMULA>";

/// One line of a recipe as the recipe view draws it.
struct RecipeLine {
    LineRole role = LineRole::Title;
    /// 8-bit text; <SUBSTANCEFORMULA> is still in it.
    std::string text;
    /// The formula (markup text) drawn at <SUBSTANCEFORMULA>, for summaries,
    /// component steps and enter-mass steps; empty for the other roles.
    std::string formula;
    /// Drawn grey: a summary that shows a target not yet confirmed by an exact weight.
    bool approximate = false;

    /// Whether the line draws its formula at the placeholder; in every other
    /// line a placeholder is plain text.
    bool DrawsFormula() const
    {
        return role == LineRole::Summary || role == LineRole::ComponentStep ||
               role == LineRole::EnterMassStep;
    }

    bool operator==(const RecipeLine&) const = default;
};

} // namespace solvo
