#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace solvo::test {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

/// Runs the built solvo-cli with arguments (no shell involved) and standard
/// input text, with settings and data folders of its own: under home when
/// given (its config/ and data/ folders, as the test left them), else in a
/// folder shared by the test process that holds the built-in database as
/// after a first run of the windowed program.
CliResult RunCli(const std::vector<std::string>& arguments, const std::string& input = {},
                 const std::filesystem::path& home = {});

} // namespace solvo::test
