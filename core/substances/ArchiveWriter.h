#pragma once

#include "substances/Archive.h"

#include <cstdio>
#include <string>
#include <vector>

namespace solvo {

/// The storing direction of the archive, into a byte buffer or an open file.
/// Bytes for a file are gathered and written a block at a time.
class ArchiveWriter final : public Archive {
public:
    /// Bytes written to a file at a time.
    static constexpr std::size_t kBlockSize = 64 * 1024;

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
    void Flush();

    std::string* bytes_ = nullptr;
    std::FILE* file_ = nullptr;
    std::vector<unsigned char> buffer_; // a file's block being gathered
    std::size_t used_ = 0;
};

} // namespace solvo
