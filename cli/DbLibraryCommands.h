#pragma once

#include <CLI/CLI.hpp>

namespace solvo {

class CliContext;

/// The database commands that bring substances in from outside, under `db`:
/// `library [--json] [--filter PATTERN]` lists the reagent library,
/// `add --library NAME [--force]` adds one of its solutes and `import
/// FILE.csv [--force]` every substance of a CSV file, all or nothing; both
/// save the database as the windowed program does.
void AddDbLibraryCommands(CLI::App& db, CliContext& context);

} // namespace solvo
