#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace solvo {

class ElementTable;

/// The rules of the formula dialog: a typed formula, the same formula
/// rewritten in the fixed element order, and the copies of either to the
/// clipboard in four forms.
class FormulaSortForm {
public:
    /// Which of the two formulas a copy button copies.
    enum class Row { Typed, Ordered };
    /// The four copy buttons of a row: "txt/RTF", "HTML/RTF", "UBBC", "LaTeX".
    enum class CopyForm { TextRtf, HtmlRtf, Ubbc, Latex };

    /// What one copy puts on the clipboard: program text (Windows-1252
    /// bytes) and, for the two rich-text buttons, a whole rich-text document.
    struct ClipboardItems {
        std::string text;
        std::optional<std::string> richText;
    };

    /// Opens empty; table must outlive the form.
    explicit FormulaSortForm(const ElementTable& table);

    const std::string& Typed() const { return typed_; }
    /// The typed formula's OrderedText; empty when it fails.
    const std::string& Ordered() const { return ordered_; }

    /// Every change of the edit box.
    void Type(std::string_view text);

    /// The clipboard content of a copy button, made from the texts as they
    /// are now.
    ClipboardItems Copy(Row row, CopyForm form) const;

private:
    const ElementTable& table_;
    std::string typed_;
    std::string ordered_;
};

} // namespace solvo
