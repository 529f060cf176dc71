#include "formula/MoietiesForm.h"

#include "formula/ElementTable.h"
#include "pattern/LetterCase.h"
#include "quantities/FieldTransfer.h"
#include "quantities/NumberFormat.h"
#include "quantities/ParseNumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace solvo {
namespace {

// A mass that is not a number (from a damaged file) sorts first, so the
// order stays strict.
double NumericKey(double molarMass)
{
    return std::isnan(molarMass) ? -HUGE_VAL : molarMass;
}

} // namespace

MoietiesForm::MoietiesForm(ElementTable& table, std::int32_t displayDigits, UseCounter countUses)
    : table_(table), displayDigits_(displayDigits), countUses_(std::move(countUses)),
      compositionFrame_(table), molarMassText_(FieldText(0.0, displayDigits))
{
    compositionFrame_.SetFrameOptions(false, false);
    FillList();
}

std::int32_t MoietiesForm::DecimalsOf(std::string_view molarMassText)
{
    const std::size_t point = molarMassText.find('.');
    if (point == std::string_view::npos)
        return 0;
    return static_cast<std::int32_t>(molarMassText.size() - point - 1);
}

std::string MoietiesForm::FixedText(double molarMass, std::int32_t decimals)
{
    if (!std::isfinite(molarMass))
        return std::string(kNotFiniteText);
    // Decimals come from the database file; a damaged one must not make the
    // text absurdly long. The buffer holds the largest double in full.
    const std::int32_t shown = std::clamp(decimals, std::int32_t{0}, kMaxShownDigits);
    std::array<char, 400> buffer{};
    const std::to_chars_result written = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), molarMass, std::chars_format::fixed, shown);
    return std::string(buffer.data(), written.ptr);
}

void MoietiesForm::SelectEntry(std::int32_t entry)
{
    if (entry < 1 || entry >= table_.Count())
        return;
    selected_ = entry;
    const Element& element = table_.Entry(entry);
    symbol_ = element.symbol;
    composition_ = element.composition.empty() ? element.symbol : element.composition;
    comment_ = element.comment;
    molarMass_ = element.molarMass;
    // Shown as the list shows it, so that reading the field back (Modify)
    // keeps the mass and its decimals.
    molarMassText_ = FixedText(element.molarMass, element.decimals);
    addEnabled_ = false;
    modifyEnabled_ = false;
    deleteEnabled_ = selected_ >= kFirstMoiety;
}

void MoietiesForm::TypeSymbol(std::string_view text)
{
    symbol_ = text;
    UpdateButtons();
}

void MoietiesForm::TypeComment(std::string_view text)
{
    comment_ = text;
    UpdateButtons();
}

void MoietiesForm::TypeMolarMass(std::string_view text)
{
    ReadMolarMass(text);
    UpdateButtons();
}

void MoietiesForm::TypeComposition(std::string_view text)
{
    composition_ = text;
    compositionFrame_.SetFormulaText(composition_, true);
    molarMass_ = compositionFrame_.MolarMass();
    molarMassText_ = FieldText(molarMass_, displayDigits_);
    UpdateButtons();
}

void MoietiesForm::MolarMassReformatted(std::string_view text)
{
    ReadMolarMass(text);
}

void MoietiesForm::ReadMolarMass(std::string_view text)
{
    molarMassText_ = text;
    molarMass_ = ParseNumber(text).value;
}

bool MoietiesForm::SymbolAcceptable() const
{
    return !symbol_.empty() && symbol_.front() >= 'A' && symbol_.front() <= 'Z';
}

void MoietiesForm::UpdateButtons()
{
    addEnabled_ = SymbolAcceptable() && molarMass_ != 0.0 && table_.FindSymbol(symbol_) < 0;
    modifyEnabled_ = selected_ >= kFirstMoiety && SymbolAcceptable() && molarMass_ != 0.0;
}

void MoietiesForm::SortBy(Column column)
{
    ascending_ = column == sortColumn_ ? !ascending_ : true;
    sortColumn_ = column;
    SortList();
    ++listRevision_;
}

std::string_view MoietiesForm::Add()
{
    if (!addEnabled_)
        return {};
    if (table_.AddEntry(symbol_, composition_, comment_, molarMass_, DecimalsOf(molarMassText_)) <
        0)
        return kDuplicateSymbolMessage;
    FillList();
    UpdateButtons();
    return {};
}

std::string_view MoietiesForm::Modify()
{
    if (!modifyEnabled_)
        return {};
    if (table_.ModifyEntry(selected_, symbol_, composition_, comment_, molarMass_,
                           DecimalsOf(molarMassText_)) < 0)
        return kDuplicateSymbolMessage;
    FillList();
    UpdateButtons();
    return {};
}

std::string_view MoietiesForm::Delete()
{
    if (selected_ < kFirstMoiety || selected_ >= table_.Count())
        return {};
    const std::vector<std::int32_t> uses = countUses_();
    const auto index = static_cast<std::size_t>(selected_);
    if (index < uses.size() && uses[index] != 0)
        return kInUseMessage;
    table_.DeleteEntry(selected_);
    selected_ = -1;
    FillList();
    UpdateButtons();
    return {};
}

void MoietiesForm::FillList()
{
    // The entry selected before is found again by its content: after a
    // Modify that is the entry as it is now.
    std::optional<Element> remembered;
    if (selected_ >= 0 && selected_ < table_.Count())
        remembered = table_.Entry(selected_);
    selected_ = -1;
    rows_.clear();
    for (std::int32_t entry = 1; entry < table_.Count(); ++entry) {
        const Element& element = table_.Entry(entry);
        rows_.push_back({entry,
                         {std::to_string(entry), element.symbol,
                          FixedText(element.molarMass, element.decimals), element.composition}});
        if (selected_ < 0 && remembered && element == *remembered)
            selected_ = entry;
    }
    // With no row selected there is nothing Delete could remove.
    deleteEnabled_ = selected_ >= kFirstMoiety;
    SortList();
    ++listRevision_;
}

void MoietiesForm::SortList()
{
    const auto less = [this](const Row& a, const Row& b) {
        const Element& x = table_.Entry(a.entry);
        const Element& y = table_.Entry(b.entry);
        switch (sortColumn_) {
        case Column::Number:
            return a.entry < b.entry;
        case Column::Symbol:
            return LetterCase::LessIgnoringCase(x.symbol, y.symbol);
        case Column::MolarMass:
            return NumericKey(x.molarMass) < NumericKey(y.molarMass);
        case Column::Formula:
            break;
        }
        return LetterCase::LessIgnoringCase(x.composition, y.composition);
    };
    // Rows start in index order, so rows that compare equal stay in it.
    std::sort(rows_.begin(), rows_.end(),
              [](const Row& a, const Row& b) { return a.entry < b.entry; });
    if (ascending_)
        std::stable_sort(rows_.begin(), rows_.end(), less);
    else
        std::stable_sort(rows_.begin(), rows_.end(),
                         [&less](const Row& a, const Row& b) { return less(b, a); });
}

} // namespace solvo
