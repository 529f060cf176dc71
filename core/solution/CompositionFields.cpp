#include "solution/CompositionFields.h"

#include "quantities/FieldTransfer.h"
#include "quantities/NumberFormat.h"
#include "solution/CSolvoDoc.h"
#include "solution/CompositionSolver.h"
#include "substances/SubstanceCorrection.h"

#include <algorithm>
#include <utility>

namespace solvo {

namespace {

/// The mass needed is shown with at least this many significant digits.
constexpr std::int32_t kLeastMassDigits = 2;

} // namespace

void CompositionFields::Type(CompositionField field, std::string text)
{
    texts_[Index(field)] = std::move(text);
}

bool CompositionFields::ToRead(CompositionField field) const
{
    return guarded_ == field || texts_[Index(field)] != shown_[Index(field)];
}

std::optional<CompositionField> CompositionFields::Take(SolvoSubstance& component)
{
    problem_ = kEnterNumberMessage;
    if (ToRead(CompositionField::Concentration)) {
        const auto taken = TakeEditableDouble(Text(CompositionField::Concentration));
        if (!taken.number)
            return CompositionField::Concentration;
        concentration = *taken.number;
    }
    component.SetFormula(Text(CompositionField::Formula));
    component.SetSourceFormula(Text(CompositionField::SourceFormula));
    component.SetName(Text(CompositionField::Name));
    if (ToRead(CompositionField::FinalVolume)) {
        const auto taken = TakeEditableDouble(Text(CompositionField::FinalVolume));
        if (!taken.number)
            return CompositionField::FinalVolume;
        finalVolume = *taken.number;
    }
    if (ToRead(CompositionField::MolarMass)) {
        const auto taken = TakeDouble(Text(CompositionField::MolarMass));
        if (!taken.number)
            return CompositionField::MolarMass;
        component.SetMolarMass(*taken.number);
    }
    component.SetPrepareStandardSolution(prepareChecked);
    if (ToRead(CompositionField::SourceValue)) {
        const auto taken = TakeDouble(Text(CompositionField::SourceValue));
        if (!taken.number)
            return CompositionField::SourceValue;
        sourceValue = *taken.number;
    }
    if (prepareChecked && ToRead(CompositionField::Mass)) {
        const auto taken = TakeEditableDouble(Text(CompositionField::Mass));
        if (!taken.number)
            return CompositionField::Mass;
        exactWeight = *taken.number;
    }
    return TakeCorrections(component);
}

std::optional<CompositionField> CompositionFields::TakeCorrections(SolvoSubstance& component)
{
    const std::pair<CompositionField, SubstanceCorrection> corrections[] = {
        {CompositionField::Purity, SubstanceCorrection::Purity},
        {CompositionField::Equivalents, SubstanceCorrection::Equivalents},
        {CompositionField::PureDensity, SubstanceCorrection::PureDensity}};
    for (const auto& [field, correction] : corrections) {
        if (!ToRead(field))
            continue;
        if (const std::optional<std::string_view> problem = TakeCorrection(correction, Text(field), component)) {
            problem_ = *problem;
            return field;
        }
    }
    return std::nullopt;
}

void CompositionFields::Show(const CSolvoDoc& document, const ElementTable& elements,
                             std::int32_t displayDigits)
{
    const SolvoSubstance& component = document.GetCurrentComponent();
    const SourceKind kind = component.Source();
    if (kind == SourceKind::AboveSubstance)
        sourceValue = component.MolarMass();
    else if (kind == SourceKind::OtherSubstance ||
             (kind >= SourceKind::FirstAlternative && !component.Alternatives().empty()))
        sourceValue = component.SourceMolarMass();

    Write(CompositionField::Concentration, FieldText(concentration, displayDigits));
    Write(CompositionField::Formula, component.Formula());
    Write(CompositionField::SourceFormula, component.SourceFormula());
    Write(CompositionField::Name, component.Name());
    Write(CompositionField::FinalVolume, FieldText(finalVolume, displayDigits));
    Write(CompositionField::MolarMass, FieldText(component.MolarMass(), displayDigits));
    prepareChecked = component.PrepareStandardSolution();
    Write(CompositionField::SourceValue, FieldText(sourceValue, displayDigits));
    Write(CompositionField::Mass, MassText(document, elements, displayDigits));
    Write(CompositionField::Purity, FieldText(component.Purity(), displayDigits));
    Write(CompositionField::Equivalents, FieldText(component.Equivalents(), displayDigits));
    Write(CompositionField::PureDensity, FieldText(component.PureDensity(), displayDigits));
}

void CompositionFields::Write(CompositionField field, std::string text)
{
    if (guarded_ != field)
        texts_[Index(field)] = text;
    shown_[Index(field)] = std::move(text);
}

std::string CompositionFields::MassText(const CSolvoDoc& document, const ElementTable& elements,
                                        std::int32_t displayDigits) const
{
    const SolvoSubstance& component = document.GetCurrentComponent();
    if (component.PrepareStandardSolution())
        return exactWeight == 0.0 ? std::string(kNotFiniteText) : FieldText(exactWeight, displayDigits);
    return FormatSignificant(MassToWeigh(component, document.FinalVolume(), elements),
                             std::max(component.ConcentrationDigits(), kLeastMassDigits), displayDigits);
}

} // namespace solvo
