#pragma once

#include <CLI/CLI.hpp>

namespace solvo {

class CliContext;

/// `mix [--json] (--substance NAME | --formula F | --mw X) --c1 C --u1 U
/// --v1 ML (--c2 C --u2 U --v2 ML [--u3 U] | --c3 C --u3 U --v3 ML [--u2 U])`:
/// two solutions of one substance mixed as the solution mixer mixes them,
/// or the second solution that turns the first into the mixture given.
void AddMixCommand(CLI::App& cli, CliContext& context);

} // namespace solvo
