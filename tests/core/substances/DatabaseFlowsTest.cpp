#include "app/CSolvoApp.h"
#include "app/DatabaseCommands.h"
#include "app/DatabasePrompts.h"
#include "app/MemorySettingsStore.h"
#include "substances/ArchiveWriter.h"
#include "substances/DatabaseFile.h"
#include "substances/ElementTableBlock.h"
#include "substances/FileMessages.h"
#include "substances/PasswordDigest.h"

#include "../app/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace solvo {
namespace {

using test::ScriptedPrompts;

std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream stream(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

class DatabaseFlowsTest : public ::testing::Test {
protected:
    DatabaseFlowsTest()
        : folder(std::filesystem::temp_directory_path() / ("solvo_database_flows-" + std::to_string(::getpid()))),
          app(store, DataFolder(folder))
    {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        file = app.DatabaseFilePath();
    }
    ~DatabaseFlowsTest() override { std::filesystem::remove_all(folder); }

    // The defaults saved once, as the file of a user who never changed anything.
    std::string SavedDefaults(const std::string& digest = "")
    {
        app.InstallDefaults();
        app.SetPasswordDigest(digest);
        EXPECT_TRUE(app.SaveDatabaseFile(file, false, prompts));
        return ReadBytes(file);
    }

    std::filesystem::path folder;
    MemorySettingsStore store;
    CSolvoApp app;
    std::filesystem::path file;
    ScriptedPrompts prompts;
};

const std::string kLoadFailed(kDatabaseLoadFailedMessage);

TEST_F(DatabaseFlowsTest, EmptyDatabaseFileLayout)
{
    app.SetPasswordDigest("");
    ASSERT_TRUE(app.SaveDatabaseFile(file, false, prompts));
    EXPECT_EQ(ReadBytes(file), std::string("\x00\x00\x02\x00\x00"
                                           "\x00\x00\x02\x00\x00\x00\x00\x00\x00\x00\x0C"
                                           "Database EOF"
                                           "\x00\x00\x03\x00\x00\x00\x00\x00\x0C"
                                           "Database EOF",
                                           49));
}

TEST_F(DatabaseFlowsTest, SavedDefaultsLoadBackReversedAndResaveIdentically)
{
    const std::string bytes = SavedDefaults("0123456789abcdef0123456789abcdef");
    app.SetPasswordDigest("");
    ASSERT_TRUE(app.LoadDatabaseFile(file, prompts));
    EXPECT_TRUE(prompts.said.empty());
    EXPECT_EQ(app.PasswordDigest(), "0123456789abcdef0123456789abcdef");
    EXPECT_EQ(app.Substances().GetSubstance(0).Name(), "potassium dihydrogen phosphate");
    EXPECT_EQ(app.Elements().Count(), 104);
    EXPECT_FALSE(app.IsDatabaseModified());
    // Loaded in reverse, written in reverse again: one more cycle restores the bytes.
    ASSERT_TRUE(app.SaveDatabaseFile(file, false, prompts));
    ASSERT_TRUE(app.LoadDatabaseFile(file, prompts));
    ASSERT_TRUE(app.SaveDatabaseFile(file, false, prompts));
    EXPECT_TRUE(ReadBytes(file) == bytes);
}

TEST_F(DatabaseFlowsTest, FailedLoadsInstallTheDefaults)
{
    struct Case {
        std::string bytes;
        std::vector<std::string> said;
    };
    const std::string good = SavedDefaults("abc");
    std::string wrongElementTrailer = good;
    wrongElementTrailer[good.find("Database EOF") + 11] = 'f';
    std::string wrongEndMarker = good;
    wrongEndMarker.back() = 'f';
    const Case cases[] = {
        {std::string("\x00\x00\x03\x00", 4) + good.substr(4),
         {std::string(kWrongDatabaseVersionMessage), kLoadFailed}},
        {wrongElementTrailer, {kLoadFailed}},
        {wrongEndMarker, {kLoadFailed}},
        {good.substr(0, good.size() / 2), {kLoadFailed}},
        {std::string("\x00\x00\x02\x00\x00\x00\x00\x02\x00\x05\x00\x00\x00\xFF\xFF\xFF\xFF\xFF\xFF",
                     19) + std::string(21, '\0'),
         {kLoadFailed}},
    };
    for (const Case& c : cases) {
        WriteBytes(file, c.bytes);
        app.Substances().Clear();
        app.SetPasswordDigest("before");
        prompts.said.clear();
        EXPECT_FALSE(app.LoadDatabaseFile(file, prompts));
        EXPECT_EQ(prompts.said, c.said);
        EXPECT_EQ(app.Substances().GetSubstanceCount(), 10);
        EXPECT_EQ(app.Substances().GetSubstance(0).Name(), "sodium hydroxide");
        EXPECT_EQ(app.Elements().Count(), 104);
        EXPECT_FALSE(app.IsDatabaseModified());
        EXPECT_TRUE(ReadBytes(file) == c.bytes);
    }
    // The digest is taken as soon as it is read, even when the file fails later.
    EXPECT_EQ(app.PasswordDigest(), "");
    std::filesystem::remove(file);
    app.SetPasswordDigest("before");
    prompts.said.clear();
    EXPECT_FALSE(app.LoadDatabaseFile(file, prompts));
    EXPECT_EQ(prompts.said, std::vector<std::string>{kLoadFailed});
    EXPECT_EQ(app.PasswordDigest(), "before");
}

TEST_F(DatabaseFlowsTest, FileWithoutDigestKeepsTheStoredOne)
{
    const std::string good = SavedDefaults("");
    // Version 0x10000 has no digest: drop the empty digest's one byte.
    WriteBytes(file, std::string("\x00\x00\x01\x00", 4) + good.substr(5));
    app.SetPasswordDigest("kept");
    ASSERT_TRUE(app.LoadDatabaseFile(file, prompts));
    EXPECT_EQ(app.PasswordDigest(), "kept");
    ASSERT_TRUE(app.SaveDatabaseFile(file, false, prompts));
    const std::string rewritten = ReadBytes(file);
    EXPECT_EQ(rewritten.substr(0, 9), std::string("\x00\x00\x02\x00\x04kept", 9));
}

TEST_F(DatabaseFlowsTest, DamagedFileIsBackedUpBeforeItIsOverwritten)
{
    const std::string damaged = SavedDefaults().substr(0, 300);
    WriteBytes(file, damaged);
    EXPECT_FALSE(app.LoadDatabaseFile(file, prompts));
    app.Substances().DeleteSubstance(0);
    prompts.answers = {PromptAnswer::Yes};
    EXPECT_TRUE(SaveDatabaseCommand(app, prompts));
    auto backup = file;
    backup += ".bak";
    EXPECT_TRUE(ReadBytes(backup) == damaged);
    EXPECT_TRUE(app.LoadDatabaseFile(file, prompts));
    EXPECT_EQ(app.Substances().GetSubstanceCount(), 9);

    // Once replaced, later saves leave the backup alone.
    std::filesystem::remove(backup);
    ASSERT_TRUE(app.SaveDatabaseFile(file, false, prompts));
    EXPECT_FALSE(std::filesystem::exists(backup));
}

TEST_F(DatabaseFlowsTest, UnreadableDigestProtectsAnExistingFile)
{
    // Too short to hold a digest: no password can unlock it.
    WriteBytes(file, std::string("\x00\x00\x02\x00\x05" "ab", 7));
    app.InstallDefaults();
    app.Substances().DeleteSubstance(0);
    prompts.answers = {PromptAnswer::Yes, PromptAnswer::No};
    prompts.passwords = {std::string("")};
    EXPECT_FALSE(SaveDatabaseCommand(app, prompts));
    EXPECT_EQ(prompts.said.back(), "Error: database was NOT saved.");
    EXPECT_EQ(ReadBytes(file).size(), 7u);
    EXPECT_EQ(CFlaskwareApp::ReadStoredDigest(file), "pqmvzr");
}

TEST_F(DatabaseFlowsTest, PasswordCheckOnSave)
{
    SavedDefaults(PasswordDigest("secret"));
    app.Substances().DeleteSubstance(0);
    const std::string before = ReadBytes(file);

    // Wrong, retry, cancel, give up: nothing written, the flags stay.
    prompts.passwords = {std::string("guess"), std::nullopt};
    prompts.answers = {PromptAnswer::Yes, PromptAnswer::No};
    EXPECT_FALSE(app.SaveDatabaseFile(file, true, prompts));
    EXPECT_TRUE(ReadBytes(file) == before);
    EXPECT_TRUE(app.IsDatabaseModified());
    EXPECT_EQ(prompts.dialogs.front(), std::make_pair(PasswordDialogMode::EnterPassword, std::string()));

    // Through the command: wrong once, then right.
    prompts.said.clear();
    prompts.answers = {PromptAnswer::Yes, PromptAnswer::Yes};
    prompts.passwords = {std::string("guess"), std::string("secret")};
    EXPECT_TRUE(SaveDatabaseCommand(app, prompts));
    EXPECT_EQ(prompts.said, (std::vector<std::string>{"Save changes to the program database?",
                                                      "Incorrect password, do you wan't to retry?"}));
    EXPECT_FALSE(app.IsDatabaseModified());
    EXPECT_FALSE(ReadBytes(file) == before);

    // Not modified: not even asked.
    prompts.said.clear();
    EXPECT_FALSE(SaveDatabaseCommand(app, prompts));
    EXPECT_TRUE(prompts.said.empty());
}

TEST_F(DatabaseFlowsTest, FirstSaveNeedsNoPassword)
{
    app.InstallDefaults();
    app.Substances().DeleteSubstance(0);
    prompts.answers = {PromptAnswer::Yes};
    EXPECT_TRUE(SaveDatabaseCommand(app, prompts));
    EXPECT_TRUE(prompts.dialogs.empty());
    EXPECT_EQ(CFlaskwareApp::ReadStoredDigest(file), "");
    EXPECT_EQ(CFlaskwareApp::ReadStoredDigest(folder / "missing.dat"), "pqmvzr");
}

TEST_F(DatabaseFlowsTest, ChangePasswordSavesWithoutTheOldPassword)
{
    SavedDefaults(PasswordDigest("old"));
    app.Substances().DeleteSubstance(0);
    prompts.answers = {PromptAnswer::No};
    ChangePasswordCommand(app, prompts);
    EXPECT_TRUE(prompts.dialogs.empty());

    prompts.answers = {PromptAnswer::Yes};
    prompts.passwords = {std::string("new")};
    ChangePasswordCommand(app, prompts);
    EXPECT_EQ(prompts.dialogs.back(),
              std::make_pair(PasswordDialogMode::ChangePassword, PasswordDigest("old")));
    EXPECT_EQ(CFlaskwareApp::ReadStoredDigest(file), PasswordDigest("new"));
    EXPECT_FALSE(app.IsDatabaseModified());

    // Removing the password, then setting a first one.
    prompts.passwords = {std::string("")};
    ChangePasswordCommand(app, prompts);
    EXPECT_EQ(CFlaskwareApp::ReadStoredDigest(file), "");
    prompts.passwords = {std::string("first")};
    ChangePasswordCommand(app, prompts);
    EXPECT_EQ(prompts.dialogs.back().first, PasswordDialogMode::NewPassword);
    EXPECT_EQ(CFlaskwareApp::ReadStoredDigest(file), PasswordDigest("first"));
}

TEST_F(DatabaseFlowsTest, PathDialogOk)
{
    SavedDefaults();
    const std::string elsewhere = (folder / "elsewhere.dat").string();

    // A new path: protect? Cancel keeps the dialog open; No saves there.
    prompts.answers = {PromptAnswer::Cancel};
    EXPECT_EQ(AcceptDatabasePath(app, elsewhere, prompts), PathDialogOutcome::KeepOpen);
    EXPECT_FALSE(std::filesystem::exists(elsewhere));
    prompts.answers = {PromptAnswer::No};
    EXPECT_EQ(AcceptDatabasePath(app, elsewhere, prompts), PathDialogOutcome::ClosedWithOk);
    EXPECT_EQ(app.Settings().DatabasePath(), elsewhere);

    // An existing file read instead of overwritten.
    prompts.answers = {PromptAnswer::No};
    EXPECT_EQ(AcceptDatabasePath(app, file.string(), prompts), PathDialogOutcome::ClosedWithOk);
    EXPECT_EQ(app.Settings().DatabasePath(), file.string());

    // An existing file that cannot be read: defaults, path unchanged.
    const std::string broken = (folder / "broken.dat").string();
    WriteBytes(broken, "junk");
    prompts.said.clear();
    prompts.answers = {PromptAnswer::No};
    EXPECT_EQ(AcceptDatabasePath(app, broken, prompts), PathDialogOutcome::Closed);
    EXPECT_EQ(prompts.said.back(), "Database path not changed.");
    EXPECT_EQ(app.Settings().DatabasePath(), file.string());

    // Overwriting a protected file needs its password (change form).
    app.SetPasswordDigest(PasswordDigest("p"));
    ASSERT_TRUE(app.SaveDatabaseFile(elsewhere, false, prompts));
    prompts.answers = {PromptAnswer::Yes};
    prompts.passwords = {std::nullopt};
    EXPECT_EQ(AcceptDatabasePath(app, elsewhere, prompts), PathDialogOutcome::KeepOpen);
    prompts.answers = {PromptAnswer::Yes};
    prompts.passwords = {std::string("q")};
    EXPECT_EQ(AcceptDatabasePath(app, elsewhere, prompts), PathDialogOutcome::ClosedWithOk);
    EXPECT_EQ(prompts.dialogs.back(),
              std::make_pair(PasswordDialogMode::ChangePassword, PasswordDigest("p")));
    EXPECT_EQ(CFlaskwareApp::ReadStoredDigest(elsewhere), PasswordDigest("q"));

    // A folder that cannot take the file.
    prompts.said.clear();
    prompts.answers = {PromptAnswer::No};
    EXPECT_EQ(AcceptDatabasePath(app, (folder / "no" / "x.dat").string(), prompts),
              PathDialogOutcome::KeepOpen);
    EXPECT_EQ(prompts.said.back(), "Can't save the database at specified location.");
}

} // namespace
} // namespace solvo
