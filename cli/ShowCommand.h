#pragma once

#include "solution/CSolvoDoc.h"

#include <CLI/CLI.hpp>

#include <cstdint>
#include <optional>
#include <string>

namespace solvo {

class CliContext;
class ElementTable;

/// `show [--json] FILE.sln`: a solution file's volume and every field of its
/// components, as text or in the component shape.
void AddShowCommand(CLI::App& cli, CliContext& context);

/// A solution file as read, with its version word; none for an empty file.
struct SolutionFile {
    CSolvoDoc document;
    std::optional<std::uint32_t> version;
};

/// Reads the solution file named by the argument file as the program opens
/// it. A file the program would not open, or would open as a new solution
/// only after "Unknown version of the data file...", throws BadInput with the
/// program's messages, each after the file's name.
SolutionFile ReadSolutionArgument(const std::string& file, const ElementTable& elements);

} // namespace solvo
