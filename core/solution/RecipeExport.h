#pragma once

#include "solution/RecipeLine.h"

#include <span>
#include <string>

namespace solvo {

class ElementTable;

/// The recipe written for other programs (a lab notebook, a word processor,
/// a browser), from the very lines the recipe window draws: the title as a
/// heading, the summaries, the preparer line, the date and the heading as
/// paragraphs, the steps as a numbered list, approximate lines grey, and
/// each line's formula typeset with the formula dialog's markup.
class RecipeExport {
public:
    enum class Format {
        Text,     ///< one line per recipe line, formulas as their display text
        Html,     ///< a complete document with a style sheet for screen and print
        Markdown, ///< formulas with <sub>/<sup>, which Markdown passes as HTML
        Rtf,      ///< a complete rich-text document in Arial
    };

    /// The recipe in format, with formulas parsed against elements. The
    /// program's 8-bit text is converted from Windows-1252: Text, Html and
    /// Markdown are UTF-8 with every character that would be taken as
    /// markup escaped; Rtf is 7-bit, its other characters written as
    /// \uN escapes with the Windows-1252 byte as the fallback. A step's
    /// text loses its leading "N." where the list numbers it.
    static std::string Write(Format format, std::span<const RecipeLine> lines,
                             const ElementTable& elements);
};

} // namespace solvo
