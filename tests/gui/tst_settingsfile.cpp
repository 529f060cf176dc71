#include "GuiTestFixture.h"

#include "app/IniSettingsStore.h"
#include "app/PathConversion.h"
#include "app/QtSettingsStore.h"
#include "app/StandardDataFolder.h"
#include "app/UserFolders.h"

#include <QStandardPaths>
#include <QtTest>

using namespace solvo;

namespace {

// solvo-cli reads the settings without Qt: what the windowed program writes
// through QSettings must read back the same.
class SettingsFileTest : public QObject {
    Q_OBJECT

private slots:
    void reads_back_every_value_that_qsettings_writes()
    {
        const std::vector<std::string> paths = {
            "/data/solvo.dat", "/data/a,b;c=d.dat", " leading and trailing ", "@at", "@@two",
            "quote\"and\\back", "tab\there", "\xC3\x9cml\xC3\xA4ut \xE2\x82\xAC",
            "\xE6\x97\xA5\xE6\x9C\xAC/\xF0\x9F\xA7\xAA.dat", "ctrl\x01" "7f", "",
        };
        const std::vector<std::string> texts = {
            "plain", "caf\xE9 \x80 5", " spaced ", "@", "a\\b", "\"", "line\nbreak", "x,y",
        };
        const std::vector<std::int32_t> numbers = {0, 4, -1, 2147483647, -2147483647 - 1};
        {
            QtSettingsStore written;
            for (std::size_t i = 0; i < paths.size(); ++i)
                written.WritePath("Recent File List", "File" + std::to_string(i), FilePath::FromUtf8(paths[i]));
            for (std::size_t i = 0; i < texts.size(); ++i)
                written.WriteString("Settings", "Text " + std::to_string(i), texts[i]);
            for (std::size_t i = 0; i < numbers.size(); ++i)
                written.WriteInt("Settings", "Number" + std::to_string(i), numbers[i]);
        }
        const QtSettingsStore qt;
        const IniSettingsStore ini = IniSettingsStore::FromFile(
            UserConfigFolder().Native() / "Flaskware" / "Solvo.conf");
        for (std::size_t i = 0; i < paths.size(); ++i) {
            const std::string key = "File" + std::to_string(i);
            QCOMPARE(ini.ReadPath("Recent File List", key).Utf8(), qt.ReadPath("Recent File List", key).Utf8());
            QCOMPARE(ini.ReadPath("Recent File List", key).Utf8(), paths[i]);
        }
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const std::string key = "Text " + std::to_string(i);
            QCOMPARE(ini.ReadString("Settings", key, "missing"), texts[i]);
        }
        for (std::size_t i = 0; i < numbers.size(); ++i)
            QCOMPARE(ini.ReadInt("Settings", "Number" + std::to_string(i), 99), numbers[i]);
        QCOMPARE(ini.ReadInt("Settings", "Absent", 7), 7);
        QCOMPARE(ini.ReadString("Settings", "Absent", "none"), std::string("none"));
    }

    void finds_the_folders_where_qt_puts_them()
    {
        QCOMPARE(ToQString(UserConfigFolder()),
                 QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
        QCOMPARE(ToQString(DataFolder(UserDataFolder().Native() / "Flaskware" / "Solvo").Root()),
                 ToQString(StandardDataFolder().Root()));
    }
};

} // namespace

SOLVO_GUI_TEST_MAIN(SettingsFileTest)
#include "tst_settingsfile.moc"
