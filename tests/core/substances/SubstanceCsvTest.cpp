#include "substances/SubstanceCsv.h"

#include "formula/ElementTable.h"
#include "substances/SolvoSubstanceDatabase.h"
#include "substances/SubstanceImport.h"

#include <gtest/gtest.h>

#include <string>

namespace solvo {
namespace {

class SubstanceCsvTest : public ::testing::Test {
protected:
    SubstanceCsvTest() { elements.LoadDefaults(); }

    SolvoSubstance Make(const char* name, const char* formula, const char* table,
                        DensityTableKind kind = DensityTableKind::PercentWW,
                        std::vector<std::string> alternatives = {}) const
    {
        SolvoSubstance substance;
        substance.SetName(name);
        substance.SetFormula(formula);
        substance.UpdateMolarMass(elements);
        substance.SetAlternatives(std::move(alternatives));
        substance.Table().SetText(table);
        substance.Table().SetKind(kind);
        substance.Table().SetNoTable(*table == '\0');
        substance.ParseDensityTable();
        return substance;
    }

    SubstanceCsvResult Read(std::string_view text) const { return SubstanceCsv::Read(text, elements); }

    ElementTable elements;
};

// Export, read back into an empty database, export again: the same bytes,
// whatever the names and formulas hold.
TEST_F(SubstanceCsvTest, WhatIsWrittenReadsBackTheSame)
{
    SolvoSubstanceDatabase database;
    database.AddSubstance(Make("sodium chloride, \"extra pure\"", "NaCl", "0.00 0.9982\r\n10 1.0707"));
    database.AddSubstance(Make("Natriumsulfat f\xFCr die Analyse \xB5g", "Na_2SO_4&10H_2O",
                               "0,5 1.002\r\n2 1.01", DensityTableKind::Molarity,
                               {"Na_2SO_4", "SO_4^{2-}"}));
    database.AddSubstance(Make(" padded ", "", ""));
    SolvoSubstance typed = Make("polymer", "", "");
    typed.SetMolarMass(12345.5);
    database.AddSubstance(typed);

    const std::string written = SubstanceCsv::Write(database);
    EXPECT_NE(written.find("\"sodium chloride, \"\"extra pure\"\"\""), std::string::npos);
    EXPECT_NE(written.find("Natriumsulfat f\xC3\xBCr die Analyse \xC2\xB5g"), std::string::npos);
    EXPECT_NE(written.find(",0.5:1.002;2:1.01,M,Na_2SO_4;SO_4^{2-}"), std::string::npos);

    const SubstanceCsvResult read = Read(written);
    ASSERT_EQ(read.error, "");
    SolvoSubstanceDatabase copy;
    const ImportCounts counts = SubstanceImport::Apply(copy, read.substances);
    EXPECT_EQ(counts.added, 4);
    EXPECT_EQ(SubstanceCsv::Write(copy), written);
    for (std::int32_t k = 0; k < 4; ++k) {
        const SolvoSubstance& before = database.GetSubstance(k);
        const SolvoSubstance& after = copy.GetSubstance(k);
        EXPECT_EQ(after.Name(), before.Name());
        EXPECT_EQ(after.Formula(), before.Formula());
        EXPECT_EQ(after.MolarMass(), before.MolarMass());
        EXPECT_EQ(after.Alternatives(), before.Alternatives());
        EXPECT_EQ(after.Table().NoTable(), before.Table().NoTable());
        EXPECT_EQ(after.Table().Rows().size(), before.Table().Rows().size());
    }
}

TEST_F(SubstanceCsvTest, TakesWhatSpreadsheetsWrite)
{
    // Byte order mark, CR LF, columns in another order and some left out,
    // blank lines and empty rows, a quoted line break, decimal commas.
    const SubstanceCsvResult read =
        Read("\xEF\xBB\xBF" "formula,name,density_table,molar_mass\r\n"
             "NaCl,\"salt\nof the sea\",\"0:0,9982; 10:1,0707;\",58.44\r\n"
             "\r\n"
             ",,,\r\n"
             ",dextran,,70000\r\n");
    ASSERT_EQ(read.error, "");
    ASSERT_EQ(read.substances.size(), 2u);
    const SolvoSubstance& salt = read.substances[0];
    EXPECT_EQ(salt.Name(), "salt\nof the sea");
    EXPECT_NEAR(salt.MolarMass(), 58.443, 0.001);
    EXPECT_EQ(salt.Table().Text(), "0 0.9982\r\n10 1.0707");
    EXPECT_EQ(salt.Table().Kind(), DensityTableKind::PercentWW);
    EXPECT_EQ(salt.Table().Rows().size(), 2u);
    EXPECT_DOUBLE_EQ(read.substances[1].MolarMass(), 70000.0);
    EXPECT_TRUE(read.substances[1].Table().NoTable());
}

TEST_F(SubstanceCsvTest, RefusesTheWholeFileNamingTheLine)
{
    const std::string header = "name,formula,molar_mass,density_table,table_kind\n";
    const struct {
        std::string text;
        const char* error;
    } cases[] = {
        {header + "a,NaCl,,,\nb,KCl,,\n", "line 3: 4 fields instead of 5."},
        {header + "a,NaCl,,,\nb,Xq_2,,,\n",
         "line 3: the formula \"Xq_2\" has a symbol that is not in the element and moiety table."},
        {header + "a,,12g,,\n", "line 2: the molar mass \"12g\" is not a number."},
        {header + "a,NaCl,60,,\n", "line 2: the molar mass 60 is not the formula's 58.4428."},
        {header + "a,NaCl,,\"0:1;10:1.07;5:1.03\",\n",
         "line 2: the density table is not sorted: 5 follows 10."},
        {header + "a,NaCl,,0:1:2,\n",
         "line 2: the density table entry \"0:1:2\" is not one pair concentration:density."},
        {header + "a,NaCl,,0:-1,\n",
         "line 2: the density table entry \"0:-1\" needs a concentration of 0 or more and a "
         "density above 0."},
        {header + "a,NaCl,,0:1,x\n", "line 2: the table kind \"x\" is not w, M or m."},
        {header + "a,NaCl,,,\n\"a\",KCl,,,\n", "line 3: \"a\" is on line 2 already."},
        {header + " ,NaCl,,,\n", "line 2: the name is empty."},
        {header + "a,NaCl,,,\nb\xE9,KCl,,,\n",
         "line 3: is not UTF-8 text, or holds a character that Solvo's text (Windows-1252) "
         "cannot hold."},
        {header + "snow \xE2\x98\x83,H_2O,,,\n",
         "line 2: is not UTF-8 text, or holds a character that Solvo's text (Windows-1252) "
         "cannot hold."},
        {header + "a,NaCl,,,\n\"b\nc,KCl,,,\n", "line 3: a quoted field is not closed."},
        {header + "a\"b\",NaCl,,,\n", "line 2: a quote inside a field that does not start with one."},
        {"name,formula,density\n", "line 1: unknown column \"density\"; the columns are name, "
                                   "formula, molar_mass, density_table, table_kind and alternatives."},
        {"name,name,formula\n", "line 1: the column \"name\" is there twice."},
        {"name,molar_mass\n", "line 1: the columns name and formula are required."},
        {"", "line 1: no header line naming the columns."},
        {std::string(SubstanceCsv::kLargestFile + 1, ' '), "the file is larger than 32 MiB."},
    };
    for (const auto& c : cases) {
        const SubstanceCsvResult read = Read(c.text);
        EXPECT_EQ(read.error, c.error) << c.text.substr(0, 200);
        EXPECT_TRUE(read.substances.empty());
    }
}

TEST_F(SubstanceCsvTest, ImportAddsAndReplacesKeepingWhatTheFileDoesNotCarry)
{
    SolvoSubstanceDatabase database;
    database.LoadDefaultSubstances(elements);
    const std::int32_t before = database.GetSubstanceCount();
    const SubstanceCsvResult read =
        Read("name,formula,density_table\nacetic acid,CH_3COOH,0:0.998;10:1.0126\nurea,(NH_2)_2CO,\n");
    ASSERT_EQ(read.error, "");
    EXPECT_EQ(SubstanceImport::Clashes(database, read.substances),
              std::vector<std::string>{"acetic acid"});

    const ImportCounts counts = SubstanceImport::Apply(database, read.substances);
    EXPECT_EQ(SubstanceImport::Summary(counts), "1 substance added, 1 replaced");
    EXPECT_EQ(database.GetSubstanceCount(), before + 1);
    const SolvoSubstance* acetic = database.FindByName("acetic acid");
    ASSERT_NE(acetic, nullptr);
    EXPECT_EQ(acetic->Formula(), "CH_3COOH");
    EXPECT_EQ(acetic->Table().Rows().size(), 2u);
    EXPECT_TRUE(acetic->UseStockSolution());
    EXPECT_DOUBLE_EQ(acetic->StockConcentration(), 100.0);
    EXPECT_EQ(SubstanceImport::Summary({12, 3}), "12 substances added, 3 replaced");
}

} // namespace
} // namespace solvo
