#pragma once

#include <optional>
#include <string>
#include <string_view>

class QPlainTextEdit;
class QString;

namespace solvo {

/// A density table's text in a multi-line edit box, whose line breaks are LF
/// while the program's text has CR LF.
class TableTextInput {
public:
    /// The box's text as the program's text. A character that Windows-1252
    /// cannot hold is refused where it was typed: the box goes back to before,
    /// the caret to where the refused typing began, a tool tip says why, and
    /// the result is empty.
    static std::optional<std::string> Take(QPlainTextEdit& edit, std::string_view before);

    /// The program's text as the box shows it.
    static QString Shown(std::string_view programText);
};

} // namespace solvo
