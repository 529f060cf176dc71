#include "substances/FileStamp.h"

#include "platform/FileAccess.h"

#include <string>
#include <system_error>

namespace solvo {

FileStamp::FileStamp(FilePath path) : path_(std::move(path))
{
    std::error_code error;
    // Reading a FIFO or a device would block or never end.
    if (!std::filesystem::is_regular_file(path_.Native(), error))
        return;
    const auto modified = std::filesystem::last_write_time(path_.Native(), error);
    std::string bytes;
    if (error || !ReadWholeFile(path_, bytes))
        return;
    Md5 md5;
    md5.Update(bytes);
    exists_ = true;
    size_ = bytes.size();
    modified_ = modified;
    digest_ = md5.Finish();
}

} // namespace solvo
