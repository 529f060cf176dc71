#include "platform/SaveTarget.h"

#include <cerrno>
#include <system_error>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace solvo {

namespace fs = std::filesystem;

namespace {

std::string SystemReason(std::errc error)
{
    return std::make_error_code(error).message();
}

} // namespace

SaveTarget::SaveTarget(const fs::path& path) : path_(path)
{
    constexpr int kMaxLinks = 40; // as the kernel allows before ELOOP
    std::error_code error;
    for (int link = 0; fs::is_symlink(fs::symlink_status(path_, error)); ++link) {
        if (link == kMaxLinks) {
            reason_ = SystemReason(std::errc::too_many_symbolic_link_levels);
            return;
        }
        if (LinkIsProtected(path_)) {
            reason_ = SystemReason(std::errc::permission_denied);
            return;
        }
        const fs::path next = fs::read_symlink(path_, error);
        if (error) {
            reason_ = error.message();
            return;
        }
        path_ = next.is_absolute() ? next : Folder() / next;
    }
    RefuseOddFile();
}

fs::path SaveTarget::Folder() const
{
    fs::path folder = path_.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

bool SaveTarget::LinkIsProtected(const fs::path& link)
{
#ifdef _WIN32
    (void)link;
    return false;
#else
    // The kernel's rule (fs.protected_symlinks): in a sticky folder that
    // anyone may write, a link is followed only by its owner or when the
    // folder's owner owns it. Checked here whatever the setting, since the
    // save reads the link itself and the kernel never sees it followed.
    fs::path folder = link.parent_path();
    if (folder.empty())
        folder = ".";
    struct stat linkStatus {};
    struct stat folderStatus {};
    if (::lstat(link.c_str(), &linkStatus) != 0 || ::stat(folder.c_str(), &folderStatus) != 0)
        return true;
    const bool shared = (folderStatus.st_mode & S_ISVTX) && (folderStatus.st_mode & S_IWOTH);
    return shared && linkStatus.st_uid != ::geteuid() && linkStatus.st_uid != folderStatus.st_uid;
#endif
}

void SaveTarget::RefuseOddFile()
{
    std::error_code error;
    const fs::file_status status = fs::status(path_, error);
    switch (status.type()) {
    case fs::file_type::not_found:
    case fs::file_type::regular:
        return;
    case fs::file_type::directory:
        reason_ = SystemReason(std::errc::is_a_directory);
        return;
    case fs::file_type::fifo:
        reason_ = "Not a regular file but a FIFO";
        return;
    case fs::file_type::block:
    case fs::file_type::character:
        reason_ = "Not a regular file but a device";
        return;
    default:
        reason_ = error ? error.message() : "Not a regular file";
        return;
    }
}

} // namespace solvo
