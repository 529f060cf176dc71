#include "pattern/Pattern.h"

#include <gtest/gtest.h>

#include <string>

namespace solvo {
namespace {

using namespace std::string_literals;

struct SearchCase {
    std::string pattern;
    std::string text;
    bool found;
};

void ExpectSearches(const std::vector<SearchCase>& cases)
{
    for (const SearchCase& c : cases) {
        const Pattern pattern = Pattern::Compile(c.pattern);
        ASSERT_FALSE(pattern.Error()) << c.pattern << ": " << pattern.Error()->message;
        EXPECT_EQ(pattern.Search(c.text), c.found) << c.pattern << " in " << c.text;
    }
}

TEST(PatternTest, FindsLiteralsAnywhereAndCaseSensitively)
{
    ExpectSearches({
        {"sodium", "sodium chloride", true},
        {"chloride", "sodium chloride", true},
        {"Sodium", "sodium chloride", false},
        {"Cl", "MgCl_2", true},
        {"cl", "MgCl_2", false},
        {"sodium", "sodiu", false},
        {"", "", true},
        {"", "anything", true},
        {"\xE9", "caf\xE9", true},
        {"a.b", "a\0b"s, true},
        {"^a$", "x^a$y", true},
        {"a{2}]", "a{2}]", true},
        // Runs of fixed bytes, however written, are searched as plain text.
        {"a\\x00b", "xa\0b"s, true},
        {"a\\x00b", "ab", false},
        {"\\(x\\)", "(x)", true},
        {"ab()(c)", "xabc", true},
        {"substance 12", "substance 1", false},
    });
}

TEST(PatternTest, AnyByteAndSets)
{
    ExpectSearches({
        {"a.c", "abc", true},
        {"a.c", "ac", false},
        {".", "", false},
        {".", "\n", true},
        {"[a-c]x", "bx", true},
        {"[a-c]x", "dx", false},
        {"[a-z0-9]", "_7_", true},
        {"[^a-c]", "abcabc", false},
        {"[^a-c]", "abcd", true},
        {"[]a]", "]", true},
        {"[^]a]", "]a", false},
        {"[a-]", "-", true},
        {"[-a]", "-", true},
        {"[a^]", "^", true},
        {"x[\\]]", "x]", true},
        {"[\\x41-\\x43]", "B", true},
        {"[\\x41-\\x43]", "D", false},
        {"[\\t]", "\t", true},
        {"[\\i]", "i", true},
        {"[\x80-\xFF]", "abc\xC4", true},
    });
}

TEST(PatternTest, GroupsAlternativesAndRepeats)
{
    ExpectSearches({
        {"(ab|cd)e", "xcde", true},
        {"(ab|cd)e", "ade", false},
        {"NaCl|KCl|HCl", "KCl", true},
        {"NaCl|KCl|HCl", "LiCl", false},
        {"ab*c", "ac", true},
        {"ab*c", "abbbc", true},
        {"ab+c", "ac", false},
        {"ab+c", "abbbc", true},
        {"ab?c", "ac", true},
        {"ab?c", "abbc", false},
        {"a(bc)+d", "abcbcd", true},
        {"a(bc)+d", "abcbd", false},
        {"(a*)*b", "aaab", true},
        {"(a*)*b", "aaaa", false},
        {"(a|)+b", "b", true},
        {"a**", "", true},
        {"x(a+)?y", "xy", true},
        {"a|", "zzz", true},
        {"()", "", true},
        {"x()y", "xy", true},
    });
}

TEST(PatternTest, FoldsUppercaseOfTheMarkedPartOnly)
{
    ExpectSearches({
        {"(S)\\iodium", "sodium sulfate", true},
        {"(S)\\iodium", "Sodium sulfate", true},
        {"(S)\\iodium", "SODIUM", false},
        {"s\\i", "S", false},
        {"(A)\\iB", "ab", false},
        {"((A)\\iB)\\i", "ab", true},
        {"x(A|B)+\\iy", "xaBby", true},
        {"[A-C]\\i", "b", true},
        {"[A-C]\\i", "d", false},
        {"A*\\ib", "aAab", true},
        {"A\\i*b", "aAab", true},
        {"(\xC9)\\itain", "\xE9tain", true},
        {"(\x8A)\\i", "\x9A", true},
        {"\\x41\\i", "a", true},
    });
}

TEST(PatternTest, EscapesStandForControlCodesOrTheCharacterItself)
{
    ExpectSearches({
        {"\\t\\n\\r\\a\\b\\v", "\t\n\r\a\b\v", true},
        {"\\x41\\x7e\\xfF", "A~\xFF", true},
        {"\\x00", "a\0b"s, true},
        {"\\.", "a", false},
        {"\\.", ".", true},
        {"\\*\\(\\[\\|\\$x", "*([|$x", true},
        {"\\\\", "\\", true},
        {"\\d", "d", true},
        {"$", "cost $5", true},
        {"$5", "$5", true},
    });
}

TEST(PatternTest, ReportsPatternsThatDoNotCompile)
{
    const struct {
        std::string pattern;
        std::size_t offset;
        std::string message;
    } cases[] = {
        {"[a", 0, "\"[\" at character 1 is not closed."},
        {"ab[^", 2, "\"[\" at character 3 is not closed."},
        {"[]", 0, "\"[\" at character 1 is not closed."},
        {"(a", 0, "\"(\" at character 1 is not closed."},
        {"(a(b)", 0, "\"(\" at character 1 is not closed."},
        {"a)", 1, "\")\" at character 2 has no matching \"(\"."},
        {"*a", 0, "\"*\" at character 1 has nothing to repeat."},
        {"a|+", 2, "\"+\" at character 3 has nothing to repeat."},
        {"(?)", 1, "\"?\" at character 2 has nothing to repeat."},
        {"\\ia", 0, "\"\\i\" at character 1 has nothing to apply to."},
        {"a($name)", 2, "\"$name\" at character 3 names no predefined pattern."},
        {"$N2", 0, "\"$N2\" at character 1 names no predefined pattern."},
        {"ab\\", 2, "\"\\\" at character 3 ends the pattern."},
        {"\\x4", 0, "\"\\x\" at character 1 needs two hexadecimal digits."},
        {"[\\xg0]", 1, "\"\\x\" at character 2 needs two hexadecimal digits."},
        {"[z-a]", 1, "\"z-a\" at character 2 is a range that runs backwards."},
    };
    for (const auto& c : cases) {
        const Pattern pattern = Pattern::Compile(c.pattern);
        ASSERT_TRUE(pattern.Error()) << c.pattern;
        EXPECT_EQ(pattern.Error()->offset, c.offset) << c.pattern;
        EXPECT_EQ(pattern.Error()->message, c.message) << c.pattern;
        EXPECT_FALSE(pattern.Search("")) << c.pattern;
        EXPECT_FALSE(pattern.Search(c.pattern)) << c.pattern;
    }
}

TEST(PatternTest, RefusesPatternsLongerThanTheLimit)
{
    EXPECT_FALSE(Pattern::Compile(std::string(Pattern::kMaxLength, 'a')).Error());
    const Pattern tooLong = Pattern::Compile(std::string(Pattern::kMaxLength + 1, 'a'));
    ASSERT_TRUE(tooLong.Error());
    EXPECT_EQ(tooLong.Error()->offset, Pattern::kMaxLength);
}

// These would overflow the call stack of a recursive parser or matcher, or
// take quadratic time folding nested parts.
TEST(PatternTest, CompilesAndSearchesDeepNesting)
{
    const std::size_t depth = 100000;
    const Pattern nested =
        Pattern::Compile(std::string(depth, '(') + "a*" + std::string(depth, ')') + "b");
    ASSERT_FALSE(nested.Error());
    EXPECT_TRUE(nested.Search("xaab"));
    EXPECT_FALSE(nested.Search("aa"));

    std::string folds = std::string(depth, '(') + "A";
    for (std::size_t i = 0; i < depth; ++i)
        folds += ")\\i";
    const Pattern folded = Pattern::Compile(folds);
    ASSERT_FALSE(folded.Error());
    EXPECT_TRUE(folded.Search("a"));

    std::string alternatives;
    for (std::size_t i = 0; i < depth; ++i)
        alternatives += "a|";
    const Pattern wide = Pattern::Compile(alternatives + "b");
    ASSERT_FALSE(wide.Error());
    EXPECT_TRUE(wide.Search("b"));
    EXPECT_FALSE(wide.Search("c"));

    const Pattern unclosed = Pattern::Compile(std::string(depth, '('));
    ASSERT_TRUE(unclosed.Error());
    EXPECT_EQ(unclosed.Error()->offset, depth - 1);
}

TEST(PatternTest, NestedRepeatsOnLongTextsGiveTheRightAnswer)
{
    const std::string as(10000, 'a');
    const Pattern pattern = Pattern::Compile("(a*)*b");
    EXPECT_FALSE(pattern.Search(as));
    EXPECT_TRUE(pattern.Search(as + "b"));
    EXPECT_FALSE(Pattern::Compile("(a|aa)+c").Search(as));
}

} // namespace
} // namespace solvo
