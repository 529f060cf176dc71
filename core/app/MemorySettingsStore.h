#pragma once

#include "app/SettingsStore.h"

#include <map>
#include <utility>
#include <variant>

namespace solvo {

/// Settings held in memory only: for tests and for runs that must not touch
/// the user's stored settings.
class MemorySettingsStore final : public SettingsStore {
public:
    std::int32_t ReadInt(std::string_view section, std::string_view key,
                         std::int32_t defaultValue) const override;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const override;
    void WriteInt(std::string_view section, std::string_view key, std::int32_t value) override;
    void WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    FilePath ReadPath(std::string_view section, std::string_view key) const override;
    void WritePath(std::string_view section, std::string_view key, const FilePath& path) override;

    /// Number of values written so far.
    std::size_t Size() const { return values_.size(); }

private:
    using Value = std::variant<std::int32_t, std::string>;
    std::map<std::pair<std::string, std::string>, Value, std::less<>> values_;
};

} // namespace solvo
