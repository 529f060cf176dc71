#pragma once

#include "substances/Archive.h"

#include <array>
#include <cstdio>
#include <string>

namespace solvo {

/// The storing direction of the archive, into a byte buffer or an open file.
/// Bytes are gathered in a 4096-byte buffer and passed on a block at a time.
class ArchiveWriter final : public Archive {
public:
    /// Appends to bytes, which must outlive the writer.
    explicit ArchiveWriter(std::string& bytes);
    /// Writes to file (opened for binary writing), which must outlive the writer.
    explicit ArchiveWriter(std::FILE* file);
    /// Flushes; a failure here cannot be reported, so call Close() first.
    ~ArchiveWriter() override;

    bool IsLoading() const override { return false; }
    void WriteBytes(const void* data, std::size_t size) override;

    /// Passes on what is buffered; throws ArchiveError (Generic) when the
    /// file refuses it.
    void Close();

private:
    static constexpr std::size_t kBlockSize = 4096;

    void Flush();

    std::string* bytes_ = nullptr;
    std::FILE* file_ = nullptr;
    std::array<unsigned char, kBlockSize> buffer_{};
    std::size_t used_ = 0;
};

} // namespace solvo
