#include "solution/CompositionForm.h"

#include "quantities/FieldTransfer.h"
#include "solution/CompositionSolver.h"
#include "solution/RecipeNote.h"
#include "solution/SourceList.h"

#include <algorithm>

namespace solvo {

namespace {

constexpr double kMillilitresPerLitre = 1000.0;

double ShownVolume(const CSolvoDoc& document)
{
    return document.GetVolumeUnit() == VolumeUnit::Litre ? document.FinalVolume()
                                                         : document.FinalVolume() * kMillilitresPerLitre;
}

} // namespace

CompositionForm::CompositionForm(CSolvoDoc& document, const ElementTable& elements,
                                 const UnitLabels& units, std::int32_t displayDigits)
    : document_(document), elements_(elements), units_(units), displayDigits_(displayDigits)
{
}

void CompositionForm::Open()
{
    tabTitles_.clear();
    for (std::int32_t i = 0; i < document_.GetComponentCount(); ++i)
        tabTitles_.push_back(document_.GetComponent(i).Name());
    if (tabTitles_.size() == 1 && tabTitles_.front().empty())
        tabTitles_.front() = "substance 1";
    document_.SetCurrentComponent(0);

    concentrationUnits_.Fill(units_);
    sourceUnits_.Fill(units_);
    volumeItems_ = {"L", "mL"};
    if (document_.GetComponentCount() > 1)
        DropMoleFraction();

    SolvoSubstance& component = Component();
    fields_.exactWeight = component.ExactWeight();
    RefreshSourceControls();
    fields_.concentration = CEditableDouble(component.GetConcentration(ConcentrationUnit::OwnUnit),
                                     component.ConcentrationDigits());
    EnableByPrepareFlag(component.PrepareStandardSolution());
    fields_.finalVolume = CEditableDouble(ShownVolume(document_));
    Show();
}

void CompositionForm::Refresh(std::int32_t displayDigits, std::optional<CompositionField> keep)
{
    displayDigits_ = displayDigits;
    fields_.Guard(keep);
    Show();
    fields_.Guard(std::nullopt);
}

CompositionOutcome CompositionForm::Type(CompositionField field, std::string text)
{
    if (!Enabled(field))
        return {};
    fields_.Type(field, std::move(text));
    fields_.Guard(field);
    const std::optional<CompositionField> invalid = Take();
    switch (field) {
    case CompositionField::Name:
        tabTitles_[static_cast<std::size_t>(CurrentTab())] = Component().Name();
        break;
    case CompositionField::Formula:
        FormulaTyped();
        break;
    case CompositionField::MolarMass:
        // Used by the next conversion; nothing is recomputed now. Once it
        // is taken, the mass needed and the source value show it at once;
        // a text left in another field that is no number stays for the
        // next edit to meet.
        if (!invalid)
            Show();
        break;
    case CompositionField::Concentration:
        ConcentrationTyped();
        break;
    case CompositionField::SourceFormula:
        SourceFormulaTyped();
        break;
    case CompositionField::SourceValue:
        SourceValueTyped();
        break;
    case CompositionField::Mass:
        MassTyped();
        break;
    case CompositionField::FinalVolume:
        FinalVolumeTyped();
        break;
    case CompositionField::Purity:
    case CompositionField::Equivalents:
    case CompositionField::PureDensity:
        if (!invalid)
            CorrectionTyped(field);
        break;
    }
    fields_.Guard(std::nullopt);
    return Outcome(invalid);
}

void CompositionForm::Reformatted(CompositionField field, std::string text)
{
    fields_.Reformatted(field, std::move(text));
}

CompositionOutcome CompositionForm::SelectTab(std::int32_t index)
{
    if (index >= 0 && index < document_.GetComponentCount() && index != CurrentTab())
        ShowTab(index);
    return {};
}

CompositionOutcome CompositionForm::Choose(CompositionList list, std::int32_t index)
{
    if (!Enabled(list) || index < 0 || index >= static_cast<std::int32_t>(Items(list).size()))
        return {};
    std::optional<CompositionField> invalid;
    if (list != CompositionList::Source)
        invalid = Take();
    switch (list) {
    case CompositionList::ConcentrationUnit:
        ChooseConcentrationUnit(index);
        break;
    case CompositionList::Source:
        ChooseSource(index);
        break;
    case CompositionList::SourceUnit:
        ChooseSourceUnit(index);
        break;
    case CompositionList::VolumeUnit:
        ChooseVolumeUnit(index);
        break;
    }
    return Outcome(invalid);
}

CompositionOutcome CompositionForm::ClickPrepareStandard(bool checked)
{
    if (!prepareEnabled_)
        return {};
    fields_.prepareChecked = checked;
    const std::optional<CompositionField> invalid = Take();
    SolvoSubstance& component = Component();
    component.SetExactWeight(CEditableDouble());
    fields_.exactWeight = CEditableDouble();
    Show();
    const bool prepare = component.PrepareStandardSolution();
    EnableByPrepareFlag(prepare);
    if (prepare) {
        // Only the substance itself is weighed exactly; its source kind stays.
        sourceItems_ = {std::string(SourceList::KindName(SourceKind::AboveSubstance))};
        sourceSelection_ = 0;
    } else {
        // The alternatives are offered again too: the component may still
        // be weighed as one of them.
        FillSourceList();
    }
    return Outcome(invalid);
}

void CompositionForm::FollowComponents()
{
    const std::int32_t count = document_.GetComponentCount();
    for (std::int32_t i = 0; i < count; ++i) {
        const std::string& name = document_.GetComponent(i).Name();
        const std::string untitled = "substance " + std::to_string(i + 1);
        if (i >= static_cast<std::int32_t>(tabTitles_.size()))
            tabTitles_.push_back(name.empty() ? untitled : name);
        else if (tabTitles_[static_cast<std::size_t>(i)] == untitled && !name.empty())
            // A blank component that a calculator filled.
            tabTitles_[static_cast<std::size_t>(i)] = name;
    }
    if (count > 1)
        DropMoleFraction();
    ShowTab(document_.CurrentComponent());
}

CompositionOutcome CompositionForm::AddSubstance()
{
    const std::int32_t count = document_.GetComponentCount() + 1;
    tabTitles_.push_back("substance " + std::to_string(count));
    document_.AddComponent(SolvoSubstance());
    ShowTab(count - 1);
    DropMoleFraction();
    return {true, std::nullopt, false, {}};
}

CompositionOutcome CompositionForm::RemoveSubstance()
{
    if (document_.GetComponentCount() == 1) {
        document_.RemoveCurrentComponent();
        tabTitles_ = {"substance 1"};
        ShowTab(0);
    } else {
        tabTitles_.erase(tabTitles_.begin() + CurrentTab());
        if (document_.RemoveCurrentComponent() == 1)
            RestoreMoleFraction();
        ShowTab(document_.CurrentComponent());
    }
    RefreshSourceControls();
    Show();
    return {true, std::nullopt, false, {}};
}

CompositionOutcome CompositionForm::ShowRecipe()
{
    CompositionOutcome outcome = Outcome(Take());
    outcome.edited = false;
    outcome.showRecipe = true;
    return outcome;
}

CompositionOutcome CompositionForm::UseDatabaseSubstance(const SolvoSubstance& chosen)
{
    const std::int32_t index = CurrentTab();
    const std::int32_t listed = Selection(CompositionList::ConcentrationUnit);
    document_.ReplaceComponent(index, chosen);
    SolvoSubstance& component = Component();
    if (const std::optional<ConcentrationUnit> unit = concentrationUnits_.UnitAt(listed))
        component.SetUnit(*unit);
    // The concentration typed before applies to the new substance.
    component.SetConcentration(fields_.concentration.Value(), component.Unit());
    document_.RefreshAmounts(component);
    RefreshSourceControls();
    tabTitles_[static_cast<std::size_t>(index)] = component.Name();
    Show();
    return {true, std::nullopt, false, {}};
}

double CompositionForm::BeginConcentrationCalculator()
{
    calculatorMolarity_ = Component().GetConcentration(ConcentrationUnit::Molar);
    return document_.FinalVolume() * kMillilitresPerLitre;
}

CompositionOutcome CompositionForm::EndConcentrationCalculator(bool accepted, double solutionMillilitres)
{
    SolvoSubstance& component = Component();
    if (accepted) {
        fields_.concentration = CEditableDouble(component.GetConcentration(ConcentrationUnit::OwnUnit));
        component.SetConcentrationDigits(4);
    } else {
        component.SetConcentration(calculatorMolarity_, ConcentrationUnit::Molar);
    }
    if (document_.FinalVolume() == 0.0) {
        document_.SetFinalVolume(solutionMillilitres / kMillilitresPerLitre);
        // The final volume field must show the volume taken over.
        fields_.finalVolume = CEditableDouble(ShownVolume(document_));
        RefreshAllAmounts();
    } else {
        document_.RefreshAmounts(component);
    }
    Show();
    return {true, std::nullopt, false, {}};
}

bool CompositionForm::Enabled(CompositionField field) const
{
    switch (field) {
    case CompositionField::Concentration:
        return concentrationEnabled_;
    case CompositionField::SourceFormula:
        return sourceFormulaEnabled_;
    case CompositionField::SourceValue:
        return sourceValueEnabled_;
    case CompositionField::Mass:
        return massEnabled_;
    case CompositionField::Purity:
        return purityEnabled_;
    case CompositionField::Name:
    case CompositionField::Formula:
    case CompositionField::MolarMass:
    case CompositionField::FinalVolume:
    case CompositionField::Equivalents:
    case CompositionField::PureDensity:
        break;
    }
    return true;
}

bool CompositionForm::Red(CompositionField field) const
{
    const SolvoSubstance& component = Component();
    if (field == CompositionField::Concentration)
        return component.IsOutsideDensityRange(component.GetConcentration(ConcentrationUnit::OwnUnit),
                                               component.Unit());
    if (field == CompositionField::MolarMass)
        return IsMissingMolarMass(component, component.MolarMass());
    if (field != CompositionField::SourceValue)
        return false;
    switch (component.Source()) {
    case SourceKind::AboveSubstance:
    case SourceKind::StockSolution:
        return false;
    case SourceKind::OtherSolution:
        return component.IsOutsideDensityRange(component.OtherConcentration(), component.OtherUnit());
    default:
        // Another solid form is weighed: the field shows its molar mass.
        return IsMissingMolarMass(component, component.SourceMolarMass());
    }
}

std::string CompositionForm::Note(CompositionField field) const
{
    std::vector<RecipeNote> notes = ComponentNotes(Component(), elements_);
    std::erase_if(notes, [field](const RecipeNote& note) { return note.field != field; });
    std::string text;
    for (const std::string& line : NoteTexts(notes, units_, displayDigits_))
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

const std::vector<std::string>& CompositionForm::Items(CompositionList list) const
{
    switch (list) {
    case CompositionList::ConcentrationUnit:
        return concentrationUnits_.Items();
    case CompositionList::Source:
        return sourceItems_;
    case CompositionList::SourceUnit:
        return sourceUnits_.Items();
    case CompositionList::VolumeUnit:
        break;
    }
    return volumeItems_;
}

std::int32_t CompositionForm::Selection(CompositionList list) const
{
    const SolvoSubstance& component = Component();
    switch (list) {
    case CompositionList::ConcentrationUnit: {
        // Once the list has lost an entry, positions are no longer unit
        // codes: the unit's own entry is selected, or none.
        return concentrationUnits_.IndexOf(component.Unit());
    }
    case CompositionList::Source:
        return sourceSelection_;
    case CompositionList::SourceUnit: {
        const ConcentrationUnit unit =
            component.Source() == SourceKind::StockSolution ? component.StockUnit() : component.OtherUnit();
        return sourceUnits_.IndexOf(unit);
    }
    case CompositionList::VolumeUnit:
        break;
    }
    return static_cast<std::int32_t>(document_.GetVolumeUnit());
}

bool CompositionForm::Enabled(CompositionList list) const
{
    return list != CompositionList::SourceUnit || sourceUnitEnabled_;
}

bool CompositionForm::Visible(CompositionList list) const
{
    return list != CompositionList::SourceUnit || sourceUnitVisible_;
}

std::string CompositionForm::MassLabel() const
{
    return Component().PrepareStandardSolution() ? "exact weight" : "mass needed";
}

void CompositionForm::ShowTab(std::int32_t index)
{
    document_.SetCurrentComponent(index);
    SolvoSubstance& component = Component();
    fields_.exactWeight = component.ExactWeight();
    RefreshSourceControls();
    fields_.concentration = CEditableDouble(component.GetConcentration(ConcentrationUnit::OwnUnit),
                                            component.ConcentrationDigits());
    EnableByPrepareFlag(component.PrepareStandardSolution());
    Show();
}

void CompositionForm::RefreshSourceControls()
{
    const SolvoSubstance& component = Component();
    FillSourceList();
    const SourceKind kind = component.Source();
    prepareEnabled_ = component.StandardSubstance() && kind != SourceKind::StockSolution &&
                      kind != SourceKind::OtherSolution;
    massEnabled_ = component.PrepareStandardSolution();
    // Only what is weighed has an assay.
    purityEnabled_ = kind != SourceKind::StockSolution && kind != SourceKind::OtherSolution;
    ApplySourceKind();
}

void CompositionForm::FillSourceList()
{
    sourceItems_ = SourceList::Items(Component(), true);
    sourceSelection_ = SourceList::Selection(Component(), sourceItems_);
}

void CompositionForm::ApplySourceKind()
{
    SolvoSubstance& component = Component();
    const SourceKind kind = component.Source();
    const bool solution = kind == SourceKind::StockSolution || kind == SourceKind::OtherSolution;
    sourceValueLabel_ = solution ? "concentration" : "molar mass";
    sourceUnitVisible_ = solution;
    sourceUnitEnabled_ = kind == SourceKind::OtherSolution;
    sourceFormulaEnabled_ = kind == SourceKind::OtherSubstance;
    sourceValueEnabled_ = kind == SourceKind::OtherSolution;
    switch (kind) {
    case SourceKind::OtherSubstance:
        EnableSourceValueByFormula();
        fields_.sourceValue = component.SourceMolarMass();
        return;
    case SourceKind::AboveSubstance:
    case SourceKind::StockSolution:
    case SourceKind::OtherSolution:
        if (kind == SourceKind::AboveSubstance)
            fields_.sourceValue = component.MolarMass();
        else
            fields_.sourceValue = kind == SourceKind::StockSolution ? component.StockConcentration()
                                                                    : component.OtherConcentration();
        component.SetSourceFormula(component.Formula());
        component.UpdateSourceMolarMass(elements_);
        return;
    default:
        break;
    }
    const auto alternative = static_cast<std::int32_t>(kind) - static_cast<std::int32_t>(SourceKind::FirstAlternative);
    if (alternative >= 0 && alternative < static_cast<std::int32_t>(component.Alternatives().size())) {
        component.SetSourceFormula(component.Alternatives()[static_cast<std::size_t>(alternative)]);
        component.UpdateSourceMolarMass(elements_);
        fields_.sourceValue = component.SourceMolarMass();
    }
}

void CompositionForm::EnableSourceValueByFormula()
{
    sourceValueEnabled_ = Component().SourceFormula().empty();
}

void CompositionForm::EnableByPrepareFlag(bool prepare)
{
    massEnabled_ = prepare;
    concentrationEnabled_ = !prepare;
}

void CompositionForm::ChooseConcentrationUnit(std::int32_t index)
{
    const std::int32_t code = units_.CodeOfLabel(concentrationUnits_.Items()[static_cast<std::size_t>(index)]);
    if (code < 0)
        return;
    SolvoSubstance& component = Component();
    component.SetUnit(static_cast<ConcentrationUnit>(code));
    // Shown by the display digits until the user types a value in the new unit.
    fields_.concentration = CEditableDouble(component.GetConcentration(component.Unit()));
    Show();
}

void CompositionForm::ChooseVolumeUnit(std::int32_t index)
{
    document_.SetVolumeUnit(index == 0 ? VolumeUnit::Litre : VolumeUnit::Millilitre);
    fields_.finalVolume = CEditableDouble(ShownVolume(document_));
    Show();
}

void CompositionForm::ChooseSourceUnit(std::int32_t index)
{
    SolvoSubstance& component = Component();
    const std::optional<ConcentrationUnit> chosen = sourceUnits_.UnitAt(index);
    if (!chosen)
        return;
    const ConcentrationUnit unit = *chosen;
    fields_.sourceValue = component.ConvertConcentration(fields_.sourceValue, component.OtherUnit(), unit);
    component.SetOtherConcentration(fields_.sourceValue);
    component.SetOtherUnit(unit);
    Show();
}

void CompositionForm::ChooseSource(std::int32_t index)
{
    SolvoSubstance& component = Component();
    const std::optional<SourceKind> kind =
        SourceList::KindOfItem(component, sourceItems_[static_cast<std::size_t>(index)]);
    if (!kind)
        return;
    switch (*kind) {
    case SourceKind::AboveSubstance:
        component.SetSourceFormula(component.Formula());
        component.UpdateSourceMolarMass(elements_);
        break;
    case SourceKind::OtherSubstance:
        EnableSourceValueByFormula();
        break;
    case SourceKind::StockSolution:
        fields_.sourceValue = component.StockConcentration();
        break;
    case SourceKind::OtherSolution:
        fields_.sourceValue = component.OtherConcentration();
        break;
    default: {
        const auto alternative = static_cast<std::size_t>(static_cast<std::int32_t>(*kind) -
                                                          static_cast<std::int32_t>(SourceKind::FirstAlternative));
        component.SetSourceFormula(component.Alternatives()[alternative]);
        component.UpdateSourceMolarMass(elements_);
        fields_.sourceValue = component.SourceMolarMass();
        break;
    }
    }
    component.SetSource(*kind);
    RefreshSourceControls();
    Show();
}

void CompositionForm::FormulaTyped()
{
    SolvoSubstance& component = Component();
    component.UpdateMolarMass(elements_);
    if (component.Alternatives().empty()) {
        component.SetSourceFormula(component.Formula());
        component.UpdateSourceMolarMass(elements_);
    }
    Show();
}

void CompositionForm::SourceFormulaTyped()
{
    EnableSourceValueByFormula();
    Component().UpdateSourceMolarMass(elements_);
    Show();
}

void CompositionForm::ConcentrationTyped()
{
    SolvoSubstance& component = Component();
    const std::int32_t digits = fields_.concentration.Digits();
    component.SetConcentrationDigits(digits);
    document_.RaiseVolumeDigits(digits);
    component.SetConcentration(fields_.concentration.Value(), component.Unit());
    document_.RefreshAmounts(component);
    Show();
}

void CompositionForm::FinalVolumeTyped()
{
    const double shown = fields_.finalVolume.Value();
    document_.SetFinalVolume(document_.GetVolumeUnit() == VolumeUnit::Litre ? shown
                                                                            : shown / kMillilitresPerLitre);
    document_.SetVolumeDigits(fields_.finalVolume.Digits());
    // Every component's amount depends on the volume, not only the one shown.
    RefreshAllAmounts();
    Show();
}

void CompositionForm::SourceValueTyped()
{
    SolvoSubstance& component = Component();
    const double value = fields_.sourceValue;
    switch (component.Source()) {
    case SourceKind::AboveSubstance:
        component.SetMolarMass(value);
        break;
    case SourceKind::OtherSubstance:
        component.SetSourceMolarMass(value);
        break;
    case SourceKind::StockSolution:
        component.SetStockConcentration(value);
        break;
    case SourceKind::OtherSolution:
        component.SetOtherConcentration(value);
        break;
    default:
        break;
    }
    Show();
}

void CompositionForm::MassTyped()
{
    document_.RaiseVolumeDigits(fields_.exactWeight.Digits());
    Component().SetExactWeight(fields_.exactWeight);
    Show();
}

void CompositionForm::CorrectionTyped(CompositionField field)
{
    SolvoSubstance& component = Component();
    // The concentration stays as shown in the component's own unit, so 0.1 N
    // stays 0.1 N with other equivalents and the molarity follows.
    if (field != CompositionField::Purity && component.Concentration().Offers(component.Unit()))
        component.SetConcentration(fields_.concentration.Value(), component.Unit());
    document_.RefreshAmounts(component);
    Show();
}

CompositionOutcome CompositionForm::Outcome(std::optional<CompositionField> invalid) const
{
    CompositionOutcome outcome{true, invalid, false, {}};
    if (invalid && fields_.Problem() != kEnterNumberMessage)
        outcome.message = fields_.Problem();
    return outcome;
}

void CompositionForm::Show()
{
    OfferVolumePercent();
    fields_.Show(document_, elements_, displayDigits_);
}

void CompositionForm::OfferVolumePercent()
{
    SolvoSubstance& component = Component();
    concentrationUnits_.OfferVolumePercent(component.Concentration(), units_);
    sourceUnits_.OfferVolumePercent(component.Concentration(), units_);
    if (component.Unit() == ConcentrationUnit::PercentVV &&
        !component.Concentration().Offers(ConcentrationUnit::PercentVV)) {
        component.SetUnit(ConcentrationUnit::PercentWV);
        fields_.concentration = CEditableDouble(component.GetConcentration(ConcentrationUnit::PercentWV));
    }
}

void CompositionForm::DropMoleFraction()
{
    if (concentrationUnits_.IndexOf(ConcentrationUnit::MoleFraction) < 0)
        return;
    concentrationUnits_.Remove(ConcentrationUnit::MoleFraction);
    for (std::int32_t i = 0; i < document_.GetComponentCount(); ++i) {
        SolvoSubstance& component = document_.GetComponent(i);
        if (component.Unit() == ConcentrationUnit::MoleFraction)
            component.SetUnit(ConcentrationUnit::Molar);
    }
}

void CompositionForm::RestoreMoleFraction()
{
    concentrationUnits_.Insert(ConcentrationUnit::MoleFraction, units_);
}

void CompositionForm::RefreshAllAmounts()
{
    for (std::int32_t i = 0; i < document_.GetComponentCount(); ++i)
        document_.RefreshAmounts(document_.GetComponent(i));
}

} // namespace solvo
