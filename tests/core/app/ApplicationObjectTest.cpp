#include "app/CSolvoApp.h"
#include "app/MemorySettingsStore.h"

#include "TemporaryFolder.h"

#include <gtest/gtest.h>

namespace solvo {
namespace {

TEST(ProgramSettings, DefaultsOnAFirstStartWriteNothing)
{
    MemorySettingsStore store;
    const ProgramSettings settings(store);
    EXPECT_EQ(settings.DisplayDigits(), 4);
    EXPECT_TRUE(settings.DatabasePath().Empty());
    EXPECT_EQ(settings.FirstRun(), 0);
    EXPECT_EQ(settings.ShowTipOfTheDay(), 1);
    EXPECT_EQ(settings.CurrentTip(), -1);
    EXPECT_EQ(settings.TipIncrement(), -1);
    EXPECT_EQ(store.Size(), 0u);
}

TEST(ProgramSettings, ValuesLiveInTheSettingsSection)
{
    MemorySettingsStore store;
    ProgramSettings settings(store);
    settings.SetDisplayDigits(6);
    settings.SetDatabasePath(FilePath::FromUtf8("/data/lab.dat"));
    settings.SetShowTipOfTheDay(0);
    EXPECT_EQ(store.ReadInt("Settings", "DisplayDigits", 0), 6);
    EXPECT_EQ(store.ReadString("Settings", "DatabasePath", ""), "/data/lab.dat");
    EXPECT_EQ(store.ReadInt("Settings", "ShowTipOfTheDay", 1), 0);
    EXPECT_EQ(store.ReadInt("Other", "DisplayDigits", 9), 9);
}

TEST(CSolvoApp, DisplayDigitsReadAtStartAndWrittenAtExit)
{
    test::TemporaryFolder folder;
    MemorySettingsStore store;
    {
        CSolvoApp app(store, DataFolder(folder.Path()));
        app.Initialise();
        EXPECT_EQ(app.DisplayDigits(), 4);
        app.SetDisplayDigits(6);
        EXPECT_EQ(store.Size(), 0u);
        app.Finalise();
    }
    CSolvoApp next(store, DataFolder(folder.Path()));
    next.Initialise();
    EXPECT_EQ(next.DisplayDigits(), 6);
}

TEST(CSolvoApp, DatabasePathFallsBackToTheDataFolder)
{
    test::TemporaryFolder folder;
    MemorySettingsStore store;
    CSolvoApp app(store, DataFolder(folder.Path() / "Flaskware" / "Solvo"));
    EXPECT_EQ(app.DatabaseFilePath(), folder.Path() / "Flaskware" / "Solvo" / "Solvodatabase.dat");
    app.Settings().SetDatabasePath(FilePath());
    EXPECT_EQ(app.DatabaseFilePath(), folder.Path() / "Flaskware" / "Solvo" / "Solvodatabase.dat");
    app.Settings().SetDatabasePath(FilePath::FromUtf8("/elsewhere/db.dat"));
    EXPECT_EQ(app.DatabaseFilePath(), std::filesystem::path("/elsewhere/db.dat"));

    EXPECT_TRUE(app.Data().EnsureExists());
    app.ReadUnitLabels();
    EXPECT_EQ(app.Units().Label(0), "M (mol/L)");
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "Flaskware" / "Solvo" / "units.txt"));
}

TEST(CSolvoApp, InstallDefaultsGivesAnUnmodifiedBuiltInTable)
{
    test::TemporaryFolder folder;
    MemorySettingsStore store;
    CSolvoApp app(store, DataFolder(folder.Path()));
    app.InstallDefaults();
    app.Elements().AddEntry("Cit", "", "", 189.1, 1);
    EXPECT_TRUE(app.IsDatabaseModified());
    app.InstallDefaults();
    EXPECT_EQ(app.Elements().Count(), 104);
    EXPECT_FALSE(app.IsDatabaseModified());
}

} // namespace
} // namespace solvo
