#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace solvo {

/// What a user set up around a file besides its bytes: owner, group,
/// permission bits, access control list and user extended attributes. A
/// save reads them from the file it replaces and gives them to the fresh
/// file before the rename, so that replacing a file never changes who may
/// use it.
class FileAttributes {
public:
    /// The attributes of the regular file at path; none when it is missing.
    explicit FileAttributes(const std::filesystem::path& path);

    /// Whether there was a file to take attributes from.
    bool Exist() const { return exist_; }

    /// Gives the attributes to the open file descriptor. The owner and the
    /// group are kept where the process may set them and otherwise left to
    /// the process's own; failing to keep the permissions, the access
    /// control list or an attribute is a failure. Returns 0 or the errno.
    int ApplyTo(int descriptor) const;

private:
    bool exist_ = false;
    unsigned owner_ = 0;
    unsigned group_ = 0;
    unsigned mode_ = 0;
    bool hasAcl_ = false;
    std::vector<std::pair<std::string, std::string>> extended_;
};

} // namespace solvo
