#include "app/MemorySettingsStore.h"

#include <charconv>

namespace solvo {

namespace {

std::pair<std::string, std::string> MakeKey(std::string_view section, std::string_view key)
{
    return {std::string(section), std::string(key)};
}

} // namespace

std::int32_t MemorySettingsStore::ReadInt(std::string_view section, std::string_view key,
                                          std::int32_t defaultValue) const
{
    const auto it = values_.find(MakeKey(section, key));
    if (it == values_.end())
        return defaultValue;
    if (const auto* number = std::get_if<std::int32_t>(&it->second))
        return *number;
    // A string value is read as a number the way a persistent store would.
    const auto& text = std::get<std::string>(it->second);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return defaultValue;
    return value;
}

std::string MemorySettingsStore::ReadString(std::string_view section, std::string_view key,
                                            std::string_view defaultValue) const
{
    const auto it = values_.find(MakeKey(section, key));
    if (it == values_.end())
        return std::string(defaultValue);
    if (const auto* number = std::get_if<std::int32_t>(&it->second))
        return std::to_string(*number);
    return std::get<std::string>(it->second);
}

void MemorySettingsStore::WriteInt(std::string_view section, std::string_view key,
                                   std::int32_t value)
{
    values_[MakeKey(section, key)] = value;
}

void MemorySettingsStore::WriteString(std::string_view section, std::string_view key,
                                      std::string_view value)
{
    values_[MakeKey(section, key)] = std::string(value);
}

FilePath MemorySettingsStore::ReadPath(std::string_view section, std::string_view key) const
{
    // Held as UTF-8, as a persistent store would keep it.
    return FilePath::FromUtf8(ReadString(section, key, {}));
}

void MemorySettingsStore::WritePath(std::string_view section, std::string_view key,
                                    const FilePath& path)
{
    WriteString(section, key, path.Utf8());
}

} // namespace solvo
