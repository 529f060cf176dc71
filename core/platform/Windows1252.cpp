#include "platform/Windows1252.h"

#include <algorithm>
#include <array>

namespace solvo {

namespace {

// Bytes 0x80 … 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Decodes one UTF-8 sequence at text[i]; advances i. Empty on a malformed,
// overlong or surrogate sequence.
std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07u;
    } else {
        return std::nullopt;
    }
    if (i + length > text.size())
        return std::nullopt;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        cp = (cp << 6) | (next & 0x3Fu);
    }
    constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    i += length;
    return cp;
}

} // namespace

char32_t Windows1252::CodePoint(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return kHighControls[byte - 0x80u];
    return byte;
}

std::optional<unsigned char> Windows1252::Byte(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<unsigned char>(codePoint);
    for (std::size_t k = 0; k < kHighControls.size(); ++k) {
        if (kHighControls[k] == codePoint)
            return static_cast<unsigned char>(0x80 + k);
    }
    return std::nullopt;
}

void Windows1252::AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string Windows1252::ToUtf8(std::string_view bytes)
{
    // Nearly all of the program's text is ASCII, which reads the same in both.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes)
        AppendUtf8(out, CodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::optional<std::string> Windows1252::Convert(std::string_view text, bool replace)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        const auto cp = DecodeUtf8(text, i);
        const auto byte = cp ? Byte(*cp) : std::nullopt;
        if (!byte && !replace)
            return std::nullopt;
        if (!cp)
            i = start + 1;
        out += static_cast<char>(byte.value_or('?'));
    }
    return out;
}

std::optional<std::string> Windows1252::FromUtf8(std::string_view text)
{
    return Convert(text, false);
}

std::string Windows1252::FromUtf8Replacing(std::string_view text)
{
    return *Convert(text, true);
}

} // namespace solvo
