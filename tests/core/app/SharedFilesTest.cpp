#include "app/CSolvoApp.h"
#include "app/DatabaseCommands.h"
#include "app/MemorySettingsStore.h"
#include "app/SolutionFileCommands.h"
#include "solution/CSolvoDoc.h"
#include "substances/FileStamp.h"

#include "ScriptedPrompts.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <functional>

namespace solvo {
namespace {

using test::ScriptedPrompts;
using test::TemporaryFolder;
using Said = std::vector<std::string>;

constexpr PromptAnswer Yes = PromptAnswer::Yes;
constexpr PromptAnswer No = PromptAnswer::No;

const std::string kSave = "Save changes to the program database?";
const std::string kChanged = "The database file was changed by another program since it was "
                             "loaded. Overwrite it with your version?";
const std::string kReload = "The database file was changed by another program since it was "
                            "loaded. Reload it?";
const std::string kDiscard = "Discard your changes to the program database?";

// A file written just before it was stamped could be rewritten within the
// same tick of its time: its bytes are compared too. One written earlier
// gets a later time from any write, so size and time tell every change but
// a rewrite whose writer puts the old time back on purpose.
TEST(FileStamp, NoticesEveryChangeToTheBytesTheTimeOrTheFile)
{
    struct Case {
        const char* change;
        std::function<void(const std::filesystem::path&)> apply;
        bool changed;
        bool changedWhenOld;
    };
    const auto rewrite = [](const std::filesystem::path& file, const std::string& bytes) {
        const auto time = std::filesystem::last_write_time(file);
        std::ofstream(file, std::ios::binary) << bytes;
        std::filesystem::last_write_time(file, time);
    };
    const Case cases[] = {
        {"none", [](const auto&) {}, false, false},
        {"same bytes, same time", [&](const auto& file) { rewrite(file, "NaCl 0.9"); }, false, false},
        {"other bytes of the same size, same time",
         [&](const auto& file) { rewrite(file, "KCl 0.90"); }, true, false},
        {"touched", [](const auto& file) {
             std::filesystem::last_write_time(
                 file, std::filesystem::last_write_time(file) + std::chrono::seconds(2));
         }, true, true},
        {"appended", [](const auto& file) { std::ofstream(file, std::ios::app) << "!"; }, true, true},
        {"removed", [](const auto& file) { std::filesystem::remove(file); }, true, true},
        {"replaced by a folder", [](const auto& file) {
             std::filesystem::remove(file);
             std::filesystem::create_directory(file);
         }, true, true},
    };
    for (const bool old : {false, true}) {
        for (const Case& c : cases) {
            const TemporaryFolder folder;
            const auto file = folder.Write("shared.dat", "NaCl 0.9");
            if (old)
                std::filesystem::last_write_time(
                    file, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
            const FileStamp stamp(file);
            EXPECT_TRUE(stamp.Exists());
            c.apply(file);
            EXPECT_EQ(stamp.Changed(), old ? c.changedWhenOld : c.changed)
                << c.change << (old ? " (old file)" : "");
        }
    }

    const TemporaryFolder folder;
    const FileStamp missing(folder.Path() / "new.dat");
    EXPECT_FALSE(missing.Exists());
    EXPECT_FALSE(missing.Changed());
    folder.Write("new.dat", "");
    EXPECT_TRUE(missing.Changed());
    EXPECT_FALSE(FileStamp().IsOf(std::filesystem::path()));
}

// One chemist of a group: own settings, the group's database file.
struct Chemist {
    Chemist(const TemporaryFolder& home, const std::filesystem::path& database)
        : app(store, DataFolder(home.Path()))
    {
        app.Settings().SetDatabasePath(database);
        EXPECT_TRUE(app.LoadDatabaseFile(app.DatabaseFilePath(), prompts));
    }

    void Add(const char* name)
    {
        SolvoSubstance substance;
        substance.SetName(name);
        app.Substances().AddSubstance(substance);
    }
    bool Has(const char* name) const { return app.Substances().FindByName(name) != nullptr; }
    // What the chemist was asked or told since the last call.
    Said Heard()
    {
        return std::exchange(prompts.said, {});
    }

    MemorySettingsStore store;
    CSolvoApp app;
    ScriptedPrompts prompts;
};

class SharedDatabaseTest : public ::testing::Test {
protected:
    SharedDatabaseTest() : database(SavedDefaults()), first(firstHome, database), second(secondHome, database) {}

    std::filesystem::path SavedDefaults()
    {
        MemorySettingsStore store;
        CSolvoApp app(store, DataFolder(share.Path()));
        app.InstallDefaults();
        ScriptedPrompts prompts;
        EXPECT_TRUE(app.SaveDatabaseFile(app.DatabaseFilePath(), false, prompts));
        return app.DatabaseFilePath().Native();
    }

    // The first chemist adds a substance and saves, asked nothing else.
    void FirstSaves(const char* name)
    {
        first.Add(name);
        first.prompts.answers = {Yes};
        EXPECT_TRUE(SaveDatabaseCommand(first.app, first.prompts));
        EXPECT_EQ(first.Heard(), Said{kSave});
    }

    // The database as a third chemist would load it now.
    bool FileHas(const char* name)
    {
        const TemporaryFolder home;
        return Chemist(home, database).Has(name);
    }

    TemporaryFolder share, firstHome, secondHome;
    std::filesystem::path database;
    Chemist first;
    Chemist second;
};

TEST_F(SharedDatabaseTest, OwnSavesAskNothingMore)
{
    FirstSaves("alpha");
    FirstSaves("beta");
    EXPECT_TRUE(FileHas("alpha") && FileHas("beta"));
}

TEST_F(SharedDatabaseTest, NoKeepsTheFileAndTheChangesThenReloadShowsTheFile)
{
    FirstSaves("alpha");
    const std::string saved = share.Read(database.filename().string());
    second.Add("beta");
    second.prompts.answers = {Yes, No};
    EXPECT_FALSE(SaveDatabaseCommand(second.app, second.prompts));
    EXPECT_EQ(second.Heard(), (Said{kSave, kChanged}));
    EXPECT_TRUE(share.Read(database.filename().string()) == saved);
    EXPECT_TRUE(second.app.IsDatabaseModified());
    EXPECT_TRUE(second.Has("beta"));

    second.prompts.answers = {No};
    EXPECT_FALSE(ReloadDatabaseCommand(second.app, second.prompts));
    EXPECT_TRUE(second.Has("beta"));
    second.prompts.answers = {Yes};
    EXPECT_TRUE(ReloadDatabaseCommand(second.app, second.prompts));
    EXPECT_EQ(second.Heard(), (Said{kDiscard, kDiscard}));
    EXPECT_TRUE(second.Has("alpha"));
    EXPECT_FALSE(second.Has("beta"));
    EXPECT_FALSE(second.app.IsDatabaseModified());

    // Reloaded, the second chemist saves over the file without the question.
    second.Add("gamma");
    second.prompts.answers = {Yes};
    EXPECT_TRUE(SaveDatabaseCommand(second.app, second.prompts));
    EXPECT_EQ(second.Heard(), Said{kSave});
    EXPECT_TRUE(FileHas("alpha") && FileHas("gamma"));
}

TEST_F(SharedDatabaseTest, YesWritesTheSecondVersion)
{
    FirstSaves("alpha");
    second.Add("beta");
    second.prompts.answers = {Yes, Yes};
    EXPECT_TRUE(SaveDatabaseCommand(second.app, second.prompts));
    EXPECT_EQ(second.Heard(), (Said{kSave, kChanged}));
    EXPECT_TRUE(FileHas("beta"));
    EXPECT_FALSE(FileHas("alpha"));
}

TEST_F(SharedDatabaseTest, VanishedFileCountsAsChangedButIsNotOfferedForReload)
{
    std::filesystem::remove(database);
    EXPECT_FALSE(OfferDatabaseReload(second.app, second.prompts));
    EXPECT_TRUE(second.Heard().empty());

    second.Add("beta");
    second.prompts.answers = {Yes, No};
    EXPECT_FALSE(SaveDatabaseCommand(second.app, second.prompts));
    EXPECT_EQ(second.Heard(), (Said{kSave, kChanged}));
    EXPECT_FALSE(std::filesystem::exists(database));
    second.prompts.answers = {Yes, Yes};
    EXPECT_TRUE(SaveDatabaseCommand(second.app, second.prompts));
    EXPECT_TRUE(FileHas("beta"));
}

TEST_F(SharedDatabaseTest, ChangingThePasswordAsksBeforeOverwriting)
{
    FirstSaves("alpha");
    second.prompts.answers = {No};
    ChangePasswordCommand(second.app, second.prompts);
    EXPECT_EQ(second.Heard(), Said{kChanged});
    EXPECT_TRUE(second.prompts.dialogs.empty());
    EXPECT_TRUE(FileHas("alpha"));
}

TEST_F(SharedDatabaseTest, DatabaseDialogOffersTheChangedFile)
{
    EXPECT_FALSE(OfferDatabaseReload(second.app, second.prompts));
    EXPECT_TRUE(second.Heard().empty());
    EXPECT_TRUE(ReloadDatabaseCommand(second.app, second.prompts));
    EXPECT_TRUE(second.Heard().empty());

    FirstSaves("alpha");
    second.Add("beta");
    second.prompts.answers = {Yes, No};
    EXPECT_FALSE(OfferDatabaseReload(second.app, second.prompts));
    EXPECT_EQ(second.Heard(), (Said{kReload, kDiscard}));
    EXPECT_TRUE(second.Has("beta"));

    second.prompts.answers = {Yes, Yes};
    EXPECT_TRUE(OfferDatabaseReload(second.app, second.prompts));
    EXPECT_TRUE(second.Has("alpha"));
    EXPECT_FALSE(OfferDatabaseReload(second.app, second.prompts));
}

class SharedSolutionTest : public ::testing::Test {
protected:
    SharedSolutionTest()
    {
        elements.LoadDefaults();
        CSolvoDoc created;
        EXPECT_TRUE(created.WriteFile(file, elements));
        EXPECT_TRUE(first.ReadFile(file, elements).Opened());
        EXPECT_TRUE(second.ReadFile(file, elements).Opened());
    }

    static void Add(CSolvoDoc& doc, const char* name)
    {
        SolvoSubstance component;
        component.SetName(name);
        doc.AddComponent(component);
    }

    bool FileHas(const char* name)
    {
        CSolvoDoc read;
        EXPECT_TRUE(read.ReadFile(file, elements).Opened());
        for (std::int32_t index = 0; index < read.GetComponentCount(); ++index) {
            if (read.GetComponent(index).Name() == name)
                return true;
        }
        return false;
    }

    TemporaryFolder folder;
    std::filesystem::path file = folder.Path() / "buffer A.sln";
    ElementTable elements;
    CSolvoDoc first, second;
    ScriptedPrompts prompts;
    const std::string changed = "The solution file \"buffer A.sln\" was changed by another "
                                "program since it was opened. Overwrite it with your version?";
};

TEST_F(SharedSolutionTest, SecondSaveAsksAndKeepsTheFirstOnNo)
{
    Add(first, "alpha");
    EXPECT_TRUE(MayOverwriteSolutionFile(first, file, prompts));
    ASSERT_TRUE(first.WriteFile(file, elements));
    Add(first, "alpha 2");
    EXPECT_TRUE(MayOverwriteSolutionFile(first, file, prompts));
    EXPECT_TRUE(prompts.said.empty());

    Add(second, "beta");
    prompts.answers = {No};
    EXPECT_FALSE(MayOverwriteSolutionFile(second, file, prompts));
    EXPECT_EQ(prompts.said, Said{changed});
    EXPECT_TRUE(FileHas("alpha"));

    prompts.answers = {Yes};
    EXPECT_TRUE(MayOverwriteSolutionFile(second, file, prompts));
    ASSERT_TRUE(second.WriteFile(file, elements));
    EXPECT_TRUE(FileHas("beta"));
    EXPECT_FALSE(FileHas("alpha"));
}

TEST_F(SharedSolutionTest, OnlyTheDocumentsOwnFileIsChecked)
{
    std::filesystem::remove(file);
    // Saved under another name: the file dialog asked about that file.
    EXPECT_TRUE(MayOverwriteSolutionFile(second, folder.Path() / "other.sln", prompts));
    EXPECT_TRUE(MayOverwriteSolutionFile(CSolvoDoc(), file, prompts));
    EXPECT_TRUE(prompts.said.empty());
    prompts.answers = {No};
    EXPECT_FALSE(MayOverwriteSolutionFile(second, file, prompts));
    EXPECT_EQ(prompts.said, Said{changed});
}

TEST(SolutionFileQuestion, NamesTheFileInTheProgramsText)
{
    const std::pair<const char*, std::string> cases[] = {
        {"plain.sln", "plain.sln"},
        {"Donn\xC3\xA9" "es.sln", "Donn\xE9" "es.sln"},
        {"\xE6\xB0\xB4 buffer.sln", "? buffer.sln"},
    };
    for (const auto& [name, shown] : cases) {
        const TemporaryFolder folder;
        const auto file = folder.Write(name, "");
        CSolvoDoc doc;
        ElementTable elements;
        ASSERT_TRUE(doc.ReadFile(file, elements).Opened());
        std::filesystem::remove(file);
        ScriptedPrompts prompts;
        prompts.answers = {No};
        EXPECT_FALSE(MayOverwriteSolutionFile(doc, file, prompts));
        ASSERT_EQ(prompts.said.size(), 1u);
        EXPECT_NE(prompts.said[0].find("\"" + shown + "\""), std::string::npos) << name;
    }
}

} // namespace
} // namespace solvo
