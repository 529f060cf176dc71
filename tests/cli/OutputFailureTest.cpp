#include "CliRunner.h"
#include "SampleSolutions.h"

#include "formula/ChemicalFormula.h"

#include "../core/app/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace solvo::test {
namespace {

// Output that never arrived is a failure: the reason on standard error and
// the bad-input status, whatever the command and however much it printed.
TEST(OutputFailure, OutputThatCannotBeWrittenFailsEveryCommand)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    ElementTable elements;
    elements.LoadDefaults();
    TemporaryFolder folder;
    const std::string solution =
        folder.Write("rich.sln", RichSolution(elements).Write(elements)).string();
    const std::vector<std::vector<std::string>> commands = {
        {"formula", "H_2O"},
        {"convert", "--mw", "58.44", "--from", "M", "--value", "1"},
        {"mix", "--mw", "58.44", "--c1", "1", "--u1", "M", "--v1", "10", "--c2", "2", "--u2",
         "M", "--v2", "10"},
        {"show", "--json", solution},
        {"recipe", solution},
        {"recipe", "--format", "rtf", solution},
        {"db", "list"},
        {"db", "export", "--json"},
        {"db", "show", "TRIS"},
        {"--help"},
    };
    for (const auto& command : commands) {
        SCOPED_TRACE(command.front() + " " + command.back());
        const CliResult result = RunCli(command, {}, {}, "/dev/full");
        EXPECT_EQ(result.exitCode, 2);
        // The reason when the last flush failed; a write that failed before
        // leaves only its mark.
        EXPECT_TRUE(result.err == "standard output: No space left on device.\n" ||
                    result.err == "standard output: Input/output error.\n")
            << result.err;
    }
}

} // namespace
} // namespace solvo::test
