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

QString WithSuffix(const QString& path, const QStringList& suffixes)
{
    for (const QString& suffix : suffixes) {
        if (path.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive))
            return path;
    }
    return path + QLatin1Char('.') + suffixes.front();
}

} // namespace solvo
