#include "substances/Archive.h"

#include "platform/Windows1252.h"

#include <bit>
#include <limits>

namespace solvo {

namespace {

constexpr std::uint8_t kLongPrefix = 0xFF;
constexpr std::uint16_t kWideMarker = 0xFFFE;
constexpr std::uint16_t kLong16 = 0xFFFF;
constexpr std::uint32_t kLong32 = 0xFFFFFFFF;

template <typename T> void StoreLittleEndian(T value, unsigned char* out)
{
    for (std::size_t i = 0; i < sizeof(T); ++i)
        out[i] = static_cast<unsigned char>(static_cast<std::uint64_t>(value) >> (8 * i));
}

template <typename T> T LoadLittleEndian(const unsigned char* in)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        value |= static_cast<std::uint64_t>(in[i]) << (8 * i);
    return static_cast<T>(value);
}

template <typename T> void WriteLittleEndian(Archive& ar, T value)
{
    unsigned char bytes[sizeof(T)];
    StoreLittleEndian(value, bytes);
    ar.WriteBytes(bytes, sizeof(T));
}

template <typename T> T ReadLittleEndian(Archive& ar)
{
    unsigned char bytes[sizeof(T)];
    ar.ReadBytes(bytes, sizeof(T));
    return LoadLittleEndian<T>(bytes);
}

// Text that was stored as UTF-16: each character becomes its Windows-1252
// byte, or '?' when the code page has none, as the system's own conversion does.
std::string NarrowUtf16(const std::string& units)
{
    std::string text;
    text.reserve(units.size() / 2);
    const auto* bytes = reinterpret_cast<const unsigned char*>(units.data());
    const std::size_t count = units.size() / 2;
    for (std::size_t i = 0; i < count; ++i) {
        const char32_t unit = LoadLittleEndian<std::uint16_t>(bytes + 2 * i);
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        if (high && i + 1 < count) {
            const char32_t next = LoadLittleEndian<std::uint16_t>(bytes + 2 * (i + 1));
            if (next >= 0xDC00 && next <= 0xDFFF) {
                // A character beyond the basic plane: never in the code page.
                text.push_back('?');
                ++i;
                continue;
            }
        }
        const auto byte = Windows1252::Byte(unit);
        text.push_back(byte ? static_cast<char>(*byte) : '?');
    }
    return text;
}

} // namespace

void Archive::WriteBytes(const void*, std::size_t)
{
    throw ArchiveError(ArchiveError::Kind::ReadOnly, "write through a loading archive");
}

void Archive::ReadBytes(void*, std::size_t)
{
    throw ArchiveError(ArchiveError::Kind::WriteOnly, "read through a storing archive");
}

std::uint64_t Archive::Remaining() const
{
    throw ArchiveError(ArchiveError::Kind::WriteOnly, "read through a storing archive");
}

void Archive::Require(std::uint64_t size) const
{
    if (Remaining() < size)
        throw ArchiveError(ArchiveError::Kind::EndOfFile, "unexpected end of file");
}

void Archive::WriteUInt32(std::uint32_t value)
{
    WriteLittleEndian(*this, value);
}

void Archive::WriteInt32(std::int32_t value)
{
    WriteLittleEndian(*this, static_cast<std::uint32_t>(value));
}

void Archive::WriteDouble(double value)
{
    WriteLittleEndian(*this, std::bit_cast<std::uint64_t>(value));
}

void Archive::WriteString(std::string_view text)
{
    const std::uint64_t length = text.size();
    if (length >= kLong32)
        throw ArchiveError(ArchiveError::Kind::Generic, "string too long for the archive");
    if (length < kLongPrefix) {
        WriteLittleEndian(*this, static_cast<std::uint8_t>(length));
    } else {
        WriteLittleEndian(*this, kLongPrefix);
        // 0xFFFE is never a 16-bit length: after FF it marks a UTF-16 string.
        if (length < kWideMarker) {
            WriteLittleEndian(*this, static_cast<std::uint16_t>(length));
        } else {
            WriteLittleEndian(*this, kLong16);
            WriteLittleEndian(*this, static_cast<std::uint32_t>(length));
        }
    }
    WriteBytes(text.data(), text.size());
}

void Archive::WriteCount(std::uint64_t count)
{
    if (count > kLong32)
        throw ArchiveError(ArchiveError::Kind::Generic, "count too large for the archive");
    if (count < kLong16) {
        WriteLittleEndian(*this, static_cast<std::uint16_t>(count));
    } else {
        WriteLittleEndian(*this, kLong16);
        WriteLittleEndian(*this, static_cast<std::uint32_t>(count));
    }
}

std::uint32_t Archive::ReadUInt32()
{
    return ReadLittleEndian<std::uint32_t>(*this);
}

std::int32_t Archive::ReadInt32()
{
    return static_cast<std::int32_t>(ReadLittleEndian<std::uint32_t>(*this));
}

double Archive::ReadDouble()
{
    return std::bit_cast<double>(ReadLittleEndian<std::uint64_t>(*this));
}

std::string Archive::ReadString()
{
    bool wide = false;
    std::uint64_t length = ReadLittleEndian<std::uint8_t>(*this);
    if (length == kLongPrefix) {
        std::uint16_t word = ReadLittleEndian<std::uint16_t>(*this);
        bool haveLength = false;
        if (word == kWideMarker) {
            wide = true;
            length = ReadLittleEndian<std::uint8_t>(*this);
            haveLength = length != kLongPrefix;
            if (!haveLength)
                word = ReadLittleEndian<std::uint16_t>(*this);
        }
        if (!haveLength) {
            length = word;
            if (word == kLong16) {
                length = ReadLittleEndian<std::uint32_t>(*this);
                if (length == kLong32) {
                    length = ReadLittleEndian<std::uint64_t>(*this);
                    if (length > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()))
                        throw ArchiveError(ArchiveError::Kind::Generic, "string length out of range");
                }
            }
        }
    }
    const std::uint64_t size = wide ? 2 * length : length;
    Require(size);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    ReadBytes(bytes.data(), bytes.size());
    return wide ? NarrowUtf16(bytes) : bytes;
}

std::uint32_t Archive::ReadCount()
{
    const std::uint16_t count = ReadLittleEndian<std::uint16_t>(*this);
    if (count != kLong16)
        return count;
    return ReadLittleEndian<std::uint32_t>(*this);
}

void Archive::Transfer(std::uint32_t& value)
{
    if (IsLoading())
        value = ReadUInt32();
    else
        WriteUInt32(value);
}

void Archive::Transfer(std::int32_t& value)
{
    if (IsLoading())
        value = ReadInt32();
    else
        WriteInt32(value);
}

void Archive::Transfer(double& value)
{
    if (IsLoading())
        value = ReadDouble();
    else
        WriteDouble(value);
}

void Archive::Transfer(std::string& text)
{
    if (IsLoading())
        text = ReadString();
    else
        WriteString(text);
}

} // namespace solvo
