#include "app/DataFolder.h"

#include <system_error>

namespace solvo {

std::filesystem::path DataFolder::FilePath(std::string_view name) const
{
    return root_ / std::filesystem::path(std::string(name));
}

bool DataFolder::EnsureExists() const
{
    std::error_code error;
    std::filesystem::create_directories(root_, error);
    return std::filesystem::is_directory(root_, error);
}

} // namespace solvo
