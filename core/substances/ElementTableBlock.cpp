#include "substances/ElementTableBlock.h"

#include "formula/ElementTable.h"
#include "substances/Archive.h"

#include <string>
#include <vector>

namespace solvo {

namespace {

constexpr std::uint32_t kBlockVersion = 0x20000;
constexpr std::uint32_t kBlockVersionWithoutElectron = 0x10000;
// Three empty strings, a double and an int32.
constexpr std::uint64_t kMinimumEntryBytes = 1 + 1 + 1 + 8 + 4;

void TransferEntry(Archive& ar, Element& entry)
{
    ar.Transfer(entry.symbol);
    ar.Transfer(entry.composition);
    ar.Transfer(entry.comment);
    ar.Transfer(entry.molarMass);
    ar.Transfer(entry.decimals);
}

void Write(Archive& ar, ElementTable& table)
{
    ar.WriteUInt32(kBlockVersion);
    ar.WriteInt32(table.Count());
    std::vector<Element> slots = table.Slots();
    ar.WriteCount(slots.size());
    for (Element& entry : slots)
        TransferEntry(ar, entry);
    ar.WriteString(kDatabaseEndMarker);
    table.SetModified(false);
}

void Read(Archive& ar, ElementTable& table)
{
    const std::uint32_t version = ar.ReadUInt32();
    std::int64_t count = ar.ReadInt32();
    const std::uint32_t stored = ar.ReadCount();
    ar.Require(stored * kMinimumEntryBytes);
    std::vector<Element> slots(stored);
    for (Element& entry : slots)
        TransferEntry(ar, entry);
    if (version == kBlockVersionWithoutElectron) {
        slots.insert(slots.begin(), Element{"e", {}, {}, 0.0, 0});
        ++count;
    }
    if (count < 0 || static_cast<std::uint64_t>(count) > slots.size())
        throw ArchiveError(ArchiveError::Kind::Generic, "element count out of range");
    table.Assign(std::move(slots), static_cast<std::int32_t>(count));
    table.SetComplete(version != kBlockVersion || ar.ReadString() == kDatabaseEndMarker);
    table.SetModified(false);
}

} // namespace

void SerializeElementTable(Archive& ar, ElementTable& table)
{
    if (ar.IsLoading())
        Read(ar, table);
    else
        Write(ar, table);
}

} // namespace solvo
