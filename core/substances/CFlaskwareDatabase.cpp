#include "substances/CFlaskwareDatabase.h"

#include "substances/Archive.h"
#include "substances/ElementTableBlock.h"
#include "substances/FileMessages.h"

#include <atomic>
#include <stdexcept>

namespace solvo {

void CFlaskwareDatabase::Changed()
{
    static std::atomic<std::uint64_t> lastRevision{0};
    revision_ = ++lastRevision;
}

void CFlaskwareDatabase::Clear()
{
    substances_.clear();
    nameIndex_.Clear();
    Changed();
    modified_ = false;
}

void CFlaskwareDatabase::DeleteSubstance(std::int32_t index)
{
    if (index < 0 || index >= GetSubstanceCount())
        return;
    substances_.erase(substances_.begin() + index);
    RebuildIndex();
    Changed();
    modified_ = true;
}

std::int32_t CFlaskwareDatabase::FindIndexByName(std::string_view name) const
{
    return nameIndex_.Find(substances_, name);
}

const CSubstance& CFlaskwareDatabase::At(std::int32_t index) const
{
    if (index < 0 || index >= GetSubstanceCount())
        throw std::out_of_range("substance index " + std::to_string(index));
    return *substances_[static_cast<std::size_t>(index)];
}

void CFlaskwareDatabase::Append(std::unique_ptr<CSubstance> substance)
{
    // An appended name never displaces an earlier one of the same text, so
    // the index needs no rebuilding.
    substances_.push_back(std::move(substance));
    nameIndex_.AddLast(substances_);
    Changed();
    modified_ = true;
}

void CFlaskwareDatabase::Replace(std::int32_t index, std::unique_ptr<CSubstance> substance)
{
    if (index < 0 || index >= GetSubstanceCount())
        throw std::out_of_range("substance index " + std::to_string(index));
    substances_[static_cast<std::size_t>(index)] = std::move(substance);
    RebuildIndex();
    Changed();
    modified_ = true;
}

void CFlaskwareDatabase::RebuildIndex()
{
    nameIndex_.Rebuild(substances_);
}

void CFlaskwareDatabase::Serialize(Archive& ar, const ElementTable& elements)
{
    if (ar.IsLoading())
        Read(ar, elements);
    else
        Write(ar, elements);
    modified_ = false;
}

void CFlaskwareDatabase::Write(Archive& ar, const ElementTable& elements)
{
    ar.WriteUInt32(version_);
    ar.WriteUInt32(static_cast<std::uint32_t>(substances_.size()));
    for (auto it = substances_.rbegin(); it != substances_.rend(); ++it)
        (*it)->Serialize(ar, elements);
    ar.WriteString(kDatabaseEndMarker);
}

void CFlaskwareDatabase::Read(Archive& ar, const ElementTable& elements)
{
    Clear();
    endMarkerFound_ = true;
    blockVersionUnknown_ = false;
    const std::uint32_t version = ar.ReadUInt32();
    if (version == version_) {
        const std::uint32_t count = ar.ReadUInt32();
        // Every record opens with its version word.
        ar.Require(4ULL * count);
        for (std::uint32_t i = 0; i < count; ++i) {
            std::unique_ptr<CSubstance> substance = CreateSubstance();
            substance->Serialize(ar, elements);
            substances_.push_back(std::move(substance));
        }
        endMarkerFound_ = ar.ReadString() == kDatabaseEndMarker;
    } else if (!ReadOlderBlock(ar, elements, version)) {
        ar.AddNotice(std::string(kUnknownVersionMessage));
        blockVersionUnknown_ = true;
    }
    RebuildIndex();
    Changed();
}

} // namespace solvo
