#include "app/QtSettingsStore.h"

#include "app/PathConversion.h"
#include "app/TextConversion.h"

namespace solvo {

namespace {

QString KeyOf(std::string_view section, std::string_view key)
{
    return QString::fromLatin1(section.data(), static_cast<qsizetype>(section.size())) + u'/' +
           QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
}

} // namespace

QtSettingsStore::QtSettingsStore() : settings_(QStringLiteral("Flaskware"), QStringLiteral("Solvo"))
{
}

std::int32_t QtSettingsStore::ReadInt(std::string_view section, std::string_view key,
                                      std::int32_t defaultValue) const
{
    const QVariant value = settings_.value(KeyOf(section, key));
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? number : defaultValue;
}

std::string QtSettingsStore::ReadString(std::string_view section, std::string_view key,
                                        std::string_view defaultValue) const
{
    const QVariant value = settings_.value(KeyOf(section, key));
    if (!value.isValid())
        return std::string(defaultValue);
    // A stored text that the program's code page cannot hold counts as missing.
    return ToProgramText(value.toString()).value_or(std::string(defaultValue));
}

void QtSettingsStore::WriteInt(std::string_view section, std::string_view key, std::int32_t value)
{
    settings_.setValue(KeyOf(section, key), value);
}

void QtSettingsStore::WriteString(std::string_view section, std::string_view key,
                                  std::string_view value)
{
    settings_.setValue(KeyOf(section, key), ToQString(value));
}

FilePath QtSettingsStore::ReadPath(std::string_view section, std::string_view key) const
{
    return ToFilePath(settings_.value(KeyOf(section, key)).toString());
}

void QtSettingsStore::WritePath(std::string_view section, std::string_view key,
                                const FilePath& path)
{
    settings_.setValue(KeyOf(section, key), ToQString(path));
}

} // namespace solvo
