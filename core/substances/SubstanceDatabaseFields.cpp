#include "substances/SubstanceDatabaseFields.h"

#include "quantities/FieldTransfer.h"
#include "substances/SolvoSubstance.h"
#include "substances/SubstanceCorrection.h"

#include <utility>

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
    if (const std::int32_t position = Selection(SubstanceDatabaseList::StockUnit);
        position >= 0 && static_cast<std::size_t>(position) < kConcentrationUnits.size())
        substance.SetStockUnit(kConcentrationUnits[static_cast<std::size_t>(position)]);
    if (const std::int32_t kind = Selection(SubstanceDatabaseList::TableKind); kind >= 0)
        substance.Table().SetKind(static_cast<DensityTableKind>(kind));
    substance.Table().SetText(Text(SubstanceDatabaseField::TableText));
    substance.SetStandardSubstance(Checked(SubstanceDatabaseCheck::StandardSubstance));
    substance.Table().SetNoTable(Checked(SubstanceDatabaseCheck::NoDensityTable));
    substance.SetUseStockSolution(Checked(SubstanceDatabaseCheck::UseStockSolution));
    substance.SetNoSolid(Checked(SubstanceDatabaseCheck::NoSolid));
    return TakeCorrections(substance);
}

namespace {

constexpr std::pair<SubstanceDatabaseField, SubstanceCorrection> kCorrections[] = {
    {SubstanceDatabaseField::Purity, SubstanceCorrection::Purity},
    {SubstanceDatabaseField::PureDensity, SubstanceCorrection::PureDensity},
    {SubstanceDatabaseField::Equivalents, SubstanceCorrection::Equivalents}};

} // namespace

std::optional<SubstanceDatabaseField> SubstanceDatabaseFields::TakeCorrections(SolvoSubstance& substance) const
{
    for (const auto& [field, correction] : kCorrections) {
        if (ToRead(field) && TakeCorrection(correction, Text(field), substance))
            return field;
    }
    return std::nullopt;
}

std::string_view SubstanceDatabaseFields::Problem(SubstanceDatabaseField field) const
{
    SolvoSubstance scratch;
    for (const auto& [corrected, correction] : kCorrections) {
        if (corrected == field)
            return TakeCorrection(correction, Text(field), scratch).value_or(kEnterNumberMessage);
    }
    return kEnterNumberMessage;
}

void SubstanceDatabaseFields::Show(const SolvoSubstance& substance, std::int32_t displayDigits)
{
    Write(SubstanceDatabaseField::Name, substance.Name());
    Write(SubstanceDatabaseField::Formula, substance.Formula());
    Write(SubstanceDatabaseField::MolarMass, FieldText(substance.MolarMass(), displayDigits));
    Write(SubstanceDatabaseField::StockConcentration,
          FieldText(substance.StockConcentration(), displayDigits));
    Write(SubstanceDatabaseField::TableText, substance.Table().Text());
    for (const auto& [field, correction] : kCorrections)
        Write(field, FieldText(CorrectionValue(correction, substance), displayDigits));
    Select(SubstanceDatabaseList::StockUnit, ConcentrationUnitIndex(substance.StockUnit()));
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
