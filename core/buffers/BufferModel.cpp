#include "buffers/BufferModel.h"

#include "buffers/BufferAmounts.h"
#include "buffers/BufferCatalogue.h"
#include "buffers/BufferError.h"
#include "quantities/NumberFormat.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <stdexcept>

namespace solvo {

namespace {

constexpr double kZeroCelsius = 273.15;
constexpr double kLowestCelsius = 0.0;
constexpr double kHighestCelsius = 100.0;
constexpr int kMostCharge = 6;
constexpr int kMostIterations = 200;

// Fixed-point iteration on the ionic strength, which the speciation changes
// only a little: it settles in a few rounds. Each round also narrows a
// bracket around the fixed point, and when the plain iteration strays or
// dawdles, bisection of that bracket takes over, so it always ends. g(I) is
// called last with the value returned.
template <typename Speciation>
double SettleIonicStrength(Speciation g)
{
    double low = 0.0;
    double high = std::numeric_limits<double>::infinity();
    double I = 0.0;
    for (int round = 0; round < kMostIterations; ++round) {
        const double next = g(I);
        if (std::abs(next - I) <= 1e-14 + 1e-11 * next)
            return I;
        (next > I ? low : high) = I;
        double candidate = next;
        if (std::isfinite(high) && (round >= 30 || !(candidate > low && candidate < high)))
            candidate = 0.5 * (low + high);
        I = candidate;
    }
    g(I);
    return I;
}

// A system's species relative to its most protonated one: species j holds j
// fewer protons, and its amount is the product of the steps' K'/a(H⁺).
struct Distribution {
    std::array<double, kMostCharge * 2 + 1> shares{};
    std::size_t count = 0;
    double sum = 0.0;

    Distribution(const BufferSystem& system, const double* k, double aH)
        : count(system.StepCount() + 1)
    {
        shares[0] = sum = 1.0;
        for (std::size_t j = 1; j < count; ++j) {
            shares[j] = shares[j - 1] * k[j - 1] / aH;
            sum += shares[j];
        }
    }
};

} // namespace

struct BufferModel::Conditions {
    std::array<double, kMostCharge + 1> gamma{}; // by |z|
    std::vector<double> k;                       // the constants in concentrations of the species

