#include "quantities/ConcentrationSet.h"

#include <array>
#include <cstddef>
#include <limits>

namespace solvo {

double ConcentrationSet::PureLiquidDensity() const
{
    return table_.PureSubstanceDensity().value_or(pureDensity_);
}

bool ConcentrationSet::Offers(ConcentrationUnit unit) const
{
    return IsConcentrationUnit(unit) &&
           (unit != ConcentrationUnit::PercentVV || PureLiquidDensity() > 0.0);
}

std::optional<ConcentrationSet::Scale> ConcentrationSet::ScaleOf(ConcentrationUnit unit) const
{
    switch (unit) {
    case ConcentrationUnit::Micromolar:
        return Scale{ConcentrationUnit::Millimolar, 1000.0, 1.0};
    case ConcentrationUnit::Nanomolar:
        return Scale{ConcentrationUnit::Millimolar, 1000000.0, 1.0};
    case ConcentrationUnit::MgPerML:
        // 1 % w/v is 1 g per 100 mL, 10 mg/mL.
        return Scale{ConcentrationUnit::PercentWV, 10.0, 1.0};
    case ConcentrationUnit::UgPerML:
    case ConcentrationUnit::MgPerL:
        return Scale{ConcentrationUnit::PercentWV, 10000.0, 1.0};
    case ConcentrationUnit::PercentVV:
        // mL of the liquid per 100 mL are its grams per 100 mL over its density.
        return Scale{ConcentrationUnit::PercentWV, 1.0, PureLiquidDensity()};
    case ConcentrationUnit::Normal:
        return Scale{ConcentrationUnit::Molar, equivalents_, 1.0};
    default:
        return std::nullopt;
    }
}

void ConcentrationSet::SetConcentration(double value, ConcentrationUnit unit)
{
    if (const std::optional<Scale> scale = ScaleOf(unit)) {
        if (Offers(unit))
            SetConcentration(value * scale->denominator / scale->numerator, scale->base);
        return;
    }
    switch (unit) {
    case ConcentrationUnit::Molar:
        molar_ = value;
        SetMolar();
        break;
    case ConcentrationUnit::Millimolar:
        millimolar_ = value;
        molar_ = millimolar_ / 1000.0;
        SetMolar();
        break;
    case ConcentrationUnit::Molal:
        molal_ = value;
        SetMolal();
        break;
    case ConcentrationUnit::PercentWW:
        percentWW_ = value;
        SetPercentWW();
        break;
    case ConcentrationUnit::Ppm:
        ppm_ = value;
        percentWW_ = ppm_ / 10000.0;
        SetPercentWW();
        break;
    case ConcentrationUnit::PercentWV:
        percentWV_ = value;
        SetPercentWV();
        break;
    case ConcentrationUnit::MoleFraction:
        moleFraction_ = value;
        SetMoleFraction();
        break;
    case ConcentrationUnit::Density:
        density_ = value;
        SetDensity();
        break;
    default:
        break;
    }
}

double ConcentrationSet::GetConcentration(ConcentrationUnit unit) const
{
    if (unit == ConcentrationUnit::OwnUnit)
        // A unit read from a file may be anything, OwnUnit included.
        return IsConcentrationUnit(unit_) ? GetConcentration(unit_) : -1.0;
    if (const std::optional<Scale> scale = ScaleOf(unit)) {
        if (!Offers(unit))
            return std::numeric_limits<double>::quiet_NaN();
        return GetHeld(scale->base) * scale->numerator / scale->denominator;
    }
    return GetHeld(unit);
}

double ConcentrationSet::GetHeld(ConcentrationUnit unit) const
{
    switch (unit) {
    case ConcentrationUnit::Molar:
        return molar_;
    case ConcentrationUnit::Millimolar:
        return millimolar_;
    case ConcentrationUnit::Molal:
        return molal_;
    case ConcentrationUnit::PercentWW:
        return percentWW_;
    case ConcentrationUnit::Ppm:
        return ppm_;
    case ConcentrationUnit::PercentWV:
        return percentWV_;
    case ConcentrationUnit::MoleFraction:
        return moleFraction_;
    case ConcentrationUnit::Density:
        return density_;
    default:
        return -1.0;
    }
}

void ConcentrationSet::StoreConcentration(double value, ConcentrationUnit unit)
{
    const std::array<double*, kConcentrationUnitCount> fields = {
        &molar_, &millimolar_, &molal_, &percentWW_, &ppm_, &percentWV_, &moleFraction_, &density_};
    if (const std::optional<Scale> scale = ScaleOf(unit)) {
        if (Offers(unit))
            StoreConcentration(value * scale->denominator / scale->numerator, scale->base);
        return;
    }
    const auto code = static_cast<std::int32_t>(unit);
    if (code >= 0 && code < kConcentrationUnitCount)
        *fields[static_cast<std::size_t>(code)] = value;
}

bool ConcentrationSet::IsOutsideDensityRange(double value, ConcentrationUnit unit) const
{
    if (const std::optional<Scale> scale = ScaleOf(unit))
        return table_.IsOutsideDensityRange(value * scale->denominator / scale->numerator,
                                            scale->base);
    return table_.IsOutsideDensityRange(value, unit);
}

double ConcentrationSet::ConvertConcentration(double value, ConcentrationUnit fromUnit,
                                              ConcentrationUnit toUnit)
{
    const std::array<double, kConcentrationUnitCount> kept = {
        molar_, millimolar_, molal_, percentWW_, ppm_, percentWV_, moleFraction_, density_};
    SetConcentration(value, fromUnit);
    const double result = GetConcentration(toUnit);
    molar_ = kept[0];
    millimolar_ = kept[1];
    molal_ = kept[2];
    percentWW_ = kept[3];
    ppm_ = kept[4];
    percentWV_ = kept[5];
    moleFraction_ = kept[6];
    density_ = kept[7];
    return result;
}

void ConcentrationSet::SetDensity()
{
    if (const std::optional<DensityRoot> root = table_.RootAtDensity(density_))
        SetFromRootAtDensity(root->value, root->d);
    CheckAmbiguity();
}

void ConcentrationSet::SelectOtherRoot()
{
    const double current = GetConcentration(table_.RootUnit());
    if (const std::optional<double> other = table_.OtherRoot(density_, current))
        SetFromRootAtDensity(*other, density_);
}

void ConcentrationSet::LookUpDensity(ConcentrationUnit column, double value)
{
    density_ = table_.DensityLookup(column, value, density_);
    CheckAmbiguity();
}

// A table without a molar mass gives its concentrations in its own unit
// only; they take the fields that need no molar mass with them.
void ConcentrationSet::SetFromRootAtDensity(double value, double density)
{
    switch (table_.RootUnit()) {
    case ConcentrationUnit::Molar:
        if (molarMass_ != 0.0) {
            SetFromMolarityAtDensity(value, density);
            return;
        }
        molar_ = value;
        millimolar_ = 1000.0 * molar_;
        break;
    case ConcentrationUnit::PercentWW:
        percentWW_ = value;
        ppm_ = 10000.0 * percentWW_;
        percentWV_ = density * percentWW_;
        break;
    default:
        molal_ = value;
        break;
    }
}

void ConcentrationSet::SetMolar()
{
    LookUpDensity(ConcentrationUnit::Molar, molar_);
    const double MW = molarMass_;
    if (MW != 0.0) {
        percentWV_ = MW * molar_ / 10.0;
        molal_ = 1000.0 * molar_ / (1000.0 * density_ - MW * molar_);
        percentWW_ = MW * molar_ / (10.0 * density_);
        ppm_ = 10000.0 * percentWW_;
        moleFraction_ = MoleFractionOf(molar_, density_);
    }
    millimolar_ = 1000.0 * molar_;
}

void ConcentrationSet::SetMolal()
{
    LookUpDensity(ConcentrationUnit::Molal, molal_);
    const double MW = molarMass_;
    const double Ms = kSolventMolarMass;
    if (MW == 0.0)
        return;
    molar_ = 1000.0 * molal_ * density_ / (MW * molal_ + 1000.0);
    millimolar_ = 1000.0 * molar_;
    percentWW_ = 100.0 * molal_ * MW / (MW * molal_ + 1000.0);
    ppm_ = 10000.0 * percentWW_;
    percentWV_ = 100.0 * density_ * molal_ * MW / (MW * molal_ + 1000.0);
    moleFraction_ = Ms * molal_ / (1000.0 + Ms * molal_);
}

void ConcentrationSet::SetPercentWW()
{
    LookUpDensity(ConcentrationUnit::PercentWW, percentWW_);
    const double MW = molarMass_;
    const double Ms = kSolventMolarMass;
    ppm_ = 10000.0 * percentWW_;
    if (MW != 0.0) {
        molar_ = 10.0 * density_ * percentWW_ / MW;
        millimolar_ = 1000.0 * molar_;
        molal_ = 1000.0 * percentWW_ / ((100.0 - percentWW_) * MW);
        moleFraction_ = Ms * percentWW_ / (100.0 * MW - (MW - Ms) * percentWW_);
    }
    percentWV_ = density_ * percentWW_;
}

void ConcentrationSet::SetPercentWV()
{
    LookUpDensity(ConcentrationUnit::PercentWV, percentWV_);
    const double MW = molarMass_;
    const double Ms = kSolventMolarMass;
    if (MW != 0.0) {
        molar_ = 10.0 * percentWV_ / MW;
        millimolar_ = 1000.0 * molar_;
        molal_ = 1000.0 * percentWV_ / ((100.0 * density_ - percentWV_) * MW);
        moleFraction_ = Ms * percentWV_ / (100.0 * density_ * MW - (MW - Ms) * percentWV_);
    }
    percentWW_ = percentWV_ / density_;
    ppm_ = 10000.0 * percentWW_;
}

void ConcentrationSet::SetMoleFraction()
{
    LookUpDensity(ConcentrationUnit::MoleFraction, moleFraction_);
    const double MW = molarMass_;
    const double Ms = kSolventMolarMass;
    const double x = moleFraction_;
    if (MW == 0.0)
        return;
    molar_ = 1000.0 * density_ / (((1.0 - x) / x) * Ms + MW);
    millimolar_ = 1000.0 * molar_;
    molal_ = 1000.0 * x / ((1.0 - x) * Ms);
    percentWW_ = 100.0 * MW * x / ((MW - Ms) * x + Ms);
    ppm_ = 10000.0 * percentWW_;
    percentWV_ = 100.0 * density_ * MW * x / ((MW - Ms) * x + Ms);
}

// The concentrations that belong to a molarity at a density of the table.
// w comes straight from the molarity, not through the molality: at the pure
// substance the solvent mass is 0, so only the molality is infinite, while
// w = 100 and x = 1 are exact.
void ConcentrationSet::SetFromMolarityAtDensity(double molarity, double density)
{
    const double MW = molarMass_;
    molar_ = molarity;
    millimolar_ = 1000.0 * molar_;
    molal_ = 1000.0 * molar_ / (1000.0 * density - MW * molar_);
    moleFraction_ = MoleFractionOf(molar_, density);
    percentWW_ = MW * molar_ / (10.0 * density);
    ppm_ = 10000.0 * percentWW_;
    percentWV_ = density * percentWW_;
}

// Moles of substance over moles of substance and solvent in a litre; unlike
// the form through the molality it stays finite without solvent.
double ConcentrationSet::MoleFractionOf(double molarity, double density) const
{
    const double solventMoles = (1000.0 * density - molarMass_ * molarity) / kSolventMolarMass;
    return molarity / (molarity + solventMoles);
}

} // namespace solvo
