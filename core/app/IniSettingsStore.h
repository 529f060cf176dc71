#pragma once

#include "app/SettingsStore.h"

#include <map>
#include <string>
#include <string_view>

namespace solvo {

/// The settings that the windowed program keeps through QSettings in an INI
/// file (on Linux ~/.config/Flaskware/Solvo.conf), read without Qt: the
/// command line starts in a fraction of the time it takes to load QtCore.
///
/// Reads what QSettings writes: sections and keys with their %-escapes,
/// values quoted or not, with backslash escapes and UTF-8 text. A value that
/// QSettings would read as anything but one string (a list, a variant, a
/// byte array) counts as missing. Values written are kept in memory only:
/// the file is never changed.
class IniSettingsStore final : public SettingsStore {
public:
    /// No values.
    IniSettingsStore() = default;
    /// The values of the INI file text.
    static IniSettingsStore FromText(std::string_view text);
    /// The values of the file at path; a file that is missing or cannot be
    /// read holds none.
    static IniSettingsStore FromFile(const FilePath& path);

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
    const std::string* Find(std::string_view section, std::string_view key) const;

    // "section/key" to the value's UTF-8 text.
    std::map<std::string, std::string, std::less<>> values_;
};

} // namespace solvo
