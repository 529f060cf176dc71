#include "substances/ArchiveFile.h"
#include "substances/ArchiveReader.h"
#include "substances/ArchiveWriter.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <string>
#include <type_traits>
#include <unistd.h>

namespace solvo {
namespace {

std::string Bytes(std::initializer_list<int> values)
{
    std::string bytes;
    for (const int value : values)
        bytes.push_back(static_cast<char>(value));
    return bytes;
}

template <typename Write> std::string Written(Write write)
{
    std::string bytes;
    ArchiveWriter writer(bytes);
    write(writer);
    writer.Close();
    return bytes;
}

// A reader over a temporary string would read freed bytes; it must not compile.
static_assert(std::is_constructible_v<ArchiveReader, const std::string&>);
static_assert(!std::is_constructible_v<ArchiveReader, std::string>);
static_assert(!std::is_constructible_v<ArchiveReader, std::string&&>);

TEST(ArchiveTest, StringPrefixesSwitchAt255And65534)
{
    struct Case {
        std::size_t length;
        std::string prefix;
    };
    const Case cases[] = {
        {0, Bytes({0x00})},
        {254, Bytes({0xFE})},
        {255, Bytes({0xFF, 0xFF, 0x00})},
        {65533, Bytes({0xFF, 0xFD, 0xFF})},
        {65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    for (const Case& c : cases) {
        const std::string text(c.length, 'x');
        const std::string bytes = Written([&](Archive& ar) { ar.WriteString(text); });
        ASSERT_EQ(bytes.size(), c.prefix.size() + c.length) << c.length;
        EXPECT_EQ(bytes.substr(0, c.prefix.size()), c.prefix) << c.length;
        ArchiveReader reader(bytes);
        EXPECT_EQ(reader.ReadString(), text) << c.length;
        EXPECT_EQ(reader.Remaining(), 0u);
    }
}

TEST(ArchiveTest, CountsSwitchAt65535)
{
    struct Case {
        std::uint32_t count;
        std::string bytes;
    };
    const Case cases[] = {
        {0, Bytes({0x00, 0x00})},
        {65534, Bytes({0xFE, 0xFF})},
        {65535, Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00})},
        {0xFFFFFFFF, Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Written([&](Archive& ar) { ar.WriteCount(c.count); }), c.bytes) << c.count;
        ArchiveReader reader(c.bytes);
        EXPECT_EQ(reader.ReadCount(), c.count);
    }
}

TEST(ArchiveTest, NumbersAreLittleEndianBitForBit)
{
    const double nan = std::bit_cast<double>(0x7FF8000000012345ULL);
    const std::string bytes = Written([&](Archive& ar) {
        ar.WriteDouble(1.0);
        ar.WriteUInt32(0x10000);
        ar.WriteInt32(-2);
        ar.WriteDouble(nan);
        ar.WriteDouble(-std::numeric_limits<double>::infinity());
    });
    EXPECT_EQ(bytes.substr(0, 16), Bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 0x00, 0x00, 0x01, 0x00,
                                          0xFE, 0xFF, 0xFF, 0xFF}));
    ArchiveReader reader(bytes);
    EXPECT_EQ(reader.ReadDouble(), 1.0);
    EXPECT_EQ(reader.ReadUInt32(), 0x10000u);
    EXPECT_EQ(reader.ReadInt32(), -2);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(reader.ReadDouble()), 0x7FF8000000012345ULL);
    EXPECT_EQ(reader.ReadDouble(), -std::numeric_limits<double>::infinity());
}

TEST(ArchiveTest, ReadsUtf16Strings)
{
    struct Case {
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {Bytes({0xFF, 0xFE, 0xFF, 0x03, 'a', 0, 'b', 0, 'c', 0}), "abc"},
        // The euro sign has a byte of its own; a CJK character and a
        // surrogate pair have none.
        {Bytes({0xFF, 0xFE, 0xFF, 0x04, 0xAC, 0x20, 0x34, 0x12, 0x3D, 0xD8, 0x00, 0xDE}),
         "\x80??"},
        // Long form after the wide marker.
        {Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0x01, 0x00, 'z', 0}), "z"},
        {Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00, 'y', 0}), "y"},
    };
    for (const Case& c : cases) {
        ArchiveReader reader(c.bytes);
        EXPECT_EQ(reader.ReadString(), c.text);
        EXPECT_EQ(reader.Remaining(), 0u);
    }
}

TEST(ArchiveTest, LongestLengthFormIsRangeChecked)
{
    const std::string fits = Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0, 0, 0, 0,
                                    0, 'o', 'k'});
    ArchiveReader reader(fits);
    EXPECT_EQ(reader.ReadString(), "ok");

    const std::string tooLong = Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80,
                                       0, 0, 0, 0});
    ArchiveReader hostile(tooLong);
    try {
        hostile.ReadString();
        FAIL() << "no error";
    } catch (const ArchiveError& error) {
        EXPECT_EQ(error.GetKind(), ArchiveError::Kind::Generic);
    }
}

