#pragma once

#include "platform/FilePath.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace solvo {

/// A per-user store of named values grouped in sections; each value is an
/// integer, a string of program text or a file's path.
///
/// Reading a value that was never written yields the caller's default, and
/// nothing is stored until a value is written explicitly. The store never
/// reports an error: a value that cannot be read counts as missing.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual std::int32_t ReadInt(std::string_view section, std::string_view key,
                                 std::int32_t defaultValue) const = 0;
    virtual std::string ReadString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const = 0;
    virtual void WriteInt(std::string_view section, std::string_view key,
                          std::int32_t value) = 0;
    virtual void WriteString(std::string_view section, std::string_view key,
                             std::string_view value) = 0;
    /// A path is stored as the platform names the file, not as program text,
    /// so that any name the file system allows comes back unchanged.
    virtual FilePath ReadPath(std::string_view section, std::string_view key) const = 0;
    virtual void WritePath(std::string_view section, std::string_view key,
                           const FilePath& path) = 0;
};

} // namespace solvo
