#include "CliRunner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace solvo::test {
namespace {

// Which program database a command works with, in a home of its own that
// the windowed program has never started in.
TEST(DatabaseChoice, NothingIsWrittenAndOnlyRealFailuresAreReported)
{
    const auto home = std::filesystem::temp_directory_path() /
                      ("solvo-cli-home-" + std::to_string(::getpid()));
    const auto defaultFile = home / "data" / "Flaskware" / "Solvo" / "Solvodatabase.dat";
    const auto missing = home / "share" / "lab.dat";
    const auto wrongVersion = home / "old.dat";
    const std::string builtIn = "18.01528 g/mol";
    const std::string loadFailed =
        "Can't open program database file. Program will start with a limited database.";
    struct Case {
        std::string storedPath; // DatabasePath in the settings
        std::vector<std::string> options;
        int exitCode;
        std::string err;
    };
    const Case cases[] = {
        {"", {}, 0, ""},
        {missing.string(), {}, 0, "solvo-cli: warning: " + loadFailed + "\n"},
        {"", {"--db", missing.string()}, 2,
         missing.string() + ": Can't open program database file.\n"},
        {"", {"--db", wrongVersion.string()}, 2,
         wrongVersion.string() + ": Wrong version of the program database file.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.storedPath + (c.options.empty() ? "" : c.options.back()));
        std::filesystem::remove_all(home);
        std::filesystem::create_directories(home / "config" / "Flaskware");
        std::ofstream(home / "config" / "Flaskware" / "Solvo.conf")
            << "[Settings]\nDatabasePath=" << c.storedPath << "\n";
        std::ofstream(wrongVersion, std::ios::binary) << std::string("\x00\x00\x03\x00", 4);

        std::vector<std::string> arguments{"formula", "H2O"};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const CliResult result = RunCli(arguments, {}, home);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.err, c.err);
        // The built-in database's water, or nothing at all after a failure.
        if (c.exitCode == 0)
            EXPECT_NE(result.out.find(builtIn), std::string::npos) << result.out;
        else
            EXPECT_EQ(result.out, "");
        EXPECT_FALSE(std::filesystem::exists(defaultFile));
        EXPECT_FALSE(std::filesystem::exists(missing.parent_path()));
    }
    std::filesystem::remove_all(home);
}

} // namespace
} // namespace solvo::test
