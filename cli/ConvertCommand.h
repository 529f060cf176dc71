#pragma once

#include "quantities/ConcentrationUnit.h"

#include <CLI/CLI.hpp>

#include <string_view>

namespace solvo {

class CliContext;

/// `convert [--json] (--substance NAME | --formula F | --mw X) [--table-file
/// FILE --table-kind w|M|m] --from UNIT --value V`: sets a concentration on a
/// component and prints it in all eight units, with the density-ambiguity
/// flag and which values lie outside the density table.
void AddConvertCommand(CLI::App& cli, CliContext& context);

/// A concentration unit as given on the command line: its symbol (M, mM, m,
/// w, ppm, v, x, d) or its code 0 … 7. Throws BadInput naming the argument
/// for anything else.
ConcentrationUnit ConcentrationUnitArgument(std::string_view argument);

} // namespace solvo
