#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace solvo {

/// The program keeps text as 8-bit Windows-1252 bytes, as typed and as stored
/// in its files; these convert at the boundary to and from UTF-8.
class Windows1252 {
public:
    /// Every byte has a character, so this never fails. The five bytes that
    /// Windows-1252 leaves undefined map to the C1 controls of the same value,
    /// which converts them back unchanged.
    static std::string ToUtf8(std::string_view bytes);

    /// Empty when text is not valid UTF-8 or holds a character that
    /// Windows-1252 cannot hold: such text is refused, never silently changed.
    static std::optional<std::string> FromUtf8(std::string_view text);

    /// For a name shown as text (a file's name in a title): each character
    /// that Windows-1252 cannot hold, and each byte that is not UTF-8,
    /// becomes '?'.
    static std::string FromUtf8Replacing(std::string_view text);

    /// The Unicode code point of one byte.
    static char32_t CodePoint(unsigned char byte);

    /// The byte of one code point, or empty when Windows-1252 cannot hold it.
    static std::optional<unsigned char> Byte(char32_t codePoint);

    /// Appends the UTF-8 form of a code point of the Basic Multilingual Plane.
    static void AppendUtf8(std::string& out, char32_t codePoint);

private:
    static std::optional<std::string> Convert(std::string_view text, bool replace);
};

} // namespace solvo
