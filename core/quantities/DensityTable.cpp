#include "quantities/DensityTable.h"

#include "quantities/LeadingNumber.h"

#include <algorithm>
#include <cmath>

namespace solvo {
namespace {

// The row column that holds a unit's values, and the value scaled to it.
struct ColumnValue {
    double DensityRow::*column;
    double value;
};

std::optional<ColumnValue> ToColumn(ConcentrationUnit unit, double value)
{
    switch (unit) {
    case ConcentrationUnit::Molar:
        return ColumnValue{&DensityRow::M, value};
    case ConcentrationUnit::Millimolar:
        return ColumnValue{&DensityRow::M, value / 1000.0};
    case ConcentrationUnit::Molal:
        return ColumnValue{&DensityRow::m, value};
    case ConcentrationUnit::PercentWW:
        return ColumnValue{&DensityRow::w, value};
    case ConcentrationUnit::Ppm:
        return ColumnValue{&DensityRow::w, value / 10000.0};
    case ConcentrationUnit::PercentWV:
        return ColumnValue{&DensityRow::v, value};
    case ConcentrationUnit::MoleFraction:
        return ColumnValue{&DensityRow::x, value};
    default:
        return std::nullopt;
    }
}

bool IsWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Reads the table's numbers token by token: the number a token begins with
// (0 when it begins with none), the rest of the token ignored.
class TokenReader {
public:
    explicit TokenReader(std::string_view text) : text_(text) { SkipWhiteSpace(); }

    bool AtEnd() const { return pos_ == text_.size(); }

