#include "solution/RecipePlaceholders.h"

#include <gtest/gtest.h>

namespace solvo {
namespace {

RecipePlaceholders Values()
{
    RecipePlaceholders values;
    values.lineNumber = "3";
    values.targetVolume = "500";
    values.startVolume = "400";
    values.solidMass = "2.922";
    values.substanceName = "salt";
    values.solutionVolume = "10.0";
    values.concentration = "1 M (mol/L)";
    values.volumeUnit = "mL";
    return values;
}

TEST(RecipePlaceholders, ReplacesEveryPlaceholderButTheFormula)
{
    EXPECT_EQ(Values().ReplacePlaceholders(
                  "<LINENUMBER>. <TARGETVOLUME> <STARTVOLUME> <SOLIDMASS> <SUBSTANCENAME> "
                  "<SOLUTIONVOLUME> <CONCENTRATION> <VOLUMEUNIT> <SUBSTANCEFORMULA> <OTHER>"),
              "3. 500 400 2.922 salt 10.0 1 M (mol/L) mL <SUBSTANCEFORMULA> <OTHER>");
    EXPECT_EQ(Values().ReplacePlaceholders("<SOLIDMASS><SOLIDMASS> <SOLIDMASS"),
              "2.9222.922 <SOLIDMASS");
}

TEST(RecipePlaceholders, LaterPassesSeeWhatEarlierOnesInserted)
{
    RecipePlaceholders values = Values();
    const struct {
        const char* name;
        const char* shown;
    } cases[] = {
        // <VOLUMEUNIT> and <TARGETVOLUME> have passes after the name's.
        {"in <VOLUMEUNIT>", "in mL"},
        {"to <TARGETVOLUME>", "to 500"},
        {"<CONCENTRATION>", "1 M (mol/L)"},
        // <LINENUMBER> and <SOLIDMASS> were replaced before the name went in.
        {"no <LINENUMBER>", "no <LINENUMBER>"},
        {"<SOLIDMASS>", "<SOLIDMASS>"},
        // A pass does not rescan its own insertions.
        {"<SUBSTANCENAME>", "<SUBSTANCENAME>"},
    };
    for (const auto& c : cases) {
        values.substanceName = c.name;
        EXPECT_EQ(values.ReplacePlaceholders("<SUBSTANCENAME>"), c.shown) << c.name;
    }

    // A value can also complete a placeholder that the text began.
    values.solidMass = "";
    values.substanceName = "VOLUME";
    EXPECT_EQ(values.ReplacePlaceholders("<VOLUME<SOLIDMASS>UNIT> <<SUBSTANCENAME>UNIT>"), "mL mL");
    EXPECT_EQ(values.ReplacePlaceholders("<<SUBSTANCENAME>UNIT> <LINENUMBER"), "mL <LINENUMBER");
}

TEST(RecipePlaceholders, PercentSignsAreNeverAFormat)
{
    const struct {
        const char* line;
        const char* shown;
    } cases[] = {
        {"100%% pure", "100% pure"},
        {"%%%%", "%%"},
        {"%%%", "%%"},
        {"50 % w/w", "50 % w/w"},
        {"%s %d %n %", "%s %d %n %"},
        {"<SOLIDMASS>%%", "2.922%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Values().Expand(c.line), c.shown) << c.line;
    // Only the template line is unescaped, not the values put into it.
    RecipePlaceholders values = Values();
    values.substanceName = "100%% <LINENUMBER>";
    EXPECT_EQ(values.Expand("<SUBSTANCENAME>"), "100%% <LINENUMBER>");
}

} // namespace
} // namespace solvo
