#include "CliRunner.h"

#include "../core/app/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace solvo::test {
namespace {

// A file of a gigabyte given by mistake is refused from what its first
// bytes say, or read as far as its format reaches, never read through or
// held whole. The file is sparse: it takes no room on the disk.
TEST(BoundedWork, AHugeFileIsNeverReadThrough)
{
    TemporaryFolder folder;
    // The version word of a solution file, then nothing but zeros.
    const std::filesystem::path huge = folder.Write("huge.sln", std::string("\x01\x00\x01\x00", 4));
    std::filesystem::resize_file(huge, std::uintmax_t{1} << 30);
    const std::filesystem::path text = folder.Write("huge.txt", "0 1.0 10 1.1\n");
    std::filesystem::resize_file(text, std::uintmax_t{1} << 30);
    constexpr long kMostKiB = 200 * 1024;
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
    } cases[] = {
        {{"show", "--json", huge.string()}, 0},
        {{"recipe", huge.string()}, 0},
        {{"db", "list", "--db", huge.string()}, 2},
        {{"recipe", "--template", text.string(), huge.string()}, 2},
        {{"convert", "--mw", "58.44", "--table-file", text.string(), "--from", "w", "--value",
          "1"},
         2},
        {{"db", "import", text.string()}, 2},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.arguments.front() + " " + each.arguments[1]);
        const CliResult result = RunCli(each.arguments);
        EXPECT_EQ(result.exitCode, each.exitCode) << result.err;
        EXPECT_LT(result.peakMemoryKiB, kMostKiB);
    }
}

} // namespace
} // namespace solvo::test
