#include "CliRunner.h"
#include "SampleSolutions.h"

#include "platform/FileAccess.h"
#include "solution/RecipeTemplate.h"

#include "../core/app/TemporaryFolder.h"
#include "../core/platform/NonAsciiNames.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <sys/stat.h>

namespace solvo::test {
namespace {

class PathArgumentsTest : public ::testing::Test {
protected:
    PathArgumentsTest() { elements.LoadDefaults(); }

    ElementTable elements;
    TemporaryFolder root;
};

// Every file a command reads or writes, in folders and under names with
// accents, ß, a CJK character and a space: the argument's bytes name the
// file, never the program's 8-bit text.
TEST_F(PathArgumentsTest, EveryCommandFindsFilesWhateverTheirNames)
{
    for (const std::string& name : NonAsciiNames()) {
        SCOPED_TRACE(name);
        const FilePath folder = FilePath(root.Path()).Child(name);
        std::filesystem::create_directories(folder.Native());
        const std::string base = folder.Child(name).Utf8();

        const CliResult init = RunCli({"db", "init", base + ".dat"});
        ASSERT_EQ(init.exitCode, 0) << init.err;
        EXPECT_TRUE(std::filesystem::is_regular_file(folder.Child(name + ".dat").Native()));
        const CliResult listed = RunCli({"db", "list", "--json", "--db", base + ".dat"});
        EXPECT_EQ(listed.exitCode, 0);
        EXPECT_EQ(listed.err, "");

        ASSERT_TRUE(RichSolution(elements).WriteFile(FilePath::FromUtf8(base + ".sln"), elements));
        const CliResult shown = RunCli({"show", "--json", base + ".sln"});
        ASSERT_EQ(shown.exitCode, 0) << shown.err;
        const CliResult written = RunCli({"write", base + " copy.sln"}, shown.out);
        ASSERT_EQ(written.exitCode, 0) << written.err;
        EXPECT_EQ(RunCli({"show", "--json", base + " copy.sln"}).out, shown.out);

        ASSERT_TRUE(WriteFileAtomically(FilePath::FromUtf8(base + ".txt"), RecipeTemplate().FileText()));
        const CliResult recipe =
            RunCli({"recipe", "--date", "2026-12-10", "--template", base + ".txt", base + ".sln"});
        EXPECT_EQ(recipe.exitCode, 0) << recipe.err;

        ASSERT_TRUE(WriteFileAtomically(FilePath::FromUtf8(base + " table.txt"), "0 1.0 10 1.1"));
        const CliResult converted = RunCli({"convert", "--mw", "60", "--table-file",
                                            base + " table.txt", "--from", "w", "--value", "1"});
        EXPECT_EQ(converted.exitCode, 0) << converted.err;

        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Native()))
            names.push_back(FilePath(entry.path().filename()).Utf8());
        std::sort(names.begin(), names.end());
        std::vector<std::string> expected = {name + ".dat", name + ".sln", name + " copy.sln",
                                             name + ".txt", name + " table.txt"};
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(names, expected);
    }
}

// A FIFO waits for a writer when opened plainly; a device or a folder is no
// file of the program's. Each gets the program's message at once.
TEST_F(PathArgumentsTest, OnlyRegularFilesAreRead)
{
    const std::string fifo = (root.Path() / "x.sln").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& file : {fifo, std::string("/dev/zero"), root.Path().string()}) {
        SCOPED_TRACE(file);
        for (const std::vector<std::string>& arguments :
             {std::vector<std::string>{"show", file},
              {"recipe", "--template", file, fifo},
              {"convert", "--mw", "60", "--table-file", file, "--from", "w", "--value", "1"}}) {
            const CliResult result = RunCli(arguments);
            EXPECT_EQ(result.exitCode, 2) << arguments[0];
            EXPECT_EQ(result.out, "");
            EXPECT_NE(result.err, "");
        }
    }
}

} // namespace
} // namespace solvo::test
