#include "app/UserFolders.h"

#include <cstdlib>
#include <filesystem>

namespace solvo {

namespace {

// The folder the variable names, else the home folder's subfolder; without
// a home folder Qt takes the root.
FilePath Folder(const char* variable, const char* underHome)
{
    // The variables hold the names as the file system has them.
    const char* value = std::getenv(variable);
    if (value && *value)
        return FilePath(std::filesystem::path(value));
    const char* home = std::getenv("HOME");
    return FilePath(std::filesystem::path(home && *home ? home : "/") / underHome);
}

} // namespace

FilePath UserConfigFolder()
{
    return Folder("XDG_CONFIG_HOME", ".config");
}

FilePath UserDataFolder()
{
    return Folder("XDG_DATA_HOME", ".local/share");
}

} // namespace solvo
