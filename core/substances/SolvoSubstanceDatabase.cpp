#include "substances/SolvoSubstanceDatabase.h"

#include "formula/ChemicalFormula.h"
#include "substances/Archive.h"
#include "substances/DefaultSubstances.h"

#include <algorithm>

namespace solvo {

namespace {

constexpr std::uint32_t kOlderBlockVersion = 0x20000;

void AddUses(const ElementTable& elements, const std::string& formula,
             std::vector<std::int32_t>& counts)
{
    const Composition composition = ChemicalFormula(elements, formula).FormulaComposition();
    if (counts.size() < composition.size())
        counts.resize(composition.size());
    for (std::size_t i = 0; i < composition.size(); ++i)
        counts[i] += composition[i];
}

} // namespace

const SolvoSubstance& SolvoSubstanceDatabase::GetSubstance(std::int32_t index) const
{
    // Every substance was made by CreateSubstance() or AddSubstance().
    return static_cast<const SolvoSubstance&>(At(index));
}

void SolvoSubstanceDatabase::AddSubstance(const SolvoSubstance& substance)
{
    Append(std::make_unique<SolvoSubstance>(SolvoSubstance::CopyOf(substance)));
}

void SolvoSubstanceDatabase::ReplaceSubstance(std::int32_t index, const SolvoSubstance& substance)
{
    Replace(index, std::make_unique<SolvoSubstance>(SolvoSubstance::CopyOf(substance)));
}

const SolvoSubstance* SolvoSubstanceDatabase::FindByName(std::string_view name) const
{
    const std::int32_t index = FindIndexByName(name);
    return index < 0 ? nullptr : &GetSubstance(index);
}

std::shared_ptr<const SubstanceOrder> SolvoSubstanceDatabase::Order(FilterField field) const
{
    std::shared_ptr<const SubstanceOrder>& order = orders_[field == FilterField::Name ? 0 : 1];
    if (!order || !order->Fits(*this, field))
        order = std::make_shared<const SubstanceOrder>(*this, field);
    return order;
}

void SolvoSubstanceDatabase::LoadDefaultSubstances(const ElementTable& elements)
{
    for (const SolvoSubstance& substance : DefaultSubstances(elements))
        AddSubstance(substance);
    SetModified(false);
}

void SolvoSubstanceDatabase::CountElementUses(const ElementTable& elements,
                                              std::vector<std::int32_t>& counts) const
{
    for (std::int32_t i = 0; i < GetSubstanceCount(); ++i) {
        const SolvoSubstance& substance = GetSubstance(i);
        for (const std::string& alternative : substance.Alternatives())
            AddUses(elements, alternative, counts);
        AddUses(elements, substance.Formula(), counts);
    }
}

std::unique_ptr<CSubstance> SolvoSubstanceDatabase::CreateSubstance() const
{
    return std::make_unique<SolvoSubstance>();
}

bool SolvoSubstanceDatabase::ReadOlderBlock(Archive& ar, const ElementTable& elements,
                                            std::uint32_t version)
{
    if (version != kOlderBlockVersion)
        return false;
    const std::uint32_t count = ar.ReadUInt32();
    // Every record opens with its version word.
    ar.Require(4ULL * count);
    for (std::uint32_t i = 0; i < count; ++i) {
        SolvoSubstance substance;
        substance.Serialize(ar, elements);
        AddSubstance(substance);
    }
    return true;
}

} // namespace solvo
