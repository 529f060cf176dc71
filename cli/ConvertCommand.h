#pragma once

#include "quantities/ConcentrationUnit.h"
#include "substances/SubstanceCorrection.h"

#include <CLI/CLI.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace solvo {

class CliContext;
class SolvoSubstance;

/// `convert [--json] (--substance NAME | --library NAME | --formula F | --mw X) [--table-file
/// FILE --table-kind w|M|m] [--equivalents E] [--pure-density D] --from UNIT
/// --value V`: sets a concentration on a component and prints it in every
/// unit the component can have, with the density-ambiguity flag and which
/// values lie outside the density table.
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

/// The unit names a command line takes, for help and messages.
inline constexpr std::string_view kUnitArgumentNames =
    "M, mM, m, w, ppm, v, x, d, uM, nM, mg/mL, ug/mL, mg/L, v/v, N, or the code 0 to 7 or 9 to 15";

/// Why % v/v cannot be used for a component.
inline constexpr std::string_view kNoPureDensityMessage =
    "% v/v needs the density of the pure liquid: a density table with a 100 % row, or "
    "--pure-density.";

/// A concentration unit as given on the command line: its symbol (M, mM, m,
/// w, ppm, v, x, d, uM or µM, nM, mg/mL, ug/mL or µg/mL, mg/L, v/v, N) or
/// its code 0 … 7 or 9 … 15. Throws BadInput naming the argument for
/// anything else.
ConcentrationUnit ConcentrationUnitArgument(std::string_view argument);

/// A correction of the component (equivalents per formula unit, the density
/// of the pure liquid) as given on the command line. Throws BadInput naming
/// the argument for a value out of range.
double CorrectionArgument(SubstanceCorrection correction, const std::string& argument);

/// --equivalents and --pure-density as given.
struct CorrectionOptions {
    std::optional<std::string> equivalents;
    std::optional<std::string> pureDensity;
};

/// Adds --equivalents and --pure-density to command.
void AddCorrectionOptions(CLI::App& command, CorrectionOptions& options);

/// Sets the corrections given on target (a ConcentrationSet or a
/// SolvoSubstance); throws BadInput for a value out of range.
template <typename Target> void ApplyCorrectionOptions(const CorrectionOptions& options, Target& target)
{
    if (options.equivalents)
        target.SetEquivalents(CorrectionArgument(SubstanceCorrection::Equivalents, *options.equivalents));
    if (options.pureDensity)
        target.SetPureDensity(CorrectionArgument(SubstanceCorrection::PureDensity, *options.pureDensity));
}

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
