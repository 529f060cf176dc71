#include "app/StandardDataFolder.h"

#include "app/PathConversion.h"

#include <QDir>
#include <QStandardPaths>

namespace solvo {

DataFolder StandardDataFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString folder = QDir(base).filePath(QStringLiteral("Flaskware/Solvo"));
    return DataFolder(ToFilePath(folder));
}

} // namespace solvo
