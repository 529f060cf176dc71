#pragma once

#include "app/CSolvoApp.h"

#include <optional>
#include <string>

namespace solvo {

/// A --password argument (UTF-8) as the program's text; BadInput, without
/// repeating the password, when Windows-1252 cannot hold one of its
/// characters.
std::optional<std::string> PasswordArgument(const std::optional<std::string>& utf8);

/// Saves app's database to path as the windowed program saves it; a
/// protected file is replaced only with password (program text). BadInput
/// starting with shown (the path as the user knows it) when the file is
/// protected and no password or a wrong one was given, or when it cannot be
/// written.
void SaveDatabaseOrThrow(CSolvoApp& app, const FilePath& path, const std::string& shown,
                         const std::optional<std::string>& password);

} // namespace solvo
