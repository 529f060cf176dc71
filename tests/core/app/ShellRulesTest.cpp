#include "app/MemorySettingsStore.h"
#include "app/RecentFileList.h"
#include "app/WindowSizeRule.h"

#include <gtest/gtest.h>

namespace solvo {
namespace {

TEST(WindowSizeRule, StepsTheWidthBySixteen)
{
    using Size = WindowSizeRule::Size;
    EXPECT_EQ(WindowSizeRule::Widen({1000, 700}), (Size{1008, 700}));
    EXPECT_EQ(WindowSizeRule::Widen({1008, 700}), (Size{1024, 700}));
    EXPECT_EQ(WindowSizeRule::Narrow({1000, 700}), (Size{976, 700}));
    EXPECT_EQ(WindowSizeRule::Narrow({992, 700}), (Size{976, 700}));
    EXPECT_EQ(WindowSizeRule::Narrow({20, 700}), (Size{16, 700}));
}

TEST(WindowSizeRule, CyclesThroughStandardSizes)
{
    using Size = WindowSizeRule::Size;
    const struct {
        std::int32_t width;
        Size next;
    } cases[] = {{719, {720, 576}},    {720, {1280, 720}},   {1279, {1280, 720}},
                 {1280, {1920, 1080}}, {1919, {1920, 1080}}, {1920, {720, 576}}};
    for (const auto& c : cases)
        EXPECT_EQ(WindowSizeRule::Cycle({c.width, 500}), c.next) << c.width;
    EXPECT_EQ(WindowSizeRule::StatusText(WindowSizeRule::Cycle({1000, 500})),
              "1280/720 - 704/720, 1280");
}

TEST(RecentFileList, NewestFirstAtMostFourWithoutDuplicates)
{
    const auto paths = [](std::initializer_list<const char*> names) {
        std::vector<FilePath> result;
        for (const char* name : names)
            result.push_back(FilePath::FromUtf8(name));
        return result;
    };
    RecentFileList list;
    for (const FilePath& path : paths({"/a.sln", "/b.sln", "/c.sln", "/d.sln", "/e.sln", "/c.sln"}))
        list.Add(path);
    EXPECT_EQ(list.Files(), paths({"/c.sln", "/e.sln", "/d.sln", "/b.sln"}));
    list.Remove(FilePath::FromUtf8("/e.sln"));
    list.Remove(FilePath::FromUtf8("/not-there.sln"));
    EXPECT_EQ(list.Files(), paths({"/c.sln", "/d.sln", "/b.sln"}));

    MemorySettingsStore store;
    list.Write(store);
    EXPECT_EQ(store.ReadString("Recent File List", "File1", ""), "/c.sln");
    EXPECT_EQ(store.ReadString("Recent File List", "File4", "unset"), "");
    RecentFileList again;
    again.Read(store);
    EXPECT_EQ(again.Files(), list.Files());
}

} // namespace
} // namespace solvo
