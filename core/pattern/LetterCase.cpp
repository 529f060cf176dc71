#include "pattern/LetterCase.h"

#include <algorithm>
#include <array>

namespace solvo {

namespace {

constexpr std::array<unsigned char, 256> MakeLowerTable()
{
    std::array<unsigned char, 256> table{};
    for (unsigned value = 0; value < 256; ++value)
        table[value] = static_cast<unsigned char>(value);
    for (unsigned value = 'A'; value <= 'Z'; ++value)
        table[value] = static_cast<unsigned char>(value + 0x20);
    // The Latin capitals from A grave to thorn, without the multiplication sign.
    for (unsigned value = 0xC0; value <= 0xDE; ++value) {
        if (value != 0xD7)
            table[value] = static_cast<unsigned char>(value + 0x20);
    }
    // S caron, OE, Z caron and Y diaeresis sit apart from their small forms.
    table[0x8A] = 0x9A;
    table[0x8C] = 0x9C;
    table[0x8E] = 0x9E;
    table[0x9F] = 0xFF;
    return table;
}

constexpr std::array<unsigned char, 256> kLower = MakeLowerTable();

} // namespace

unsigned char LetterCase::Lower(unsigned char byte)
{
    return kLower[byte];
}

bool LetterCase::LessIgnoringCase(std::string_view a, std::string_view b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char left, char right) {
                                            return Lower(static_cast<unsigned char>(left)) <
                                                   Lower(static_cast<unsigned char>(right));
                                        });
}

bool LetterCase::EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char left, char right) {
        return Lower(static_cast<unsigned char>(left)) == Lower(static_cast<unsigned char>(right));
    });
}

} // namespace solvo
