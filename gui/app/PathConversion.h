#pragma once

#include "platform/FilePath.h"

#include <QString>
#include <QStringList>

namespace solvo {

/// A path as Qt names it, and back. Paths never pass through the program's
/// 8-bit text, so any name the file system allows survives both ways.
FilePath ToFilePath(const QString& path);
QString ToQString(const FilePath& path);

/// path as the program saves it: with "." and the first of suffixes added
/// unless its name already ends with "." and one of them, in any case. A
/// dot elsewhere in the name ("PBS 1x pH7.4") is part of the name, not a
/// suffix, so the file still shows in the program's file dialogs.
QString WithSuffix(const QString& path, const QStringList& suffixes);

} // namespace solvo
