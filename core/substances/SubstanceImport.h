#pragma once

#include "substances/SolvoSubstance.h"

#include <cstdint>
#include <string>
#include <vector>

namespace solvo {

class SolvoSubstanceDatabase;

/// How many substances an import added and how many it replaced.
struct ImportCounts {
    std::int32_t added = 0;
    std::int32_t replaced = 0;
};

/// Takes substances from outside (a CSV file, the reagent library) into the
/// program database, the same way for every front end.
class SubstanceImport {
public:
    /// The names of substances that database holds already, in their order.
    static std::vector<std::string> Clashes(const SolvoSubstanceDatabase& database,
                                            const std::vector<SolvoSubstance>& substances);

    /// Appends each substance, or updates the one of the same name (the
    /// lowest index): its name, formula, molar mass, alternatives and table
    /// are taken, while its stock solution and flags, which a CSV file does
    /// not carry, stay.
    static ImportCounts Apply(SolvoSubstanceDatabase& database,
                              const std::vector<SolvoSubstance>& substances);

    /// For example "12 substances added, 3 replaced".
    static std::string Summary(const ImportCounts& counts);
};

} // namespace solvo
