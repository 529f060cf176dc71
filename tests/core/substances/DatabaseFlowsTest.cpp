#include "app/CSolvoApp.h"
#include "app/DatabaseCommands.h"
#include "app/DatabasePrompts.h"
#include "app/MemorySettingsStore.h"
#include "solution/CSolvoDoc.h"
#include "solution/RecipeTemplate.h"
#include "substances/ArchiveWriter.h"
#include "substances/DatabaseFile.h"
#include "substances/ElementTableBlock.h"
#include "substances/FileMessages.h"
#include "substances/PasswordDigest.h"

#include "../app/ScriptedPrompts.h"
#include "../platform/NonAsciiNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>
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
        file = app.DatabaseFilePath().Native();
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

TEST_F(DatabaseFlowsTest, StartUpIsQuietOnlyWhenTheDefaultFileWasNeverWritten)
{
    const std::string good = SavedDefaults();
    const std::filesystem::path elsewhere = folder / "share" / "lab.dat";
    const std::filesystem::path dangling = folder / "gone.dat";
    enum class Setup { Missing, Good, Damaged, DanglingLink, UserPathMissing };
    struct Case {
        Setup setup;
        bool writeFirstFile;
        std::vector<std::string> said;
        bool defaultFileAfter; // the default file holds the built-in database afterwards
    };
    const Case cases[] = {
        {Setup::Missing, true, {}, true},
        {Setup::Missing, false, {}, false},
        {Setup::Good, true, {}, true},
        {Setup::Damaged, true, {kLoadFailed}, false},
#ifndef _WIN32 // a symbolic link takes privileges there
        {Setup::DanglingLink, true, {kLoadFailed}, false},
#endif
        {Setup::UserPathMissing, true, {kLoadFailed}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.setup));
        std::filesystem::remove(file);
        app.Settings().SetDatabasePath(FilePath());
        if (c.setup == Setup::Good)
            WriteBytes(file, good);
        if (c.setup == Setup::Damaged)
            WriteBytes(file, good.substr(0, 300));
        if (c.setup == Setup::DanglingLink)
            std::filesystem::create_symlink(dangling, file);
        if (c.setup == Setup::UserPathMissing)
            app.Settings().SetDatabasePath(elsewhere);
        app.Substances().Clear();
        prompts.said.clear();

        app.StartDatabase(prompts, c.writeFirstFile);
        EXPECT_EQ(prompts.said, c.said);
        EXPECT_EQ(app.Substances().GetSubstanceCount(), 10);
        EXPECT_FALSE(app.IsDatabaseModified());
        EXPECT_EQ(ReadBytes(file) == good, c.defaultFileAfter);
        // A place the user chose, or where a link points, is never created at start-up.
        EXPECT_FALSE(std::filesystem::exists(elsewhere.parent_path()));
        EXPECT_FALSE(std::filesystem::exists(dangling));
    }
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
    const FilePath elsewhere(folder / "elsewhere.dat");

    // A new path: protect? Cancel keeps the dialog open; No saves there.
    prompts.answers = {PromptAnswer::Cancel};
    EXPECT_EQ(AcceptDatabasePath(app, elsewhere, prompts), PathDialogOutcome::KeepOpen);
    EXPECT_FALSE(std::filesystem::exists(elsewhere.Native()));
    prompts.answers = {PromptAnswer::No};
    EXPECT_EQ(AcceptDatabasePath(app, elsewhere, prompts), PathDialogOutcome::ClosedWithOk);
    EXPECT_EQ(app.Settings().DatabasePath(), elsewhere);

    // An existing file read instead of overwritten.
    prompts.answers = {PromptAnswer::No};
    EXPECT_EQ(AcceptDatabasePath(app, file, prompts), PathDialogOutcome::ClosedWithOk);
    EXPECT_EQ(app.Settings().DatabasePath(), FilePath(file));

    // An existing file that cannot be read: defaults, path unchanged.
    const std::filesystem::path broken = folder / "broken.dat";
    WriteBytes(broken, "junk");
    prompts.said.clear();
    prompts.answers = {PromptAnswer::No};
    EXPECT_EQ(AcceptDatabasePath(app, broken, prompts), PathDialogOutcome::Closed);
    EXPECT_EQ(prompts.said.back(), "Database path not changed.");
    EXPECT_EQ(app.Settings().DatabasePath(), FilePath(file));

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
    EXPECT_EQ(AcceptDatabasePath(app, folder / "no" / "x.dat", prompts),
              PathDialogOutcome::KeepOpen);
    EXPECT_EQ(prompts.said.back(), "Can't save the database at specified location.\n" +
                                       std::generic_category().message(ENOENT));
}

