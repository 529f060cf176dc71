#pragma once

#include <cstdint>
#include "platform/FilePath.h"
#include <string>
#include <string_view>

namespace solvo {

class Archive;
class CFlaskwareDatabase;
class ElementTable;

/// The layout of the program database file: the file version word, the
/// password digest (a string, from version 0x20000 on), the element and
/// moiety table block, then the substance block.
class DatabaseFile {
public:
    static constexpr std::uint32_t kFileVersion = 0x20000;
    /// Files without the password digest.
    static constexpr std::uint32_t kFileVersionWithoutDigest = 0x10000;
    /// What ReadStoredDigest() gives for a file it cannot read: no digest of
    /// 32 hexadecimal digits equals it, so no password unlocks it.
    static constexpr std::string_view kUnreadableDigest = "pqmvzr";

    /// Writes the whole file; both tables are not modified afterwards.
    /// Throws ArchiveError when the archive cannot take it.
    static void Write(Archive& ar, std::string_view digest, ElementTable& elements,
                      CFlaskwareDatabase& substances);

    /// Reads the whole file into elements and substances (which should be
    /// empty) and the digest stored in it into digest (left as it was for a
    /// file without one). Returns true when the file is complete: both
    /// blocks ended with their end markers. An unknown file version reads
    /// nothing more, leaves the notice "Wrong version of the program
    /// database file." in the archive and returns false. Throws ArchiveError
    /// on malformed or truncated data; digest may already be assigned then.
    static bool Read(Archive& ar, ElementTable& elements, CFlaskwareDatabase& substances,
                     std::string& digest);

    /// The digest stored in the file at path: the string after the file's
    /// version word, whatever that word is; kUnreadableDigest when the file
    /// cannot be opened or ends before the string does.
    static std::string ReadStoredDigest(const FilePath& path);
};

} // namespace solvo
