#include "substances/SolvoSubstanceDatabase.h"

#include "formula/ElementTable.h"
#include "substances/ArchiveReader.h"
#include "substances/ArchiveWriter.h"
#include "substances/FileMessages.h"

#include <gtest/gtest.h>

namespace solvo {
namespace {

class SolvoSubstanceDatabaseTest : public ::testing::Test {
protected:
    SolvoSubstanceDatabaseTest() { elements.LoadDefaults(); }

    static SolvoSubstance Named(const std::string& name, const std::string& formula = "")
    {
        SolvoSubstance substance;
        substance.SetName(name);
        substance.SetFormula(formula);
        return substance;
    }

    std::string Block(SolvoSubstanceDatabase& database)
    {
        std::string bytes;
        ArchiveWriter writer(bytes);
        database.Serialize(writer, elements);
        writer.Close();
        return bytes;
    }

    void ReadBlock(const std::string& bytes, SolvoSubstanceDatabase& database)
    {
        ArchiveReader reader(bytes);
        database.Serialize(reader, elements);
        notices = reader.Notices();
    }

    ElementTable elements;
    std::vector<std::string> notices;
};

TEST_F(SolvoSubstanceDatabaseTest, EmptyBlockLayout)
{
    SolvoSubstanceDatabase database;
    EXPECT_EQ(Block(database), std::string("\x00\x00\x03\x00\x00\x00\x00\x00\x0C"
                                           "Database EOF",
                                           21));
}

TEST_F(SolvoSubstanceDatabaseTest, SaveAndLoadReversesTheOrder)
{
    SolvoSubstanceDatabase database;
    for (const char* name : {"A", "B", "C"})
        database.AddSubstance(Named(name));
    EXPECT_TRUE(database.IsModified());
    const std::string bytes = Block(database);
    EXPECT_FALSE(database.IsModified());

    SolvoSubstanceDatabase read;
    ReadBlock(bytes, read);
    ASSERT_EQ(read.GetSubstanceCount(), 3);
    EXPECT_EQ(read.GetSubstance(0).Name(), "C");
    EXPECT_EQ(read.GetSubstance(1).Name(), "B");
    EXPECT_EQ(read.GetSubstance(2).Name(), "A");
    EXPECT_TRUE(read.EndMarkerFound());
    EXPECT_FALSE(read.IsModified());
    EXPECT_EQ(read.FindByName("A"), &read.GetSubstance(2));
}

TEST_F(SolvoSubstanceDatabaseTest, NameIndexPrefersTheLowestIndex)
{
    SolvoSubstanceDatabase database;
    database.AddSubstance(Named("salt", "NaCl"));
    database.AddSubstance(Named("salt", "KCl"));
    database.AddSubstance(Named("water", "H_2O"));
    EXPECT_EQ(database.FindByName("salt")->Formula(), "NaCl");
    EXPECT_EQ(database.FindByName("Salt"), nullptr);
    database.ReplaceSubstance(0, Named("brine", "NaCl"));
    EXPECT_EQ(database.FindByName("salt")->Formula(), "KCl");
    database.DeleteSubstance(-1);
    database.DeleteSubstance(1);
    EXPECT_EQ(database.FindByName("salt"), nullptr);
    EXPECT_EQ(database.FindIndexByName("water"), 1);
    EXPECT_THROW(database.GetSubstance(2), std::out_of_range);
}

// Through the index's growth every name stays found, at its first place.
TEST_F(SolvoSubstanceDatabaseTest, NameIndexFindsEveryNameAsTheDatabaseGrows)
{
    SolvoSubstanceDatabase database;
    constexpr int kNames = 1000;
    for (int i = 0; i < 3 * kNames; ++i)
        database.AddSubstance(Named("n" + std::to_string(i % kNames), "NaCl"));
    for (int i = 0; i < kNames; ++i)
        ASSERT_EQ(database.FindIndexByName("n" + std::to_string(i)), i);
    EXPECT_EQ(database.FindIndexByName("n1000"), -1);
    EXPECT_EQ(database.FindIndexByName(""), -1);
    database.DeleteSubstance(0);
    EXPECT_EQ(database.FindIndexByName("n0"), kNames - 1);
    EXPECT_EQ(database.FindIndexByName("n1"), 0);
}

TEST_F(SolvoSubstanceDatabaseTest, AddingKeepsNoConcentration)
{
    SolvoSubstance substance = Named("salt", "NaCl");
    substance.UpdateMolarMass(elements);
    substance.SetConcentration(0.5, ConcentrationUnit::Molar);
    SolvoSubstanceDatabase database;
    database.AddSubstance(substance);
    EXPECT_EQ(database.GetSubstance(0).GetConcentration(ConcentrationUnit::Molar), 0.0);
    EXPECT_EQ(database.GetSubstance(0).MolarMass(), substance.MolarMass());
}

TEST_F(SolvoSubstanceDatabaseTest, OlderBlockHasNoEndMarker)
{
    SolvoSubstance substance = Named("salt", "NaCl");
    substance.SetConcentration(0.5, ConcentrationUnit::Molar);
    std::string bytes;
    ArchiveWriter writer(bytes);
    writer.WriteUInt32(0x20000);
    writer.WriteUInt32(2);
    substance.Serialize(writer, elements);
    substance.SetName("other");
    substance.Serialize(writer, elements);
    writer.Close();

    SolvoSubstanceDatabase read;
    ReadBlock(bytes, read);
    ASSERT_EQ(read.GetSubstanceCount(), 2);
    EXPECT_EQ(read.GetSubstance(0).Name(), "salt");
    EXPECT_EQ(read.GetSubstance(1).Name(), "other");
    EXPECT_EQ(read.GetSubstance(0).GetConcentration(ConcentrationUnit::Molar), 0.0);
    EXPECT_TRUE(read.EndMarkerFound());
    EXPECT_FALSE(read.IsModified());
}

TEST_F(SolvoSubstanceDatabaseTest, UnknownBlockVersionReadsNothing)
{
    SolvoSubstanceDatabase read;
    read.AddSubstance(Named("old"));
    ReadBlock(std::string("\x00\x00\x09\x00\x01\x00\x00\x00", 8), read);
    EXPECT_EQ(read.GetSubstanceCount(), 0);
    EXPECT_TRUE(read.EndMarkerFound());
    EXPECT_TRUE(read.BlockVersionUnknown());
    EXPECT_EQ(notices, std::vector<std::string>{std::string(kUnknownVersionMessage)});
}

TEST_F(SolvoSubstanceDatabaseTest, WrongEndMarkerAndHostileCounts)
{
    SolvoSubstanceDatabase database;
    database.AddSubstance(Named("A"));
    std::string bytes = Block(database);
    bytes.back() = 'x';
    SolvoSubstanceDatabase read;
    ReadBlock(bytes, read);
    EXPECT_EQ(read.GetSubstanceCount(), 1);
    EXPECT_FALSE(read.EndMarkerFound());

    // Four billion substances announced in a 40-byte block.
    std::string hostile("\x00\x00\x03\x00\xFF\xFF\xFF\xFF", 8);
    hostile += std::string(32, '\0');
    EXPECT_THROW(ReadBlock(hostile, read), ArchiveError);
}

TEST_F(SolvoSubstanceDatabaseTest, CountElementUsesCountsFormulasAndAlternatives)
{
    SolvoSubstanceDatabase database;
    SolvoSubstance salt = Named("salt", "MgCl_2");
    salt.SetAlternatives({"MgCl_2&6H_2O"});
    salt.SetSourceFormula("NaCl");
    database.AddSubstance(salt);
    std::vector<std::int32_t> counts(static_cast<std::size_t>(elements.Count()) + 1, 0);
    counts[17] = 1;
    database.CountElementUses(elements, counts);
    EXPECT_EQ(counts[17], 5); // Cl
    EXPECT_EQ(counts[12], 2); // Mg
    EXPECT_EQ(counts[1], 12); // H
    EXPECT_EQ(counts[11], 0); // Na: the source formula does not count
}

} // namespace
} // namespace solvo
