#pragma once

#include <string>
#include <vector>

namespace solvo::test {

/// A command line that solvo-cli must refuse: its exit status and a part of
/// the message on standard error.
struct Refusal {
    std::vector<std::string> arguments;
    int exitCode;
    std::string message;
};

/// Runs each refusal after the words of command and expects its exit
/// status, its message, and nothing at all on standard output.
void ExpectRefusals(const std::vector<std::string>& command, const std::vector<Refusal>& refusals);

} // namespace solvo::test
