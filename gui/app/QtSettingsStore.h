#pragma once

#include "app/SettingsStore.h"

#include <QSettings>

namespace solvo {

/// The settings store on QSettings under the organisation "Flaskware" and the
/// application "Solvo" (on Linux ~/.config/Flaskware/Solvo.conf). Strings are
/// held as 8-bit Windows-1252 text in the program and converted here; paths
/// are kept as Qt names the file.
class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();

    std::int32_t ReadInt(std::string_view section, std::string_view key,
                         std::int32_t defaultValue) const override;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const override;
    void WriteInt(std::string_view section, std::string_view key, std::int32_t value) override;
    void WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    FilePath ReadPath(std::string_view section, std::string_view key) const override;
    void WritePath(std::string_view section, std::string_view key, const FilePath& path) override;

private:
    mutable QSettings settings_;
};

} // namespace solvo
