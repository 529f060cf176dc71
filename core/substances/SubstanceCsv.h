#pragma once

#include "substances/SolvoSubstance.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace solvo {

class ElementTable;
class SolvoSubstanceDatabase;

/// What a CSV file of substances held: the substances in file order, or why
/// none of them may be taken.
struct SubstanceCsvResult {
    std::vector<SolvoSubstance> substances;
    std::string error; ///< "line N: ...", in the program's text; empty on success
};

/// Substances as comma-separated values, for spreadsheets, laboratory
/// notebooks and inventories: UTF-8, a header line naming the columns name,
/// formula, molar_mass, density_table (pairs "w:d" separated by ';'),
/// table_kind (w, M or m) and alternatives (formulas separated by ';').
/// Only the columns name and formula are required, in any order.
class SubstanceCsv {
public:
    /// The largest file taken, bytes: a hundred thousand substances with
    /// long tables stay below it, and it bounds what a read holds.
    static constexpr std::size_t kLargestFile = std::size_t{32} << 20;

    /// Every substance of database, one line each, in database order; a
    /// table that is switched off is written empty.
    static std::string Write(const SolvoSubstanceDatabase& database);

    /// Reads bytes all or nothing: the first fault (not UTF-8, a character
    /// Windows-1252 cannot hold, a wrong number of fields, an unknown
    /// column, an empty or repeated name, a formula that elements cannot
    /// read, a number that does not parse, a molar mass that contradicts the
    /// formula by more than 0.01 g/mol, a table whose concentrations do not
    /// rise) gives its line and no substances. Each substance has its molar
    /// mass from its formula (from molar_mass when it has none), its table
    /// parsed, and a molarity of 0.
    static SubstanceCsvResult Read(std::string_view bytes, const ElementTable& elements);
};

} // namespace solvo
