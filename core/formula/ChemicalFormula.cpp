#include "formula/ChemicalFormula.h"

#include "formula/CompositionParser.h"
#include "formula/ElementTable.h"
#include "formula/FormulaLayout.h"
#include "formula/FormulaMarkup.h"
#include "formula/MassParser.h"

#include <algorithm>
#include <array>

namespace solvo {

namespace {

// Formulas are parsed on request, often many in a row; one parser per thread
// keeps its buffers between them.
CompositionParser& Parser()
{
    thread_local CompositionParser parser;
    return parser;
}

MassParser& MassOnlyParser()
{
    thread_local MassParser parser;
    return parser;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

double SumMasses(const ElementTable& table, const CompositionParser& parser)
{
    const std::vector<Element>& entries = table.Slots();
    double total = 0.0;
    if (parser.Base() == 0 && table.AllMassesFinite()) {
        // Entries counted 0 add exactly 0.0, so only the counted ones are summed.
        for (const auto& [index, count] : parser.Differences()) {
            if (count != 0)
                total += count * entries[static_cast<std::size_t>(index)].molarMass;
        }
        return total;
    }
    const auto differences = parser.Differences();
    std::size_t next = 0;
    for (std::int32_t index = 0; index < table.Count(); ++index) {
        std::int32_t count = parser.Base();
        if (next < differences.size() && differences[next].first == index)
            count = static_cast<std::int32_t>(static_cast<std::uint32_t>(count) +
                                              static_cast<std::uint32_t>(differences[next++].second));
        total += count * entries[static_cast<std::size_t>(index)].molarMass;
    }
    return total;
}

} // namespace

ChemicalFormula::ChemicalFormula(const ElementTable& table) : table_(&table) {}

ChemicalFormula::ChemicalFormula(const ElementTable& table, std::string_view text) : table_(&table)
{
    SetText(text);
}

std::string_view ChemicalFormula::Trimmed(std::string_view text)
{
    // By hand: the library's search for a set of characters looks each one
    // up in the set, a call per character, and a molar mass is asked for
    // often enough that this shows.
    std::size_t length = text.size();
    while (length > 0 && (text[length - 1] == ' ' || text[length - 1] == '\t' ||
                          text[length - 1] == '\r' || text[length - 1] == '\n'))
        --length;
    return text.substr(0, length);
}

void ChemicalFormula::SetText(std::string_view text)
{
    source_.assign(Trimmed(text));
    failed_ = false;
    overflowed_ = false;
    countTooLarge_ = false;
    colour_ = Colour{};
    displayCurrent_ = false;
}

void ChemicalFormula::SetFormulaColour(Colour colour)
{
    colour_ = colour;
    if (displayCurrent_)
        std::fill(display_.colours.begin(), display_.colours.end(), colour);
}

const ChemicalFormula::DisplayForm& ChemicalFormula::Display() const
{
    if (!displayCurrent_) {
        ComputeDisplay();
        display_.colours.assign(display_.text.size(), colour_);
        displayCurrent_ = true;
    }
    return display_;
}

std::int32_t ChemicalFormula::MeasureFormula(FormulaCanvas& canvas, const FontSpec& large,
                                             const FontSpec& small) const
{
    FormulaLayout layout;
    return layout.Measure(*this, canvas, large, small);
}

void ChemicalFormula::DrawFormula(FormulaCanvas& canvas, const FontSpec& large, const FontSpec& small,
                                  std::int32_t x, std::int32_t y, TextAlign align, std::int32_t fitWidth,
                                  std::int32_t fitHeight) const
{
    FormulaLayout::Draw(*this, canvas, large, small, x, y, align, fitWidth, fitHeight);
}

void ChemicalFormula::ComputeDisplay() const
{
    std::string& display = display_.text;
    std::vector<CharKind>& kinds = display_.kinds;
    display.clear();
    kinds.clear();
    display.reserve(source_.size());
    kinds.reserve(source_.size());

    const bool markup = std::any_of(source_.begin(), source_.end(), [](char c) {
        return c == '_' || c == '^' || c == '&' || c == ',';
    });
    if (!markup) {
        // Plain text: digits after the leading coefficient are subscripts.
        display = source_;
        kinds.assign(source_.size(), CharKind::Normal);
        std::size_t i = !source_.empty() && source_.front() == '?' ? 1 : 0;
        while (i < source_.size() && IsDigit(source_[i]))
            ++i;
        for (; i < source_.size(); ++i) {
            if (IsDigit(source_[i]))
                kinds[i] = CharKind::Subscript;
        }
        return;
    }

    CharKind kind = CharKind::Normal;
    bool inBraces = false;
    // The character right after a removed markup character takes the kind
    // that the markup set, without being examined itself.
    bool afterMarkup = false;
    for (const char c : source_) {
        switch (c) {
        case '{':
            inBraces = true;
            afterMarkup = true;
            continue;
        case '}':
            inBraces = false;
            kind = CharKind::Normal;
            afterMarkup = true;
            continue;
        case '^':
            kind = CharKind::Superscript;
            afterMarkup = true;
            continue;
        case '_':
            kind = CharKind::Subscript;
            afterMarkup = true;
            continue;
        case '&':
            kind = CharKind::HydrateDot;
            display += '.';
            kinds.push_back(kind);
            afterMarkup = false;
            continue;
        default:
            if (!afterMarkup && !inBraces)
                kind = CharKind::Normal;
            display += c;
            kinds.push_back(kind);
            afterMarkup = false;
        }
    }
}

CharKind ChemicalFormula::Kind(std::int32_t position) const
{
    if (position < 0 || position >= Length())
        return CharKind::Normal;
    return Display().kinds[static_cast<std::size_t>(position)];
}

Composition ChemicalFormula::FormulaComposition() const
{
    CompositionParser& parser = Parser();
    failed_ = !parser.Parse(*table_, source_);
    overflowed_ = parser.Overflowed();
    countTooLarge_ = parser.CountTooLarge();
    Composition counts(static_cast<std::size_t>(table_->Count()), 0);
    if (failed_)
        return counts;
    for (auto& count : counts)
        count = parser.Base();
    for (const auto& [index, difference] : parser.Differences())
        counts[static_cast<std::size_t>(index)] += difference;
    return counts;
}

ChemicalFormula::MassResult ChemicalFormula::Weigh(const ElementTable& table, std::string_view source)
{
    if (const std::optional<double> mass = MassOnlyParser().MolarMass(table, source))
        return {*mass};
    CompositionParser& parser = Parser();
    MassResult result;
    result.failed = !parser.Parse(table, source);
    result.overflowed = parser.Overflowed();
    result.countTooLarge = parser.CountTooLarge();
    result.mass = result.failed ? 0.0 : SumMasses(table, parser);
    return result;
}

double ChemicalFormula::MolarMass() const
{
    const MassResult result = Weigh(*table_, source_);
    failed_ = result.failed;
    overflowed_ = result.overflowed;
    countTooLarge_ = result.countTooLarge;
    return result.mass;
}

double ChemicalFormula::MolarMassOf(const ElementTable& table, std::string_view text)
{
    return Weigh(table, Trimmed(text)).mass;
}

double ChemicalFormula::MixtureMolarMass() const
{
    double total = 0.0;
    std::string_view rest = source_;
    for (bool more = true; more;) {
        const auto comma = rest.find(',');
        std::string_view part = rest.substr(0, comma);
        more = comma != std::string_view::npos;
        rest = more ? rest.substr(comma + 1) : std::string_view{};
        if (part.empty())
            continue;
        std::size_t digits = 0;
        while (digits < part.size() && IsDigit(part[digits]))
            ++digits;
        const auto multiplier =
            digits == 0 ? 0 : CompositionParser::ToCount(CompositionParser::ReadNumber(
                                                             part.substr(0, digits)).first);
        const ChemicalFormula single(*table_, part.substr(digits));
        total += (multiplier == 0 ? 1 : multiplier) * single.MolarMass();
    }
    return total;
}

std::string ChemicalFormula::OrderedText() const
{
    const Composition counts = FormulaComposition();
    return failed_ ? std::string() : OrderedTextOf(*table_, counts);
}

std::string ChemicalFormula::OrderedTextOf(const ElementTable& table, const Composition& counts)
{
    constexpr std::array<std::int32_t, 6> kFirst = {6, 1, 7, 8, 16, 15}; // C H N O S P
    const std::int32_t end = std::min(table.Count(), static_cast<std::int32_t>(counts.size()));
    std::string text;
    const auto append = [&](std::int32_t index) {
        const std::int32_t count = counts[static_cast<std::size_t>(index)];
        if (count == 0)
            return;
        text += table.Slots()[static_cast<std::size_t>(index)].symbol;
        if (count >= 2)
            text += std::to_string(count);
    };
    for (const std::int32_t index : kFirst) {
        if (index < end)
            append(index);
    }
    for (std::int32_t index = 1; index < end; ++index) {
        if (std::find(kFirst.begin(), kFirst.end(), index) == kFirst.end())
            append(index);
    }
    return text;
}

std::string ChemicalFormula::HtmlText() const
{
    return FormulaMarkup::Write(FormulaMarkup::Format::Html, DisplayText(), Kinds());
}

std::string ChemicalFormula::RtfText() const
{
    return FormulaMarkup::Write(FormulaMarkup::Format::Rtf, DisplayText(), Kinds());
}

std::string ChemicalFormula::UbbcText() const
{
    return FormulaMarkup::Write(FormulaMarkup::Format::Ubbc, DisplayText(), Kinds());
}

std::string ChemicalFormula::LatexText() const
{
    return FormulaMarkup::Write(FormulaMarkup::Format::Latex, DisplayText(), Kinds());
}

std::string ChemicalFormula::FailureText() const
{
    if (!failed_)
        return {};
    return countTooLarge_ ? "has a count that is too large."
                          : "has a symbol that is not in the element and moiety table.";
}

} // namespace solvo
