#pragma once

#include "quantities/NumberFormat.h"
#include "quantities/UnitLabels.h"
#include "solution/RecipeLine.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace solvo {

class CSolvoDoc;
class RecipeTemplate;
struct RecipePlan;

/// The credit line at the foot of a printed recipe.
inline constexpr std::string_view kRecipeFooter = "Solvo \xA9 2026 Flaskware";

/// What a recipe needs besides its document, plan and template.
struct RecipeOptions {
    /// The title line's text (see RecipeTitle).
    std::string title;
    /// The day the recipe is dated; a date that does not exist gives an empty date line.
    std::chrono::year_month_day date{};
    /// A printed recipe ends with the footer line.
    bool printing = false;
    /// Significant digits of numbers shown without a precision of their own.
    std::int32_t displayDigits = kDefaultDisplayDigits;
    /// The labels of the concentration units.
    UnitLabels labels = UnitLabels::Defaults();
};

/// The title line of a recipe: for a document read from or saved to a file,
/// the file's name (8-bit text) without ".sln"; for one that has never been
/// saved, its own title ("Solvo1") unchanged.
std::string RecipeTitle(std::string_view documentTitle, bool fromFile);

/// The lines of the recipe of document, worded with recipeTemplate from
/// plan, which must be SolveComposition(document): the title; a summary
/// per component ("~" in front and approximate while a standard solution's
/// exact weight is still to be entered); then either the three lines that
/// say the solution is impossible, or the preparer line (when line 2 of the
/// template is not empty), the date and, unless the final volume is 0, the
/// numbered procedure with the final step or the warning that the final
/// volume may differ; then a Warning line "Note: ..." for each of the
/// plan's notes (each text once), also after the impossible lines and after
/// the date of a final volume of 0; and the footer when printing. A weighed
/// form that holds the component more than once says so after its formula:
/// "(2 As per formula unit)", and one less than 100 % pure gives its assay:
/// "(assay 99.5 %)".
///
/// Volumes are shown in the document's volume unit. A number that is not
/// finite shows as "???". Throws std::invalid_argument when plan has more
/// steps than document has components.
std::vector<RecipeLine> GenerateRecipe(const CSolvoDoc& document, const RecipePlan& plan,
                                       const RecipeTemplate& recipeTemplate,
                                       const RecipeOptions& options);

} // namespace solvo
