#include "substances/SubstanceNameIndex.h"

#include <functional>
#include <string>

namespace solvo {

void SubstanceNameIndex::Clear()
{
    slots_.clear();
    used_ = 0;
}

void SubstanceNameIndex::Rebuild(const List& list)
{
    Clear();
    Reserve(list, list.size());
    for (std::size_t position = 0; position < list.size(); ++position)
        Insert(list, static_cast<std::int32_t>(position));
}

void SubstanceNameIndex::AddLast(const List& list)
{
    Reserve(list, used_ + 1);
    Insert(list, static_cast<std::int32_t>(list.size()) - 1);
}

std::int32_t SubstanceNameIndex::Find(const List& list, std::string_view name) const
{
    if (slots_.empty())
        return -1;
    return slots_[SlotOf(list, name, HashOf(name))].position;
}

std::uint32_t SubstanceNameIndex::HashOf(std::string_view name)
{
    const std::size_t hash = std::hash<std::string_view>{}(name);
    return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

std::size_t SubstanceNameIndex::SlotOf(const List& list, std::string_view name,
                                       std::uint32_t hash) const
{
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.position < 0 ||
            (slot.hash == hash && list[static_cast<std::size_t>(slot.position)]->Name() == name))
            return at;
    }
}

void SubstanceNameIndex::Insert(const List& list, std::int32_t position)
{
    const std::string& name = list[static_cast<std::size_t>(position)]->Name();
    const std::uint32_t hash = HashOf(name);
    Slot& slot = slots_[SlotOf(list, name, hash)];
    if (slot.position >= 0)
        return; // the earlier substance of this name stays the one found
    slot = {hash, position};
    ++used_;
}

void SubstanceNameIndex::Reserve(const List& list, std::size_t count)
{
    if (2 * count <= slots_.size())
        return;
    std::size_t size = 16;
    while (size < 2 * count)
        size *= 2;
    std::vector<Slot> old(size);
    old.swap(slots_);
    used_ = 0;
    for (const Slot& slot : old) {
        if (slot.position >= 0)
            Insert(list, slot.position);
    }
}

} // namespace solvo
