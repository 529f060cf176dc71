#pragma once

#include <stdexcept>
#include <string>

namespace solvo {

/// A failure of the archive layer. It abandons the whole read or write at
/// once; the file readers catch it and decide what the user is told.
class ArchiveError : public std::runtime_error {
public:
    enum class Kind {
        Generic,   ///< malformed data, or a file that could not be written
        EndOfFile, ///< a read went past the last byte
        ReadOnly,  ///< a write through a loading archive
        WriteOnly, ///< a read through a storing archive
    };

    ArchiveError(Kind kind, const std::string& what) : std::runtime_error(what), kind_(kind) {}

    Kind GetKind() const { return kind_; }

private:
    Kind kind_;
};

} // namespace solvo
