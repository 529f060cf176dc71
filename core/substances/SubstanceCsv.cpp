#include "substances/SubstanceCsv.h"

#include "formula/ChemicalFormula.h"
#include "platform/Windows1252.h"
#include "substances/CsvText.h"
#include "substances/SolvoSubstanceDatabase.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <stdexcept>

namespace solvo {

namespace {

constexpr std::array<std::string_view, 6> kColumns = {
    "name", "formula", "molar_mass", "density_table", "table_kind", "alternatives"};
enum Column : std::size_t { Name, Formula, MolarMass, Table, Kind, Alternatives };

// How far a molar mass typed beside a formula may lie from the formula's
// own: the rounding of a handbook's figures.
constexpr double kMolarMassTolerance = 0.01;

// A fault of one line; Read turns it into the result's message.
class LineFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string Number(double value)
{
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

// Four decimals, as a molar mass is quoted.
std::string Rounded(double value)
{
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 4);
    return std::string(buffer.data(), result.ptr);
}

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string_view> Items(std::string_view text)
{
    std::vector<std::string_view> items;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(';', start), text.size());
        const std::string_view item = Trimmed(text.substr(start, end - start));
        if (!item.empty())
            items.push_back(item);
        start = end + 1;
    }
    return items;
}

std::string NumberToken(std::string_view text)
{
    std::string token(Trimmed(text));
    std::replace(token.begin(), token.end(), ',', '.');
    return token;
}

// A decimal comma is taken as a point, since the separators here are ':'
// and ';'; nothing else may surround the number.
double ReadNumber(std::string_view text, std::string_view what)
{
    const std::string normal = NumberToken(text);
    double value = 0.0;
    const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (normal.empty() || result.ec != std::errc() || result.ptr != normal.data() + normal.size() ||
        !std::isfinite(value))
        throw LineFault(std::string(what) + " \"" + std::string(text) + "\" is not a number.");
    return value;
}

// The formula's molar mass; a fault when elements cannot read it.
double ReadFormula(const ElementTable& elements, const std::string& text)
{
    const ChemicalFormula formula(elements, text);
    const double molarMass = formula.MolarMass();
    if (formula.Failed())
        throw LineFault("the formula \"" + text + "\" " + formula.FailureText());
    return molarMass;
}

std::string ReadTable(std::string_view text)
{
    std::string table;
    std::optional<double> previous;
    for (const std::string_view pair : Items(text)) {
        const std::size_t colon = pair.find(':');
        if (colon == std::string_view::npos || pair.find(':', colon + 1) != std::string_view::npos)
            throw LineFault("the density table entry \"" + std::string(pair) +
                            "\" is not one pair concentration:density.");
        const double c = ReadNumber(pair.substr(0, colon), "the concentration");
        const double d = ReadNumber(pair.substr(colon + 1), "the density");
        if (c < 0.0 || d <= 0.0)
            throw LineFault("the density table entry \"" + std::string(pair) +
                            "\" needs a concentration of 0 or more and a density above 0.");
        if (previous && c <= *previous)
            throw LineFault("the density table is not sorted: " + Number(c) + " follows " +
                            Number(*previous) + ".");
        previous = c;
        if (!table.empty())
            table += "\r\n";
        // As typed, so that a file read and written again stays the same.
        table += NumberToken(pair.substr(0, colon)) + ' ' + NumberToken(pair.substr(colon + 1));
    }
    return table;
}

DensityTableKind ReadKind(std::string_view text)
{
    const std::string_view kind = Trimmed(text);
    if (kind.empty() || kind == "w")
        return DensityTableKind::PercentWW;
    if (kind == "M")
        return DensityTableKind::Molarity;
    if (kind == "m")
        return DensityTableKind::Molality;
    throw LineFault("the table kind \"" + std::string(text) + "\" is not w, M or m.");
}

std::string_view KindText(DensityTableKind kind)
{
    switch (kind) {
    case DensityTableKind::Molarity:
        return "M";
    case DensityTableKind::Molality:
        return "m";
    default:
        return "w";
    }
}

// The table as pairs, each number as it was typed with commas as points.
std::string TableField(const DensityTable& table)
{
    if (table.NoTable())
        return {};
    std::vector<std::string> tokens;
    std::string token;
    for (const char c : table.Text() + ' ') {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (!token.empty())
                tokens.push_back(std::move(token));
            token.clear();
        } else {
            token.push_back(c == ',' ? '.' : c);
        }
    }
    std::string field;
    for (std::size_t k = 0; k + 1 < tokens.size(); k += 2)
        field += (field.empty() ? "" : ";") + tokens[k] + ':' + tokens[k + 1];
    return field;
}

// Column index of each known column, from the header record.
std::array<std::optional<std::size_t>, kColumns.size()> ReadHeader(const CsvRecord& header)
{
    std::array<std::optional<std::size_t>, kColumns.size()> at{};
    for (std::size_t k = 0; k < header.fields.size(); ++k) {
        const std::string_view title = Trimmed(header.fields[k]);
        const auto known = std::find(kColumns.begin(), kColumns.end(), title);
        if (known == kColumns.end())
            throw LineFault("unknown column \"" + std::string(title) + "\"; the columns are name, "
                            "formula, molar_mass, density_table, table_kind and alternatives.");
        auto& slot = at[static_cast<std::size_t>(known - kColumns.begin())];
        if (slot)
            throw LineFault("the column \"" + std::string(title) + "\" is there twice.");
        slot = k;
    }
    if (!at[Name] || !at[Formula])
        throw LineFault("the columns name and formula are required.");
    return at;
}

