#pragma once

#include <CLI/CLI.hpp>

namespace solvo {

class CliContext;

/// The database commands that show or write its content under `db`:
/// `show NAME`, `export` and `init PATH [--force]`.
void AddDbContentCommands(CLI::App& db, CliContext& context);

} // namespace solvo
