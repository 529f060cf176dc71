#include "solution/RecipeTemplate.h"

#include "../app/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace solvo {
namespace {

using Line = RecipeTemplate::Line;

TEST(RecipeTemplate, MissingFileIsCreatedWithTheDefaults)
{
    test::TemporaryFolder folder;
    const RecipeTemplate loaded = RecipeTemplate::Load(folder.Path() / "template.txt");
    EXPECT_EQ(loaded, RecipeTemplate());
    EXPECT_EQ(loaded.Text(Line::Summary), "<CONCENTRATION> <SUBSTANCENAME> <SUBSTANCEFORMULA>");
    EXPECT_EQ(loaded.Text(Line::StandardFinalStep),
              "<LINENUMBER>. Dilute to the mark with mixing.");

    const std::string written = folder.Read("template.txt");
    EXPECT_TRUE(written.starts_with("<CONCENTRATION> <SUBSTANCENAME> <SUBSTANCEFORMULA>\r\n"
                                    "Solution prepared by: ............................\r\n"));
    EXPECT_TRUE(written.ends_with("\r\n<LINENUMBER>. Dilute to the mark with mixing.\r\n"));
    std::size_t lineEnds = 0;
    for (std::size_t at = written.find("\r\n"); at != std::string::npos;
         at = written.find("\r\n", at + 2))
        ++lineEnds;
    EXPECT_EQ(lineEnds, 14u);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 14);

    // What was written reads back as the defaults.
    EXPECT_EQ(RecipeTemplate::Load(folder.Path() / "template.txt"), RecipeTemplate());
}

TEST(RecipeTemplate, FileLinesReplaceTheDefaults)
{
    test::TemporaryFolder folder;
    folder.Write("template.txt", "first\r\nsecond\n");
    const RecipeTemplate loaded = RecipeTemplate::Load(folder.Path() / "template.txt");
    EXPECT_EQ(loaded.Text(Line::Summary), "first");
    EXPECT_EQ(loaded.Text(Line::PreparedBy), "second");
    // The rest of a short file is empty, not the defaults.
    for (std::int32_t line = 3; line <= 14; ++line)
        EXPECT_EQ(loaded.Text(static_cast<Line>(line)), "") << line;
    // A file that exists is never rewritten.
    EXPECT_EQ(folder.Read("template.txt"), "first\r\nsecond\n");
}

TEST(RecipeTemplate, ParsesLinesUpToTheirLineFeed)
{
    std::string bytes;
    for (int line = 1; line <= 16; ++line)
        bytes += "line " + std::to_string(line) + (line % 2 ? "\r\n" : "\n");
    const RecipeTemplate parsed = RecipeTemplate::Parse(bytes);
    EXPECT_EQ(parsed.Text(Line::Summary), "line 1");
    EXPECT_EQ(parsed.Text(Line::PreparedBy), "line 2");
    EXPECT_EQ(parsed.Text(Line::StandardFinalStep), "line 14");

    // Only a CR before the LF is a line end; other CRs, blanks and a last
    // line without LF stay as they are.
    const RecipeTemplate odd = RecipeTemplate::Parse("a\rb \r\r\n\n  c\r");
    EXPECT_EQ(odd.Text(Line::Summary), "a\rb \r");
    EXPECT_EQ(odd.Text(Line::PreparedBy), "");
    EXPECT_EQ(odd.Text(Line::Heading), "  c\r");
    EXPECT_EQ(odd.Text(Line::StandardHeading), "");

    EXPECT_EQ(RecipeTemplate::Parse("").Text(Line::Summary), "");
}

TEST(RecipeTemplate, UnreadableFileGivesTheDefaultsAndIsKept)
{
    test::TemporaryFolder folder;
    std::filesystem::create_directory(folder.Path() / "template.txt");
    EXPECT_EQ(RecipeTemplate::Load(folder.Path() / "template.txt"), RecipeTemplate());
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "template.txt"));

    // Nowhere to write: the defaults all the same.
    EXPECT_EQ(RecipeTemplate::Load(folder.Path() / "missing" / "template.txt"), RecipeTemplate());
}

} // namespace
} // namespace solvo
