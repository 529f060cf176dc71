#include "app/IniSettingsStore.h"

#include <gtest/gtest.h>

namespace solvo {
namespace {

// What QSettings reads as anything but one string counts as missing; what
// it reads as a string reads the same here. (The round trip through
// QSettings itself is a GUI test.)
TEST(IniSettingsStore, ReadsTheStringsQSettingsReadsAndNothingElse)
{
    const IniSettingsStore store = IniSettingsStore::FromText(
        "\xEF\xBB\xBF; a comment\r\n"
        "[Settings]\n"
        "DisplayDigits=6\r\n"
        "List=a, b\n"
        "Quoted=\"a, b\"  \n"
        "Variant=@Variant(\\0\\0\\0\\x7f)\n"
        "At=@@home\n"
        "Escapes=tab\\there\\x20\\101\n"
        "Spaced=  inner  space  \n"
        "Number= 12 \n"
        "[Recent%20File%20List]\n"
        "File1=/data/caf\xC3\xA9.sln\n");
    EXPECT_EQ(store.ReadInt("Settings", "DisplayDigits", 4), 6);
    EXPECT_EQ(store.ReadInt("Settings", "Number", 4), 12);
    EXPECT_EQ(store.ReadString("Settings", "List", "missing"), "missing");
    EXPECT_EQ(store.ReadString("Settings", "Quoted", "missing"), "a, b");
    EXPECT_EQ(store.ReadString("Settings", "Variant", "missing"), "missing");
    EXPECT_EQ(store.ReadString("Settings", "At", "missing"), "@home");
    EXPECT_EQ(store.ReadString("Settings", "Escapes", "missing"), "tab\there A");
    EXPECT_EQ(store.ReadString("Settings", "Spaced", "missing"), "inner  space");
    EXPECT_EQ(store.ReadPath("Recent File List", "File1").Utf8(), "/data/caf\xC3\xA9.sln");
    EXPECT_EQ(store.ReadString("Recent File List", "File1", ""), "/data/caf\xE9.sln");
    EXPECT_TRUE(IniSettingsStore::FromFile(FilePath()).ReadPath("Settings", "DatabasePath").Empty());
}

} // namespace
} // namespace solvo
