#pragma once

#include "quantities/ConcentrationUnit.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace solvo {

/// What the first number of each pair of a density table is.
enum class DensityTableKind : std::int32_t {
    PercentWW = 0, ///< % w/w, shown as "% w/w vs d"
    Molarity = 1,  ///< mol/L, shown as "molarity vs d"
    Molality = 2,  ///< mol/kg, shown as "molality vs d"
};

/// One parsed row: a density and the concentration it belongs to, in every unit.
struct DensityRow {
    double d = 0.0; ///< density, g/mL
    double w = 0.0; ///< % w/w
    double v = 0.0; ///< % w/v
    double M = 0.0; ///< mol/L
    double m = 0.0; ///< mol/kg
    double x = 0.0; ///< mole fraction
};

/// A concentration found for a density, in the table's root unit (see
/// DensityTable::RootUnit), and the density it belongs to in the table.
struct DensityRoot {
    double value = 0.0;
    double d = 0.0;
};

/// A substance's table of solution density against concentration, as typed
/// (pairs of numbers, concentration first) and as parsed into rows.
///
/// The table is in use only while the no-table flag is clear and at least one
/// row exists; otherwise lookups leave the density as it is, nothing is
/// ambiguous and only negative values are out of range. The rows are
/// expected to rise in concentration and are not sorted. A segment is a pair
/// of neighbouring rows; a density lies in a segment when it lies between the
/// two rows' densities, ends included.
///
/// A table parsed without a molar mass knows its concentrations only in the
/// unit of its own kind (% w/w, M or m): the other columns cannot be
/// computed, so they are never looked up, found or range-checked.
///
/// A table of one row stands for a solution of constant density: every
/// concentration looks up that row's density, every density finds that row's
/// concentration, nothing is ambiguous, and only the row's own concentration
/// and density are in range.
class DensityTable {
public:
    /// Divisions by a difference this small or smaller give this molality
    /// instead (a pure substance has no solvent).
    static constexpr double kSolventlessLimit = 1e-8;
    static constexpr double kSolventlessMolality = 1e33;

    /// The longest table text taken from outside the program, bytes: a
    /// table of every tenth of a percent from 0 to 100 takes 20 kilobytes.
    static constexpr std::size_t kLargestText = std::size_t{1} << 20;

    /// Why text from outside the program (a file, an argument) is no density
    /// table, or nothing when it is one: at least one pair of numbers
    /// (concentration, then density), every token a number, commas counting
    /// as points. ParseDensityTable itself reads any text, as the tables kept
    /// in files were always read.
    static std::optional<std::string> TextProblem(std::string_view text);

    const std::string& Text() const { return text_; }
    void SetText(std::string_view text) { text_ = text; }
    void SetText(std::string&& text) { text_ = std::move(text); }
    void SetText(const char* text) { text_ = text; }

    DensityTableKind Kind() const { return kind_; }
    void SetKind(DensityTableKind kind) { kind_ = kind; }

    /// Set: the substance has no table; the text and rows are kept but not used.
    bool NoTable() const { return noTable_; }
    void SetNoTable(bool noTable) { noTable_ = noTable; }

    const std::vector<DensityRow>& Rows() const { return rows_; }
    /// Smallest and largest density of the rows, g/mL; 1.0 while there are none.
    double MinDensity() const { return dMin_; }
    double MaxDensity() const { return dMax_; }

    /// Set when the current density occurs in more than one segment.
    bool IsAmbiguous() const { return ambiguous_; }

    /// Whether the no-table flag is clear and at least one row exists.
    bool InUse() const { return !noTable_ && !rows_.empty(); }

    /// Parses the text into rows with the substance's molar mass and the
    /// solvent's, g/mol. Does nothing while the no-table flag is set.
    /// Commas count as points; numbers pair up in sequence across line
    /// breaks; a last number without a partner is dropped; a token that is
    /// not a number counts as 0; pairs with a number that is not finite are
    /// skipped. A kind outside 0 … 2 gives no rows. A molar mass of 0 leaves
    /// infinities or NaN in the derived columns. Linear in the text's length.
    void ParseDensityTable(double molarMass, double solventMolarMass);

