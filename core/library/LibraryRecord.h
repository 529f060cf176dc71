#pragma once

#include <span>

namespace solvo {

/// One row of a handbook table of an aqueous solution at 20 °C.
struct LibraryRow {
    double w = 0.0;        ///< mass percent of the solute, % w/w
    double molality = 0.0; ///< mol/kg water; NaN for a pure liquid
    double molarity = 0.0; ///< mol/L
    double d = 0.0;        ///< density of the solution, g/mL
};

/// A solute of the reagent library as the handbook gives it. Texts are
/// plain ASCII, so they are the program's text as they stand.
struct LibraryRecord {
    const char* name;
    const char* synonym;  ///< empty when the handbook gives none
    const char* formula;  ///< in the formula markup; what the mass percent is of
    const char* solid;    ///< the hydrate that is weighed, in markup; empty when none
    const char* cas;
    double handbookMolarMass; ///< g/mol, of the solid form when there is one
    std::span<const LibraryRow> rows; ///< rising mass percent
};

/// Every solute of the library, in the handbook's order; generated at build
/// time from the data files in resources/data/aqueous.
std::span<const LibraryRecord> LibraryRecords();

} // namespace solvo
