#pragma once

#include "platform/FilePath.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace solvo {

/// Closes a file opened by OpenRegularFile.
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Every file the program reads or writes goes through these functions, so
// that names with any character work on every platform and a save never
// loses what was there before.

/// Opens path for reading bytes, only when it is a regular file (a link is
/// followed): a folder, FIFO or device gives nullptr at once, without
/// waiting for a writer, and so does a file that cannot be opened.
FileHandle OpenRegularFile(const FilePath& path);

/// Reads the whole regular file as bytes; false when it cannot be opened or
/// read. At most limit + 1 bytes are read, so that a caller bounding what a
/// file of its kind can be tells a file past the limit by bytes.size().
bool ReadWholeFile(const FilePath& path, std::string& bytes,
                   std::size_t limit = std::string().max_size() - 1);

/// Whether a save may replace a file that is there.
enum class SaveMode {
    Replace,   ///< the file at the path (or that a link there names) is replaced
    CreateNew, ///< the path must be free; claiming it and writing are one step
};

/// Writes bytes as the complete new content of path: they go to a fresh file
/// beside it, which is flushed to the disk and then replaces path in one
/// rename, so a failed write or a power cut leaves the old file or the new
/// one, never a truncated one. A symbolic link at path stays a link: the
/// file it points to is replaced, unless the links loop or the kernel would
/// refuse to follow one (a link of another user in a sticky shared folder).
/// Only a regular file is replaced: a folder, FIFO or device is refused.
/// The old file's owner and group (where the process may set them),
/// permission bits, access control list and user extended attributes carry
/// over to the new one. Temporary files left by a killed earlier save of
/// the same file are removed. With SaveMode::CreateNew, a save to a name
/// that is taken, even by one created meanwhile, fails and replaces nothing.
///
/// Returns false when anything fails; error (when given) then receives the
/// system's reason ("No space left on device", "Permission denied", ...),
/// for the caller to show after its own text, and the file is untouched.
bool WriteFileAtomically(const FilePath& path, std::string_view bytes,
                         std::string* error = nullptr, SaveMode mode = SaveMode::Replace);

/// As above, with the content written by write into the fresh file as it
/// is produced, so a large file never has to be held in memory. write
/// returns false to abandon the save; it must not throw.
bool WriteFileAtomically(const FilePath& path, const std::function<bool(std::FILE*)>& write,
                         std::string* error = nullptr, SaveMode mode = SaveMode::Replace);

/// The part of a temporary file's name that follows the name of the file
/// it will replace; no other file of the program's is named so.
inline constexpr std::string_view kTemporaryMark = ".solvo-save-";

} // namespace solvo
