#pragma once

#include "calculators/MixerField.h"
#include "quantities/ConcentrationUnit.h"

#include <array>
#include <cstddef>

namespace solvo {

class SolvoSubstance;

/// One solution of the mixer: its concentration in a unit of its own, its
/// volume and its mass.
struct MixerRow {
    double c = 0.0;
    ConcentrationUnit unit = ConcentrationUnit::Molar;
    double V = 0.0; ///< mL
    double S = 0.0; ///< g
    /// V is typed and S follows, or the reverse.
    bool volumeIsInput = true;
};

using MixerRows = std::array<MixerRow, kMixerRowCount>;

/// Mixing two solutions of one substance, by mass: solution masses add and
/// masses of the substance add, while volumes follow from the densities the
/// substance's density table gives (without a table every row has the
/// component's density, so volumes add too).
///
/// Concentrations are converted through the component, whose own values
/// stay as they are. Divisions by a density of 0 are not guarded and give
/// infinities or NaN; a result that needs a negative concentration is
/// computed as such.
class SolutionMixing {
public:
    /// The component must outlive this object.
    explicit SolutionMixing(SolvoSubstance& component) : component_(component) {}

    /// After a row's concentration, V or S changed: S = d·V when V is typed,
    /// else V = S/d.
    void RowAmount(MixerRow& row);
    /// Rows 0 and 1 give row 2; all of row 2 is 0 when there is no mass.
    void ForwardMix(MixerRows& rows);
    /// Rows 0 and 2 give row 1; all of row 1 is 0 when rows 0 and 2 have
    /// the same mass.
    void SolveSecond(MixerRows& rows);
    /// With the three concentrations held, the two rows other than given
    /// take the amounts that keep the mixture's concentration. Nothing
    /// changes when those two rows have the same concentration.
    void Rescale(MixerRows& rows, std::size_t given);

private:
    double PercentWW(const MixerRow& row);
    double Density(const MixerRow& row);
    double DensityAt(double percentWW);
    /// A mixture of mass S and mass fraction w (% w/w) written into row.
    void SetMixture(MixerRow& row, double S, double w);

    SolvoSubstance& component_;
};

} // namespace solvo
