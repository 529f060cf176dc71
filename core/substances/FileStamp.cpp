#include "substances/FileStamp.h"

#include "platform/FileAccess.h"

#include <cstdio>
#include <string_view>
#include <system_error>

namespace solvo {

FileStamp::FileStamp(FilePath path) : path_(std::move(path))
{
    std::error_code error;
    // Reading a FIFO or a device would block or never end.
    if (!std::filesystem::is_regular_file(path_.Native(), error))
        return;
    const auto modified = std::filesystem::last_write_time(path_.Native(), error);
    if (error)
        return;
    const std::uintmax_t size = std::filesystem::file_size(path_.Native(), error);
    if (error)
        return;
    Md5 md5;
    // A file past any the program writes is not worth reading through: its
    // size and time tell a rewrite well enough.
    if (size <= kLargestDigested) {
        const FileHandle file = OpenRegularFile(path_);
        if (!file)
            return;
        char buffer[65536];
        std::size_t count = 0;
        while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
            md5.Update(std::string_view(buffer, count));
        if (std::ferror(file.get()))
            return;
    }
    exists_ = true;
    size_ = size;
    modified_ = modified;
    digest_ = md5.Finish();
}

} // namespace solvo
