#include "buffers/BufferCalculatorForm.h"

#include "buffers/BufferCatalogue.h"
#include "quantities/FieldTransfer.h"
#include "quantities/NumberFormat.h"

#include <cmath>
#include <cstdlib>

namespace solvo {

namespace {

constexpr double kMilli = 1e-3;

// pH beyond 0 … 14 is no aqueous buffer; the constants hold for liquid
// water only, and a volume of 0 mL has no amounts.
using Range = BufferCalculatorForm::Range;

constexpr std::array<Range, kBufferFieldCount> kRanges = {{
    {0.0, 14.0, true},                        // target pH
    {0.0, BufferAmounts::kMostMolPerL, false}, // total, in M
    {0.0, BufferAmounts::kMostMolPerL, true},  // stock: 0 for a weighed titrant
    {0.0, 100.0, true},                       // temperature of preparation
    {0.0, 100.0, true},                       // temperature of use
    {0.0, BufferAmounts::kMostMolPerL, true},  // NaCl
    {0.0, 1e9, false},                        // volume, mL
}};

bool InRange(const Range& range, double value)
{
    return std::isfinite(value) && (value > range.lowest || (range.lowestAllowed && value == range.lowest)) &&
           value <= range.highest;
}

} // namespace

BufferCalculatorForm::BufferCalculatorForm(const ElementTable& elements, const std::vector<std::string>& shelf,
                                           double millilitres, std::int32_t displayDigits)
    : elements_(elements), catalogue_(BufferCatalogue::BuiltIn()), reader_(elements, catalogue_),
      choices_(reader_, catalogue_, shelf), displayDigits_(displayDigits)
{
    for (const char* strong : {"HCl", "NaOH", "KOH"}) {
        titrants_.push_back(reader_.Read(strong));
        items_[Index(BufferList::Titrant)].emplace_back(strong);
    }
    salt_ = reader_.Read("NaCl");
    for (const BufferSystem& system : catalogue_.Systems())
        items_[Index(BufferList::System)].push_back(system.Name());
    items_[Index(BufferList::Method)] = {"two forms", "one form and a strong acid or base"};
    items_[Index(BufferList::TotalUnit)] = {"M", "mM"};

    if (millilitres > 0.0)
        millilitres_ = millilitres;
    texts_ = {"7.4", "0.1", "1", "25", "", "0", FieldText(millilitres_, displayDigits_)};
    const int phosphate = catalogue_.Find("phosphoric acid");
    ChooseSystem(phosphate < 0 ? 0 : phosphate);
    Recompute();
}

bool BufferCalculatorForm::Enabled(BufferField field) const
{
    return field != BufferField::StockMolar || Method() == BufferMethod::Titration;
}

bool BufferCalculatorForm::Visible(BufferList list) const
{
    if (list == BufferList::BaseForm)
        return Method() == BufferMethod::Pair;
    if (list == BufferList::Titrant)
        return Method() == BufferMethod::Titration;
    return true;
}

std::string BufferCalculatorForm::CurveAxis() const
{
    if (Method() == BufferMethod::Pair)
        return "share of the base form";
    const std::string& titrant = Items(BufferList::Titrant)[static_cast<std::size_t>(Selection(BufferList::Titrant))];
    const TakenNumber<double> stock = TakeDouble(Text(BufferField::StockMolar));
    return titrant + (stock.number && *stock.number > 0.0 ? ", mL" : ", g");
}

BufferCalculatorForm::Range BufferCalculatorForm::RangeOf(BufferField field) const
{
    // The total's range is in M; it is judged and named in the unit shown.
    Range range = kRanges[Index(field)];
    if (field == BufferField::Total && Selection(BufferList::TotalUnit) == 1)
        range.highest /= kMilli;
    return range;
}

std::optional<BufferCalculatorForm::Message> BufferCalculatorForm::Type(BufferField field, std::string text)
{
    texts_[Index(field)] = std::move(text);
    return Recompute();
}

std::optional<BufferCalculatorForm::Message> BufferCalculatorForm::Choose(BufferList list, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= Items(list).size())
        return Recompute();
    if (list == BufferList::System) {
        ChooseSystem(index);
    } else if (list == BufferList::TotalUnit && index != Selection(list)) {
        // The total keeps its amount: its text follows the unit.
        const TakenNumber<double> total = TakeDouble(Text(BufferField::Total));
        if (total.number)
            texts_[Index(BufferField::Total)] =
                FieldText(index == 1 ? *total.number / kMilli : *total.number * kMilli, displayDigits_);
        selection_[Index(list)] = index;
    } else {
        selection_[Index(list)] = index;
        if (list == BufferList::Method)
            ChooseDefaultForms();
    }
    return Recompute();
}

