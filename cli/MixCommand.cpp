#include "MixCommand.h"

#include "CliContext.h"
#include "CliOutput.h"
#include "ConvertCommand.h"
#include "calculators/SolutionMixing.h"
#include "quantities/NumberFormat.h"
#include "quantities/UnitLabels.h"
#include "substances/SolvoSubstance.h"

#include <array>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>

namespace solvo {

namespace {

struct RowOptions {
    std::optional<std::string> c;
    std::string unit = "M";
    std::optional<std::string> volume;
};

struct MixOptions {
    bool json = false;
    SubstanceChoice source;
    std::array<RowOptions, kMixerRowCount> rows;
    CorrectionOptions corrections;
};

constexpr std::array<const char*, kMixerRowCount> kRowTitles = {"1st solution", "2nd solution",
                                                                "mixed solution"};

SolvoSubstance ComponentOf(const MixOptions& options, CliContext& context)
{
    const SubstanceChoice& source = options.source;
    SolvoSubstance component;
    if (source.substance) {
        component = SubstanceArgument(*source.substance, context);
    } else if (source.library) {
        component = LibraryArgument(*source.library, context);
    } else if (source.formula) {
        component.SetMolarMass(FormulaMolarMassArgument(*source.formula, context));
    } else {
        component.SetMolarMass(NumberArgument(*source.molarMass));
    }
    ApplyCorrectionOptions(options.corrections, component);
    component.ParseDensityTable();
    return component;
}

// A unit the component cannot have (% v/v without a density of the pure
// liquid) would mix as NaN; say why instead.
void RequireOffered(const SolvoSubstance& component, const MixerRows& rows)
{
    for (const MixerRow& row : rows) {
        if (!component.Concentration().Offers(row.unit))
            throw BadInput("\"" + std::string(ConcentrationUnitSymbol(row.unit)) +
                           "\": " + std::string(kNoPureDensityMessage));
    }
}

MixerRow GivenRow(const RowOptions& options)
{
    MixerRow row;
    row.c = NumberArgument(*options.c);
    row.unit = ConcentrationUnitArgument(options.unit);
    row.V = NumberArgument(*options.volume);
    return row;
}

void AddRowOptions(CLI::App& command, RowOptions& row, int number, bool solvable)
{
    const std::string n = std::to_string(number);
    command.add_option("--c" + n, row.c, "Concentration of the " + std::string(kRowTitles[number - 1]));
    command.add_option("--u" + n, row.unit,
                       "Its unit (default M): " + std::string(kUnitArgumentNames));
    CLI::Option* volume = command.add_option("--v" + n, row.volume, "Its volume, mL");
    if (solvable)
        volume->needs("--c" + n);
}

nlohmann::ordered_json Describe(const MixerRows& rows)
{
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const MixerRow& row : rows) {
        nlohmann::ordered_json json;
        json["c"] = CliOutput::Number(row.c);
        json["unit"] = static_cast<std::int32_t>(row.unit);
        json["V"] = CliOutput::Number(row.V);
        json["Sm"] = CliOutput::Number(row.S);
        list.push_back(json);
    }
    nlohmann::ordered_json json;
    json["rows"] = list;
    return json;
}

std::string PlainText(const MixerRows& rows, const UnitLabels& labels, std::int32_t displayDigits)
{
    std::ostringstream out;
    for (std::size_t i = 0; i < kMixerRowCount; ++i) {
        const MixerRow& row = rows[i];
        const std::string title = kRowTitles[i];
        out << title << std::string(16 - title.size(), ' ') << FormatDefault(row.c, displayDigits) << ' '
            << CliOutput::Utf8(labels.Label(static_cast<std::int32_t>(row.unit))) << ", V "
            << FormatDefault(row.V, displayDigits) << " mL, Sm " << FormatDefault(row.S, displayDigits)
            << " g\n";
    }
    return out.str();
}

} // namespace

void AddMixCommand(CLI::App& cli, CliContext& context)
{
    auto options = std::make_shared<MixOptions>();
    CLI::App* command = cli.add_subcommand(
        "mix", "Mix two solutions of one substance, or find the second solution of a mixture");
    command->add_flag("--json", options->json, "Print one JSON object");
    AddSubstanceChoice(*command, options->source);
    AddRowOptions(*command, options->rows[0], 1, false);
    command->get_option("--c1")->required();
    command->get_option("--v1")->required();
    AddRowOptions(*command, options->rows[1], 2, true);
    AddRowOptions(*command, options->rows[2], 3, true);
    command->get_option("--c2")->excludes("--c3");
    command->get_option("--c2")->needs("--v2");
    command->get_option("--c3")->needs("--v3");
    AddCorrectionOptions(*command, options->corrections);
    context.AddCommonOptions(*command);

    command->callback([options, &context] {
        auto& rowOptions = options->rows;
        const bool solve = rowOptions[2].c.has_value();
        if (!solve && !rowOptions[1].c)
            throw CLI::ValidationError("mix", "give the second solution (--c2, --v2) or the "
                                              "mixture (--c3, --v3)");
        SolvoSubstance component = ComponentOf(*options, context);
        MixerRows rows{};
        rows[0] = GivenRow(rowOptions[0]);
        const std::size_t given = solve ? 2 : 1;
        const std::size_t found = solve ? 1 : 2;
        rows[given] = GivenRow(rowOptions[given]);
        rows[found].unit = ConcentrationUnitArgument(rowOptions[found].unit);
        RequireOffered(component, rows);

        SolutionMixing mixing(component);
        mixing.RowAmount(rows[0]);
        mixing.RowAmount(rows[given]);
        if (solve)
            mixing.SolveSecond(rows);
        else
            mixing.ForwardMix(rows);

        if (options->json) {
            std::cout << Describe(rows).dump(2) << '\n';
            return;
        }
        CSolvoApp& app = context.App();
        app.ReadUnitLabels();
        std::cout << PlainText(rows, app.Units(), app.DisplayDigits());
    });
}

} // namespace solvo
