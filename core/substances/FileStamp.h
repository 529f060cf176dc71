#pragma once

#include "platform/FilePath.h"
#include "substances/Md5.h"

#include <chrono>
#include <cstdint>
#include <filesystem>

namespace solvo {

/// What a file was like when the program last read or wrote it: whether it
/// was there, its size, its modification time and, while that time is too
/// recent to trust, the MD5 digest of its bytes. Taking the stamp again just
/// before a save overwrites the file tells whether someone else changed it
/// meanwhile.
///
/// A rewrite goes unseen by size and time only when it lands in the same
/// tick of the modification time as the write before it, and the tick on
/// network shares can be seconds. That can only happen to a file whose time
/// was within a tick of the moment it was stamped, since any later write
/// gets a later tick; such a recent stamp keeps the digest and compares it
/// once size and time match. An older file is compared by size and time
/// alone, so that checking a large database for a change costs no reading.
/// A file larger than kLargestDigested is far beyond any the program writes;
/// it is never digested, so that stamping a huge file costs nothing.
class FileStamp {
public:
    static constexpr std::uintmax_t kLargestDigested = std::uintmax_t{64} << 20;
    /// How close to the moment of stamping a modification time must be for
    /// the digest to be needed: a tick of the coarsest file systems (two
    /// seconds) with room for the clock of a file server that runs apart.
    static constexpr std::chrono::seconds kRecentWindow{10};

    /// Remembers no file.
    FileStamp() = default;
    /// The file at path as it is now. A file that is missing, is no regular
    /// file or cannot be read is stamped as not there.
    explicit FileStamp(FilePath path);

    /// The file at path as it is before it is read, without a digest; when
    /// NeedsDigest(), the reader gives it the digest of what it read with
    /// SetDigest, so the file is read once.
    static FileStamp BeforeReading(FilePath path);
    bool NeedsDigest() const { return digested_; }
    void SetDigest(const Md5::Digest& digest) { digest_ = digest; }

    /// Whether the stamp was taken of path (the same spelling).
    bool IsOf(const FilePath& path) const { return !path_.Empty() && path_ == path; }
    /// Whether the file was there when stamped.
    bool Exists() const { return exists_; }
    /// Whether the file now differs from the stamp: written, touched,
    /// created, or gone since.
    bool Changed() const;

private:
    bool SameSizeAndTime(const FileStamp& other) const
    {
        return exists_ == other.exists_ && size_ == other.size_ && modified_ == other.modified_;
    }

    FilePath path_;
    bool exists_ = false;
    bool digested_ = false;
    std::uintmax_t size_ = 0;
    std::filesystem::file_time_type modified_{};
    Md5::Digest digest_{};
};

} // namespace solvo