std::optional<BufferCalculatorForm::Message> BufferCalculatorForm::Accept()
{
    if (std::optional<Message> message = Recompute())
        return message;
    for (std::int32_t i = 0; i < kBufferFieldCount; ++i) {
        const Range range = RangeOf(static_cast<BufferField>(i));
        if (red_[static_cast<std::size_t>(i)])
            return Message{static_cast<BufferField>(i),
                           "Enter a number " + std::string(range.lowestAllowed ? "from " : "above ") +
                               FormatDefault(range.lowest, displayDigits_) +
                               (range.lowestAllowed ? " to " : ", up to ") +
                               FormatDefault(range.highest, displayDigits_) + "."};
    }
    if (!calculation_.refusal.empty())
        return Message{BufferField::TargetPh, calculation_.refusal};
    return std::nullopt;
}

std::vector<SolvoSubstance> BufferCalculatorForm::Components() const
{
    std::vector<SolvoSubstance> components;
    if (!calculation_.recipe)
        return components;
    for (const BufferIngredient& ingredient : calculation_.recipe->Ingredients()) {
        SolvoSubstance component;
        component.SetName(ingredient.form.formula);
        component.SetFormula(ingredient.form.formula);
        component.UpdateMolarMass(elements_);
        component.SetUnit(ConcentrationUnit::Molar);
        component.SetConcentration(ingredient.molPerL, ConcentrationUnit::Molar);
        if (ingredient.stockMolar > 0.0) {
            component.SetStockConcentration(ingredient.stockMolar);
            component.SetStockUnit(ConcentrationUnit::Molar);
            component.SetUseStockSolution(true);
            component.SetSource(SourceKind::StockSolution);
        }
        components.push_back(std::move(component));
    }
    return components;
}

void BufferCalculatorForm::ChooseSystem(int index)
{
    selection_[Index(BufferList::System)] = index;
    for (BufferList list : {BufferList::AcidForm, BufferList::BaseForm}) {
        std::vector<std::string>& items = items_[Index(list)];
        items.clear();
        for (const BufferForm& form : choices_.Forms(static_cast<std::size_t>(index)))
            items.push_back(form.formula);
    }
    ChooseDefaultForms();
}

void BufferCalculatorForm::ChooseDefaultForms()
{
    // The pair of the step whose pK lies nearest the target, which buffers best.
    const auto system = static_cast<std::size_t>(Selection(BufferList::System));
    const BufferSystem& chosen = catalogue_.Systems()[system];
    const double pH = TakeDouble(Text(BufferField::TargetPh)).number.value_or(7.0);
    std::size_t step = 0;
    for (std::size_t j = 1; j < chosen.StepCount(); ++j) {
        if (std::abs(chosen.Step(j).Pk25() - pH) < std::abs(chosen.Step(step).Pk25() - pH))
            step = j;
    }
    const int acidCharge = chosen.SpeciesCharge(step);
    const auto first = [&](int charge) { return std::max(0, choices_.FirstOfCharge(system, charge)); };
    if (Method() == BufferMethod::Pair) {
        selection_[Index(BufferList::AcidForm)] = first(acidCharge);
        selection_[Index(BufferList::BaseForm)] = first(acidCharge - 1);
        return;
    }
    // A protonated base (Tris) is bought as the free base and brought down
    // with HCl; an acid is brought up with NaOH.
    const bool freeBase = acidCharge > 0;
    selection_[Index(BufferList::AcidForm)] = first(freeBase ? acidCharge - 1 : acidCharge);
    selection_[Index(BufferList::Titrant)] = freeBase ? 0 : 1;
}

