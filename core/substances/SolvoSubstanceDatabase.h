#pragma once

#include "substances/CFlaskwareDatabase.h"
#include "substances/SolvoSubstance.h"

namespace solvo {

/// The program database of substances: each one a component record carrying
/// the substance's formula, alternatives, flags, stock solution and density
/// table. Its block in the database file has version 0x30000; the older
/// block 0x20000 (without end marker) is read too.
class SolvoSubstanceDatabase final : public CFlaskwareDatabase {
public:
    static constexpr std::uint32_t kBlockVersion = 0x30000;

    SolvoSubstanceDatabase() : CFlaskwareDatabase(kBlockVersion) {}

    /// The substance at index; throws std::out_of_range for an index not in use.
    const SolvoSubstance& GetSubstance(std::int32_t index) const;

    /// Appends a copy (SolvoSubstance::CopyOf) and sets modified.
    void AddSubstance(const SolvoSubstance& substance);
    /// Puts a copy in place of the substance at index and sets modified;
    /// throws std::out_of_range for an index not in use.
    void ReplaceSubstance(std::int32_t index, const SolvoSubstance& substance);

    /// The substance named exactly name (the lowest index of several), or null.
    const SolvoSubstance* FindByName(std::string_view name) const;

    /// Adds the ten built-in substances with their density tables, molar
    /// masses from elements, and clears the modified flag.
    void LoadDefaultSubstances(const ElementTable& elements) override;

    /// Counts each substance's formula and alternative formulas.
    void CountElementUses(const ElementTable& elements,
                          std::vector<std::int32_t>& counts) const override;

protected:
    std::unique_ptr<CSubstance> CreateSubstance() const override;
    bool ReadOlderBlock(Archive& ar, const ElementTable& elements, std::uint32_t version) override;
};

} // namespace solvo
