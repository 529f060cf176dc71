#include "calculators/ConcentrationCalculatorForm.h"

#include "quantities/FieldTransfer.h"

#include <charconv>

namespace solvo {

namespace {

using Field = CalculatorField;

/// The order in which the fields are read back.
constexpr std::array<Field, kCalculatorFieldCount> kReadOrder = {
    Field::Mass,       Field::SolutionMass, Field::Amount,       Field::Volume,
    Field::Formula,    Field::Name,         Field::MolarMass,    Field::PercentWW,
    Field::Ppm,        Field::PercentWV,    Field::MoleFraction, Field::Molar,
    Field::Millimolar, Field::Molal,        Field::Density,      Field::Micromolar,
    Field::Nanomolar,  Field::MgPerML,      Field::UgPerML,      Field::MgPerL,
    Field::PercentVV,  Field::Normal};

/// A later unit's field shows a multiple of one of the eight.
bool IsLaterUnitField(Field field)
{
    return static_cast<std::int32_t>(field) >= static_cast<std::int32_t>(Field::Micromolar);
}

bool IsConcentrationField(Field field)
{
    return static_cast<std::int32_t>(field) <= static_cast<std::int32_t>(Field::Density) ||
           IsLaterUnitField(field);
}

ConcentrationUnit UnitOf(Field field)
{
    const auto code = static_cast<std::int32_t>(field);
    return static_cast<ConcentrationUnit>(IsLaterUnitField(field) ? code - kLaterUnitFieldOffset : code);
}

Field FieldOf(ConcentrationUnit unit)
{
    const auto code = static_cast<std::int32_t>(unit);
    return static_cast<Field>(IsLaterConcentrationUnit(unit) ? code + kLaterUnitFieldOffset : code);
}

std::string BoundText(double bound)
{
    std::array<char, 32> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), bound, std::chars_format::general, 15);
    return std::string(buffer.data(), result.ptr);
}

} // namespace

ConcentrationCalculatorForm::ConcentrationCalculatorForm(SolvoSubstance& component,
                                                         const ElementTable& elements, bool locked,
                                                         std::int32_t displayDigits, double volume,
                                                         double solutionMass)
    : component_(component), elements_(elements), locked_(locked), displayDigits_(displayDigits),
      volume_(volume), solutionMass_(solutionMass)
{
    Show();
}

std::string ConcentrationCalculatorForm::MassRangeMessage()
{
    std::string text(kMassRangeMessage);
    text.replace(text.find("%1"), 2, BoundText(0.0));
    text.replace(text.find("%2"), 2, BoundText(kMaxMass));
    return text;
}

bool ConcentrationCalculatorForm::Enabled(CalculatorField field) const
{
    if (field == Field::Name || field == Field::Formula)
        return !locked_;
    if (field == Field::MolarMass)
        return !locked_ && component_.Formula().empty();
    if (component_.MolarMass() == 0.0)
        return false;
    if (IsConcentrationField(field) && !component_.Concentration().Offers(UnitOf(field)))
        return false;
    switch (field) {
    case Field::Mass:
    case Field::Amount:
        return mode_ != CalculatorMode::HoldAmount;
    case Field::Volume:
        return mode_ != CalculatorMode::HoldVolume && volumeIsInput_;
    case Field::SolutionMass:
        return mode_ != CalculatorMode::HoldVolume && !volumeIsInput_;
    default:
        return mode_ != CalculatorMode::HoldConcentration;
    }
}

bool ConcentrationCalculatorForm::Red(CalculatorField field) const
{
    if (!IsConcentrationField(field))
        return false;
    const ConcentrationUnit unit = UnitOf(field);
    return component_.IsOutsideDensityRange(component_.GetConcentration(unit), unit);
}

std::optional<ConcentrationCalculatorForm::Message>
ConcentrationCalculatorForm::Type(CalculatorField field, std::string text)
{
    texts_[Index(field)] = std::move(text);
    if (field == Field::Name) {
        // Taken as it is typed, so that an action that shows the fields
        // without reading them first cannot put the old name back.
        component_.SetName(Text(Field::Name));
        return std::nullopt;
    }
    guarded_ = field;
    std::optional<Message> message;
    if (field == Field::Formula) {
        message = FormulaTyped();
    } else if (field == Field::MolarMass) {
        message = Read();
        Show();
    } else {
        // The rule of a disabled field cannot run: there is nothing to hold.
        const bool enabled = Enabled(field);
        message = Read();
        if (enabled)
            ApplyRule(field);
        Show();
    }
    guarded_.reset();
    return message;
}

void ConcentrationCalculatorForm::Reformatted(CalculatorField field, std::string text)
{
    texts_[Index(field)] = std::move(text);
}

std::optional<ConcentrationCalculatorForm::Message>
ConcentrationCalculatorForm::ChooseMode(CalculatorMode mode)
{
    mode_ = mode;
    if (component_.MolarMass() == 0.0)
        return std::nullopt;
    return Read();
}

