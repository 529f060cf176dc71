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
/// parent command. So the positional is not a list to CLI11 but one that
/// expects, value by value, as many as there are arguments left when the
/// command's arguments are read.
void AddLiteralPositionals(CLI::App& command, const std::string& name,
                           const std::string& description,
                           std::shared_ptr<std::vector<std::string>> values);

} // namespace solvo
