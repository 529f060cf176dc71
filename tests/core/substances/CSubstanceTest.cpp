#include "substances/CSubstance.h"

#include "formula/ElementTable.h"
#include "substances/ArchiveReader.h"
#include "substances/ArchiveWriter.h"

#include <gtest/gtest.h>

namespace solvo {
namespace {

class CSubstanceTest : public ::testing::Test {
protected:
    CSubstanceTest() { elements.LoadDefaults(); }
    ElementTable elements;
};

TEST_F(CSubstanceTest, NewRecordIsNineteenBytes)
{
    CSubstance substance;
    std::string bytes;
    ArchiveWriter writer(bytes);
    substance.Serialize(writer, elements);
    writer.Close();
    EXPECT_EQ(bytes, std::string("\x00\x00\x01\x00\x00\x00\x00"
                                 "\x00\x00\x00\x00\x00\x00\x00\x00"
                                 "\x03\x00\x00\x00",
                                 19));
}

TEST_F(CSubstanceTest, FormulaIsStoredBeforeTheReservedTextAndAnyVersionReads)
{
    CSubstance substance;
    substance.SetName("salt");
    substance.SetFormula("NaCl");
    substance.SetReservedText("r");
    substance.SetMolarMass(58.44);
    substance.SetReservedNumber(-7);
    std::string bytes;
    ArchiveWriter writer(bytes);
    substance.Serialize(writer, elements);
    writer.Close();
    EXPECT_EQ(bytes.substr(4, 12), std::string("\x04salt\x04NaCl\x01r", 12));

    bytes[2] = 0x07; // version word 0x70000
    CSubstance read;
    ArchiveReader reader(bytes);
    read.Serialize(reader, elements);
    EXPECT_EQ(read.Name(), "salt");
    EXPECT_EQ(read.Formula(), "NaCl");
    EXPECT_EQ(read.ReservedText(), "r");
    EXPECT_EQ(read.MolarMass(), 58.44);
    EXPECT_EQ(read.ReservedNumber(), -7);
}

TEST_F(CSubstanceTest, UpdateMolarMassKeepsATypedMassForAnUnsolvableFormula)
{
    CSubstance substance;
    substance.SetFormula("NaCl");
    substance.UpdateMolarMass(elements);
    EXPECT_NEAR(substance.MolarMass(), 58.44276928, 1e-9);

    substance.SetMolarMass(100.0);
    substance.SetFormula("Xq");
    substance.UpdateMolarMass(elements);
    EXPECT_EQ(substance.MolarMass(), 100.0);

    substance.SetFormula("");
    substance.UpdateMolarMass(elements);
    EXPECT_EQ(substance.MolarMass(), 0.0);
}

} // namespace
} // namespace solvo
