#include "app/IniSettingsStore.h"

#include "platform/FileAccess.h"
#include "platform/Windows1252.h"

#include <charconv>
#include <optional>

namespace solvo {

namespace {

// A settings file of the program is a few hundred bytes; a larger one is
// not read past this.
constexpr std::size_t kLargestFile = std::size_t{1} << 20;

// The value of a hexadecimal digit, −1 for any other character.
int HexValue(char c)
{
    int value = -1;
    std::from_chars(&c, &c + 1, value, 16);
    return value;
}

void AppendUtf8(std::string& out, char32_t c)
{
    // A lone surrogate has no UTF-8 form; QString would carry it as U+FFFD.
    Windows1252::AppendUtf8(out, c >= 0xD800 && c <= 0xDFFF ? char32_t{0xFFFD} : c);
}

// A section or key name: "%XX" stands for a Latin-1 character, "%UXXXX" for
// any other.
std::string UnescapedKey(std::string_view key)
{
    std::string out;
    for (std::size_t i = 0; i < key.size(); ++i) {
        const std::size_t digits = i + 1 < key.size() && key[i + 1] == 'U' ? 4 : 2;
        const std::size_t from = i + 1 + (digits == 4 ? 1 : 0);
        char32_t code = 0;
        bool escaped = key[i] == '%' && from + digits <= key.size();
        for (std::size_t k = from; escaped && k < from + digits; ++k) {
            const int value = HexValue(key[k]);
            escaped = value >= 0;
            code = code * 16 + static_cast<char32_t>(value < 0 ? 0 : value);
        }
        if (!escaped) {
            out += key[i];
            continue;
        }
        AppendUtf8(out, code);
        i = from + digits - 1;
    }
    return out;
}

// The string a value stands for, or none when QSettings reads it as
// something else: several strings (an unquoted comma) or a variant.
std::optional<std::string> UnescapedValue(std::string_view value)
{
    std::string out;
    bool quoted = false;
    bool wasQuoted = false;
    // Unquoted blanks count only between other characters.
    std::size_t keptLength = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '"') {
            quoted = !quoted;
            wasQuoted = true;
            keptLength = out.size();
            continue;
        }
        if (!quoted && c == ',')
            return std::nullopt;
        if (!quoted && (c == ' ' || c == '\t')) {
            if (!out.empty())
                out += c;
            continue;
        }
        if (c != '\\' || i + 1 == value.size()) {
            out += c;
            keptLength = out.size();
            continue;
        }
        const char e = value[++i];
        switch (e) {
        case 'a': out += '\a'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'v': out += '\v'; break;
        case 'x': {
            char32_t code = 0;
            while (i + 1 < value.size() && HexValue(value[i + 1]) >= 0 && code <= 0xFFF)
                code = code * 16 + static_cast<char32_t>(HexValue(value[++i]));
            AppendUtf8(out, code);
            break;
        }
        default:
            if (e >= '0' && e <= '7') {
                char32_t code = static_cast<char32_t>(e - '0');
                while (i + 1 < value.size() && value[i + 1] >= '0' && value[i + 1] <= '7' && code <= 0x1FFF)
                    code = code * 8 + static_cast<char32_t>(value[++i] - '0');
                AppendUtf8(out, code);
            } else {
                // \\, \", \', \? and any other character stand for themselves.
                out += e;
            }
        }
        keptLength = out.size();
    }
    out.resize(keptLength);
    if (!wasQuoted && out.starts_with('@')) {
        // "@@" escapes a text that begins with "@"; other "@" forms are variants.
        if (!out.starts_with("@@"))
            return std::nullopt;
        out.erase(0, 1);
    }
    return out;
}

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string Joined(std::string_view section, std::string_view key)
{
    std::string joined(section);
    return joined.append("/").append(key);
}

} // namespace

IniSettingsStore IniSettingsStore::FromText(std::string_view text)
{
    IniSettingsStore store;
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::string section;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            const auto close = line.find(']');
            section = UnescapedKey(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
            // Keys outside any group are written under [General].
            if (section == "General")
                section.clear();
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string key = UnescapedKey(Trimmed(line.substr(0, equals)));
        std::optional<std::string> value = UnescapedValue(Trimmed(line.substr(equals + 1)));
        const std::string name = section.empty() ? key : section + "/" + key;
        if (value)
            store.values_[name] = std::move(*value);
        else
            store.values_.erase(name);
    }
    return store;
}

IniSettingsStore IniSettingsStore::FromFile(const FilePath& path)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes, kLargestFile) || bytes.size() > kLargestFile)
        return {};
    return FromText(bytes);
}

const std::string* IniSettingsStore::Find(std::string_view section, std::string_view key) const
{
    const auto it = values_.find(Joined(section, key));
    return it == values_.end() ? nullptr : &it->second;
}

std::int32_t IniSettingsStore::ReadInt(std::string_view section, std::string_view key,
                                       std::int32_t defaultValue) const
{
    const std::string* text = Find(section, key);
    if (!text)
        return defaultValue;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    return error == std::errc() && end == text->data() + text->size() ? value : defaultValue;
}

std::string IniSettingsStore::ReadString(std::string_view section, std::string_view key,
                                         std::string_view defaultValue) const
{
    const std::string* text = Find(section, key);
    // A stored text that the program's code page cannot hold counts as missing.
    std::optional<std::string> programText = text ? Windows1252::FromUtf8(*text) : std::nullopt;
    return programText ? std::move(*programText) : std::string(defaultValue);
}

void IniSettingsStore::WriteInt(std::string_view section, std::string_view key, std::int32_t value)
{
    values_[Joined(section, key)] = std::to_string(value);
}

void IniSettingsStore::WriteString(std::string_view section, std::string_view key,
                                   std::string_view value)
{
    values_[Joined(section, key)] = Windows1252::ToUtf8(value);
}

FilePath IniSettingsStore::ReadPath(std::string_view section, std::string_view key) const
{
    const std::string* text = Find(section, key);
    return text ? FilePath::FromUtf8(*text) : FilePath();
}

void IniSettingsStore::WritePath(std::string_view section, std::string_view key,
                                 const FilePath& path)
{
    values_[Joined(section, key)] = path.Utf8();
}

} // namespace solvo
