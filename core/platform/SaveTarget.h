#pragma once

#include <filesystem>
#include <string>

namespace solvo {

/// The file that a save of a path replaces, found the way the kernel would
/// open it: symbolic links are followed so that a link the user made stays
/// a link, but a chain of links that loops is refused, and so is a link
/// that the kernel's protection of sticky world-writable folders (such as
/// /tmp) would refuse to follow for this process.
class SaveTarget {
public:
    /// Resolves path; Failed() tells whether that was possible.
    explicit SaveTarget(const std::filesystem::path& path);

    /// Whether the save must not go ahead; Reason() then says why.
    bool Failed() const { return !reason_.empty(); }
    /// The system's reason for a failure, as the system words it.
    const std::string& Reason() const { return reason_; }
    /// The file to replace or create (not a link, unless it dangles).
    const std::filesystem::path& Path() const { return path_; }
    /// The folder that holds Path().
    std::filesystem::path Folder() const;

private:
    // Whether following the link at link is what the kernel refuses.
    static bool LinkIsProtected(const std::filesystem::path& link);
    // Refuses a file that exists and is not a regular file.
    void RefuseOddFile();

    std::filesystem::path path_;
    std::string reason_;
};

} // namespace solvo
