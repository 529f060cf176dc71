#pragma once

#include "solution/RecipePlan.h"

namespace solvo {

class CSolvoDoc;

/// Works out the recipe quantities of a solution: the grams of each solid,
/// the litres of each stock or other solution, the water to put in first,
/// whether the solution can be made at all, and whether it is prepared as a
/// standard solution.
///
/// Every component is treated on its own, as if the others were absent; the
/// volumes of the solutions are summed and water makes up the rest. A stock
/// or other solution is a solution of the component's own substance in
/// water, so its concentration is turned into mol/L with the component's
/// molar mass and density table. A standard component whose exact weight
/// has been entered is summarised by the concentration actually obtained,
/// in the component's own unit.
///
/// Reads the document and changes nothing. Never fails: a source
/// concentration of 0 gives an infinite (or, with a target of 0, NaN)
/// volume, which makes the solution impossible (or shows as "???").
RecipePlan SolveComposition(const CSolvoDoc& document);

/// The water first put into the flask for a remaining volume (litres):
/// about 80 % of it, rounded down to a multiple of 1, 2 or 5 times a power
/// of ten, so between about 64 % and 80 % of it. 0 when nothing remains.
double NiceStartVolume(double remaining);

} // namespace solvo
