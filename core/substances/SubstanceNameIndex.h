#pragma once

#include "substances/CSubstance.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace solvo {

/// Finds a substance in a list by its exact name. The index holds positions
/// in the list and a hash of each name, eight bytes a slot, and reads the
/// names from the list itself: for a lab's whole inventory a map of its own
/// keys cost more memory than the names.
class SubstanceNameIndex {
public:
    using List = std::vector<std::unique_ptr<CSubstance>>;

    void Clear();
    /// Indexes every substance of list; of several alike names the lowest
    /// position is found.
    void Rebuild(const List& list);
    /// Indexes the last substance of list, just appended, unless a
    /// substance of its name is indexed already.
    void AddLast(const List& list);
    /// The position of the substance named name in list, or −1.
    std::int32_t Find(const List& list, std::string_view name) const;

private:
    struct Slot {
        std::uint32_t hash = 0;
        std::int32_t position = -1; // −1: empty
    };

    static std::uint32_t HashOf(std::string_view name);
    // The slot that holds name, or the empty one where it would go.
    std::size_t SlotOf(const List& list, std::string_view name, std::uint32_t hash) const;
    void Insert(const List& list, std::int32_t position);
    void Reserve(const List& list, std::size_t count);

    std::vector<Slot> slots_; // a power of two in size, at most half of them used
    std::size_t used_ = 0;
};

} // namespace solvo
