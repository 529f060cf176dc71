#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace solvo {

/// Writes bytes as the complete new content of path: they go to a fresh file
/// beside it, which then replaces path in one rename, so a failed write never
/// leaves a truncated file or destroys the previous one.
///
/// Returns false when anything fails; error (when given) then receives a
/// description, and path is untouched.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* error = nullptr);

/// As above, with the content written by write into the fresh file as it
/// is produced, so a large file never has to be held in memory. write
/// returns false to abandon the save; it must not throw.
bool WriteFileAtomically(const std::filesystem::path& path,
                         const std::function<bool(std::FILE*)>& write,
                         std::string* error = nullptr);

/// Reads the whole file as bytes; false when it cannot be opened or read.
bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes);

} // namespace solvo
