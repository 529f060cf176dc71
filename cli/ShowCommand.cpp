#include "ShowCommand.h"

#include "app/UnitLabels.h"
#include "CliContext.h"
#include "CliOutput.h"
#include "ComponentJson.h"
#include "quantities/NumberFormat.h"

#include <array>
#include <iostream>
#include <memory>
#include <sstream>

namespace solvo {

namespace {

struct ShowOptions {
    bool json = false;
    std::string file;
};

constexpr std::array<const char*, 4> kSourceNames = {"above substance", "other substance",
                                                     "stock solution", "other solution"};
constexpr std::array<const char*, 3> kTableKindNames = {"% w/w vs d", "molarity vs d",
                                                        "molality vs d"};

nlohmann::ordered_json Describe(const SolutionFile& solution)
{
    const CSolvoDoc& document = solution.document;
    nlohmann::ordered_json json;
    json["version"] = solution.version ? nlohmann::ordered_json(*solution.version) : nullptr;
    json["final_volume"] = CliOutput::Number(document.FinalVolume());
    json["volume_digits"] = document.VolumeDigits();
    json["volume_unit"] = static_cast<std::int32_t>(document.GetVolumeUnit());
    nlohmann::ordered_json components = nlohmann::ordered_json::array();
    for (std::int32_t index = 0; index < document.GetComponentCount(); ++index)
        components.push_back(ComponentToJson(document.GetComponent(index)));
    json["components"] = std::move(components);
    return json;
}

// Plain text: what a person checks in a file, one component after another.
class PlainText {
public:
    PlainText(const UnitLabels& labels, std::int32_t displayDigits)
        : labels_(labels), displayDigits_(displayDigits)
    {
    }

    std::string Solution(const std::string& file, const SolutionFile& solution)
    {
        const CSolvoDoc& document = solution.document;
        out_ << file << '\n';
        if (solution.version) {
            std::ostringstream version;
            version << "0x" << std::hex << *solution.version;
            Line("file version", version.str());
        } else {
            Line("file version", "none (an empty file opens as a new solution)");
        }
        const bool litres = document.GetVolumeUnit() == VolumeUnit::Litre;
        const double shown = document.FinalVolume() * (litres ? 1.0 : 1000.0);
        Line("final volume", FormatSignificant(shown, document.VolumeDigits(), displayDigits_) +
                                 (litres ? " L" : " mL"));
        for (std::int32_t index = 0; index < document.GetComponentCount(); ++index)
            Component(index + 1, document.GetComponent(index));
        return out_.str();
    }

private:
    void Line(const char* label, const std::string& value)
    {
        constexpr std::size_t kWidth = 22;
        const std::string_view text(label);
        out_ << "  " << text << std::string(text.size() < kWidth ? kWidth - text.size() : 1, ' ')
             << value << '\n';
    }

    std::string Number(double value) const { return FormatDefault(value, displayDigits_); }

    // A solution's unit; the own unit stands for the component's.
    std::string UnitLabel(ConcentrationUnit unit, const SolvoSubstance& component) const
    {
        const ConcentrationUnit shown =
            unit == ConcentrationUnit::OwnUnit ? component.Unit() : unit;
        return labels_.Label(static_cast<std::int32_t>(shown));
    }

    std::string Source(const SolvoSubstance& component) const
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

    std::string Table(const DensityTable& table) const
    {
        if (table.NoTable())
            return "none";
        const auto kind = static_cast<std::size_t>(table.Kind());
        std::string text = std::to_string(table.Rows().size()) + " rows";
        if (kind < kTableKindNames.size())
            text += ", " + std::string(kTableKindNames[kind]);
        return text;
    }

    static std::string Flags(const SolvoSubstance& component)
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

    void Component(std::int32_t number, const SolvoSubstance& component)
    {
        out_ << '\n' << number << ". " << CliOutput::Utf8(component.Name()) << '\n';
        Line("formula", CliOutput::Utf8(component.Formula()));
        Line("molar mass", Number(component.MolarMass()) + " g/mol");
        Line("concentration",
             FormatSignificant(component.GetConcentration(ConcentrationUnit::OwnUnit),
                               component.ConcentrationDigits(), displayDigits_) +
                 " " + UnitLabel(component.Unit(), component));
        Line("source", Source(component));
        if (component.UseStockSolution())
            Line("stock solution", Number(component.StockConcentration()) + " " +
                                       UnitLabel(component.StockUnit(), component));
        if (component.Source() == SourceKind::OtherSolution)
            Line("other solution", Number(component.OtherConcentration()) + " " +
                                       UnitLabel(component.OtherUnit(), component));
        std::string alternatives;
        for (const std::string& alternative : component.Alternatives())
            alternatives += (alternatives.empty() ? "" : ", ") + CliOutput::Utf8(alternative);
        if (!alternatives.empty())
            Line("alternatives", alternatives);
        Line("density table", Table(component.Table()));
        Line("flags", Flags(component));
        Line("amount", Number(component.Amount()) + " mol");
        Line("mass", Number(component.Mass()) + " g");
    }

    const UnitLabels& labels_;
    std::int32_t displayDigits_;
    std::ostringstream out_;
};

} // namespace

SolutionFile ReadSolutionArgument(const std::string& file, const ElementTable& elements)
{
    SolutionFile solution;
    const CSolvoDoc::ReadResult result = solution.document.ReadFile(file, elements);
    if (result.status == CSolvoDoc::ReadStatus::Read ||
        result.status == CSolvoDoc::ReadStatus::Empty) {
        solution.version = result.version;
        return solution;
    }
    std::string message;
    for (const std::string& text : result.messages)
        message += (message.empty() ? "" : "\n") + file + ": " + CliOutput::Utf8(text);
    throw BadInput(message);
}

void AddShowCommand(CLI::App& cli, CliContext& context)
{
    auto options = std::make_shared<ShowOptions>();
    CLI::App* command =
        cli.add_subcommand("show", "Show a solution file: its final volume and its components");
    command->add_flag("--json", options->json,
                      "Print one JSON object: version, final volume and the components");
    command->add_option("FILE", options->file, "Solution file (.sln)")->required();
    context.AddCommonOptions(*command);

    command->callback([options, &context] {
        CSolvoApp& app = context.App();
        const SolutionFile solution = ReadSolutionArgument(options->file, app.Elements());
        if (options->json) {
            std::cout << Describe(solution).dump(2) << '\n';
            return;
        }
        app.ReadUnitLabels();
        std::cout << PlainText(app.Units(), app.DisplayDigits()).Solution(options->file, solution);
    });
}

} // namespace solvo
