#include "buffers/BufferFormReader.h"

#include "buffers/BufferCatalogue.h"
#include "buffers/BufferError.h"
#include "formula/ChemicalFormula.h"
#include "formula/ElementTable.h"

#include <algorithm>
#include <string>

namespace solvo {

namespace {

// Moieties may name other moieties; a loop among them is cut here.
constexpr int kMoietyDepth = 8;
// More counter-ions than any salt holds: such a count is a typing error.
constexpr long long kMostStrongIons = 12;

const ElementTable& DefaultElements()
{
    static const ElementTable table = [] {
        ElementTable defaults;
        defaults.LoadDefaults();
        return defaults;
    }();
    return table;
}

std::string HydrateDots(std::string_view text)
{
    std::string formula(text);
    std::replace_if(formula.begin(), formula.end(), [](char c) { return c == '.' || c == '*'; }, '&');
    return formula;
}

std::string Quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

} // namespace

BufferFormReader::BufferFormReader(const ElementTable& table, const BufferCatalogue& catalogue)
    : table_(table), catalogue_(catalogue)
{
    // Elements keep their index (the atomic number) in every table; the
    // compounds are read with the built-in one so a user's moieties cannot
    // change them.
    const ElementTable& defaults = DefaultElements();
    hydrogen_ = defaults.FindSymbol("H");
    oxygen_ = defaults.FindSymbol("O");
    for (std::size_t i = 0; i < kStrongIonCount; ++i)
        strongIndices_[i] = defaults.FindSymbol(kStrongIons[i].symbol);
    for (const BufferSystem& system : catalogue_.Systems()) {
        const Composition composition = ChemicalFormula(defaults, system.Compound()).FormulaComposition();
        compounds_.emplace_back(composition.begin(), composition.begin() + ElementTable::kBuiltInCount);
    }
}

BufferForm BufferFormReader::Read(std::string_view text) const
{
    const std::string formula = HydrateDots(text);
    const ChemicalFormula parsed(table_, formula);
    const Composition composition = parsed.FormulaComposition();
    if (parsed.Failed() || composition.empty())
        throw BufferError(Quoted(text) + ": a symbol is not in the element and moiety table.");
    if (composition[ElementTable::kElectron] != 0)
        throw BufferError(Quoted(text) + ": give a neutral compound, not an ion.");

    std::optional<Counts> counts = ElementCounts(formula, 0);
    BufferForm form;
    form.formula = std::string(text);
    form.molarMass = parsed.MolarMass();
    bool anyStrongIon = false;
    for (std::size_t i = 0; counts && i < kStrongIonCount; ++i) {
        auto& count = (*counts)[static_cast<std::size_t>(strongIndices_[i])];
        // More counter-ions than any salt carries: no form, and the counts
        // (which count refers into) are gone.
        if (count > kMostStrongIons) {
            counts.reset();
            break;
        }
        form.strongIons[i] = static_cast<int>(count);
        anyStrongIon = anyStrongIon || count != 0;
        count = 0;
    }
    if (counts) {
        const int strongCharge = form.StrongCharge();
        if ((anyStrongIon && IsStrongElectrolyte(*counts, strongCharge)) ||
            MatchSystem(*counts, strongCharge, form))
            return form;
    }
    throw BufferError(Quoted(text) +
                      " is neither a form of a buffer system nor a strong acid, base or salt.");
}

std::optional<BufferFormReader::Counts> BufferFormReader::ElementCounts(std::string_view formula,
                                                                      int depth) const
{
    const Composition composition = ChemicalFormula(table_, formula).FormulaComposition();
    if (composition.size() < ElementTable::kBuiltInCount || depth > kMoietyDepth)
        return std::nullopt;
    Counts counts(composition.begin(), composition.begin() + ElementTable::kBuiltInCount);
    counts[ElementTable::kElectron] = 0;
    for (std::int32_t index = ElementTable::kBuiltInCount; index < table_.Count(); ++index) {
        const std::int32_t times = composition[static_cast<std::size_t>(index)];
        if (times == 0)
            continue;
        const std::string& meaning = table_.Entry(index).composition;
        const auto moiety = meaning.empty() ? std::nullopt : ElementCounts(meaning, depth + 1);
        if (!moiety)
            return std::nullopt;
        for (std::size_t i = 0; i < counts.size(); ++i)
            counts[i] += times * (*moiety)[i];
    }
    return counts;
}

bool BufferFormReader::IsStrongElectrolyte(const Counts& rest, int strongCharge) const
{
    // Beside the strong ions, nothing but H⁺, OH⁻ (or O²⁻) and water,
    // neutral as a whole.
    for (std::size_t i = 1; i < rest.size(); ++i) {
        if (rest[i] != 0 && static_cast<std::int32_t>(i) != hydrogen_ && static_cast<std::int32_t>(i) != oxygen_)
            return false;
    }
    const long long h = rest[static_cast<std::size_t>(hydrogen_)];
    const long long o = rest[static_cast<std::size_t>(oxygen_)];
    return h - 2 * o + strongCharge == 0;
}

bool BufferFormReader::MatchSystem(const Counts& rest, int strongCharge, BufferForm& form) const
{
    const auto h = static_cast<std::size_t>(hydrogen_);
    const auto o = static_cast<std::size_t>(oxygen_);
    for (std::size_t s = 0; s < compounds_.size(); ++s) {
        const Counts& compound = compounds_[s];
        bool same = true;
        for (std::size_t i = 1; i < rest.size() && same; ++i)
            same = i == h || i == o || rest[i] == compound[i];
        const long long waters = rest[o] - compound[o];
        const int charge = -strongCharge;
        if (!same || waters < 0 || rest[h] != compound[h] + charge + 2 * waters)
            continue;
        if (catalogue_.Systems()[s].SpeciesOfCharge(charge) < 0)
            continue;
        form.system = static_cast<int>(s);
        form.charge = charge;
        return true;
    }
    return false;
}

} // namespace solvo
