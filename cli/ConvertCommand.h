#pragma once

#include "quantities/ConcentrationUnit.h"

#include <CLI/CLI.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace solvo {

class CliContext;
class SolvoSubstance;

/// `convert [--json] (--substance NAME | --library NAME | --formula F | --mw X) [--table-file
/// FILE --table-kind w|M|m] --from UNIT --value V`: sets a concentration on a
/// component and prints it in all eight units, with the density-ambiguity
/// flag and which values lie outside the density table.
void AddConvertCommand(CLI::App& cli, CliContext& context);

/// Where a command takes its molar mass (and density table) from: exactly
/// one of --substance, --library, --formula and --mw.
struct SubstanceChoice {
    std::optional<std::string> substance;
    std::optional<std::string> library;
    std::optional<std::string> formula;
    std::optional<std::string> molarMass;
};

/// Adds --substance, --library, --formula and --mw to command as a group of which
/// exactly one must be given.
void AddSubstanceChoice(CLI::App& command, SubstanceChoice& choice);

/// A concentration unit as given on the command line: its symbol (M, mM, m,
/// w, ppm, v, x, d) or its code 0 … 7. Throws BadInput naming the argument
/// for anything else.
ConcentrationUnit ConcentrationUnitArgument(std::string_view argument);

/// A number as the program reads a typed field (a comma is a decimal
/// point). Throws BadInput naming the argument when it is not one.
double NumberArgument(const std::string& argument);

/// The molar mass of a formula typed with markup. Throws BadInput when the
/// formula has a symbol the element and moiety table lacks.
double FormulaMolarMassArgument(const std::string& formula, CliContext& context);

/// The program database's substance of exactly this name. Throws BadInput
/// when there is none.
const SolvoSubstance& SubstanceArgument(const std::string& name, CliContext& context);

/// The reagent library's solute of this name or synonym (any case) as a
/// substance, its molar mass from the element table of the program
/// database. Throws BadInput when there is none.
SolvoSubstance LibraryArgument(const std::string& name, CliContext& context);

} // namespace solvo