    double ReadNumber()
    {
        const LeadingNumber number = ReadLeadingNumber(text_.substr(pos_));
        pos_ += number.length;
        while (pos_ < text_.size() && !IsWhiteSpace(text_[pos_]))
            ++pos_;
        SkipWhiteSpace();
        return number.value;
    }

private:
    void SkipWhiteSpace()
    {
        while (pos_ < text_.size() && IsWhiteSpace(text_[pos_]))
            ++pos_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

double MolalityFromMolarity(double M, double density, double molarMass)
{
    const double solvent = 1000.0 * density - M * molarMass;
    if (std::fabs(solvent) <= DensityTable::kSolventlessLimit)
        return DensityTable::kSolventlessMolality;
    return 1000.0 * M / solvent;
}

DensityRow MakeRow(DensityTableKind kind, double concentration, double density, double molarMass,
                   double solventMolarMass)
{
    DensityRow row;
    row.d = density;
    switch (kind) {
    case DensityTableKind::PercentWW:
        row.w = concentration;
        row.M = 10.0 * row.w * density / molarMass;
        row.m = MolalityFromMolarity(row.M, density, molarMass);
        break;
    case DensityTableKind::Molarity:
        row.M = concentration;
        row.m = MolalityFromMolarity(row.M, density, molarMass);
        row.w = row.M * molarMass / (10.0 * density);
        break;
    case DensityTableKind::Molality: {
        row.m = concentration;
        const double solution = row.m * molarMass + 1000.0;
        row.M = 1000.0 * row.m * density / solution;
        row.w = 100.0 * row.m * molarMass / solution;
        break;
    }
    }
    row.v = row.w * density;
    row.x = row.M / (row.M + (1000.0 * density - row.M * molarMass) / solventMolarMass);
    return row;
}

bool IsKnownKind(DensityTableKind kind)
{
    return kind == DensityTableKind::PercentWW || kind == DensityTableKind::Molarity ||
           kind == DensityTableKind::Molality;
}

} // namespace

void DensityTable::ParseDensityTable(double molarMass, double solventMolarMass)
{
    if (noTable_)
        return;
    rows_.clear();
    dMin_ = 1.0;
    dMax_ = 1.0;
    strictlyMonotonic_ = false;
    if (!IsKnownKind(kind_))
        return;

    std::string text = text_;
    std::replace(text.begin(), text.end(), ',', '.');
    TokenReader reader(text);
    while (!reader.AtEnd()) {
        const double concentration = reader.ReadNumber();
        if (reader.AtEnd())
            break;
        const double density = reader.ReadNumber();
        if (std::isfinite(concentration) && std::isfinite(density))
            rows_.push_back(MakeRow(kind_, concentration, density, molarMass, solventMolarMass));
    }

    if (!rows_.empty()) {
        const auto [least, most] = std::minmax_element(
            rows_.begin(), rows_.end(),
            [](const DensityRow& a, const DensityRow& b) { return a.d < b.d; });
        dMin_ = least->d;
        dMax_ = most->d;
        const auto rising = [](const DensityRow& a, const DensityRow& b) { return a.d < b.d; };
        const auto falling = [](const DensityRow& a, const DensityRow& b) { return a.d > b.d; };
        const auto brokenBy = [this](auto order) {
            return std::adjacent_find(rows_.begin(), rows_.end(),
                                      [&](const DensityRow& a, const DensityRow& b) {
                                          return !order(a, b);
                                      }) != rows_.end();
        };
        strictlyMonotonic_ = !brokenBy(rising) || !brokenBy(falling);
    }
}

double DensityTable::DensityLookup(ConcentrationUnit unit, double value, double density) const
{
    const std::optional<ColumnValue> column = ToColumn(unit, value);
    if (!InUse() || !column)
        return density;

    const double DensityRow::*c = column->column;
    const double t = column->value;
    const std::size_t n = rows_.size();
    std::size_t lo = 0;
    std::size_t hi = n;
    while (hi - lo > 1) {
        const std::size_t mid = (lo + hi) / 2;
        if (t < rows_[mid].*c)
            hi = mid;
        else
            lo = mid;
    }
    if (lo == n - 1)
        return rows_[n - 1].d;

    const DensityRow& a = rows_[lo];
    const DensityRow& b = rows_[lo + 1];
    return a.d + (b.d - a.d) * (t - a.*c) / (b.*c - a.*c);
}

void DensityTable::CheckAmbiguity(double density)
{
    ambiguous_ = false;
    if (!InUse() || rows_.size() < 2 || strictlyMonotonic_)
        return;
    const std::size_t first = FirstRootSegment(density);
    const std::size_t next = SecondRootSearchStart(first, density);
    ambiguous_ = FirstSegmentHolding(density, next, rows_.size() - 1).has_value();
}

std::optional<DensityRoot> DensityTable::RootAtDensity(double density) const
{
    if (!InUse())
        return std::nullopt;
    const std::size_t n = rows_.size();
    if (const auto segment = FirstSegmentHolding(density, 0, n - 1))
        return DensityRoot{MolarityInSegment(*segment, density), density};

    const DensityRow& first = rows_.front();
    const DensityRow& last = rows_.back();
    bool takeFirst = true;
    if (n > 1) {
        const bool falls = rows_[1].d <= first.d;
        takeFirst = falls ? first.d < density : !(first.d <= density);
    }
    const DensityRow& end = takeFirst ? first : last;
    return DensityRoot{end.M, end.d};
}

std::optional<double> DensityTable::OtherRootMolarity(double density, double molarity) const
{
    if (!InUse() || rows_.size() < 2)
        return std::nullopt;
    const std::size_t n = rows_.size();
    const std::size_t first = FirstRootSegment(density);
    const std::size_t second =
        FirstSegmentHolding(density, SecondRootSearchStart(first, density), n - 2).value_or(n - 2);
    const double M1 = MolarityInSegment(first, density);
    const double M2 = MolarityInSegment(second, density);
    return std::fabs(M1 - molarity) > std::fabs(M2 - molarity) ? M1 : M2;
}

bool DensityTable::IsOutsideDensityRange(double value, ConcentrationUnit unit) const
{
    if (value < 0.0)
        return true;
    if (!InUse())
        return false;
    if (unit == ConcentrationUnit::Density)
        return value < dMin_ || value > dMax_;
    const std::optional<ColumnValue> column = ToColumn(unit, value);
    if (!column)
        return false;
    const double a = rows_.front().*(column->column);
    const double b = rows_.back().*(column->column);
    return column->value < std::min(a, b) || column->value > std::max(a, b);
}

// Segments first … end − 1; the caller keeps end at most the row count − 1.
std::optional<std::size_t> DensityTable::FirstSegmentHolding(double density, std::size_t first,
                                                             std::size_t end) const
{
    for (std::size_t k = first; k < end; ++k) {
        const double a = rows_[k].d;
        const double b = rows_[k + 1].d;
        if (std::min(a, b) <= density && density <= std::max(a, b))
            return k;
    }
    return std::nullopt;
}

// The segment of the first root: the first one before the last segment that
// holds density, else the last segment. Needs at least two rows.
std::size_t DensityTable::FirstRootSegment(double density) const
{
    const std::size_t lastSegment = rows_.size() - 2;
    return FirstSegmentHolding(density, 0, lastSegment).value_or(lastSegment);
}

// Where the search for a second root begins: after the first root's segment,
// and one further when density is exactly that segment's upper row, which
// the next segment shares.
std::size_t DensityTable::SecondRootSearchStart(std::size_t firstRoot, double density) const
{
    return rows_[firstRoot + 1].d == density ? firstRoot + 2 : firstRoot + 1;
}

double DensityTable::MolarityInSegment(std::size_t segment, double density) const
{
    const DensityRow& a = rows_[segment];
    const DensityRow& b = rows_[segment + 1];
    return a.M + (b.M - a.M) * (density - a.d) / (b.d - a.d);
}

} // namespace solvo
