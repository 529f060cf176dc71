#include "quantities/UnitLabels.h"

#include "../app/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace solvo {
namespace {

const std::string kDefaultFile = "M (mol/L)\r\nmM (mmol/L)\r\nm (mol/kg)\r\n% w/w\r\nppm\r\n"
                                 "% w/v\r\nx\r\nd (g/mL)\r\n";

TEST(UnitLabels, MissingFileGivesDefaultsAndIsWritten)
{
    test::TemporaryFolder folder;
    const UnitLabels labels = UnitLabels::Read(folder.Path() / "units.txt");
    EXPECT_EQ(labels, UnitLabels::Defaults());
    EXPECT_EQ(labels.Label(3), "% w/w");
    EXPECT_EQ(folder.Read("units.txt"), kDefaultFile);
}

TEST(UnitLabels, ReadsLinesAsTheyStand)
{
    const struct {
        const char* name;
        std::string bytes;
        std::array<const char*, 8> labels;
    } cases[] = {
        {"crlf", kDefaultFile,
         {"M (mol/L)", "mM (mmol/L)", "m (mol/kg)", "% w/w", "ppm", "% w/v", "x", "d (g/mL)"}},
        {"lf and spaces kept", "M \nmM\n m\nw\np\nv\nx\nd", {"M ", "mM", " m", "w", "p", "v", "x", "d"}},
        {"three lines", "a\r\nb\r\nc\r\n", {"a", "b", "c", "", "", "", "", ""}},
        {"extra lines ignored", "1\n2\n3\n4\n5\n6\n7\n8\n9\n", {"1", "2", "3", "4", "5", "6", "7", "8"}},
        {"lone CR kept", "a\rb\r\n\r\n", {"a\rb", "", "", "", "", "", "", ""}},
        {"empty file", "", {"", "", "", "", "", "", "", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TemporaryFolder folder;
        const auto file = folder.Write("units.txt", c.bytes);
        const UnitLabels labels = UnitLabels::Read(file);
        for (std::int32_t code = 0; code < 8; ++code)
            EXPECT_EQ(labels.Label(code), c.labels[static_cast<std::size_t>(code)]) << code;
        EXPECT_EQ(folder.Read("units.txt"), c.bytes); // never rewritten
    }
}

TEST(UnitLabels, LaterUnitsTakeLinesNineOnOrTheirDefaults)
{
    test::TemporaryFolder folder;
    const UnitLabels eight = UnitLabels::Read(folder.Write("units.txt", kDefaultFile));
    EXPECT_EQ(eight, UnitLabels::Defaults());
    EXPECT_EQ(eight.Label(9), "\xB5M (\xB5mol/L)");
    EXPECT_EQ(eight.Label(14), "% v/v");
    EXPECT_EQ(eight.Label(15), "N (eq/L)");
    EXPECT_EQ(eight.CodeOfLabel("mg/L"), 13);

    const UnitLabels ten =
        UnitLabels::Read(folder.Write("units.txt", kDefaultFile + "uM\r\nnmol/L\r\n"));
    EXPECT_EQ(ten.Label(9), "uM");
    EXPECT_EQ(ten.Label(10), "nmol/L");
    EXPECT_EQ(ten.Label(11), "mg/mL");
    // A file that relabels a later unit is written whole.
    EXPECT_EQ(ten.FileText(), kDefaultFile + "uM\r\nnmol/L\r\nmg/mL\r\n\xB5g/mL\r\nmg/L\r\n% v/v\r\n"
                                             "N (eq/L)\r\n");
    EXPECT_EQ(UnitLabels::Defaults().FileText(), kDefaultFile);
}

TEST(UnitLabels, FileThatCannotBeReadGivesDefaultsAndStaysUntouched)
{
    test::TemporaryFolder folder;
    std::filesystem::create_directory(folder.Path() / "units.txt");
    EXPECT_EQ(UnitLabels::Read(folder.Path() / "units.txt"), UnitLabels::Defaults());
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "units.txt"));

    // A folder that does not exist cannot take the file: defaults, no error.
    EXPECT_EQ(UnitLabels::Read(folder.Path() / "missing" / "units.txt"), UnitLabels::Defaults());
}

TEST(UnitLabels, EqualLabelsMapBackToTheFirstUnit)
{
    test::TemporaryFolder folder;
    const auto file = folder.Write("units.txt", "M\nmM\nm\nw\nw\nv\nx\nd\n");
    const UnitLabels labels = UnitLabels::Read(file);
    EXPECT_EQ(labels.CodeOfLabel("w"), 3);
    EXPECT_EQ(labels.CodeOfLabel("d"), 7);
    EXPECT_EQ(labels.CodeOfLabel("nothing"), -1);
    EXPECT_EQ(labels.Label(8), "");
    EXPECT_EQ(labels.Label(-1), "");
}

} // namespace
} // namespace solvo
