#include "calculators/SolutionMixerForm.h"

#include "quantities/FieldTransfer.h"

namespace solvo {

namespace {

std::size_t RowOf(MixerField field)
{
    return static_cast<std::size_t>(field) % kMixerRowCount;
}

bool IsConcentration(MixerField field)
{
    return field <= MixerField::Concentration3;
}

bool IsVolume(MixerField field)
{
    return field >= MixerField::Volume1 && field <= MixerField::Volume3;
}

} // namespace

SolutionMixerForm::SolutionMixerForm(const ElementTable& elements, const UnitLabels& units,
                                     std::int32_t displayDigits)
    : elements_(elements), units_(units), displayDigits_(displayDigits)
{
    unitChoices_.Fill(units_);
    Show();
}

bool SolutionMixerForm::Enabled(MixerField field) const
{
    if (field == MixerField::Name || field == MixerField::Formula)
        return true;
    if (field == MixerField::MolarMass)
        return component_.Formula().empty();
    if (component_.MolarMass() == 0.0)
        return false;
    const MixerRow& row = rows_[RowOf(field)];
    if (IsConcentration(field))
        return !constantConcentrations_;
    return IsVolume(field) == row.volumeIsInput;
}

bool SolutionMixerForm::Red(MixerField field) const
{
    if (field >= MixerField::MolarMass)
        return false;
    const MixerRow& row = rows_[RowOf(field)];
    if (IsConcentration(field))
        return component_.IsOutsideDensityRange(row.c, row.unit);
    return (IsVolume(field) ? row.V : row.S) < 0.0;
}

bool SolutionMixerForm::ConcButtonEnabled(std::size_t row) const
{
    return Enabled(ConcentrationField(row));
}

std::optional<SolutionMixerForm::Message> SolutionMixerForm::Type(MixerField field, std::string text)
{
    texts_[Index(field)] = std::move(text);
    if (field == MixerField::Name) {
        // Taken as it is typed, so that an action that shows the fields
        // without reading them first cannot put the old name back.
        component_.SetName(Text(field));
        return std::nullopt;
    }
    guarded_ = field;
    const std::optional<Message> message = Recompute(field);
    guarded_.reset();
    return message;
}

std::optional<SolutionMixerForm::Message> SolutionMixerForm::Recompute(MixerField field)
{
    std::optional<Message> message = Read();
    ApplyRule(field);
    Show();
    return message;
}

void SolutionMixerForm::ApplyRule(MixerField field)
{
    if (field == MixerField::Formula) {
        component_.UpdateMolarMass(elements_);
        return;
    }
    if (field == MixerField::MolarMass)
        return;
    const std::size_t row = RowOf(field);
    SolutionMixing mixing(component_);
    mixing.RowAmount(rows_[row]);
    if (IsConcentration(field)) {
        const bool anyVolume = rows_[0].V != 0.0 || rows_[1].V != 0.0 || rows_[2].V != 0.0;
        if (!anyVolume)
            return;
    } else if (constantConcentrations_) {
        mixing.Rescale(rows_, row);
        return;
    }
    if (row == 2)
        mixing.SolveSecond(rows_);
    else
        mixing.ForwardMix(rows_);
}

std::optional<SolutionMixerForm::Message> SolutionMixerForm::ChooseUnit(std::size_t row,
                                                                      ConcentrationUnit unit)
{
    std::optional<Message> message = Read();
    MixerRow& changed = rows_[row];
    changed.c = component_.ConvertConcentration(changed.c, changed.unit, unit);
    changed.unit = unit;
    Show();
    return message;
}

std::optional<SolutionMixerForm::Message> SolutionMixerForm::ClickConstantConcentrations(bool checked)
{
    constantConcentrations_ = checked;
    return Read();
}

SolutionMixerForm::CalculatorStart SolutionMixerForm::BeginConcentrationCalculator(std::size_t row)
{
    keptMolarity_ = component_.GetConcentration(ConcentrationUnit::Molar);
    keptAmount_ = component_.Amount();
    keptMass_ = component_.Mass();
    const MixerRow& given = rows_[row];
    component_.SetConcentration(given.c, given.unit);
    const double amount = component_.GetConcentration(ConcentrationUnit::Molar) * given.V / 1000.0;
    component_.SetAmountAndMass(amount, amount * component_.MolarMass());
    return {given.V, given.S};
}

std::optional<SolutionMixerForm::Message>
SolutionMixerForm::EndConcentrationCalculator(std::size_t row, bool accepted, double volume,
                                              double solutionMass)
{
    if (!accepted) {
        component_.SetAmountAndMass(keptAmount_, keptMass_);
        component_.SetConcentration(keptMolarity_, ConcentrationUnit::Molar);
        return std::nullopt;
    }
    MixerRow& taken = rows_[row];
    taken.c = component_.GetConcentration(taken.unit);
    taken.V = volume;
    taken.S = solutionMass;
    Show();
    return Recompute(ConcentrationField(row));
}

void SolutionMixerForm::Clear()
{
    rows_ = MixerRows{};
    constantConcentrations_ = false;
    Show();
}

void SolutionMixerForm::ClearAll()
{
    component_ = SolvoSubstance();
    Clear();
}

void SolutionMixerForm::UseDatabaseSubstance(const SolvoSubstance& chosen)
{
    component_ = chosen;
    if (!component_.Formula().empty())
        component_.UpdateMolarMass(elements_);
    Clear();
}

std::optional<SolutionMixerForm::Message> SolutionMixerForm::Read(Unknowns unknowns)
{
    const auto refuse = [](MixerField field) { return Message{field, std::string(kEnterNumberMessage)}; };
    for (std::size_t row = 0; row < kMixerRowCount; ++row) {
        if (!ReadNumber(ConcentrationField(row), unknowns, rows_[row].c))
            return refuse(ConcentrationField(row));
    }
    for (std::size_t row = 0; row < kMixerRowCount; ++row) {
        if (!ReadNumber(VolumeField(row), unknowns, rows_[row].V))
            return refuse(VolumeField(row));
    }
    for (std::size_t row = 0; row < kMixerRowCount; ++row) {
        if (!ReadNumber(SolutionMassField(row), unknowns, rows_[row].S))
            return refuse(SolutionMassField(row));
    }
    // A molar mass given by the formula is never cut to the digits it is
    // shown with.
    if (Enabled(MixerField::MolarMass)) {
        double molarMass = component_.MolarMass();
        if (!ReadNumber(MixerField::MolarMass, unknowns, molarMass))
            return refuse(MixerField::MolarMass);
        component_.SetMolarMass(molarMass);
    }
    component_.SetName(Text(MixerField::Name));
    component_.SetFormula(Text(MixerField::Formula));
    return std::nullopt;
}

bool SolutionMixerForm::ReadNumber(MixerField field, Unknowns unknowns, double& value) const
{
    // A "???" the user did not type shows what the row holds; reading it as
    // 0 would silently replace an unknown by zero.
    if (unknowns == Unknowns::Keep && guarded_ != field && ShowsNotFinite(Text(field)))
        return true;
    const TakenNumber<double> taken = TakeDouble(Text(field));
    if (!taken.number)
        return false;
    value = *taken.number;
    return true;
}

void SolutionMixerForm::Show()
{
    // A substance without % v/v clears the rows, so no row is left in it.
    unitChoices_.OfferVolumePercent(component_.Concentration(), units_);
    for (std::size_t row = 0; row < kMixerRowCount; ++row) {
        Write(ConcentrationField(row), FieldText(rows_[row].c, displayDigits_));
        Write(VolumeField(row), FieldText(rows_[row].V, displayDigits_));
        Write(SolutionMassField(row), FieldText(rows_[row].S, displayDigits_));
    }
    Write(MixerField::MolarMass, FieldText(component_.MolarMass(), displayDigits_));
    Write(MixerField::Name, component_.Name());
    Write(MixerField::Formula, component_.Formula());
}

void SolutionMixerForm::Write(MixerField field, std::string text)
{
    if (guarded_ != field)
        texts_[Index(field)] = std::move(text);
}

} // namespace solvo
