#include "calculators/SolutionMixing.h"

#include "substances/SolvoSubstance.h"

namespace solvo {

double SolutionMixing::PercentWW(const MixerRow& row)
{
    return component_.ConvertConcentration(row.c, row.unit, ConcentrationUnit::PercentWW);
}

double SolutionMixing::Density(const MixerRow& row)
{
    return component_.ConvertConcentration(row.c, row.unit, ConcentrationUnit::Density);
}

double SolutionMixing::DensityAt(double percentWW)
{
    return component_.ConvertConcentration(percentWW, ConcentrationUnit::PercentWW,
                                           ConcentrationUnit::Density);
}

void SolutionMixing::SetMixture(MixerRow& row, double S, double w)
{
    row.V = S / DensityAt(w);
    row.c = component_.ConvertConcentration(w, ConcentrationUnit::PercentWW, row.unit);
    row.S = S;
}

void SolutionMixing::RowAmount(MixerRow& row)
{
    if (row.volumeIsInput)
        row.S = Density(row) * row.V;
    else
        row.V = row.S / Density(row);
}

void SolutionMixing::ForwardMix(MixerRows& rows)
{
    const double S = rows[0].S + rows[1].S;
    if (S == 0.0) {
        rows[2].V = 0.0;
        rows[2].c = 0.0;
        rows[2].S = 0.0;
        return;
    }
    const double substance = PercentWW(rows[1]) * rows[1].S / 100.0 + PercentWW(rows[0]) * rows[0].S / 100.0;
    const double w3 = substance / S * 100.0;
    SetMixture(rows[2], S, w3);
}

void SolutionMixing::SolveSecond(MixerRows& rows)
{
    if (rows[0].S == rows[2].S) {
        rows[1].V = 0.0;
        rows[1].c = 0.0;
        rows[1].S = 0.0;
        return;
    }
    const double S = rows[2].S - rows[0].S;
    const double substance = PercentWW(rows[2]) * rows[2].S / 100.0 - PercentWW(rows[0]) * rows[0].S / 100.0;
    const double w2 = substance / S * 100.0;
    SetMixture(rows[1], S, w2);
}

void SolutionMixing::Rescale(MixerRows& rows, std::size_t given)
{
    const double w1 = PercentWW(rows[0]);
    const double w2 = PercentWW(rows[1]);
    const double w3 = PercentWW(rows[2]);
    switch (given) {
    case 0:
        if (w2 == w3)
            return;
        rows[1].V = ((w1 - w3) / 100.0 * rows[0].S) / (Density(rows[1]) * (w3 - w2) / 100.0);
        rows[1].S = Density(rows[1]) * rows[1].V;
        rows[2].V = ((w1 - w2) / 100.0 * rows[0].S) / (Density(rows[2]) * (w3 - w2) / 100.0);
        rows[2].S = rows[0].S + rows[1].S;
        break;
    case 1:
        if (w1 == w3)
            return;
        rows[0].V = ((w3 - w2) / 100.0 * rows[1].S) / (Density(rows[0]) * (w1 - w3) / 100.0);
        rows[0].S = Density(rows[0]) * rows[0].V;
        rows[2].V = ((w1 - w2) / 100.0 * rows[1].S) / (Density(rows[2]) * (w1 - w3) / 100.0);
        rows[2].S = rows[0].S + rows[1].S;
        break;
    default:
        if (w1 == w2)
            return;
        rows[0].V = ((w3 - w2) / 100.0 * rows[2].S) / (Density(rows[0]) * (w1 - w2) / 100.0);
        rows[0].S = Density(rows[0]) * rows[0].V;
        rows[1].V = ((w1 - w3) / 100.0 * rows[2].S) / (Density(rows[1]) * (w1 - w2) / 100.0);
        rows[1].S = rows[2].S - rows[0].S;
        break;
    }
}

} // namespace solvo
