#pragma once

#include <string>
#include <vector>

namespace solvo::test {

/// Folder and file names (UTF-8) as users give them on European and Asian
/// machines: accented letters, ß, a CJK character and a space. Each must
/// reach the file of exactly that name.
inline const std::vector<std::string>& NonAsciiNames()
{
    static const std::vector<std::string> names = {
        "h\xC3\xA9",                 // hé
        "gr\xC3\xBCn",               // grün
        "Stra\xC3\x9F" "e",          // Straße
        "\xE5\xAE\x9F\xE9\xA8\x93",  // 実験
        "my lab",
        "Donn\xC3\xA9" "es \xC3\xBC\xC3\x9F \xE6\x97\xA5",
    };
    return names;
}

} // namespace solvo::test
