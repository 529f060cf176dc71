#include "solution/RecipeNote.h"

#include "formula/ChemicalFormula.h"
#include "quantities/NumberFormat.h"
#include "quantities/UnitLabels.h"
#include "solution/SourceMultiple.h"
#include "substances/SolvoSubstance.h"

#include <algorithm>
#include <string_view>

namespace solvo {

namespace {

// What a note calls a component that has neither a name nor a formula yet.
constexpr std::string_view kNoName = "the substance";

// The units whose conversion to mol/L goes through the solution's density.
bool NeedsDensity(ConcentrationUnit unit)
{
    switch (unit) {
    case ConcentrationUnit::Molal:
    case ConcentrationUnit::PercentWW:
    case ConcentrationUnit::Ppm:
    case ConcentrationUnit::MoleFraction:
    case ConcentrationUnit::Density:
        return true;
    default:
        return false;
    }
}

class NoteCollector {
public:
    NoteCollector(const SolvoSubstance& component, const ElementTable& elements)
        : component_(component), elements_(elements)
    {
        const std::string formula = ChemicalFormula(elements, component.Formula()).DisplayText();
        base_.name = !component.Name().empty() ? component.Name()
                     : !formula.empty()            ? formula
                                                   : std::string(kNoName);
        base_.formula = formula;
    }

    std::vector<RecipeNote> Collect()
    {
        if (NeedsDensity(component_.Unit()) && !component_.Table().InUse())
            Add(RecipeNoteKind::NoDensityTable, CompositionField::Concentration,
                component_.GetConcentration(ConcentrationUnit::OwnUnit), component_.Unit());
        switch (component_.Source()) {
        case SourceKind::StockSolution:
            SolutionSource(component_.StockConcentration(), component_.StockUnit());
            break;
        case SourceKind::OtherSolution:
            SolutionSource(component_.OtherConcentration(), component_.OtherUnit());
            break;
        default:
            SolidSource();
            break;
        }
        return std::move(notes_);
    }

private:
    RecipeNote& Add(RecipeNoteKind kind, CompositionField field, double value,
                    ConcentrationUnit unit)
    {
        RecipeNote& note = notes_.emplace_back(base_);
        note.kind = kind;
        note.field = field;
        note.value = value;
        note.unit = unit;
        note.density = component_.GetConcentration(ConcentrationUnit::Density);
        return note;
    }

    void SolutionSource(double value, ConcentrationUnit unit)
    {
        if (!NeedsDensity(unit))
            return;
        const DensityTable& table = component_.Table();
        if (!table.InUse()) {
            Add(RecipeNoteKind::NoDensityTable, CompositionField::SourceValue, value, unit);
        } else if (table.IsOutsideDensityRange(value, unit)) {
            RecipeNote& note =
                Add(RecipeNoteKind::OutsideDensityTable, CompositionField::SourceValue, value, unit);
            note.density = table.DensityLookup(unit, value, note.density);
        }
    }

    void SolidSource()
    {
        const std::int32_t multiple = SourceMultiple(component_, elements_);
        if (multiple == 1)
            return;
        RecipeNote& note = Add(multiple == 0 ? RecipeNoteKind::SourceHoldsNone
                                             : RecipeNoteKind::SourceHoldsSeveral,
                               CompositionField::SourceFormula, 0.0, ConcentrationUnit::Molar);
        note.sourceFormula = ChemicalFormula(elements_, component_.SourceFormula()).DisplayText();
        note.multiple = multiple;
    }

    const SolvoSubstance& component_;
    const ElementTable& elements_;
    RecipeNote base_;
    std::vector<RecipeNote> notes_;
};

} // namespace

std::string RecipeNote::Text(const UnitLabels& labels, std::int32_t displayDigits) const
{
    const std::string concentration =
        FormatDefault(value, displayDigits) + " " + labels.Label(static_cast<std::int32_t>(unit));
    const std::string assumed = FormatDefault(density, displayDigits) + " g/mL was assumed";
    switch (kind) {
    case RecipeNoteKind::SourceHoldsSeveral: {
        const std::string count = std::to_string(multiple) + " " + formula;
        return sourceFormula + " holds " + count +
               " per formula unit: one formula unit is weighed for every " + count + ".";
    }
    case RecipeNoteKind::SourceHoldsNone:
        return sourceFormula + " does not hold " + formula + ": no mass can be given for " + name +
               ".";
    case RecipeNoteKind::NoDensityTable:
        return "No density table for " + name + ": " + assumed +
               "; the amount of a concentrated stock may be far off.";
    case RecipeNoteKind::OutsideDensityTable:
        break;
    }
    // A density typed beyond the table takes the concentration of the row at its end.
    return concentration + " is outside the density table for " + name + ": " +
           (unit == ConcentrationUnit::Density
                ? std::string("the concentration at the table's end was assumed")
                : assumed) +
           "; the volume to measure may be far off.";
}

std::vector<RecipeNote> ComponentNotes(const SolvoSubstance& component,
                                       const ElementTable& elements)
{
    return NoteCollector(component, elements).Collect();
}

std::vector<std::string> NoteTexts(const std::vector<RecipeNote>& notes, const UnitLabels& labels,
                                   std::int32_t displayDigits)
{
    std::vector<std::string> texts;
    for (const RecipeNote& note : notes) {
        std::string text = note.Text(labels, displayDigits);
        if (std::find(texts.begin(), texts.end(), text) == texts.end())
            texts.push_back(std::move(text));
    }
    return texts;
}

} // namespace solvo
