#include "app/PathConversion.h"

namespace solvo {

FilePath ToFilePath(const QString& path)
{
    return FilePath::FromUtf8(path.toStdString());
}

QString ToQString(const FilePath& path)
{
    return QString::fromStdString(path.Utf8());
}

} // namespace solvo
