#pragma once

#include "substances/SolvoSubstance.h"

#include <vector>

namespace solvo {

class CSolvoDoc;

/// Takes components that a calculator made (a buffer's salts, each in M)
/// into a solution: a component of the same formula takes the new
/// concentration (and stock, when one is given) and keeps everything else
/// the user set; any other comes in as a new component, in place of the
/// blank one a new solution starts with. Every amount follows the final
/// volume, and the document is marked modified.
class ComponentIntake {
public:
    static void AddOrUpdate(CSolvoDoc& document, const std::vector<SolvoSubstance>& components);
};

} // namespace solvo
