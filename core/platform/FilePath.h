#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace solvo {

/// The name of a file in the file system. The program's text is 8-bit
/// Windows-1252, but the names of files are not text of the program: a path
/// keeps the platform's own form from where it enters (command line,
/// settings, file dialogs) to where the file is opened, so that any name the
/// file system allows reaches the right file. Being its own type, a path
/// cannot be passed where program text is expected, nor the other way round.
class FilePath {
public:
    FilePath() = default;
    /// Not explicit: a std::filesystem::path is a path already, while text
    /// (std::string) needs one of the named conversions below.
    FilePath(std::filesystem::path native) : native_(std::move(native)) {}

    /// A path given as UTF-8, as the command line, the settings store and
    /// the GUI hand it over. On POSIX systems the bytes are taken as they
    /// are, so a name that is not valid UTF-8 still reaches its file.
    static FilePath FromUtf8(std::string_view utf8);

    /// The path as UTF-8, for messages, the settings store and JSON.
    std::string Utf8() const;

    /// The platform's path, for the calls that open the file.
    const std::filesystem::path& Native() const { return native_; }

    bool Empty() const { return native_.empty(); }

    /// The last part of the path: the file's own name.
    FilePath Name() const { return FilePath(native_.filename()); }

    /// The folder that holds the file.
    FilePath Folder() const { return FilePath(native_.parent_path()); }

    /// The file called name (UTF-8) inside this folder.
    FilePath Child(std::string_view name) const;

    /// This path with suffix (UTF-8) added to its last part, as ".bak".
    FilePath WithSuffix(std::string_view suffix) const;

    friend bool operator==(const FilePath&, const FilePath&) = default;

private:
    std::filesystem::path native_;
};

} // namespace solvo