    /// The density, g/mL, at value in unit (codes 0 … 6; millimolar and ppm
    /// values are scaled to the M and w columns): interpolated between the
    /// two rows around it, the last row's density at or beyond the last row,
    /// extrapolated along the first segment below the first row. Returns
    /// density unchanged when the table is not in use or for any other unit.
    double DensityLookup(ConcentrationUnit unit, double value, double density) const;

    /// The concentrations at which the table reaches a density form root
    /// regions, in table order: neighbouring segments that share a row of
    /// that density belong to one region, and a region that holds a run of
    /// rows of equal density (a flat stretch) spans a range of concentrations
    /// from its first row to its last. Sets the ambiguous flag when the
    /// density is reached at more than one concentration: in two regions, or
    /// over a flat stretch.
    void CheckAmbiguity(double density);

    /// The unit of the concentrations that RootAtDensity and OtherRoot give:
    /// molarity when the table was parsed with a molar mass, else the unit of
    /// the table's kind.
    ConcentrationUnit RootUnit() const;

    /// The concentration (in RootUnit) at density in its first root region,
    /// with density itself; when no segment holds density, the
    /// concentration and density of the end row that density lies beyond.
    /// None when the table is not in use.
    std::optional<DensityRoot> RootAtDensity(double density) const;

    /// "next": of the first two roots at density, the one farther from
    /// current (in RootUnit; the second on a tie). The roots are the first
    /// concentrations of the first two root regions, except that a first
    /// region over a flat stretch offers its two ends. So "next" always gives
    /// a concentration inside the table at which the table has exactly that
    /// density, and pressed again it gives back the first root; a third
    /// region is not reached, since one toggle has to undo the other. None
    /// unless the density is ambiguous in the sense of CheckAmbiguity.
    std::optional<double> OtherRoot(double density, double current) const;

    /// The density of the table's row of the pure substance (100 % w/w),
    /// g/mL; none when the table is not in use, cannot know its % w/w, or
    /// has no such row.
    std::optional<double> PureSubstanceDensity() const;

    /// True for a negative value. Otherwise, with the table in use: for units
    /// 0 … 6 whether the value (millimolar and ppm scaled) lies outside the
    /// concentrations of the first and last rows, for the density unit
    /// whether it lies outside MinDensity() … MaxDensity(); false for any
    /// other unit, for a unit the table cannot know, and without a table. A
    /// value that differs from a bound by rounding only (relative 1e-9) is
    /// inside: the concentration of an end row, computed through another
    /// unit, must not be painted as outside.
    bool IsOutsideDensityRange(double value, ConcentrationUnit unit) const;

private:
    /// Up to the first two roots at a density, in the root unit.
    struct Roots {
        std::array<double, 2> value{};
        std::size_t count = 0;
    };

    std::optional<std::size_t> FirstSegmentHolding(double density, std::size_t first,
                                                   std::size_t end) const;
    Roots FirstTwoRoots(double density) const;
    double DensityRow::*RootColumn() const;
    bool KnowsColumn(double DensityRow::*column) const;
    double ValueInSegment(std::size_t segment, double density) const;

    std::string text_;
    DensityTableKind kind_ = DensityTableKind::PercentWW;
    bool noTable_ = true;
    std::vector<DensityRow> rows_;
    double dMin_ = 1.0;
    double dMax_ = 1.0;
    // Densities that only rise or only fall row by row hold every density at
    // most once, so such a table can never be ambiguous.
    bool strictlyMonotonic_ = false;
    // Parsed with a molar mass of 0: only the kind's own column is known.
    bool molarMassKnown_ = true;
    bool ambiguous_ = false;
};

} // namespace solvo