std::optional<ConcentrationCalculatorForm::Message>
ConcentrationCalculatorForm::ChooseDensityUnit(DensityUnit unit)
{
    densityUnit_ = unit;
    Show();
    return Read();
}

void ConcentrationCalculatorForm::Toggle()
{
    volumeIsInput_ = !volumeIsInput_;
}

std::optional<ConcentrationCalculatorForm::Message> ConcentrationCalculatorForm::Next()
{
    std::optional<Message> message = Read();
    component_.SelectOtherRoot();
    if (mode_ == CalculatorMode::BeSmart || mode_ == CalculatorMode::HoldVolume) {
        CoupleAmountToVolume();
    } else if (mode_ == CalculatorMode::HoldAmount) {
        VolumeFromAmount();
        solutionMass_ = volume_ * DensityValue();
    }
    Show();
    return message;
}

void ConcentrationCalculatorForm::Clear()
{
    volume_ = 0.0;
    solutionMass_ = 0.0;
    mode_ = CalculatorMode::BeSmart;
    volumeIsInput_ = true;
    component_.SetConcentration(0.0, ConcentrationUnit::Molar);
    component_.SetAmountAndMass(0.0, 0.0);
    Show();
}

std::optional<ConcentrationCalculatorForm::Message> ConcentrationCalculatorForm::ClearAll()
{
    if (locked_)
        return std::nullopt;
    component_ = SolvoSubstance();
    Clear();
    return FormulaTyped();
}

void ConcentrationCalculatorForm::UseDatabaseSubstance(const SolvoSubstance& chosen)
{
    if (locked_)
        return;
    component_ = chosen;
    Clear();
    if (!component_.Formula().empty())
        component_.UpdateMolarMass(elements_);
    Show();
}

std::optional<ConcentrationCalculatorForm::Message> ConcentrationCalculatorForm::FormulaTyped()
{
    std::optional<Message> message = Read();
    component_.UpdateMolarMass(elements_);
    Show();
    return message;
}

std::optional<ConcentrationCalculatorForm::Message> ConcentrationCalculatorForm::Read(Unknowns unknowns)
{
    // The substance's own fields are read back only while they can be typed
    // into: a locked component's molar mass, or one given by its formula,
    // must never be cut to the digits it is shown with.
    for (const Field field : kReadOrder) {
        if (field == Field::Formula || field == Field::Name) {
            if (locked_)
                continue;
            if (field == Field::Name)
                component_.SetName(Text(field));
            else
                component_.SetFormula(Text(field));
            continue;
        }
        if (field == Field::MolarMass && !Enabled(Field::MolarMass))
            continue;
        // A later unit repeats one of the eight in another scale; read back
        // from its rounded text it would overwrite the field it repeats.
        if (IsLaterUnitField(field) && guarded_ != field)
            continue;
        // A "???" the user did not type shows what the component holds;
        // reading it as 0 would silently replace an unknown by zero.
        if (unknowns == Unknowns::Keep && guarded_ != field && ShowsNotFinite(Text(field)))
            continue;
        const TakenNumber<double> taken = TakeDouble(Text(field));
        if (!taken.number)
            return Message{field, std::string(taken.message)};
        if (field == Field::Mass && !(*taken.number >= 0.0 && *taken.number <= kMaxMass))
            return Message{field, MassRangeMessage()};
        Store(field, *taken.number);
    }
    return std::nullopt;
}

void ConcentrationCalculatorForm::Store(CalculatorField field, double value)
{
    switch (field) {
    case Field::Mass:
        SetMass(value);
        break;
    case Field::Amount:
        SetAmount(value);
        break;
    case Field::Volume:
        volume_ = value;
        break;
    case Field::SolutionMass:
        solutionMass_ = value;
        break;
    case Field::MolarMass:
        component_.SetMolarMass(value);
        break;
    case Field::Density:
        component_.StoreConcentration(DensityFromUnit(value, densityUnit_), ConcentrationUnit::Density);
        break;
    default:
        component_.StoreConcentration(value, UnitOf(field));
        break;
    }
}

void ConcentrationCalculatorForm::Show()
{
    Write(Field::Mass, FieldText(component_.Mass(), displayDigits_));
    Write(Field::Amount, FieldText(component_.Amount(), displayDigits_));
    Write(Field::Volume, FieldText(volume_, displayDigits_));
    Write(Field::SolutionMass, FieldText(solutionMass_, displayDigits_));
    Write(Field::MolarMass, FieldText(component_.MolarMass(), displayDigits_));
    Write(Field::Name, component_.Name());
    Write(Field::Formula, component_.Formula());
    for (const ConcentrationUnit unit : kConcentrationUnits) {
        if (!component_.Concentration().Offers(unit)) {
            Write(FieldOf(unit), {});
            continue;
        }
        double value = component_.GetConcentration(unit);
        if (unit == ConcentrationUnit::Density)
            value = DensityToUnit(value, densityUnit_);
        Write(FieldOf(unit), FieldText(value, displayDigits_));
    }
}

