#pragma once

#include "substances/CSubstance.h"
#include "substances/SubstanceNameIndex.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace solvo {

class Archive;
class ElementTable;

/// What every program of the family keeps in its program database: an
/// ordered list of substances found by name, and their block of the database
/// file. The derived class decides what a substance is.
///
/// The block: the block version (uint32), the number of substances (uint32),
/// the records from the last substance to the first, then the end marker
/// "Database EOF". Reading appends them in file order, so every save and
/// load reverses the order in memory.
class CFlaskwareDatabase {
public:
    virtual ~CFlaskwareDatabase() = default;
    CFlaskwareDatabase(const CFlaskwareDatabase&) = delete;
    CFlaskwareDatabase& operator=(const CFlaskwareDatabase&) = delete;

    std::int32_t GetSubstanceCount() const { return static_cast<std::int32_t>(substances_.size()); }

    /// Removes every substance; not modified afterwards.
    void Clear();

    /// Removes the substance at index; −1 or any other index not in use does nothing.
    void DeleteSubstance(std::int32_t index);

    /// The index of the substance named exactly name (the lowest of several), or −1.
    std::int32_t FindIndexByName(std::string_view name) const;

    /// Set by every change; cleared when the database is read or written.
    /// Names this database's substances as they are now: any change of them
    /// gives a number that no database has had before. An empty database that
    /// was never changed has 0.
    std::uint64_t Revision() const { return revision_; }

    bool IsModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    /// Whether the last block read ended with the end marker, or was of a
    /// version that needs none.
    bool EndMarkerFound() const { return endMarkerFound_; }

    /// Whether the last block read was of a version this program does not
    /// know, so that nothing of it could be read.
    bool BlockVersionUnknown() const { return blockVersionUnknown_; }

    /// Writes the block, or replaces the content with the block read. A
    /// block version that is not known reads no substances and leaves the
    /// notice "Unknown version of the data file..." in the reader. Afterwards
    /// the database is not modified. Throws ArchiveError on malformed data.
    void Serialize(Archive& ar, const ElementTable& elements);

    /// Adds the built-in substances and clears the modified flag.
    virtual void LoadDefaultSubstances(const ElementTable& elements) = 0;

    /// Adds to counts (indexed by table entry, grown when shorter) the uses
    /// of each element and moiety in every substance's formulas.
    virtual void CountElementUses(const ElementTable& elements,
                                  std::vector<std::int32_t>& counts) const = 0;

protected:
    /// version: the block version the derived class writes and reads.
    explicit CFlaskwareDatabase(std::uint32_t version) : version_(version) {}

    /// A substance in its initial state, for a record to be read into.
    virtual std::unique_ptr<CSubstance> CreateSubstance() const = 0;
    /// Reads a block of an older version (its version word already read).
    /// Returns false when version is not one the class knows.
    virtual bool ReadOlderBlock(Archive& ar, const ElementTable& elements,
                                std::uint32_t version) = 0;

    const CSubstance& At(std::int32_t index) const;
    void Append(std::unique_ptr<CSubstance> substance);
    void Replace(std::int32_t index, std::unique_ptr<CSubstance> substance);

private:
    void Changed();
    void RebuildIndex();
    void Write(Archive& ar, const ElementTable& elements);
    void Read(Archive& ar, const ElementTable& elements);

    std::uint32_t version_;
    std::vector<std::unique_ptr<CSubstance>> substances_;
    // Reads the names the substances hold: each substance lives on the heap
    // until it is replaced or removed, which rebuilds the index.
    SubstanceNameIndex nameIndex_;
    std::uint64_t revision_ = 0;
    bool modified_ = false;
    bool endMarkerFound_ = false;
    bool blockVersionUnknown_ = false;
};

} // namespace solvo
