#include "substances/ArchiveWriter.h"

#include <algorithm>
#include <cstring>

namespace solvo {

ArchiveWriter::ArchiveWriter(std::string& bytes) : bytes_(&bytes)
{
}

ArchiveWriter::ArchiveWriter(std::FILE* file) : file_(file), buffer_(kBlockSize)
{
}

ArchiveWriter::~ArchiveWriter()
{
    try {
        Flush();
    } catch (const ArchiveError&) {
        // Destructors must not throw; Close() is where a failure is seen.
    }
}

void ArchiveWriter::WriteBytes(const void* data, std::size_t size)
{
    const auto* from = static_cast<const unsigned char*>(data);
    if (bytes_) {
        bytes_->append(reinterpret_cast<const char*>(from), size);
        return;
    }
    while (size > 0) {
        if (used_ == kBlockSize)
            Flush();
        const std::size_t part = std::min(size, kBlockSize - used_);
        std::memcpy(buffer_.data() + used_, from, part);
        used_ += part;
        from += part;
        size -= part;
    }
}

void ArchiveWriter::Close()
{
    Flush();
}

void ArchiveWriter::Flush()
{
    if (used_ == 0)
        return;
    const std::size_t size = used_;
    used_ = 0;
    if (std::fwrite(buffer_.data(), 1, size, file_) != size)
        throw ArchiveError(ArchiveError::Kind::Generic, "cannot write the file");
}

} // namespace solvo
