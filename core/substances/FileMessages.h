#pragma once

#include <string_view>

namespace solvo {

// What the user is told about the solution and database files.

/// A record, block or file of a version this program does not know.
inline constexpr std::string_view kUnknownVersionMessage = "Unknown version of the data file...";
/// A solution file that ends inside a field or is otherwise malformed.
inline constexpr std::string_view kUnexpectedFileFormatMessage = "Unexpected file format.";
/// A solution file that names more components than it holds.
inline constexpr std::string_view kFailedToOpenDocumentMessage = "Failed to open document.";
/// A program database file of an unknown file version.
inline constexpr std::string_view kWrongDatabaseVersionMessage =
    "Wrong version of the program database file.";
/// A program database file that could not be loaded; the defaults follow.
inline constexpr std::string_view kDatabaseLoadFailedMessage =
    "Can't open program database file.\nProgram will start with a limited database.";

} // namespace solvo
