#include "platform/Windows1252.h"

#include <gtest/gtest.h>

namespace solvo {
namespace {

TEST(Windows1252, EveryByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    const auto back = Windows1252::FromUtf8(Windows1252::ToUtf8(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Windows1252, ConvertsTheCharactersFormulasUse)
{
    EXPECT_EQ(Windows1252::ToUtf8("CuSO4\xb7" "5H2O"), "CuSO4\u00b75H2O");
    EXPECT_EQ(Windows1252::ToUtf8("\x80 \xb5g"), "\u20ac \u00b5g");
    EXPECT_EQ(Windows1252::FromUtf8("\u00b7\u20ac\u2013"), std::string("\xb7\x80\x96"));
}

TEST(Windows1252, RefusesWhatItCannotHold)
{
    for (const char* text : {"\u4e00", "\u03b1", "\xff", "\xc0\xaf", "\xe2\x82", "\xed\xa0\x80"})
        EXPECT_FALSE(Windows1252::FromUtf8(text).has_value()) << text;
}

} // namespace
} // namespace solvo
