#pragma once

#include "formula/CharKind.h"

#include <string>
#include <string_view>
#include <vector>

namespace solvo {

/// Writes a formula's display characters as markup for other programs. Runs
/// of one kind are wrapped in that kind's opening and closing texts;
/// characters are copied unescaped.
class FormulaMarkup {
public:
    enum class Format { Html, Rtf, Ubbc, Latex };

    /// Empty when display is empty. kinds has one entry per display character.
    static std::string Write(Format format, std::string_view display,
                             const std::vector<CharKind>& kinds);
};

} // namespace solvo