void ConcentrationCalculatorForm::Write(CalculatorField field, std::string text)
{
    if (guarded_ != field)
        texts_[Index(field)] = std::move(text);
}

void ConcentrationCalculatorForm::ApplyRule(CalculatorField field)
{
    switch (field) {
    case Field::Mass:
        MassOrAmountTyped(false);
        break;
    case Field::Amount:
        MassOrAmountTyped(true);
        break;
    case Field::Volume:
        VolumeTyped();
        break;
    case Field::SolutionMass:
        SolutionMassTyped();
        break;
    default:
        if (IsConcentrationField(field))
            ConcentrationTyped(UnitOf(field));
        break;
    }
}

void ConcentrationCalculatorForm::MassOrAmountTyped(bool amountTyped)
{
    const double MW = component_.MolarMass();
    if (MW == 0.0)
        return;
    if (amountTyped)
        SetMass(MW * component_.Amount());
    else
        SetAmount(component_.Mass() / MW);
    if (mode_ == CalculatorMode::HoldConcentration) {
        volume_ = component_.Amount() * 1000.0 / Molarity();
        solutionMass_ = volume_ * DensityValue();
        return;
    }
    if (volumeIsInput_ && volume_ > 0.0) {
        component_.SetConcentration(component_.Amount() * 1000.0 / volume_, ConcentrationUnit::Molar);
        solutionMass_ = DensityValue() * volume_;
    }
    if (!volumeIsInput_ && solutionMass_ > 0.0) {
        component_.SetConcentration(component_.Mass() * 100.0 / solutionMass_, ConcentrationUnit::PercentWW);
        volume_ = solutionMass_ / DensityValue();
    }
}

void ConcentrationCalculatorForm::ConcentrationTyped(ConcentrationUnit unit)
{
    component_.SetConcentration(component_.GetConcentration(unit), unit);
    if (mode_ == CalculatorMode::HoldAmount) {
        if (VolumeFromAmount())
            solutionMass_ = volume_ * DensityValue();
        return;
    }
    CoupleAmountToVolume();
}

void ConcentrationCalculatorForm::VolumeTyped()
{
    const double MW = component_.MolarMass();
    if (mode_ == CalculatorMode::HoldConcentration) {
        if (MW != 0.0 && volume_ != 0.0) {
            SetAmount(volume_ * Molarity() / 1000.0);
            SetMass(component_.Amount() * MW);
        }
    } else {
        if (MW != 0.0 && volume_ != 0.0)
            component_.SetConcentration(component_.Amount() * 1000.0 / volume_, ConcentrationUnit::Molar);
        StoreMassRatios();
    }
    solutionMass_ = DensityValue() * volume_;
}

void ConcentrationCalculatorForm::SolutionMassTyped()
{
    const double MW = component_.MolarMass();
    if (mode_ == CalculatorMode::HoldConcentration) {
        if (MW != 0.0) {
            volume_ = solutionMass_ / DensityValue();
            if (volume_ != 0.0) {
                SetAmount(volume_ * Molarity() / 1000.0);
                SetMass(component_.Amount() * MW);
            }
        }
        return;
    }
    if (MW != 0.0 && solutionMass_ != 0.0) {
        component_.SetConcentration(component_.Mass() * 100.0 / solutionMass_, ConcentrationUnit::PercentWW);
        volume_ = solutionMass_ / DensityValue();
    }
    StoreMassRatios();
}

void ConcentrationCalculatorForm::CoupleAmountToVolume()
{
    const double MW = component_.MolarMass();
    if (volumeIsInput_) {
        if (MW != 0.0) {
            SetAmount(Molarity() * volume_ / 1000.0);
            SetMass(component_.Amount() * MW);
        }
        solutionMass_ = volume_ * DensityValue();
        return;
    }
    if (MW != 0.0) {
        SetMass(component_.GetConcentration(ConcentrationUnit::PercentWW) * solutionMass_ / 100.0);
        SetAmount(component_.Mass() / MW);
    }
    VolumeFromAmount();
}

bool ConcentrationCalculatorForm::VolumeFromAmount()
{
    if (Molarity() == 0.0)
        return false;
    volume_ = component_.Amount() * 1000.0 / Molarity();
    return true;
}

// The mass fractions of a volume just typed or derived, kept as they come
// out even where the density table would disagree.
void ConcentrationCalculatorForm::StoreMassRatios()
{
    if (volume_ == 0.0)
        return;
    const double mass = component_.Mass();
    component_.StoreConcentration(mass * 100.0 / (volume_ * DensityValue()), ConcentrationUnit::PercentWW);
    component_.StoreConcentration(mass * 100.0 / volume_, ConcentrationUnit::PercentWV);
}

} // namespace solvo
