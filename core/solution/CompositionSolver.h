#pragma once

#include "solution/RecipePlan.h"

namespace solvo {

class CSolvoDoc;
class ElementTable;
class SolvoSubstance;

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
/// in the component's own unit. A solid weighed in a form that holds the
/// component k times (As_2O_3 for As) is weighed as 1/k formula unit per
/// formula unit of the component (SourceMultiple, with elements), and a
/// solid of less than 100 % purity is weighed in proportion. Whatever
/// the plan had to assume is in its notes.
///
/// Reads the document and changes nothing. Never fails: a source
/// concentration of 0 gives an infinite (or, with a target of 0, NaN)
/// volume, which makes the solution impossible (or shows as "???"); a solid
/// whose molar mass is missing, or whose weighed form does not hold it, has
/// a mass that is not a number ("???").
RecipePlan SolveComposition(const CSolvoDoc& document, const ElementTable& elements);

/// g/mol of what the component is weighed as: the substance itself (source
/// kind 0) or the other solid form its source formula names.
double WeighedMolarMass(const SolvoSubstance& component);

/// Whether molarMass, which the component needs, is missing: it is 0 (the
/// formula gives none and none was typed) while the target concentration
/// is not 0. A molar mass of 0 stands for none known, never for a weightless
/// substance.
bool IsMissingMolarMass(const SolvoSubstance& component, double molarMass);

/// Grams of the component's solid form that finalVolume litres need at its
/// target molarity, with the count of the component the form holds
/// (SourceMultiple) and the form's purity (an assay of 99.5 % weighs
/// 100/99.5 times as much); NaN when the molar mass weighed is missing or the form
/// does not hold the component, so that a recipe never asks for 0 g of a
/// substance it needs nor for a mass of something that cannot give it.
double MassToWeigh(const SolvoSubstance& component, double finalVolume,
                   const ElementTable& elements);

/// The water first put into the flask for a remaining volume (litres):
/// about 80 % of it, rounded down to a multiple of 1, 2 or 5 times a power
/// of ten, so between about 64 % and 80 % of it. 0 when nothing remains.
double NiceStartVolume(double remaining);

} // namespace solvo
