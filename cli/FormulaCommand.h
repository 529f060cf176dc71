#pragma once

#include <CLI/CLI.hpp>

namespace solvo {

class CliContext;

/// `formula [--json] FORMULA...`: parses each formula with the element and
/// moiety table and prints its display text, kinds, molar masses,
/// composition and markup forms.
void AddFormulaCommand(CLI::App& cli, CliContext& context);

} // namespace solvo