    double Gamma(int charge) const { return gamma[static_cast<std::size_t>(std::abs(charge))]; }
};

BufferModel::BufferModel(const BufferCatalogue& catalogue, double celsius)
    : catalogue_(catalogue), celsius_(celsius), davies_(celsius + kZeroCelsius),
      kw_(std::pow(10.0, -catalogue.Water().PkAt(celsius + kZeroCelsius)))
{
    if (!(celsius >= kLowestCelsius && celsius <= kHighestCelsius))
        throw BufferError("Temperature " + FormatDefault(celsius, 6) +
                          " \xB0" "C: buffers are computed for liquid water, 0 to 100 \xB0" "C.");
    const double kelvin = celsius + kZeroCelsius;
    for (const BufferSystem& system : catalogue.Systems()) {
        if (std::abs(system.FirstCharge()) > kMostCharge ||
            std::abs(system.SpeciesCharge(system.StepCount())) > kMostCharge || system.StepCount() > 2 * kMostCharge)
            throw std::logic_error("buffer constants: a charge beyond the activity model's table");
        offset_.push_back(k_.size());
        std::vector<double>& pK = pK_.emplace_back();
        for (std::size_t j = 0; j < system.StepCount(); ++j) {
            pK.push_back(system.Step(j).PkAt(kelvin));
            k_.push_back(std::pow(10.0, -pK.back()));
        }
    }
}

BufferModel::Conditions BufferModel::At(double ionicStrength) const
{
    Conditions conditions;
    const double unit = davies_.Log10GammaUnit(ionicStrength);
    for (int z = 0; z <= kMostCharge; ++z)
        conditions.gamma[static_cast<std::size_t>(z)] = std::pow(10.0, unit * z * z);
    conditions.k = k_;
    const auto& systems = catalogue_.Systems();
    for (std::size_t s = 0; s < systems.size(); ++s) {
        for (std::size_t j = 0; j < systems[s].StepCount(); ++j) {
            const int acid = systems[s].SpeciesCharge(j);
            conditions.k[offset_[s] + j] *= conditions.Gamma(acid) / conditions.Gamma(acid - 1);
        }
    }
    return conditions;
}

// Calls visit(system, total, distribution) for every system present.
template <typename Visit>
void BufferModel::ForEachSystem(const BufferAmounts& amounts, const Conditions& conditions, double aH,
                                Visit visit) const
{
    const auto& systems = catalogue_.Systems();
    for (std::size_t s = 0; s < systems.size(); ++s) {
        const double total = amounts.System(s);
        if (total != 0.0)
            visit(systems[s], total, Distribution(systems[s], &conditions.k[offset_[s]], aH));
    }
}

BufferModel::Balance BufferModel::Evaluate(const BufferAmounts& amounts, const Conditions& conditions,
                                           double pH, bool water) const
{
    const double aH = std::pow(10.0, -pH);
    Balance balance;
    balance.charge = amounts.StrongCharge();
    balance.squares = amounts.StrongChargeSquares();
    if (water) {
        const double h = aH / conditions.Gamma(1);
        const double oh = kw_ / (aH * conditions.Gamma(1));
        balance.charge += h - oh;
        balance.variance += h + oh;
        balance.squares += h + oh;
    }
    ForEachSystem(amounts, conditions, aH, [&](const BufferSystem& system, double total,
                                               const Distribution& distribution) {
        double sumZ = 0.0;
        double sumZ2 = 0.0;
        for (std::size_t j = 0; j < distribution.count; ++j) {
            const double z = system.SpeciesCharge(j);
            sumZ += distribution.shares[j] * z;
            sumZ2 += distribution.shares[j] * z * z;
        }
        const double mean = sumZ / distribution.sum;
        const double meanSquare = sumZ2 / distribution.sum;
        balance.charge += total * mean;
        balance.variance += total * std::max(meanSquare - mean * mean, 0.0);
        balance.squares += total * meanSquare;
    });
    return balance;
}

double BufferModel::SolvePh(const BufferAmounts& amounts, const Conditions& conditions, double start) const
{
    // The charge falls steadily as the pH rises, from the excess of H⁺ at the
    // acid end to that of OH⁻ at the basic end: the bracket always holds it.
    const auto charge = [&](double pH) { return Evaluate(amounts, conditions, pH, true).charge; };
    double low = -2.0;
    double high = 16.0;
    while (charge(low) <= 0.0 && low > -30.0)
        low -= 4.0;
    while (charge(high) >= 0.0 && high < 50.0)
        high += 4.0;
    double pH = std::clamp(start, low, high);
    double previous = std::numeric_limits<double>::infinity();
    for (int round = 0; round < kMostIterations; ++round) {
        const Balance balance = Evaluate(amounts, conditions, pH, true);
        if (balance.charge == 0.0)
            return pH;
        (balance.charge > 0.0 ? low : high) = pH;
        double next = pH + balance.charge / (std::numbers::ln10 * balance.variance);
        if (!(next > low && next < high) || std::abs(balance.charge) > 0.5 * previous)
            next = 0.5 * (low + high);
        if (std::abs(next - pH) < 1e-12 || high - low < 1e-12)
            return next;
        previous = std::abs(balance.charge);
        pH = next;
    }
    return pH;
}

BufferSolution BufferModel::Solve(const BufferAmounts& amounts) const
{
    double pH = 7.0;
    Conditions conditions;
    SettleIonicStrength([&](double ionicStrength) {
        conditions = At(ionicStrength);
        pH = SolvePh(amounts, conditions, pH);
        return 0.5 * Evaluate(amounts, conditions, pH, true).squares;
    });
    const Balance balance = Evaluate(amounts, conditions, pH, true);
    return {pH, 0.5 * balance.squares, std::numbers::ln10 * balance.variance};
}

double BufferModel::ShareAt(const BufferAmounts& base, const BufferAmounts& direction, double pH) const
{
    double share = 0.0;
    SettleIonicStrength([&](double ionicStrength) {
        const Conditions conditions = At(ionicStrength);
        const Balance fixed = Evaluate(base, conditions, pH, true);
        const Balance added = Evaluate(direction, conditions, pH, false);
        if (added.charge == 0.0) {
            share = std::numeric_limits<double>::quiet_NaN();
            return ionicStrength;
        }
        share = -fixed.charge / added.charge;
        return std::max(0.5 * (fixed.squares + share * added.squares), 0.0);
    });
    return share;
}

std::vector<BufferSpecies> BufferModel::Species(const BufferAmounts& amounts, const BufferSolution& solution) const
{
    const Conditions conditions = At(solution.ionicStrength);
    const double aH = std::pow(10.0, -solution.pH);
    std::vector<BufferSpecies> species;
    ForEachSystem(amounts, conditions, aH, [&](const BufferSystem& system, double total,
                                               const Distribution& distribution) {
        for (std::size_t j = 0; j < distribution.count; ++j) {
            const int z = system.SpeciesCharge(j);
            species.push_back({system.SpeciesFormula(j), z, total * distribution.shares[j] / distribution.sum,
                               conditions.Gamma(z)});
        }
    });
    for (std::size_t i = 0; i < kStrongIonCount; ++i) {
        if (amounts.StrongIon(i) > 0.0)
            species.push_back({kStrongIons[i].formula, kStrongIons[i].charge, amounts.StrongIon(i),
                               conditions.Gamma(kStrongIons[i].charge)});
    }
    species.push_back({"H^+", 1, aH / conditions.Gamma(1), conditions.Gamma(1)});
    species.push_back({"OH^-", -1, kw_ / (aH * conditions.Gamma(1)), conditions.Gamma(1)});
    return species;
}

} // namespace solvo
