#include "substances/SubstanceDatabaseFields.h"

#include "quantities/FieldTransfer.h"
#include "substances/SolvoSubstance.h"

namespace solvo {

bool SubstanceDatabaseFields::ToRead(SubstanceDatabaseField field) const
{
    return guarded_ == field || texts_[Index(field)] != shown_[Index(field)];
}

std::optional<SubstanceDatabaseField> SubstanceDatabaseFields::Take(SolvoSubstance& substance) const
{
    substance.SetName(Text(SubstanceDatabaseField::Name));
    substance.SetFormula(Text(SubstanceDatabaseField::Formula));
    if (ToRead(SubstanceDatabaseField::MolarMass)) {
        const auto taken = TakeDouble(Text(SubstanceDatabaseField::MolarMass));
        if (!taken.number)
            return SubstanceDatabaseField::MolarMass;
        substance.SetMolarMass(*taken.number);
    }
    if (ToRead(SubstanceDatabaseField::StockConcentration)) {
        const auto taken = TakeDouble(Text(SubstanceDatabaseField::StockConcentration));
        if (!taken.number)
            return SubstanceDatabaseField::StockConcentration;
        substance.SetStockConcentration(*taken.number);
    }
    if (const std::int32_t unit = Selection(SubstanceDatabaseList::StockUnit); unit >= 0)
        substance.SetStockUnit(static_cast<ConcentrationUnit>(unit));
    if (const std::int32_t kind = Selection(SubstanceDatabaseList::TableKind); kind >= 0)
        substance.Table().SetKind(static_cast<DensityTableKind>(kind));
    substance.Table().SetText(Text(SubstanceDatabaseField::TableText));
    substance.SetStandardSubstance(Checked(SubstanceDatabaseCheck::StandardSubstance));
    substance.Table().SetNoTable(Checked(SubstanceDatabaseCheck::NoDensityTable));
    substance.SetUseStockSolution(Checked(SubstanceDatabaseCheck::UseStockSolution));
    substance.SetNoSolid(Checked(SubstanceDatabaseCheck::NoSolid));
    return std::nullopt;
}

void SubstanceDatabaseFields::Show(const SolvoSubstance& substance, std::int32_t displayDigits)
{
    Write(SubstanceDatabaseField::Name, substance.Name());
    Write(SubstanceDatabaseField::Formula, substance.Formula());
    Write(SubstanceDatabaseField::MolarMass, FieldText(substance.MolarMass(), displayDigits));
    Write(SubstanceDatabaseField::StockConcentration,
          FieldText(substance.StockConcentration(), displayDigits));
    Write(SubstanceDatabaseField::TableText, substance.Table().Text());
    const auto unit = static_cast<std::int32_t>(substance.StockUnit());
    Select(SubstanceDatabaseList::StockUnit, IsConcentrationUnit(substance.StockUnit()) ? unit : -1);
    const auto kind = static_cast<std::int32_t>(substance.Table().Kind());
    Select(SubstanceDatabaseList::TableKind, kind >= 0 && kind <= 2 ? kind : -1);
    SetChecked(SubstanceDatabaseCheck::StandardSubstance, substance.StandardSubstance());
    SetChecked(SubstanceDatabaseCheck::NoDensityTable, substance.Table().NoTable());
    SetChecked(SubstanceDatabaseCheck::UseStockSolution, substance.UseStockSolution());
    SetChecked(SubstanceDatabaseCheck::NoSolid, substance.NoSolid());
}

void SubstanceDatabaseFields::Write(SubstanceDatabaseField field, std::string text)
{
    if (guarded_ != field)
        texts_[Index(field)] = text;
    shown_[Index(field)] = std::move(text);
}

} // namespace solvo
