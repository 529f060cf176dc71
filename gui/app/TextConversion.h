#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace solvo {

/// The program's 8-bit Windows-1252 text as a QString.
QString ToQString(std::string_view programText);

/// A QString as the program's 8-bit text; empty when it holds a character
/// that Windows-1252 cannot hold.
std::optional<std::string> ToProgramText(const QString& text);

/// A message of the system (a save's reason, in the encoding of the user's
/// locale) as the program's text, its full stop added, for a message box to
/// show after the program's own words. A character that Windows-1252 cannot
/// hold becomes "?".
std::string SystemReasonText(const std::string& reason);

} // namespace solvo
