#pragma once

#include <CLI/CLI.hpp>

namespace solvo {

class CliContext;

/// `recipe [--json] [--date YYYY-MM-DD] [--template FILE] [--print]
/// FILE.sln`: the recipe of a solution file as the recipe window words it,
/// as plain lines or as JSON with the lines and the solver's plan.
void AddRecipeCommand(CLI::App& cli, CliContext& context);

} // namespace solvo