TEST(ArchiveTest, ReadingPastTheEndIsEndOfFileAndAssignsNothing)
{
    const auto expectEndOfFile = [](auto read) {
        try {
            read();
            ADD_FAILURE() << "no error";
        } catch (const ArchiveError& error) {
            EXPECT_EQ(error.GetKind(), ArchiveError::Kind::EndOfFile);
        }
    };
    const std::string three = Bytes({1, 2, 3});
    ArchiveReader threeBytes(three);
    std::uint32_t value = 7;
    expectEndOfFile([&] { threeBytes.Transfer(value); });
    EXPECT_EQ(value, 7u);
    EXPECT_EQ(threeBytes.Remaining(), 3u);

    // A length of 4 billion in a short buffer fails before anything is sized by it.
    for (const std::string& bytes : {Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 'a'}),
                                     Bytes({0xFF, 0xFE, 0xFF, 0x02, 'a', 0})}) {
        ArchiveReader hugeLength(bytes);
        expectEndOfFile([&] { hugeLength.ReadString(); });
    }
}

TEST(ArchiveTest, WrongDirectionIsAnError)
{
    std::string bytes;
    ArchiveWriter writer(bytes);
    EXPECT_FALSE(writer.IsLoading());
    std::int32_t value = 0;
    try {
        writer.ReadInt32();
        ADD_FAILURE();
    } catch (const ArchiveError& error) {
        EXPECT_EQ(error.GetKind(), ArchiveError::Kind::WriteOnly);
    }
    ArchiveReader reader(bytes);
    EXPECT_TRUE(reader.IsLoading());
    try {
        reader.WriteInt32(value);
        ADD_FAILURE();
    } catch (const ArchiveError& error) {
        EXPECT_EQ(error.GetKind(), ArchiveError::Kind::ReadOnly);
    }
}

// Strings and numbers straddling the blocks in which files are read and written.
TEST(ArchiveTest, FileRoundTripAcrossBufferBlocks)
{
    static_assert(ArchiveReader::kBlockSize == ArchiveWriter::kBlockSize);
    const auto path = std::filesystem::temp_directory_path() / ("solvo_archive_test-" + std::to_string(::getpid()) + ".bin");
    const std::string big(2 * ArchiveReader::kBlockSize + 808, 'q');
    // More numbers than a block holds, then a string over two blocks long.
    const auto numbers = static_cast<std::int32_t>(ArchiveReader::kBlockSize / 4 + 375);
    auto write = [&](Archive& ar) {
        for (std::int32_t i = 0; i < numbers; ++i)
            ar.WriteInt32(i);
        ar.WriteString(big);
        ar.WriteDouble(0.1);
    };
    ASSERT_TRUE(WriteArchiveFile(path, write));
    const std::string inMemory = Written(write);
    EXPECT_EQ(std::filesystem::file_size(path), inMemory.size());

    bool ended = false;
    ASSERT_TRUE(ReadArchiveFile(path, [&](ArchiveReader& reader) {
        for (std::int32_t i = 0; i < numbers; ++i)
            ASSERT_EQ(reader.ReadInt32(), i);
        EXPECT_EQ(reader.ReadString(), big);
        EXPECT_EQ(reader.ReadDouble(), 0.1);
        try {
            reader.ReadUInt32();
        } catch (const ArchiveError& error) {
            ended = error.GetKind() == ArchiveError::Kind::EndOfFile;
        }
    }));
    EXPECT_TRUE(ended);
    std::filesystem::remove(path);
    EXPECT_FALSE(ReadArchiveFile(path, [](ArchiveReader&) {}));
}

TEST(ArchiveTest, FailedWriteLeavesTheOldFile)
{
    const auto path = std::filesystem::temp_directory_path() / ("solvo_archive_keep-" + std::to_string(::getpid()) + ".bin");
    ASSERT_TRUE(WriteArchiveFile(path, [](Archive& ar) { ar.WriteUInt32(42); }));
    EXPECT_FALSE(WriteArchiveFile(path, [](Archive& ar) {
        ar.WriteUInt32(1);
        throw ArchiveError(ArchiveError::Kind::Generic, "stop");
    }));
    EXPECT_EQ(std::filesystem::file_size(path), 4u);
    ASSERT_TRUE(ReadArchiveFile(path, [](ArchiveReader& reader) {
        EXPECT_EQ(reader.ReadUInt32(), 42u);
    }));
    std::filesystem::remove(path);
    // Nothing left beside it.
    for (const auto& entry : std::filesystem::directory_iterator(path.parent_path()))
        EXPECT_EQ(entry.path().filename().string().find("solvo_archive_keep.bin"),
                  std::string::npos);
}

} // namespace
} // namespace solvo
