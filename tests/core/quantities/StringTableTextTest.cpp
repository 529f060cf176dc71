#include "quantities/StringTableText.h"

#include <gtest/gtest.h>

namespace solvo {
namespace {

TEST(StringTableText, ShowsADoubledPercentOnceAndLeavesEveryOtherAlone)
{
    const struct {
        const char* text;
        const char* shown;
    } cases[] = {
        {"", ""},
        {"no percent", "no percent"},
        {"%%w/w and %%w/v", "%w/w and %w/v"},
        {"%%%", "%%"},
        {"%%%%", "%%"},
        {"%s %d 100%", "%s %d 100%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StringTableText(c.text), c.shown) << c.text;
}

} // namespace
} // namespace solvo
