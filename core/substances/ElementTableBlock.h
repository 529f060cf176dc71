#pragma once

#include <string_view>

namespace solvo {

class Archive;
class ElementTable;

/// The end marker that closes the element table block and the substance
/// block of the program database file.
inline constexpr std::string_view kDatabaseEndMarker = "Database EOF";

/// Writes the element and moiety table's block of the program database file,
/// or reads it into table. The block holds every slot of the table, leftovers
/// of deletions included, and ends with kDatabaseEndMarker.
///
/// Reading accepts the block of version 0x20000 and the older one without the
/// electron row (0x10000), which gets "e" inserted at index 0. Afterwards
/// the table is not modified and IsComplete() tells whether the end marker
/// was there. Throws ArchiveError at the end of the data, and (Generic) when
/// the number of entries in use is negative or larger than the entries stored.
void SerializeElementTable(Archive& ar, ElementTable& table);

} // namespace solvo
