#pragma once

#include <optional>
#include <string>
#include <string_view>

class QLineEdit;
class QString;

namespace solvo {

/// The text just typed into edit as the program's 8-bit text. A character
/// that Windows-1252 cannot hold is refused where it was typed: the field
/// goes back to before (the text it held), the caret to where the refused
/// characters began, a tool tip says why, and the result is empty.
std::optional<std::string> TakeProgramText(QLineEdit& edit, const QString& typed,
                                           std::string_view before);

} // namespace solvo
