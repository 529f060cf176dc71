#include "substances/ElementTableBlock.h"

#include "formula/ElementTable.h"
#include "substances/ArchiveReader.h"
#include "substances/ArchiveWriter.h"

#include <gtest/gtest.h>

namespace solvo {
namespace {

std::string Block(ElementTable& table)
{
    std::string bytes;
    ArchiveWriter writer(bytes);
    SerializeElementTable(writer, table);
    writer.Close();
    return bytes;
}

ElementTable Read(const std::string& bytes)
{
    ElementTable table;
    ArchiveReader reader(bytes);
    SerializeElementTable(reader, table);
    EXPECT_EQ(reader.Remaining(), 0u);
    return table;
}

TEST(ElementTableBlockTest, EmptyTableLayout)
{
    ElementTable table;
    EXPECT_EQ(Block(table), std::string("\x00\x00\x02\x00\x00\x00\x00\x00\x00\x00"
                                        "\x0C"
                                        "Database EOF",
                                        23));
}

TEST(ElementTableBlockTest, LeftoverSlotsAreWrittenAndReadBack)
{
    ElementTable table;
    table.LoadDefaults();
    ASSERT_EQ(table.AddEntry("Cit", "C_6H_5O_7", "citrate", 189.1, 1), 104);
    ASSERT_EQ(table.AddEntry("Ac", "x", "", 59.0, 0), -1);
    ASSERT_EQ(table.AddEntry("OAc", "C_2H_3O_2", "acetate", 59.04, 2), 105);
    table.DeleteEntry(104);
    const std::string bytes = Block(table);
    EXPECT_FALSE(table.IsModified());
    EXPECT_EQ(bytes.substr(4, 6), std::string("\x69\x00\x00\x00\x6A\x00", 6)); // 105, N = 106

    ElementTable read = Read(bytes);
    EXPECT_EQ(read.Count(), 105);
    EXPECT_EQ(read.Slots(), table.Slots());
    EXPECT_EQ(read.FindSymbol("OAc"), 104);
    EXPECT_EQ(read.FindSymbol("Cit"), -1);
    EXPECT_TRUE(read.IsComplete());
    EXPECT_FALSE(read.IsModified());
    EXPECT_EQ(Block(read), bytes);
}

TEST(ElementTableBlockTest, OlderBlockGainsTheElectronAndNeedsNoTrailer)
{
    ElementTable defaults;
    defaults.LoadDefaults();
    std::string bytes;
    ArchiveWriter writer(bytes);
    writer.WriteUInt32(0x10000);
    writer.WriteInt32(103);
    writer.WriteCount(103);
    for (std::int32_t i = 1; i < 104; ++i) {
        const Element& entry = defaults.Entry(i);
        writer.WriteString(entry.symbol);
        writer.WriteString("");
        writer.WriteString("");
        writer.WriteDouble(entry.molarMass);
        writer.WriteInt32(entry.decimals);
    }
    writer.Close();
    const ElementTable read = Read(bytes);
    EXPECT_EQ(read.Count(), 104);
    EXPECT_EQ(read.Entry(0), (Element{"e", "", "", 0.0, 0}));
    EXPECT_EQ(read.FindSymbol("Lr"), 103);
    EXPECT_TRUE(read.IsComplete());
}

TEST(ElementTableBlockTest, WrongTrailerLeavesTheTableIncomplete)
{
    ElementTable table;
    table.LoadDefaults();
    std::string bytes = Block(table);
    bytes[bytes.size() - 1] = 'f';
    EXPECT_FALSE(Read(bytes).IsComplete());
}

TEST(ElementTableBlockTest, HostileCountsFailWithoutAllocating)
{
    const auto expectError = [](const std::string& bytes, ArchiveError::Kind kind) {
        ElementTable table;
        ArchiveReader reader(bytes);
        try {
            SerializeElementTable(reader, table);
            ADD_FAILURE() << "no error";
        } catch (const ArchiveError& error) {
            EXPECT_EQ(error.GetKind(), kind);
        }
    };
    // N of 4 billion entries in a 14-byte block.
    expectError(std::string("\x00\x00\x02\x00\x01\x00\x00\x00\xFF\xFF\xFF\xFF\xFF\xFF", 14),
                ArchiveError::Kind::EndOfFile);
    // count 2 with one stored entry, count -1.
    const std::string oneEntry("\x01\x00\x01H\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
                               "\x0C"
                               "Database EOF",
                               31);
    expectError(std::string("\x00\x00\x02\x00\x02\x00\x00\x00", 8) + oneEntry,
                ArchiveError::Kind::Generic);
    expectError(std::string("\x00\x00\x02\x00\xFF\xFF\xFF\xFF", 8) + oneEntry,
                ArchiveError::Kind::Generic);
}

} // namespace
} // namespace solvo
