#pragma once

#include "library/LibraryRecord.h"
#include "substances/SolvoSubstance.h"

#include <optional>
#include <string>
#include <vector>

namespace solvo {

class ElementTable;
class SolvoSubstanceDatabase;

/// One name offered while a component's name is typed.
struct NameCompletion {
    std::string name;  ///< what completes the typed text
    std::string shown; ///< what the list shows: a library solute is marked as such
    const LibraryRecord* library = nullptr; ///< the solute, or null for a database entry
};

/// The names a component's name field completes to: the substances of the
/// database first, then the solutes of the reagent library, each list
/// sorted without regard to case. Taking one copies its substance into the
/// component only; a library solute enters the database only when the user
/// adds it there.
class NameCompletions {
public:
    static std::vector<NameCompletion> List(const SolvoSubstanceDatabase& database);

    /// The substance a completion stands for: a copy of the database's
    /// entry of that name (none when it is gone), or the library solute.
    static std::optional<SolvoSubstance> Substance(const NameCompletion& completion,
                                                   const SolvoSubstanceDatabase& database,
                                                   const ElementTable& elements);
};

} // namespace solvo
