#pragma once

#include "substances/CFlaskwareDatabase.h"
#include "substances/SolvoSubstance.h"
#include "substances/SubstanceFilter.h"

#include <array>
#include <memory>

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

    /// Every substance in the order of the list by field, as the database is
    /// now. Made when first asked for after a change and kept, so that the
    /// database dialog opens again without sorting.
    std::shared_ptr<const SubstanceOrder> Order(FilterField field) const;

    /// Counts each substance's formula and alternative formulas.
    void CountElementUses(const ElementTable& elements,
                          std::vector<std::int32_t>& counts) const override;

protected:
    std::unique_ptr<CSubstance> CreateSubstance() const override;
    bool ReadOlderBlock(Archive& ar, const ElementTable& elements, std::uint32_t version) override;

private:
    mutable std::array<std::shared_ptr<const SubstanceOrder>, 2> orders_;
};

} // namespace solvo
