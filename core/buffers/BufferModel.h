#pragma once

#include "buffers/BufferSolution.h"
#include "buffers/DaviesActivity.h"

#include <cstddef>
#include <vector>

namespace solvo {

class BufferAmounts;
class BufferCatalogue;

/// The chemistry of buffers at one temperature: every system's
/// thermodynamic constants carried to it, Davies activity coefficients, and
/// one charge balance over every ion present, solved together with the
/// ionic strength that the speciation gives.
///
/// Every solve is bracketed (safeguarded Newton on pH inside a bracket that
/// always holds the root, and a fixed point on the ionic strength that falls
/// back to bisection), so any amounts give an answer.
class BufferModel {
public:
    /// Throws BufferError when celsius is outside 0 … 100 °C, where water is
    /// no liquid and the constants mean nothing.
    BufferModel(const BufferCatalogue& catalogue, double celsius);

    const BufferCatalogue& Catalogue() const { return catalogue_; }
    double Celsius() const { return celsius_; }
    /// The thermodynamic pK of a system's step at this temperature.
    double Pk(std::size_t system, std::size_t step) const { return pK_[system][step]; }

    /// pH, ionic strength and capacity of the amounts.
    BufferSolution Solve(const BufferAmounts& amounts) const;

    /// The share t at which base + t·direction has the activity pH given,
    /// the ionic strength settled with it; NaN when the pH does not depend
    /// on t. t may be any number; the caller judges whether it is possible.
    double ShareAt(const BufferAmounts& base, const BufferAmounts& direction, double pH) const;

    /// Every ion of a solved buffer: each system's species, the strong ions,
    /// H⁺ and OH⁻, with their concentrations and activity coefficients.
    std::vector<BufferSpecies> Species(const BufferAmounts& amounts, const BufferSolution& solution) const;

private:
    struct Conditions; // activity coefficients at one ionic strength
    struct Balance {
        double charge = 0.0;    // Σ z·c, mol/L
        double variance = 0.0;  // −d(charge)/d(pH) / ln 10
        double squares = 0.0;   // Σ z²·c, mol/L
    };

    Conditions At(double ionicStrength) const;
    template <typename Visit>
    void ForEachSystem(const BufferAmounts& amounts, const Conditions& conditions, double aH, Visit visit) const;
    Balance Evaluate(const BufferAmounts& amounts, const Conditions& conditions, double pH, bool water) const;
    double SolvePh(const BufferAmounts& amounts, const Conditions& conditions, double start) const;

    const BufferCatalogue& catalogue_;
    double celsius_;
    DaviesActivity davies_;
    double kw_;
    std::vector<std::vector<double>> pK_;
    std::vector<double> k_;            // 10^−pK of every step, system after system
    std::vector<std::size_t> offset_;  // where each system's steps start in k_
};

} // namespace solvo
