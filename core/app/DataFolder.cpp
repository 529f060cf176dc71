#include "app/DataFolder.h"

#include <system_error>

namespace solvo {

bool DataFolder::EnsureExists() const
{
    std::error_code error;
    std::filesystem::create_directories(root_.Native(), error);
    return std::filesystem::is_directory(root_.Native(), error);
}

} // namespace solvo
