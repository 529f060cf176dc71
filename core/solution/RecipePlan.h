#pragma once

#include "solution/RecipeNote.h"
#include "solution/RecipeStep.h"

#include <vector>

namespace solvo {

/// Everything the recipe of a solution is worded from: one step per
/// component, in component order, and the water and procedure around them.
/// Volumes are litres.
struct RecipePlan {
    std::vector<RecipeStep> steps;
    /// Sum of the volumes of the stock and other solutions measured in.
    double addedVolume = 0.0;
    /// Final volume minus addedVolume: what water has to make up.
    double remainingVolume = 0.0;
    /// The solutions alone take more than the final volume.
    bool impossible = false;
    /// The solutions alone make up exactly the final volume.
    bool volumesMatch = false;
    /// The water put into the flask first (NiceStartVolume of remainingVolume).
    double startVolume = 0.0;
    bool waterStepShown = false;
    /// A solid component is weighed exactly to prepare a standard solution.
    bool standardMode = false;
    /// At least one component is weighed as a solid.
    bool anySolid = false;
    /// What the plan had to assume, or doubts, component by component.
    std::vector<RecipeNote> notes;
};

} // namespace solvo
