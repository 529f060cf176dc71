#pragma once

#include "substances/ArchiveReader.h"
#include "substances/ArchiveWriter.h"

#include <filesystem>
#include <functional>

namespace solvo {

/// Opens the file at path and hands read an archive over it. Returns false,
/// without calling read, when the file cannot be opened or is a folder.
/// Whatever read throws (ArchiveError above all) passes to the caller; the
/// file is closed either way.
bool ReadArchiveFile(const std::filesystem::path& path,
                     const std::function<void(ArchiveReader&)>& read);

/// Writes the file at path through an archive, atomically: the content goes
/// to a fresh file that then replaces path, so a save that fails leaves the
/// old file as it was. Returns false when anything fails, including an
/// ArchiveError thrown by write.
bool WriteArchiveFile(const std::filesystem::path& path,
                      const std::function<void(ArchiveWriter&)>& write);

} // namespace solvo
