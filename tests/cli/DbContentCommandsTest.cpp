#include "CliRunner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <sys/stat.h>

namespace solvo::test {
namespace {

std::filesystem::path FreshFolder(const std::string& name)
{
    const auto folder = std::filesystem::temp_directory_path() / ("solvo-db-" + name);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

TEST(DbContentCommands, InitWritesTheBuiltInDatabaseAndNeverReplacesByAccident)
{
    const auto path = FreshFolder("init") / "lab.dat";
    ASSERT_EQ(RunCli({"db", "init", path.string()}).exitCode, 0);
    const auto size = std::filesystem::file_size(path);

    std::ofstream(path, std::ios::binary | std::ios::app) << "kept";
    const CliResult again = RunCli({"db", "init", path.string()});
    EXPECT_EQ(again.exitCode, 2);
    EXPECT_EQ(again.err, path.string() + ": exists; use --force to replace it.\n");
    EXPECT_EQ(std::filesystem::file_size(path), size + 4);

    EXPECT_EQ(RunCli({"db", "init", "--force", path.string()}).exitCode, 0);
    EXPECT_EQ(std::filesystem::file_size(path), size);

    const CliResult exported = RunCli({"db", "export", "--json", "--db", path.string()});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_TRUE(exported.err.empty());
    const auto json = nlohmann::json::parse(exported.out);
    EXPECT_EQ(json["digest_set"], false);
    ASSERT_EQ(json["elements"].size(), 104u);
    EXPECT_EQ(json["elements"][11],
              nlohmann::json::parse(R"({"symbol":"Na","composition":"","comment":"",
                                        "molar_mass":22.98976928,"decimals":8})"));
    ASSERT_EQ(json["substances"].size(), 10u);
}

// --force replaces a database, nothing else: what is there is named.
TEST(DbContentCommands, InitSaysWhatIsThereWhenItIsNoDatabase)
{
    const auto folder = FreshFolder("init-odd");
    const auto database = folder / "lab.dat";
    ASSERT_EQ(RunCli({"db", "init", database.string()}).exitCode, 0);
    const auto size = std::filesystem::file_size(database);
    std::filesystem::resize_file(database, size / 2);
    std::filesystem::create_directory(folder / "folder.dat");
    std::ofstream(folder / "notes.dat") << "hello world\n";
    ASSERT_EQ(::mkfifo((folder / "fifo.dat").c_str(), 0600), 0);
    const std::string notDatabase =
        "is not a Solvo database file, or a damaged one; nothing was replaced.\n";
    const struct {
        std::filesystem::path path;
        std::string message;
    } cases[] = {
        {folder / "folder.dat", "is a folder, not a database file.\n"},
        {folder / "fifo.dat", "is a FIFO, not a database file.\n"},
        {folder / "notes.dat", notDatabase},
        {database, notDatabase},
    };
    for (const auto& each : cases) {
        const auto before = std::filesystem::symlink_status(each.path).type();
        const CliResult result = RunCli({"db", "init", "--force", each.path.string()});
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.err, each.path.string() + ": " + each.message);
        EXPECT_EQ(std::filesystem::symlink_status(each.path).type(), before);
    }
    EXPECT_EQ(std::filesystem::file_size(database), size / 2);
}

TEST(DbContentCommands, InitSaysWhyTheDatabaseWasNotSaved)
{
    const auto path = FreshFolder("init-missing") / "no such folder" / "lab.dat";
    const CliResult result = RunCli({"db", "init", path.string()});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.err.starts_with(path.string() + ": Error: database was NOT saved.\n"))
        << result.err;
    EXPECT_NE(result.err.find(std::generic_category().message(ENOENT)), std::string::npos)
        << result.err;
    EXPECT_FALSE(std::filesystem::exists(path.parent_path()));
}

TEST(DbContentCommands, InitReplacesAProtectedFileOnlyWithItsPassword)
{
    const auto path = FreshFolder("protected") / "lab.dat";
    ASSERT_EQ(RunCli({"db", "init", "--password", "s\u00e9same", path.string()}).exitCode, 0);
    std::ofstream(path, std::ios::binary | std::ios::app) << "kept";
    const auto size = std::filesystem::file_size(path);
    struct Case {
        std::vector<std::string> password;
        int exitCode;
        std::string err;
    };
    const Case cases[] = {
        {{}, 2, path.string() + ": protected by a password; give it with --password.\n"},
        {{"--password", "sesame"}, 2, path.string() + ": Incorrect password.\n"},
        // Never repeated on the screen, not even when it cannot be used.
        {{"--password", "s\u2192same"}, 2,
         "--password: holds a character that Solvo's text (Windows-1252) cannot hold.\n"},
        {{"--password", "s\u00e9same"}, 0, ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments{"db", "init", "--force", path.string()};
        arguments.insert(arguments.end(), c.password.begin(), c.password.end());
        const CliResult result = RunCli(arguments);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.err, c.err);
        EXPECT_EQ(std::filesystem::file_size(path), c.exitCode == 0 ? size - 4 : size);
    }
    const CliResult exported = RunCli({"db", "export", "--json", "--db", path.string()});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_EQ(nlohmann::json::parse(exported.out)["digest_set"], true);
}

TEST(DbContentCommands, ShowGivesOneSubstanceInTheComponentShape)
{
    const CliResult shown = RunCli({"db", "show", "--json", "sodium tetraborate - standard"});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    const auto json = nlohmann::json::parse(shown.out);
    EXPECT_EQ(json["formula"], "Na2B4O7");
    EXPECT_EQ(json["alternatives"], nlohmann::json::parse(R"(["Na_2B_4O_7&10H_2O"])"));
    EXPECT_EQ(json["standard_substance"], true);

    const CliResult text = RunCli({"db", "show", "TRIS"});
    ASSERT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("C4H11O3N"), std::string::npos);

    const CliResult unknown = RunCli({"db", "show", "tris"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.out.empty());
    EXPECT_EQ(unknown.err, "\"tris\": no substance of this name in the program database.\n");
}

} // namespace
} // namespace solvo::test
