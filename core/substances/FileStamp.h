#pragma once

#include "platform/FilePath.h"
#include "substances/Md5.h"

#include <cstdint>
#include <filesystem>

namespace solvo {

/// What a file was like when the program last read or wrote it: whether it
/// was there, its size, its modification time and the MD5 digest of its
/// bytes. Taking the stamp again just before a save overwrites the file
/// tells whether someone else changed it meanwhile; the digest catches a
/// rewrite within the modification time's resolution, which on network
/// shares can be seconds. A file larger than kLargestDigested is far
/// beyond any the program writes; it is stamped by size and time alone,
/// so that stamping a huge file given by mistake costs nothing.
class FileStamp {
public:
    static constexpr std::uintmax_t kLargestDigested = std::uintmax_t{64} << 20;

    /// Remembers no file.
    FileStamp() = default;
    /// The file at path as it is now. A file that is missing, is no regular
    /// file or cannot be read is stamped as not there.
    explicit FileStamp(FilePath path);

    /// Whether the stamp was taken of path (the same spelling).
    bool IsOf(const FilePath& path) const { return !path_.Empty() && path_ == path; }
    /// Whether the file was there when stamped.
    bool Exists() const { return exists_; }
    /// Whether the file now differs from the stamp: written, touched,
    /// created, or gone since.
    bool Changed() const { return FileStamp(path_) != *this; }

    friend bool operator==(const FileStamp&, const FileStamp&) = default;

private:
    FilePath path_;
    bool exists_ = false;
    std::uintmax_t size_ = 0;
    std::filesystem::file_time_type modified_{};
    Md5::Digest digest_{};
};

} // namespace solvo
