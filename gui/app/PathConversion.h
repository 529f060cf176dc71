#pragma once

#include "platform/FilePath.h"

#include <QString>

namespace solvo {

/// A path as Qt names it, and back. Paths never pass through the program's
/// 8-bit text, so any name the file system allows survives both ways.
FilePath ToFilePath(const QString& path);
QString ToQString(const FilePath& path);

} // namespace solvo
