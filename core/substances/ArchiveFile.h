#pragma once

#include "platform/FileAccess.h"
#include "platform/FilePath.h"
#include "substances/ArchiveReader.h"
#include "substances/ArchiveWriter.h"
#include "substances/FileStamp.h"

#include <functional>
#include <string>

namespace solvo {

/// Opens the file at path and hands read an archive over it. Returns false,
/// without calling read, when the file cannot be opened or is not a
/// regular file (a folder, FIFO or device).
/// Whatever read throws (ArchiveError above all) passes to the caller; the
/// file is closed either way. With stamp, the file is stamped as it is read,
/// in the same pass.
bool ReadArchiveFile(const FilePath& path,
                     const std::function<void(ArchiveReader&)>& read,
                     FileStamp* stamp = nullptr);

/// Writes the file at path through an archive, atomically: the content goes
/// to a fresh file that then replaces path, so a save that fails leaves the
/// old file as it was. Returns false when anything fails, including an
/// ArchiveError thrown by write; error and mode as for WriteFileAtomically.
bool WriteArchiveFile(const FilePath& path,
                      const std::function<void(ArchiveWriter&)>& write,
                      std::string* error = nullptr, SaveMode mode = SaveMode::Replace);

} // namespace solvo
