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

double DensityRow::*KindColumn(DensityTableKind kind)
{
    switch (kind) {
    case DensityTableKind::Molarity:
        return &DensityRow::M;
    case DensityTableKind::Molality:
        return &DensityRow::m;
    default:
        return &DensityRow::w;
    }
}

// Values that differ from a table bound by no more than this, relative to
// the bound, are rounding of the bound itself.
constexpr double kBoundTolerance = 1e-9;

bool IsKnownKind(DensityTableKind kind)
{
    return kind == DensityTableKind::PercentWW || kind == DensityTableKind::Molarity ||
           kind == DensityTableKind::Molality;
}

} // namespace

std::optional<std::string> DensityTable::TextProblem(std::string_view text)
{
    if (text.size() > kLargestText)
        return "larger than " + std::to_string(kLargestText >> 20) +
               " MiB, more than a density table holds.";
    std::size_t numbers = 0;
    for (std::size_t start = 0; start < text.size();) {
        if (IsWhiteSpace(text[start])) {
            ++start;
            continue;
        }
        std::size_t end = start;
        while (end < text.size() && !IsWhiteSpace(text[end]))
            ++end;
        std::string token(text.substr(start, end - start));
        std::replace(token.begin(), token.end(), ',', '.');
        if (ReadLeadingNumber(token).length != token.size()) {
            // Quoted short, and without control bytes, which a message cannot show.
            constexpr std::size_t kLongest = 20;
            std::string shown = token.size() > kLongest ? token.substr(0, kLongest) + "..." : token;
            std::replace_if(
                shown.begin(), shown.end(),
                [](char c) { return static_cast<unsigned char>(c) < 0x20; }, '?');
            return "\"" + shown + "\" is not a number; a density table is pairs of numbers, "
                                   "a concentration and a density.";
        }
        ++numbers;
        start = end;
    }
    if (numbers < 2)
        return std::string("holds no pair of numbers, a concentration and a density.");
    return std::nullopt;
}

void DensityTable::ParseDensityTable(double molarMass, double solventMolarMass)
{
    if (noTable_)
        return;
    rows_.clear();
    dMin_ = 1.0;
    dMax_ = 1.0;
    strictlyMonotonic_ = false;
    molarMassKnown_ = molarMass != 0.0;
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
    if (!InUse() || !column || !KnowsColumn(column->column))
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
    ambiguous_ = InUse() && !strictlyMonotonic_ && FirstTwoRoots(density).count == 2;
}

ConcentrationUnit DensityTable::RootUnit() const
{
    if (molarMassKnown_)
        return ConcentrationUnit::Molar;
    switch (kind_) {
    case DensityTableKind::Molarity:
        return ConcentrationUnit::Molar;
    case DensityTableKind::Molality:
        return ConcentrationUnit::Molal;
    default:
        return ConcentrationUnit::PercentWW;
    }
}

std::optional<DensityRoot> DensityTable::RootAtDensity(double density) const
{
    if (!InUse())
        return std::nullopt;
    const std::size_t n = rows_.size();
    if (const auto segment = FirstSegmentHolding(density, 0, n - 1))
        return DensityRoot{ValueInSegment(*segment, density), density};

    const DensityRow& first = rows_.front();
    const DensityRow& last = rows_.back();
    bool takeFirst = true;
    if (n > 1) {
        const bool falls = rows_[1].d <= first.d;
        takeFirst = falls ? first.d < density : !(first.d <= density);
    }
    const DensityRow& end = takeFirst ? first : last;
    return DensityRoot{end.*RootColumn(), end.d};
}

std::optional<double> DensityTable::OtherRoot(double density, double current) const
{
    if (!InUse() || strictlyMonotonic_)
        return std::nullopt;
    const Roots roots = FirstTwoRoots(density);
    if (roots.count < 2)
        return std::nullopt;
    const double first = roots.value[0];
    const double second = roots.value[1];
    return std::fabs(first - current) > std::fabs(second - current) ? first : second;
}

std::optional<double> DensityTable::PureSubstanceDensity() const
{
    if (!InUse() || !KnowsColumn(&DensityRow::w))
        return std::nullopt;
    // A row given as a molarity reaches 100 % w/w only up to rounding.
    for (const DensityRow& row : rows_) {
        if (std::fabs(row.w - 100.0) <= kBoundTolerance * 100.0 && row.d > 0.0)
            return row.d;
    }
    return std::nullopt;
}

bool DensityTable::IsOutsideDensityRange(double value, ConcentrationUnit unit) const
{
    if (value < 0.0)
        return true;
    if (!InUse())
        return false;
    double lower = dMin_;
    double upper = dMax_;
    if (unit != ConcentrationUnit::Density) {
        const std::optional<ColumnValue> column = ToColumn(unit, value);
        if (!column || !KnowsColumn(column->column))
            return false;
        value = column->value;
        lower = std::min(rows_.front().*(column->column), rows_.back().*(column->column));
        upper = std::max(rows_.front().*(column->column), rows_.back().*(column->column));
    }
    const double slack = kBoundTolerance * std::max(std::fabs(lower), std::fabs(upper));
    return value < lower - slack || value > upper + slack;
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

// Walks the segments in table order, opening a root region at each segment
// that holds density unless it goes on from the previous one through a row
// of exactly that density; a flat stretch in the first region adds the
// region's last row as a root of its own.
DensityTable::Roots DensityTable::FirstTwoRoots(double density) const
{
    Roots roots;
    const auto add = [&roots](double value) {
        if (roots.count < roots.value.size())
            roots.value[roots.count++] = value;
    };
    const double DensityRow::*column = RootColumn();
    bool inRegion = false;
    std::optional<double> flatEnd;
    for (std::size_t k = 0; k + 1 < rows_.size() && roots.count < roots.value.size(); ++k) {
        const DensityRow& a = rows_[k];
        const DensityRow& b = rows_[k + 1];
        const bool flat = a.d == density && b.d == density;
        if (!(std::min(a.d, b.d) <= density && density <= std::max(a.d, b.d))) {
            inRegion = false;
            continue;
        }
        if (inRegion && a.d == density) {
            if (flat && roots.count == 1)
                flatEnd = b.*column;
            continue;
        }
        if (flatEnd)
            add(*flatEnd);
        flatEnd.reset();
        add(ValueInSegment(k, density));
        inRegion = true;
        if (flat && roots.count == 1)
            flatEnd = b.*column;
    }
    if (flatEnd)
        add(*flatEnd);
    return roots;
}

double DensityRow::*DensityTable::RootColumn() const
{
    return molarMassKnown_ ? &DensityRow::M : KindColumn(kind_);
}

bool DensityTable::KnowsColumn(double DensityRow::*column) const
{
    return molarMassKnown_ || column == KindColumn(kind_);
}

// On a flat segment every concentration has the density: the segment's
// first row stands for it, as the nearest in table order.
double DensityTable::ValueInSegment(std::size_t segment, double density) const
{
    const double DensityRow::*column = RootColumn();
    const DensityRow& a = rows_[segment];
    const DensityRow& b = rows_[segment + 1];
    if (a.d == b.d)
        return a.*column;
    return a.*column + (b.*column - a.*column) * (density - a.d) / (b.d - a.d);
}

} // namespace solvo
