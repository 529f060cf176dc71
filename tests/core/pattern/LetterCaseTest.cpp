#include "pattern/LetterCase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace solvo {
namespace {

TEST(LetterCaseTest, LowersTheCapitalsOfTheCodePageOnly)
{
    int capitals = 0;
    for (unsigned value = 0; value < 256; ++value) {
        const auto byte = static_cast<unsigned char>(value);
        if (LetterCase::Lower(byte) != byte)
            ++capitals;
    }
    // 26 ASCII letters, 30 from A grave to thorn, and S caron, OE, Z caron, Y diaeresis.
    EXPECT_EQ(capitals, 60);
    EXPECT_EQ(LetterCase::Lower('A'), 'a');
    EXPECT_EQ(LetterCase::Lower('Z'), 'z');
    EXPECT_EQ(LetterCase::Lower('a'), 'a');
    EXPECT_EQ(LetterCase::Lower('@'), '@');
    EXPECT_EQ(LetterCase::Lower('['), '[');
    EXPECT_EQ(LetterCase::Lower(0xC0), 0xE0);
    EXPECT_EQ(LetterCase::Lower(0xDE), 0xFE);
    EXPECT_EQ(LetterCase::Lower(0xD7), 0xD7); // multiplication sign
    EXPECT_EQ(LetterCase::Lower(0xDF), 0xDF); // sharp s has no capital here
    EXPECT_EQ(LetterCase::Lower(0x8A), 0x9A);
    EXPECT_EQ(LetterCase::Lower(0x9F), 0xFF);
}

TEST(LetterCaseTest, SortsWithoutRegardToCase)
{
    std::vector<std::string> names = {"sodium chloride", "Acetic acid", "b", "\xC4therin",
                                      "aceton",          "B",           "",  "Sodium"};
    std::stable_sort(names.begin(), names.end(), LetterCase::LessIgnoringCase);
    const std::vector<std::string> expected = {"",  "Acetic acid", "aceton", "b",
                                               "B", "Sodium",      "sodium chloride",
                                               "\xC4therin"};
    EXPECT_EQ(names, expected);
}

TEST(LetterCaseTest, ComparesForEqualityWithoutRegardToCase)
{
    EXPECT_TRUE(LetterCase::EqualIgnoringCase("Sodium Chloride", "sodium chloride"));
    EXPECT_TRUE(LetterCase::EqualIgnoringCase("\xC4", "\xE4"));
    EXPECT_TRUE(LetterCase::EqualIgnoringCase("", ""));
    EXPECT_FALSE(LetterCase::EqualIgnoringCase("sodium", "sodium chloride"));
    EXPECT_FALSE(LetterCase::EqualIgnoringCase("\xDF", "ss"));
}

} // namespace
} // namespace solvo
