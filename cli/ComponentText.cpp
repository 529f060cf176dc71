#include "ComponentText.h"

#include "CliOutput.h"
#include "quantities/NumberFormat.h"
#include "quantities/UnitLabels.h"
#include "substances/SolvoSubstance.h"

#include <array>

namespace solvo {

namespace {

constexpr std::array<const char*, 4> kSourceNames = {"above substance", "other substance",
                                                     "stock solution", "other solution"};
constexpr std::array<const char*, 3> kTableKindNames = {"% w/w vs d", "molarity vs d",
                                                        "molality vs d"};

} // namespace

std::string ComponentText::Line(const char* label, const std::string& value)
{
    constexpr std::size_t kWidth = 22;
    const std::string_view text(label);
    return "  " + std::string(text) +
           std::string(text.size() < kWidth ? kWidth - text.size() : 1, ' ') + value + '\n';
}

std::string ComponentText::Describe(std::int32_t number, const SolvoSubstance& component) const
{
    std::string out = std::to_string(number) + ". " + CliOutput::Utf8(component.Name()) + '\n';
    out += Line("formula", CliOutput::Utf8(component.Formula()));
    out += Line("molar mass", Number(component.MolarMass()) + " g/mol");
    out += Line("concentration",
                FormatSignificant(component.GetConcentration(ConcentrationUnit::OwnUnit),
                                  component.ConcentrationDigits(), displayDigits_) +
                    " " + UnitLabel(component.Unit(), component));
    out += Line("source", Source(component));
    // The corrections are named only where they correct something.
    if (component.Purity() != SolvoSubstance::kFullPurity)
        out += Line("purity", Number(component.Purity()) + " %");
    if (component.Equivalents() != 1.0)
        out += Line("equivalents", Number(component.Equivalents()) + " per formula unit");
    if (component.PureDensity() != 0.0)
        out += Line("pure liquid density", Number(component.PureDensity()) + " g/mL");
    if (component.UseStockSolution())
        out += Line("stock solution", Number(component.StockConcentration()) + " " +
                                          UnitLabel(component.StockUnit(), component));
    if (component.Source() == SourceKind::OtherSolution)
        out += Line("other solution", Number(component.OtherConcentration()) + " " +
                                          UnitLabel(component.OtherUnit(), component));
    std::string alternatives;
    for (const std::string& alternative : component.Alternatives())
        alternatives += (alternatives.empty() ? "" : ", ") + CliOutput::Utf8(alternative);
    if (!alternatives.empty())
        out += Line("alternatives", alternatives);
    out += Line("density table", Table(component.Table()));
    out += Line("flags", Flags(component));
    out += Line("amount", Number(component.Amount()) + " mol");
    out += Line("mass", Number(component.Mass()) + " g");
    return out;
}

std::string ComponentText::Number(double value) const
{
    return FormatDefault(value, displayDigits_);
}

// A solution's unit; the own unit stands for the component's.
std::string ComponentText::UnitLabel(ConcentrationUnit unit, const SolvoSubstance& component) const
{
    const ConcentrationUnit shown = unit == ConcentrationUnit::OwnUnit ? component.Unit() : unit;
    return CliOutput::Utf8(labels_.Label(static_cast<std::int32_t>(shown)));
}

std::string ComponentText::Source(const SolvoSubstance& component) const
{
    const auto kind = static_cast<std::int32_t>(component.Source());
    if (kind >= 0 && static_cast<std::size_t>(kind) < kSourceNames.size()) {
        std::string text = kSourceNames[static_cast<std::size_t>(kind)];
        if (component.Source() == SourceKind::OtherSubstance)
            text += ": " + CliOutput::Utf8(component.SourceFormula());
        return text;
    }
    return "alternative " + CliOutput::Utf8(component.SourceFormula()) + " (" +
           Number(component.SourceMolarMass()) + " g/mol)";
}

std::string ComponentText::Table(const DensityTable& table)
{
    if (table.NoTable())
        return "none";
    const auto kind = static_cast<std::size_t>(table.Kind());
    std::string text = std::to_string(table.Rows().size()) + " rows";
    if (kind < kTableKindNames.size())
        text += ", " + std::string(kTableKindNames[kind]);
    return text;
}

std::string ComponentText::Flags(const SolvoSubstance& component)
{
    std::string flags;
    const auto add = [&](bool set, const char* name) {
        if (set)
            flags += (flags.empty() ? "" : ", ") + std::string(name);
    };
    add(component.NoSolid(), "no solid");
    add(component.StandardSubstance(), "standard substance");
    add(component.PrepareStandardSolution(), "prepare standard solution");
    return flags.empty() ? "none" : flags;
}

} // namespace solvo
