#pragma once

#include "substances/Archive.h"
#include "substances/Md5.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace solvo {

/// The loading direction of the archive, from a byte buffer or an open file.
/// A file is read a block at a time; its size is taken when the
/// reader is made, so every length and count can be checked against the
/// bytes that remain before anything is sized by it.
class ArchiveReader final : public Archive {
public:
    /// Bytes read from a file at a time: large enough that a big database
    /// costs few system calls.
    static constexpr std::size_t kBlockSize = 64 * 1024;

    /// Reads from bytes, which must outlive the reader.
    explicit ArchiveReader(std::string_view bytes);
    /// A temporary string would be gone before the first read: refused at
    /// compile time rather than read after it is freed.
    explicit ArchiveReader(const std::string&& bytes) = delete;
    /// Reads file (opened for binary reading, positioned at its start) of
    /// size bytes; the file must outlive the reader. With digest, every byte
    /// taken from the file goes into it as well.
    ArchiveReader(std::FILE* file, std::uint64_t size, Md5* digest = nullptr);

    /// Takes the rest of the file into the digest, so that it holds the
    /// whole file however far the archive was read. False on a read error.
    bool DigestRest();

    bool IsLoading() const override { return true; }
    void ReadBytes(void* data, std::size_t size) override;
    std::uint64_t Remaining() const override { return size_ - position_; }

private:
    void Fill();

    std::string_view bytes_;
    std::FILE* file_ = nullptr;
    Md5* digest_ = nullptr;
    std::uint64_t size_ = 0;
    std::uint64_t position_ = 0;
    std::vector<unsigned char> buffer_; // a file's current block
    std::size_t bufferStart_ = 0;
    std::size_t bufferEnd_ = 0;
};

} // namespace solvo