SolvoSubstance ReadSubstance(const CsvRecord& record,
                             const std::array<std::optional<std::size_t>, kColumns.size()>& at,
                             const ElementTable& elements)
{
    const auto field = [&](Column column) -> const std::string& {
        static const std::string none;
        return at[column] ? record.fields[*at[column]] : none;
    };
    SolvoSubstance substance;
    if (Trimmed(field(Name)).empty())
        throw LineFault("the name is empty.");
    substance.SetName(field(Name));
    const std::string formulaText(Trimmed(field(Formula)));
    substance.SetFormula(formulaText);
    const std::optional<double> typed =
        Trimmed(field(MolarMass)).empty()
            ? std::nullopt
            : std::optional<double>(ReadNumber(field(MolarMass), "the molar mass"));
    if (typed && *typed < 0.0)
        throw LineFault("the molar mass " + Number(*typed) + " is negative.");
    if (!formulaText.empty()) {
        const double molarMass = ReadFormula(elements, formulaText);
        if (typed && std::abs(*typed - molarMass) > kMolarMassTolerance)
            throw LineFault("the molar mass " + std::string(Trimmed(field(MolarMass))) +
                            " is not the formula's " + Rounded(molarMass) + ".");
        substance.SetMolarMass(molarMass);
    } else {
        substance.SetMolarMass(typed.value_or(0.0));
    }
    std::vector<std::string> alternatives;
    for (const std::string_view alternative : Items(field(Alternatives))) {
        alternatives.emplace_back(alternative);
        ReadFormula(elements, alternatives.back());
    }
    substance.SetAlternatives(std::move(alternatives));
    const std::string table = ReadTable(field(Table));
    substance.Table().SetText(table);
    substance.Table().SetKind(ReadKind(field(Kind)));
    substance.Table().SetNoTable(table.empty());
    substance.ParseDensityTable();
    substance.SetConcentration(0.0, ConcentrationUnit::Molar);
    return substance;
}

// The bytes as the program's text, line by line so that a fault names its
// line; a byte order mark that spreadsheets put first is dropped.
std::string ProgramText(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    std::string text;
    text.reserve(bytes.size());
    std::size_t line = 1;
    for (std::size_t start = 0; start < bytes.size(); ++line) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        const auto converted = Windows1252::FromUtf8(bytes.substr(start, end - start));
        if (!converted)
            throw LineFault("line " + std::to_string(line) +
                            ": is not UTF-8 text, or holds a character that Solvo's text "
                            "(Windows-1252) cannot hold.");
        text += *converted;
        if (end < bytes.size())
            text += '\n';
        start = end + 1;
    }
    return text;
}

} // namespace

std::string SubstanceCsv::Write(const SolvoSubstanceDatabase& database)
{
    std::string out;
    for (std::size_t k = 0; k < kColumns.size(); ++k)
        out += (k ? "," : "") + std::string(kColumns[k]);
    out += '\n';
    for (std::int32_t index = 0; index < database.GetSubstanceCount(); ++index) {
        const SolvoSubstance& substance = database.GetSubstance(index);
        std::string alternatives;
        for (const std::string& alternative : substance.Alternatives())
            alternatives += (alternatives.empty() ? "" : ";") + alternative;
        const std::array<std::string, kColumns.size()> fields = {
            substance.Name(),          substance.Formula(),
            Number(substance.MolarMass()), TableField(substance.Table()),
            std::string(KindText(substance.Table().Kind())), alternatives};
        for (std::size_t k = 0; k < fields.size(); ++k)
            out += (k ? "," : "") + CsvText::Field(Windows1252::ToUtf8(fields[k]));
        out += '\n';
    }
    return out;
}

SubstanceCsvResult SubstanceCsv::Read(std::string_view bytes, const ElementTable& elements)
{
    SubstanceCsvResult result;
    std::size_t line = 1;
    try {
        if (bytes.size() > kLargestFile)
            throw LineFault("the file is larger than " + std::to_string(kLargestFile >> 20) +
                            " MiB.");
        std::string error;
        const std::vector<CsvRecord> records = CsvText::Split(ProgramText(bytes), error);
        if (!error.empty())
            throw LineFault(error);
        if (records.empty())
            throw LineFault("line 1: no header line naming the columns.");
        line = records.front().line;
        const auto at = ReadHeader(records.front());
        std::map<std::string, std::size_t> lineOfName;
        for (std::size_t k = 1; k < records.size(); ++k) {
            const CsvRecord& record = records[k];
            line = record.line;
            if (std::all_of(record.fields.begin(), record.fields.end(),
                            [](const std::string& field) { return Trimmed(field).empty(); }))
                continue;
            if (record.fields.size() != records.front().fields.size())
                throw LineFault(std::to_string(record.fields.size()) + " fields instead of " +
                                std::to_string(records.front().fields.size()) + ".");
            SolvoSubstance substance = ReadSubstance(record, at, elements);
            const auto [earlier, added] = lineOfName.emplace(substance.Name(), line);
            if (!added)
                throw LineFault("\"" + substance.Name() + "\" is on line " +
                                std::to_string(earlier->second) + " already.");
            result.substances.push_back(std::move(substance));
        }
    } catch (const LineFault& fault) {
        result.substances.clear();
        const std::string message = fault.what();
        result.error = message.starts_with("line ") || message.starts_with("the file")
                           ? message
                           : "line " + std::to_string(line) + ": " + message;
    }
    return result;
}

} // namespace solvo
