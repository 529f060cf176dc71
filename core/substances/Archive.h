#pragma once

#include "substances/ArchiveError.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace solvo {

/// The byte encoding shared by the solution file and the program database
/// file: little-endian integers and doubles, length-prefixed 8-bit strings
/// and 2-or-6-byte element counts, with no tags, lengths or padding.
///
/// One archive has one direction, fixed when it is made: ArchiveWriter
/// stores, ArchiveReader loads. Every stored record has one serialize
/// operation that asks IsLoading() and either writes or reads the same
/// fields; the Transfer() helpers do both for a field whose layout does not
/// depend on the direction, so the two directions cannot drift apart.
///
/// The operations of the other direction throw ArchiveError (ReadOnly for a
/// write through a loading archive, WriteOnly for a read through a storing
/// one). A read past the end throws ArchiveError::Kind::EndOfFile and assigns
/// nothing.
class Archive {
public:
    virtual ~Archive() = default;
    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;

    virtual bool IsLoading() const = 0;

    virtual void WriteBytes(const void* data, std::size_t size);
    void WriteUInt32(std::uint32_t value);
    void WriteInt32(std::int32_t value);
    /// Bit for bit: infinities and NaN payloads pass unchanged.
    void WriteDouble(double value);
    /// Length prefix of 1, 3 or 7 bytes, then the bytes; throws Generic for
    /// 4294967295 bytes or more, which the prefix cannot hold.
    void WriteString(std::string_view text);
    /// 2 bytes below 65535, else FF FF and 4 bytes; throws Generic above 32 bits.
    void WriteCount(std::uint64_t count);

    virtual void ReadBytes(void* data, std::size_t size);
    std::uint32_t ReadUInt32();
    std::int32_t ReadInt32();
    double ReadDouble();
    /// Also accepts the UTF-16 form, converted to Windows-1252 ('?' for a
    /// character it cannot hold). A length beyond the bytes that remain is
    /// EndOfFile; a 64-bit length form over 2^31 − 1 is Generic.
    std::string ReadString();
    std::uint32_t ReadCount();
    /// Bytes not yet read.
    virtual std::uint64_t Remaining() const;
    /// Throws EndOfFile unless at least size bytes remain: lets a reader
    /// refuse a count that the rest of the file cannot hold before it sizes
    /// anything by it.
    void Require(std::uint64_t size) const;

    /// A record reader that meets something the user must be told about but
    /// that does not stop the read leaves the text here; the file reader
    /// shows the notices in order.
    void AddNotice(std::string text) { notices_.push_back(std::move(text)); }
    const std::vector<std::string>& Notices() const { return notices_; }

    void Transfer(std::uint32_t& value);
    void Transfer(std::int32_t& value);
    void Transfer(double& value);
    void Transfer(std::string& text);

protected:
    Archive() = default;

private:
    std::vector<std::string> notices_;
};

} // namespace solvo
