#pragma once

#include "library/LibraryRecord.h"
#include "substances/SolvoSubstance.h"

#include <string>
#include <string_view>
#include <vector>

namespace solvo {

class ElementTable;
class SubstanceFilter;

/// The read-only library of aqueous reagents with their densities at 20 °C,
/// compiled into the program, and how an entry becomes a substance.
class ReagentLibrary {
public:
    /// Density of pure water at 20 °C, g/mL (CRC Handbook of Chemistry and
    /// Physics, "Properties of water in the range 0–100 °C"): the 0 % row
    /// that every library table starts with, so that solutions more dilute
    /// than the handbook's first row are interpolated, not extrapolated.
    static constexpr double kWaterDensity = 0.99821;

    /// The entry whose name, else whose synonym, is name without regard to
    /// case; null when there is none.
    static const LibraryRecord* Find(std::string_view name);

    /// The entries whose name, synonym, formula or CAS number passes filter,
    /// sorted by name without regard to case.
    static std::vector<const LibraryRecord*> List(const SubstanceFilter& filter);

    /// The entry's density table as the program keeps one: pairs of % w/w
    /// and g/mL, one per line, starting with pure water.
    static std::string TableText(const LibraryRecord& record);

    /// The concentrations the table covers, in the program's text, for
    /// example "0–30 % w/w, 20 °C".
    static std::string RangeText(const LibraryRecord& record);

    /// A substance with the entry's name, formula, hydrate as alternative
    /// and table (% w/w), its molar mass from elements, at a molarity of 0.
    static SolvoSubstance ToSubstance(const LibraryRecord& record, const ElementTable& elements);
};

} // namespace solvo
