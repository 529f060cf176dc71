#include "platform/FileAttributes.h"

#include <cerrno>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef __linux__
#include <sys/xattr.h>
#endif

namespace solvo {

namespace {

#ifdef __linux__
// The access control list is kept in this attribute; the user's own
// attributes have the "user." prefix. Others (security labels, trusted
// attributes) belong to the system, which sets them itself.
constexpr std::string_view kAclAttribute = "system.posix_acl_access";

bool IsKept(std::string_view name)
{
    return name == kAclAttribute || name.starts_with("user.");
}

// The list of attribute names, NUL-separated; empty when the file system
// keeps none. The list can grow between the two calls, hence the loop.
std::string AttributeNames(const char* path)
{
    for (int attempt = 0; attempt < 4; ++attempt) {
        const ssize_t size = ::listxattr(path, nullptr, 0);
        if (size <= 0)
            return {};
        std::string names(static_cast<std::size_t>(size), '\0');
        const ssize_t got = ::listxattr(path, names.data(), names.size());
        if (got >= 0) {
            names.resize(static_cast<std::size_t>(got));
            return names;
        }
        if (errno != ERANGE)
            return {};
    }
    return {};
}

bool AttributeValue(const char* path, const std::string& name, std::string& value)
{
    for (int attempt = 0; attempt < 4; ++attempt) {
        const ssize_t size = ::getxattr(path, name.c_str(), nullptr, 0);
        if (size < 0)
            return false;
        value.assign(static_cast<std::size_t>(size), '\0');
        const ssize_t got = ::getxattr(path, name.c_str(), value.data(), value.size());
        if (got >= 0) {
            value.resize(static_cast<std::size_t>(got));
            return true;
        }
        if (errno != ERANGE)
            return false;
    }
    return false;
}
#endif

} // namespace

FileAttributes::FileAttributes(const std::filesystem::path& path)
{
#ifdef _WIN32
    (void)path;
#else
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return;
    exist_ = true;
    owner_ = status.st_uid;
    group_ = status.st_gid;
    mode_ = status.st_mode & 07777;
#ifdef __linux__
    // An attribute the process may not read cannot be kept; it is skipped.
    const std::string names = AttributeNames(path.c_str());
    for (std::size_t start = 0; start < names.size();) {
        const std::string name(names.c_str() + start);
        start += name.size() + 1;
        std::string value;
        if (IsKept(name) && AttributeValue(path.c_str(), name, value)) {
            hasAcl_ = hasAcl_ || name == kAclAttribute;
            extended_.emplace_back(name, std::move(value));
        }
    }
#endif
#endif
}

int FileAttributes::ApplyTo(int descriptor) const
{
#ifdef _WIN32
    (void)descriptor;
    return 0;
#else
    if (!exist_)
        return 0;
    // Only a privileged process may give a file away; anyone may keep a
    // group they belong to. Otherwise the file is the process's own.
    if (::fchown(descriptor, owner_, group_) != 0 &&
        ::fchown(descriptor, static_cast<uid_t>(-1), group_) != 0) {
        // Neither: the save still goes ahead, as the user's own file.
    }
#ifdef __linux__
    // A list inherited from the folder's default list was not the old
    // file's; the permission bits alone say what it allowed.
    if (!hasAcl_ && ::fremovexattr(descriptor, std::string(kAclAttribute).c_str()) != 0 &&
        errno != ENODATA && errno != ENOTSUP)
        return errno;
    for (const auto& [name, value] : extended_)
        if (::fsetxattr(descriptor, name.c_str(), value.data(), value.size(), 0) != 0)
            return errno;
#endif
    // Last: changing the owner clears the set-user-ID bits, and the group
    // bits of a file with an access control list are its mask, so this
    // sets the mask the list came with.
    if (::fchmod(descriptor, static_cast<mode_t>(mode_)) != 0)
        return errno;
    return 0;
#endif
}

} // namespace solvo