const BufferForm& BufferCalculatorForm::FormAt(BufferList list) const
{
    const auto index = static_cast<std::size_t>(Selection(list));
    if (list == BufferList::Titrant)
        return titrants_[index];
    return choices_.Forms(static_cast<std::size_t>(Selection(BufferList::System)))[index];
}

std::optional<BufferCalculatorForm::Message> BufferCalculatorForm::Read(BufferInputs& inputs)
{
    std::array<double, kBufferFieldCount> values{};
    for (std::int32_t i = 0; i < kBufferFieldCount; ++i) {
        const auto field = static_cast<BufferField>(i);
        const auto index = static_cast<std::size_t>(i);
        const bool blank = Text(field).find_first_not_of(" \t") == std::string::npos;
        if (!Enabled(field) || (field == BufferField::UseTemperature && blank))
            continue;
        const TakenNumber<double> taken = TakeDouble(Text(field));
        if (!taken.number)
            return Message{field, std::string(taken.message)};
        const bool millimolar = field == BufferField::Total && Selection(BufferList::TotalUnit) == 1;
        values[index] = *taken.number * (millimolar ? kMilli : 1.0);
        red_[index] = !InRange(RangeOf(field), *taken.number);
        if (field == BufferField::UseTemperature)
            inputs.useCelsius = values[index];
    }
    inputs.method = Method();
    inputs.acid = FormAt(BufferList::AcidForm);
    if (Method() == BufferMethod::Pair)
        inputs.base = FormAt(BufferList::BaseForm);
    else
        inputs.titrant = FormAt(BufferList::Titrant);
    inputs.pH = values[Index(BufferField::TargetPh)];
    inputs.total = values[Index(BufferField::Total)];
    inputs.stockMolar = values[Index(BufferField::StockMolar)];
    inputs.celsius = values[Index(BufferField::Temperature)];
    if (const double salt = values[Index(BufferField::Salt)]; salt > 0.0)
        inputs.others.push_back({salt_, salt, 0.0});
    millilitres_ = values[Index(BufferField::Volume)];
    inputs.litres = millilitres_ * kMilli;
    return std::nullopt;
}

std::optional<BufferCalculatorForm::Message> BufferCalculatorForm::Recompute()
{
    Clear();
    BufferInputs inputs;
    if (std::optional<Message> message = Read(inputs))
        return message;
    for (bool red : red_) {
        if (red)
            return std::nullopt;
    }
    calculation_ = BufferCalculation::Run(catalogue_, inputs);
    ShowResult(inputs);
    return std::nullopt;
}

void BufferCalculatorForm::ShowResult(const BufferInputs& inputs)
{
    if (!calculation_.recipe) {
        notes_ = {calculation_.refusal};
        return;
    }
    for (const BufferIngredient& ingredient : calculation_.recipe->Ingredients()) {
        const bool stock = ingredient.stockMolar > 0.0;
        lines_.push_back({ingredient.form.formula, FieldText(ingredient.molPerL, displayDigits_),
                          stock ? FieldText(ingredient.Millilitres(inputs.litres), displayDigits_) + " mL"
                                : FieldText(ingredient.Grams(inputs.litres), displayDigits_) + " g"});
    }
    const BufferSolution& solution = calculation_.recipe->Solution();
    resultPh_ = FieldText(solution.pH, displayDigits_);
    if (calculation_.pHAtUse)
        pHAtUse_ = FieldText(*calculation_.pHAtUse, displayDigits_);
    ionicStrength_ = FieldText(solution.ionicStrength, displayDigits_);
    capacity_ = FieldText(solution.capacity, displayDigits_);
    notes_ = calculation_.warnings;
}

void BufferCalculatorForm::Clear()
{
    red_ = {};
    calculation_ = BufferCalculation();
    lines_.clear();
    resultPh_.clear();
    pHAtUse_.clear();
    ionicStrength_.clear();
    capacity_.clear();
    notes_.clear();
}

} // namespace solvo
