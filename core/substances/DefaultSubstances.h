#pragma once

#include "substances/SolvoSubstance.h"

#include <vector>

namespace solvo {

class ElementTable;

/// The ten substances the program starts with when it has no database of
/// its own: typical ingredients of laboratory solutions, each with its table
/// of density (g/mL) against % w/w, molar masses computed with elements, and
/// the density of the table's first row set as at a molarity of 0.
std::vector<SolvoSubstance> DefaultSubstances(const ElementTable& elements);

} // namespace solvo
