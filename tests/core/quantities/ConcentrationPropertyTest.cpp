#include "calculators/ConcentrationCalculatorForm.h"
#include "calculators/SolutionMixerForm.h"
#include "formula/ElementTable.h"
#include "quantities/ConcentrationSet.h"
#include "quantities/ParseNumber.h"
#include "substances/DefaultSubstances.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace solvo {
namespace {

using Unit = ConcentrationUnit;

constexpr std::uint32_t kSeed = 14;
constexpr double kRoundTrip = 1e-9;

std::string Exact(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

bool Near(double a, double b)
{
    return std::fabs(a - b) <= kRoundTrip * std::max(std::fabs(a), std::fabs(b));
}

// One table under test: a built-in substance's own table, or its rows
// rewritten as a molarity or molality table.
struct TableCase {
    std::string name;
    double molarMass;
    DensityTableKind kind;
    std::string text;
};

std::vector<TableCase> EveryTableOfEveryKind(const ElementTable& elements)
{
    std::vector<TableCase> cases;
    for (const SolvoSubstance& substance : DefaultSubstances(elements)) {
        if (substance.Table().NoTable())
            continue;
        ConcentrationSet set;
        set.SetMolarMass(substance.MolarMass());
        set.Table() = substance.Table();
        set.ParseDensityTable();
        cases.push_back({substance.Name(), substance.MolarMass(), substance.Table().Kind(),
                         substance.Table().Text()});
        std::string molar;
        std::string molal;
        for (const DensityRow& row : set.Table().Rows()) {
            molar += Exact(row.M) + " " + Exact(row.d) + "\n";
            // The pure substance has no finite molality.
            if (row.m < DensityTable::kSolventlessMolality)
                molal += Exact(row.m) + " " + Exact(row.d) + "\n";
        }
        cases.push_back({substance.Name() + " as M", substance.MolarMass(), DensityTableKind::Molarity, molar});
        cases.push_back({substance.Name() + " as m", substance.MolarMass(), DensityTableKind::Molality, molal});
    }
    return cases;
}

ConcentrationSet MakeSet(const TableCase& c)
{
    ConcentrationSet set;
    set.SetMolarMass(c.molarMass);
    set.Table().SetNoTable(false);
    set.Table().SetKind(c.kind);
    set.Table().SetText(c.text);
    set.ParseDensityTable();
    return set;
}

// The table's bounds in a unit: its first and last rows, or for the
// density its least and greatest.
std::array<double, 2> Bounds(const DensityTable& table, Unit unit)
{
    if (unit == Unit::Density)
        return {table.MinDensity(), table.MaxDensity()};
    const DensityRow& first = table.Rows().front();
    const DensityRow& last = table.Rows().back();
    const auto pick = [unit](const DensityRow& row) {
        switch (unit) {
        case Unit::Molar: return row.M;
        case Unit::Millimolar: return 1000.0 * row.M;
        case Unit::Molal: return row.m;
        case Unit::PercentWW: return row.w;
        case Unit::Ppm: return 10000.0 * row.w;
        case Unit::PercentWV: return row.v;
        default: return row.x;
        }
    };
    return {std::min(pick(first), pick(last)), std::max(pick(first), pick(last))};
}

// Values inside, at and just outside the bounds, and some far outside.
std::vector<double> Probes(std::array<double, 2> bounds, std::mt19937& random)
{
    const auto [low, high] = bounds;
    std::uniform_real_distribution<double> inside(low, high);
    std::vector<double> probes = {low, high, high * (1.0 + 1e-6), 2.0 * high, -1.0};
    if (low > 0.0)
        probes.push_back(low * (1.0 - 1e-6));
    for (int i = 0; i < 6; ++i)
        probes.push_back(inside(random));
    return probes;
}

std::array<double, kConcentrationUnitCount> Values(const ConcentrationSet& set)
{
    std::array<double, kConcentrationUnitCount> values{};
    for (int unit = 0; unit < kConcentrationUnitCount; ++unit)
        values[static_cast<std::size_t>(unit)] = set.GetConcentration(static_cast<Unit>(unit));
    return values;
}

// Every unit is a number, or is flagged outside the table.
void ExpectNumbersOrOutside(const ConcentrationSet& set, const std::string& where)
{
    for (int unit = 0; unit < kConcentrationUnitCount; ++unit) {
        const double value = set.GetConcentration(static_cast<Unit>(unit));
        ASSERT_TRUE(std::isfinite(value) || set.Table().IsOutsideDensityRange(value, static_cast<Unit>(unit)))
            << where << ", unit " << unit << " gives " << value;
    }
}

// Units that a table looks up in the same column, and the density with the
// molarity its roots are interpolated in: between them a value goes there
// and back exactly.
bool SameColumn(Unit a, Unit b)
{
    const auto column = [](Unit unit) {
        switch (unit) {
        case Unit::Millimolar: return Unit::Molar;
        case Unit::Ppm: return Unit::PercentWW;
        default: return unit;
        }
    };
    return column(a) == column(b);
}

// Seeded, so a failure reproduces; SCOPED_TRACE-free loops keep it fast.
TEST(ConcentrationProperties, EveryBuiltInTableEveryKindEveryUnit)
{
    ElementTable elements;
    elements.LoadDefaults();
    std::mt19937 random(kSeed);
    int cases = 0;
    for (const TableCase& c : EveryTableOfEveryKind(elements)) {
        ConcentrationSet set = MakeSet(c);
        ASSERT_TRUE(set.Table().InUse()) << c.name;
        for (int u = 0; u < kConcentrationUnitCount; ++u) {
            const Unit unit = static_cast<Unit>(u);
            std::vector<double> probes = Probes(Bounds(set.Table(), unit), random);
            // Every row's own density, where flat stretches and maxima lie.
            if (unit == Unit::Density) {
                for (const DensityRow& row : set.Table().Rows())
                    probes.push_back(row.d);
            }
            for (const double value : probes) {
                ++cases;
                const std::string where = c.name + ": " + Exact(value) + " in unit " + std::to_string(u);
                set.SetConcentration(value, unit);
                ExpectNumbersOrOutside(set, where);
                const auto start = Values(set);
                const bool inside = !set.Table().IsOutsideDensityRange(value, unit);

                // There and back.
                const bool ambiguous = set.Table().IsAmbiguous();
                for (int t = 0; t < kConcentrationUnitCount && inside && !ambiguous; ++t) {
                    const Unit other = static_cast<Unit>(t);
                    const bool exact = SameColumn(unit, other) ||
                                       (unit == Unit::Density && other == Unit::Molar);
                    if (!exact)
                        continue;
                    ConcentrationSet copy = set;
                    copy.SetConcentration(start[static_cast<std::size_t>(t)], other);
                    ASSERT_TRUE(Near(copy.GetConcentration(unit), value))
                        << where << " via unit " << t << " returns " << Exact(copy.GetConcentration(unit));
                }

                // "next" twice returns to the start, with numbers on the way.
                // A start that is no root (outside the table, or inside a
                // flat stretch) is left for good; from the first press on,
                // pressing twice returns.
                if (ambiguous) {
                    std::array<std::array<double, kConcentrationUnitCount>, 4> states{start};
                    for (std::size_t press = 1; press < states.size(); ++press) {
                        set.SelectOtherRoot();
                        ExpectNumbersOrOutside(set, where + " after next");
                        ASSERT_EQ(set.GetConcentration(Unit::Density), start[7]) << where;
                        ASSERT_TRUE(set.Table().IsAmbiguous()) << where;
                        states[press] = Values(set);
                    }
                    const auto expectSame = [&](std::size_t a, std::size_t b) {
                        for (std::size_t t = 0; t < start.size(); ++t)
                            ASSERT_TRUE(Near(states[a][t], states[b][t]) || states[a][t] == states[b][t])
                                << where << ", states " << a << " and " << b << " differ in unit " << t
                                << ": " << states[a][t] << " " << states[b][t];
                    };
                    expectSame(1, 3);
                    if (unit == Unit::Density && inside)
                        expectSame(0, 2);
                }
            }
        }
    }
    RecordProperty("cases", cases);
    EXPECT_GT(cases, 1000);
}

// The calculator stores what it shows into the component: whatever is typed
// or pressed, the component's amount, mass and molarity are numbers.
TEST(ConcentrationProperties, CalculatorStoresOnlyNumbers)
{
    ElementTable elements;
    elements.LoadDefaults();
    std::mt19937 random(kSeed);
    constexpr std::array<CalculatorField, kConcentrationUnitCount> kFields = {
        CalculatorField::Molar,     CalculatorField::Millimolar, CalculatorField::Molal,
        CalculatorField::PercentWW, CalculatorField::Ppm,        CalculatorField::PercentWV,
        CalculatorField::MoleFraction, CalculatorField::Density};
    for (const SolvoSubstance& substance : DefaultSubstances(elements)) {
        if (substance.Table().NoTable())
            continue;
        SolvoSubstance component;
        ConcentrationCalculatorForm form(component, elements, false, 4);
        form.UseDatabaseSubstance(substance);
        form.Type(CalculatorField::Volume, "100");
        for (int u = 0; u < kConcentrationUnitCount; ++u) {
            for (const double value : Probes(Bounds(component.Table(), static_cast<Unit>(u)), random)) {
                if (value < 0.0)
                    continue; // the form refuses negative masses of its own accord
                const std::string where = substance.Name() + ": " + Exact(value) + " in unit " + std::to_string(u);
                form.Type(kFields[static_cast<std::size_t>(u)], Exact(value));
                for (int press = 0; press < 3; ++press) {
                    ASSERT_TRUE(std::isfinite(component.Amount())) << where << ", press " << press;
                    ASSERT_TRUE(std::isfinite(component.Mass())) << where << ", press " << press;
                    ASSERT_TRUE(std::isfinite(component.GetConcentration(Unit::Molar)))
                        << where << ", press " << press;
                    form.Next();
                }
            }
        }
    }
}

// The mixer hands a row's concentration to the component for the
// calculator: in every unit, at every probe, that is a number.
TEST(ConcentrationProperties, MixerHandsOnlyNumbersToTheComponent)
{
    ElementTable elements;
    elements.LoadDefaults();
    const UnitLabels units = UnitLabels::Defaults();
    std::mt19937 random(kSeed);
    for (const SolvoSubstance& substance : DefaultSubstances(elements)) {
        if (substance.Table().NoTable())
            continue;
        SolutionMixerForm form(elements, units, 4);
        form.UseDatabaseSubstance(substance);
        form.Type(MixerField::Volume1, "100");
        form.Type(MixerField::Volume2, "50");
        for (int u = 0; u < kConcentrationUnitCount; ++u) {
            const Unit unit = static_cast<Unit>(u);
            for (std::size_t row = 0; row < 3; ++row)
                form.ChooseUnit(row, unit);
            const std::vector<double> probes = Probes(Bounds(form.Component().Table(), unit), random);
            for (std::size_t k = 0; k + 1 < probes.size(); ++k) {
                if (probes[k] < 0.0 || probes[k + 1] < 0.0)
                    continue;
                const std::string where = substance.Name() + ": " + Exact(probes[k]) + " and " +
                                          Exact(probes[k + 1]) + " in unit " + std::to_string(u);
                form.Type(MixerField::Concentration1, Exact(probes[k]));
                form.Type(MixerField::Concentration2, Exact(probes[k + 1]));
                for (std::size_t row = 0; row < 3; ++row) {
                    // A row that shows "???" is no number to hand on.
                    if (!ParseNumber(form.Text(static_cast<MixerField>(row))).valid ||
                        form.Text(static_cast<MixerField>(row)) == "???")
                        continue;
                    const SolutionMixerForm::CalculatorStart start = form.BeginConcentrationCalculator(row);
                    const SolvoSubstance& component = form.Component();
                    ASSERT_TRUE(std::isfinite(component.GetConcentration(Unit::Molar))) << where << ", row " << row;
                    ASSERT_TRUE(std::isfinite(component.Amount())) << where << ", row " << row;
                    ASSERT_TRUE(std::isfinite(component.Mass())) << where << ", row " << row;
                    form.EndConcentrationCalculator(row, false, start.volume, start.solutionMass);
                }
            }
        }
    }
}

} // namespace
} // namespace solvo
