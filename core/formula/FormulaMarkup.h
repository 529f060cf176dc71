#pragma once

#include "formula/CharKind.h"

#include <string>
#include <string_view>
#include <vector>

namespace solvo {

/// Writes a formula's display characters as markup for other programs. Runs
/// of one kind are wrapped in that kind's opening and closing texts;
/// characters are copied unescaped unless the caller writes them itself.
class FormulaMarkup {
public:
    enum class Format { Html, Rtf, Ubbc, Latex };
    /// Appends one display character (an 8-bit byte) to out.
    using CharWriter = void (*)(std::string& out, char character);

    /// Empty when display is empty. kinds has one entry per display
    /// character. writeChar writes each character that the format writes; a
    /// whole document passes one that escapes and converts the text.
    static std::string Write(Format format, std::string_view display,
                             const std::vector<CharKind>& kinds, CharWriter writeChar = AppendAsIs);

    static void AppendAsIs(std::string& out, char character) { out += character; }
};

} // namespace solvo
