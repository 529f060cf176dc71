#include "substances/FileStamp.h"

#include "platform/FileAccess.h"

#include <cstdio>
#include <optional>
#include <system_error>

namespace solvo {

namespace {

std::optional<Md5::Digest> DigestOfFile(const FilePath& path)
{
    const FileHandle file = OpenRegularFile(path);
    if (!file)
        return std::nullopt;
    Md5 md5;
    char buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        md5.Update(std::string_view(buffer, count));
    if (std::ferror(file.get()))
        return std::nullopt;
    return md5.Finish();
}

} // namespace

FileStamp FileStamp::BeforeReading(FilePath path)
{
    FileStamp stamp;
    stamp.path_ = std::move(path);
    // Opening refuses a FIFO or device (reading one would block or never
    // end) and tells a file that cannot be read from one that can.
    if (!OpenRegularFile(stamp.path_))
        return stamp;
    std::error_code error;
    const auto modified = std::filesystem::last_write_time(stamp.path_.Native(), error);
    if (error)
        return stamp;
    const std::uintmax_t size = std::filesystem::file_size(stamp.path_.Native(), error);
    if (error)
        return stamp;
    stamp.exists_ = true;
    stamp.size_ = size;
    stamp.modified_ = modified;
    const auto now = std::filesystem::file_time_type::clock::now();
    // A time in the future is as untrustworthy as a recent one.
    stamp.digested_ = size <= kLargestDigested && modified > now - kRecentWindow;
    return stamp;
}

FileStamp::FileStamp(FilePath path) : FileStamp(BeforeReading(std::move(path)))
{
    if (!digested_)
        return;
    const auto digest = DigestOfFile(path_);
    if (digest) {
        digest_ = *digest;
        return;
    }
    exists_ = false;
    digested_ = false;
    size_ = 0;
    modified_ = {};
}

bool FileStamp::Changed() const
{
    const FileStamp now = BeforeReading(path_);
    if (!SameSizeAndTime(now))
        return true;
    if (!digested_)
        return false;
    const auto digest = DigestOfFile(path_);
    return !digest || *digest != digest_;
}

} // namespace solvo
