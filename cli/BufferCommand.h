#pragma once

#include <CLI/CLI.hpp>

namespace solvo {

class CliContext;

/// `buffer systems|ph|make`: the buffer systems the program knows, the pH of
/// a mixture of forms, and the amounts that give a stated pH.
void AddBufferCommand(CLI::App& cli, CliContext& context);

} // namespace solvo
