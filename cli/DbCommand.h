#pragma once

#include <CLI/CLI.hpp>

namespace solvo {

class CliContext;

/// `db`: the program database. `db list [--json] [--filter PATTERN] [--by
/// name|formula]` lists the substances, filtered and sorted as the substance
/// database dialog lists them, with their index, name, formula and molar
/// mass; `show`, `export` and `init` follow (DbContentCommands.h).
void AddDbCommand(CLI::App& cli, CliContext& context);

} // namespace solvo
