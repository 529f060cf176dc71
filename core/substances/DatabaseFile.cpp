#include "substances/DatabaseFile.h"

#include "formula/ElementTable.h"
#include "substances/ArchiveFile.h"
#include "substances/CFlaskwareDatabase.h"
#include "substances/ElementTableBlock.h"
#include "substances/FileMessages.h"

namespace solvo {

void DatabaseFile::Write(Archive& ar, std::string_view digest, ElementTable& elements,
                         CFlaskwareDatabase& substances)
{
    ar.WriteUInt32(kFileVersion);
    ar.WriteString(digest);
    SerializeElementTable(ar, elements);
    substances.Serialize(ar, elements);
}

bool DatabaseFile::Read(Archive& ar, ElementTable& elements, CFlaskwareDatabase& substances,
                        std::string& digest)
{
    const std::uint32_t version = ar.ReadUInt32();
    if (version == kFileVersion) {
        digest = ar.ReadString();
    } else if (version != kFileVersionWithoutDigest) {
        ar.AddNotice(std::string(kWrongDatabaseVersionMessage));
        return false;
    }
    SerializeElementTable(ar, elements);
    substances.Serialize(ar, elements);
    return elements.IsComplete() && substances.EndMarkerFound();
}

std::string DatabaseFile::ReadStoredDigest(const FilePath& path)
{
    std::string digest(kUnreadableDigest);
    try {
        ReadArchiveFile(path, [&digest](ArchiveReader& reader) {
            reader.ReadUInt32();
            digest = reader.ReadString();
        });
    } catch (const ArchiveError&) {
        // A file too short to hold a digest is as unreadable as a missing
        // one; digest was not assigned.
    }
    return digest;
}

} // namespace solvo