// A save that fails says why, as the system said it.
TEST_F(DatabaseFlowsTest, FailedSaveGivesTheSystemsReason)
{
    app.InstallDefaults();
    const auto missing = folder / "gone";
    app.Settings().SetDatabasePath(FilePath(missing / "lab.dat"));
    app.Substances().DeleteSubstance(0);
    prompts.answers = {PromptAnswer::Yes};
    EXPECT_FALSE(SaveDatabaseCommand(app, prompts));
    EXPECT_EQ(prompts.said.back(),
              "Error: database was NOT saved.\n" + std::generic_category().message(ENOENT));
    EXPECT_TRUE(app.IsDatabaseModified());
}

// Every file the program keeps, in a data folder and under names with
// accents, ß, a CJK character and a space: each reaches the file of exactly
// that name, and the settings keep the real path.
TEST_F(DatabaseFlowsTest, EveryFileWorksUnderNamesWithAnyCharacter)
{
    for (const std::string& name : test::NonAsciiNames()) {
        SCOPED_TRACE(name);
        const FilePath data = FilePath(folder).Child(name).Child(name);
        MemorySettingsStore settings;
        CSolvoApp named(settings, DataFolder(data));
        ASSERT_TRUE(named.Data().EnsureExists());
        named.ReadUnitLabels();
        EXPECT_EQ(RecipeTemplate::Load(named.Data().File(DataFolder::kTemplateFile)),
                  RecipeTemplate());
        EXPECT_TRUE(std::filesystem::is_regular_file(data.Child("units.txt").Native()));
        EXPECT_TRUE(std::filesystem::is_regular_file(data.Child("template.txt").Native()));

        // The database at the default path and at a path the user chose.
        named.InstallDefaults();
        ASSERT_TRUE(named.SaveDatabaseFile(named.DatabaseFilePath(), false, prompts));
        const FilePath chosen = data.Child(name + ".dat");
        prompts.answers = {PromptAnswer::No};
        ASSERT_EQ(AcceptDatabasePath(named, chosen, prompts), PathDialogOutcome::ClosedWithOk);
        EXPECT_EQ(settings.ReadString("Settings", "DatabasePath", ""), chosen.Utf8());
        EXPECT_EQ(named.DatabaseFilePath(), chosen);
        EXPECT_TRUE(named.LoadDatabaseFile(chosen, prompts));
        // Over an existing file the user is asked before anything is replaced.
        prompts.said.clear();
        prompts.answers = {PromptAnswer::Cancel};
        EXPECT_EQ(AcceptDatabasePath(named, named.Data().File(DataFolder::kDefaultDatabaseFile),
                                     prompts),
                  PathDialogOutcome::KeepOpen);
        EXPECT_EQ(prompts.said.size(), 1u);

        // A damaged file is kept as .bak beside it before it is replaced.
        WriteBytes(chosen.Native(), "junk");
        EXPECT_FALSE(named.LoadDatabaseFile(chosen, prompts));
        ASSERT_TRUE(named.SaveDatabaseFile(chosen, false, prompts));
        EXPECT_EQ(ReadBytes(chosen.WithSuffix(".bak").Native()), "junk");

        CSolvoDoc solution;
        const FilePath sln = data.Child(name + ".sln");
        ASSERT_TRUE(solution.WriteFile(sln, named.Elements()));
        EXPECT_EQ(CSolvoDoc().ReadFile(sln, named.Elements()).status, CSolvoDoc::ReadStatus::Read);

        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(data.Native()))
            names.push_back(FilePath(entry.path().filename()).Utf8());
        std::sort(names.begin(), names.end());
        std::vector<std::string> expected = {"Solvodatabase.dat", "template.txt", "units.txt",
                                             name + ".dat", name + ".dat.bak", name + ".sln"};
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(names, expected);
    }
}

} // namespace
} // namespace solvo
