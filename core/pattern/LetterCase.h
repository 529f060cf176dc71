#pragma once

#include <string_view>

namespace solvo {

/// Upper- and lowercase of the program's 8-bit text (Windows-1252): the
/// ASCII letters and the accented and other Latin letters of the code page.
class LetterCase {
public:
    /// The lowercase form of an uppercase letter; every other byte unchanged.
    static unsigned char Lower(unsigned char byte);

    /// Whether a sorts before b when both are compared byte by byte in
    /// lowercase; a text sorts before every longer text that it begins.
    static bool LessIgnoringCase(std::string_view a, std::string_view b);

    /// Whether a and b are equal when both are compared byte by byte in lowercase.
    static bool EqualIgnoringCase(std::string_view a, std::string_view b);
};

} // namespace solvo
