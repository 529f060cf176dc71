#include "substances/ArchiveReader.h"

#include <algorithm>
#include <cstring>

namespace solvo {

ArchiveReader::ArchiveReader(std::string_view bytes) : bytes_(bytes), size_(bytes.size())
{
}

ArchiveReader::ArchiveReader(std::FILE* file, std::uint64_t size, Md5* digest)
    : file_(file), digest_(digest), size_(size), buffer_(kBlockSize)
{
}

bool ArchiveReader::DigestRest()
{
    std::size_t count = 0;
    while ((count = std::fread(buffer_.data(), 1, kBlockSize, file_)) > 0)
        digest_->Update(std::string_view(reinterpret_cast<const char*>(buffer_.data()), count));
    // The archive is read no further once its file is taken through.
    bufferStart_ = bufferEnd_ = 0;
    position_ = size_;
    return std::ferror(file_) == 0;
}

void ArchiveReader::ReadBytes(void* data, std::size_t size)
{
    // Most reads are a few bytes the buffer holds already: a record's
    // numbers and flags, each read by itself.
    if (file_ && size <= bufferEnd_ - bufferStart_ && size <= size_ - position_) {
        std::memcpy(data, buffer_.data() + bufferStart_, size);
        bufferStart_ += size;
        position_ += size;
        return;
    }
    // Checked first so that a short read assigns nothing.
    Require(size);
    if (size == 0)
        return;
    auto* to = static_cast<unsigned char*>(data);
    if (!file_) {
        std::memcpy(to, bytes_.data() + position_, size);
        position_ += size;
        return;
    }
    while (size > 0) {
        if (bufferStart_ == bufferEnd_)
            Fill();
        const std::size_t part = std::min(size, bufferEnd_ - bufferStart_);
        std::memcpy(to, buffer_.data() + bufferStart_, part);
        bufferStart_ += part;
        position_ += part;
        to += part;
        size -= part;
    }
}

void ArchiveReader::Fill()
{
    bufferStart_ = 0;
    bufferEnd_ = std::fread(buffer_.data(), 1, kBlockSize, file_);
    // The file was shorter than its size said (it changed under us).
    if (bufferEnd_ == 0)
        throw ArchiveError(ArchiveError::Kind::EndOfFile, "unexpected end of file");
    if (digest_)
        digest_->Update(std::string_view(reinterpret_cast<const char*>(buffer_.data()), bufferEnd_));
}

} // namespace solvo
