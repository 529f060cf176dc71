#include "Refusals.h"

#include "CliRunner.h"

#include <gtest/gtest.h>

namespace solvo::test {

void ExpectRefusals(const std::vector<std::string>& command, const std::vector<Refusal>& refusals)
{
    for (const Refusal& refusal : refusals) {
        std::vector<std::string> arguments = command;
        arguments.insert(arguments.end(), refusal.arguments.begin(), refusal.arguments.end());
        const CliResult result = RunCli(arguments);
        EXPECT_EQ(result.exitCode, refusal.exitCode) << result.err;
        EXPECT_NE(result.err.find(refusal.message), std::string::npos) << result.err;
        EXPECT_TRUE(result.out.empty()) << result.out;
    }
}

} // namespace solvo::test
