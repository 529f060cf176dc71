#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace solvo::test {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
    long peakMemoryKiB = 0; ///< the most memory the run held at once
};

/// The bytes of a file; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);

/// Runs the built solvo-cli with arguments (no shell involved) and standard
/// input text, with settings and data folders of its own: under home when
/// given (its config/ and data/ folders, as the test left them), else in a
/// folder shared by the test process that holds the built-in database as
/// after a first run of the windowed program. Standard output goes to
/// output when given (as /dev/full), and CliResult::out is then empty.
CliResult RunCli(const std::vector<std::string>& arguments, const std::string& input = {},
                 const std::filesystem::path& home = {},
                 const std::filesystem::path& output = {});

} // namespace solvo::test
