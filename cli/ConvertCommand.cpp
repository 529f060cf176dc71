#include "ConvertCommand.h"

#include "CliContext.h"
#include "CliOutput.h"
#include "formula/ChemicalFormula.h"
#include "library/ReagentLibrary.h"
#include "platform/FileAccess.h"
#include "quantities/ConcentrationSet.h"
#include "quantities/DensityTable.h"
#include "quantities/NumberFormat.h"
#include "quantities/ParseNumber.h"
#include "quantities/UnitLabels.h"
#include "substances/SolvoSubstanceDatabase.h"
#include "substances/SubstanceCorrection.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>

namespace solvo {

namespace {

struct ConvertOptions {
    bool json = false;
    SubstanceChoice source;
    std::optional<std::string> tableFile;
    std::string tableKind = "w";
    std::string from;
    std::string value;
    CorrectionOptions corrections;
    bool next = false;
};

DensityTableKind TableKindArgument(const std::string& argument)
{
    if (argument == "w")
        return DensityTableKind::PercentWW;
    if (argument == "M")
        return DensityTableKind::Molarity;
    if (argument == "m")
        return DensityTableKind::Molality;
    throw BadInput("\"" + argument + "\": not a density table kind; use w, M or m.");
}

std::string ReadTableFile(const std::string& argument)
{
    const FilePath path = FilePath::FromUtf8(argument);
    std::error_code error;
    if (!std::filesystem::exists(path.Native(), error))
        throw BadInput(argument + ": cannot be opened.");
    std::string text;
    // A folder, FIFO or device is there but holds no table to read.
    if (!ReadWholeFile(path, text, DensityTable::kLargestText))
        throw BadInput(argument + ": cannot be read.");
    if (const auto problem = DensityTable::TextProblem(text))
        throw BadInput(argument + ": " + *problem);
    return text;
}

double MolarMassOf(const SubstanceChoice& source, CliContext& context)
{
    if (source.molarMass)
        return NumberArgument(*source.molarMass);
    return FormulaMolarMassArgument(*source.formula, context);
}

nlohmann::ordered_json Describe(const ConcentrationSet& set)
{
    nlohmann::ordered_json json;
    nlohmann::ordered_json outside = nlohmann::ordered_json::object();
    for (const ConcentrationUnit unit : kConcentrationUnits) {
        if (!set.Offers(unit))
            continue;
        const std::string symbol(ConcentrationUnitSymbol(unit));
        const double value = set.GetConcentration(unit);
        json[symbol] = CliOutput::Number(value);
        outside[symbol] = set.IsOutsideDensityRange(value, unit);
    }
    json["ambiguous"] = set.Table().IsAmbiguous();
    json["outside"] = outside;
    return json;
}

std::string PlainText(const ConcentrationSet& set, const UnitLabels& labels,
                      std::int32_t displayDigits)
{
    std::ostringstream out;
    out << "molar mass" << std::string(8, ' ') << FormatDefault(set.MolarMass(), displayDigits)
        << " g/mol\n";
    for (const ConcentrationUnit unit : kConcentrationUnits) {
        if (!set.Offers(unit))
            continue;
        const std::string label = CliOutput::Utf8(labels.Label(static_cast<std::int32_t>(unit)));
        const double value = set.GetConcentration(unit);
        // Columns count characters, not the bytes of "µ".
        const auto width = static_cast<std::size_t>(std::count_if(
            label.begin(), label.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
        out << label << std::string(width < 18 ? 18 - width : 1, ' ')
            << FormatDefault(value, displayDigits);
        if (unit == ConcentrationUnit::Normal)
            out << "  (equivalents per formula unit: " << FormatDefault(set.Equivalents(), displayDigits)
                << ")";
        if (set.IsOutsideDensityRange(value, unit))
            out << "  (outside the density table)";
        out << '\n';
    }
    if (set.Table().IsAmbiguous())
        out << "The density table reaches this density at two concentrations.\n";
    return out.str();
}

} // namespace

// Numbers are read as the program reads a typed field, decimal comma
// included. What a field reads as 0 for "nothing typed yet" (an empty text,
// "-", "???") is no number given, and one beyond the range of a double is
// none the program can work with.
double NumberArgument(const std::string& argument)
{
    const ParsedNumber parsed = ParseNumber(CliOutput::ProgramText(argument));
    const bool hasDigit = argument.find_first_of("0123456789") != std::string::npos;
    if (!parsed.valid || !hasDigit || !std::isfinite(parsed.value))
        throw BadInput("\"" + argument + "\": Enter a number.");
    return parsed.value;
}

double FormulaMolarMassArgument(const std::string& argument, CliContext& context)
{
    const ChemicalFormula formula(context.App().Elements(), CliOutput::ProgramText(argument));
    const double molarMass = formula.MolarMass();
    if (formula.Failed())
        throw BadInput("\"" + argument + "\": " + formula.FailureText());
    return molarMass;
}

const SolvoSubstance& SubstanceArgument(const std::string& name, CliContext& context)
{
    const SolvoSubstance* substance =
        context.App().Substances().FindByName(CliOutput::ProgramText(name));
    if (!substance)
        throw BadInput("\"" + name + "\": no substance of this name in the program database.");
    return *substance;
}

SolvoSubstance LibraryArgument(const std::string& name, CliContext& context)
{
    const LibraryRecord* record = ReagentLibrary::Find(CliOutput::ProgramText(name));
    if (!record)
        throw BadInput("\"" + name + "\": no solute of this name in the reagent library.");
    return ReagentLibrary::ToSubstance(*record, context.App().Elements());
}

void AddSubstanceChoice(CLI::App& command, SubstanceChoice& choice)
{
    CLI::Option_group* group = command.add_option_group("substance", "Where the molar mass comes from");
    group->add_option("--substance", choice.substance,
                      "Molar mass and density table of the program database's substance "
                      "of exactly this name");
    group->add_option("--library", choice.library,
                      "Molar mass and density table of the reagent library's solute of this "
                      "name or synonym (see db library)");
    group->add_option("--formula", choice.formula,
                      "Molar mass of this formula (with markup, as in the formula command)");
    group->add_option("--mw", choice.molarMass, "Molar mass, g/mol");
    group->require_option(1);
}

ConcentrationUnit ConcentrationUnitArgument(std::string_view argument)
{
    if (const auto unit = ConcentrationUnitFromSymbol(CliOutput::ProgramText(std::string(argument))))
        return *unit;
    std::int32_t code = -1;
    const auto [end, error] = std::from_chars(argument.data(), argument.data() + argument.size(), code);
    if (error == std::errc{} && end == argument.data() + argument.size() && argument.size() <= 2 &&
        IsConcentrationUnit(static_cast<ConcentrationUnit>(code)))
        return static_cast<ConcentrationUnit>(code);
    throw BadInput("\"" + std::string(argument) +
                   "\": not a concentration unit; use " + std::string(kUnitArgumentNames) + ".");
}

double CorrectionArgument(SubstanceCorrection correction, const std::string& argument)
{
    const double value = NumberArgument(argument);
    if (const auto problem = CorrectionProblem(correction, value))
        throw BadInput("\"" + argument + "\": " + std::string(*problem));
    return value;
}

void AddCorrectionOptions(CLI::App& command, CorrectionOptions& options)
{
    command.add_option("--equivalents", options.equivalents,
                       "Equivalents per formula unit, what N counts (default 1, or the substance's)");
    command.add_option("--pure-density", options.pureDensity,
                       "Density of the pure liquid, g/mL, for % v/v when the density table has no "
                       "100 % row");
}

void AddConvertCommand(CLI::App& cli, CliContext& context)
{
    auto options = std::make_shared<ConvertOptions>();
    CLI::App* command = cli.add_subcommand(
        "convert", "Set a concentration on a component and show it in every unit it can have");
    command->add_flag("--json", options->json, "Print one JSON object");
    AddSubstanceChoice(*command, options->source);
    CLI::Option* tableFile = command->add_option(
        "--table-file", options->tableFile,
        "Density table text: pairs of numbers, concentration then density (g/mL), at most "
        "1 MiB; replaces the substance's own table");
    command
        ->add_option("--table-kind", options->tableKind,
                     "What the table's first numbers are: w (% w/w, default), M or m")
        ->needs(tableFile);
    command
        ->add_option("--from", options->from,
                     "Unit of the value: " + std::string(kUnitArgumentNames))
        ->required();
    command->add_option("--value", options->value, "The concentration")->required();
    AddCorrectionOptions(*command, options->corrections);
    command->add_flag("--next", options->next,
                      "Then take the other concentration at which the density table has the "
                      "same density, as the calculator's \"next\" does");
    context.AddCommonOptions(*command);

    command->callback([options, &context] {
        const ConcentrationUnit unit = ConcentrationUnitArgument(options->from);
        const double value = NumberArgument(options->value);
        ConcentrationSet set;
        if (options->source.substance) {
            const SolvoSubstance& entry = SubstanceArgument(*options->source.substance, context);
            set.SetMolarMass(entry.MolarMass());
            set.Table() = entry.Table();
            set.SetEquivalents(entry.Equivalents());
            set.SetPureDensity(entry.PureDensity());
        } else if (options->source.library) {
            const SolvoSubstance entry = LibraryArgument(*options->source.library, context);
            set.SetMolarMass(entry.MolarMass());
            set.Table() = entry.Table();
        } else {
            set.SetMolarMass(MolarMassOf(options->source, context));
        }
        if (options->tableFile) {
            const DensityTableKind kind = TableKindArgument(options->tableKind);
            set.Table().SetText(ReadTableFile(*options->tableFile));
            set.Table().SetKind(kind);
            set.Table().SetNoTable(false);
        }
        ApplyCorrectionOptions(options->corrections, set);
        set.ParseDensityTable();
        if (!set.Offers(unit))
            throw BadInput("\"" + options->from +
                           "\": " + std::string(kNoPureDensityMessage));
        set.SetConcentration(value, unit);
        if (options->next)
            set.SelectOtherRoot();

        if (options->json) {
            std::cout << Describe(set).dump(2) << '\n';
            return;
        }
        CSolvoApp& app = context.App();
        app.ReadUnitLabels();
        std::cout << PlainText(set, app.Units(), app.DisplayDigits());
    });
}

} // namespace solvo
