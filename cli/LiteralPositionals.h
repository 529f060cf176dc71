#pragma once

#include <CLI/CLI.hpp>

#include <memory>
#include <string>
#include <vector>

namespace solvo {

/// Adds to command the required positional name that takes one or more
/// values, each appended to values exactly as given.
///
/// CLI11's own list positional reads a value "[a,b]" as the list a, b and
/// drops the brackets of "[x]", which turns the formula "[Cu(NH3)4][PtCl4]"
/// into another one; and once it holds a value it hands a later "--" to the
/// parent command. So every value gets a plain positional of its own: the
/// one shown in the help, and hidden ones added just before the command's
/// arguments are read, one for each argument that remains.
void AddLiteralPositionals(CLI::App& command, const std::string& name,
                           const std::string& description,
                           std::shared_ptr<std::vector<std::string>> values);

} // namespace solvo
