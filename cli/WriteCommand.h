#pragma once

#include <CLI/CLI.hpp>

namespace solvo {

class CliContext;

/// `write [--force] FILE.sln`: saves the solution given on standard input in
/// the shape `show --json` prints, as the program saves it.
void AddWriteCommand(CLI::App& cli, CliContext& context);

} // namespace solvo
