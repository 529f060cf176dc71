#pragma once

#include <string>
#include <vector>

namespace solvo::test {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

/// Runs the built solvo-cli with arguments (no shell involved) and standard
/// input text, with settings and data folders of its own.
CliResult RunCli(const std::vector<std::string>& arguments, const std::string& input = {});

} // namespace solvo::test
