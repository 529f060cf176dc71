#pragma once

#include <CLI/CLI.hpp>

namespace solvo {

class CliContext;

/// `db list [--json] [--filter PATTERN] [--by name|formula]`: the substances
/// of the program database, filtered and sorted as the substance database
/// dialog lists them, with their index, name, formula and molar mass.
void AddDbCommand(CLI::App& cli, CliContext& context);

} // namespace solvo
