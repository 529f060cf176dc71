#include "DbLibraryCommands.h"

#include "CliContext.h"
#include "CliOutput.h"
#include "ConvertCommand.h"
#include "formula/ChemicalFormula.h"
#include "library/ReagentLibrary.h"
#include "platform/FileAccess.h"
#include "quantities/NumberFormat.h"
#include "substances/SubstanceCsv.h"
#include "substances/SubstanceFilter.h"
#include "substances/SubstanceImport.h"

#include <cmath>
#include <iostream>
#include <memory>
#include <optional>

namespace solvo {

namespace {

struct LibraryOptions {
    bool json = false;
    std::string filter = ".";
};

struct ChangeOptions {
    std::string source; // the solute's name, or the CSV file
    bool force = false;
    std::optional<std::string> password;
};

nlohmann::ordered_json Optional(double value)
{
    return std::isnan(value) ? nlohmann::ordered_json() : CliOutput::Number(value);
}

void List(const LibraryOptions& options, CliContext& context)
{
    const SubstanceFilter filter(CliOutput::ProgramText(options.filter));
    if (filter.Error())
        throw BadInput("--filter \"" + options.filter +
                       "\": " + CliOutput::Utf8(filter.Error()->message));
    CSolvoApp& app = context.App();
    const std::vector<const LibraryRecord*> records = ReagentLibrary::List(filter);
    nlohmann::ordered_json all = nlohmann::ordered_json::array();
    std::string text;
    for (const LibraryRecord* record : records) {
        const double molarMass = ChemicalFormula(app.Elements(), record->formula).MolarMass();
        if (!options.json) {
            text += std::string(record->name) + "  " + record->formula + "  " +
                    FormatDefault(molarMass, app.DisplayDigits()) + " g/mol  " +
                    CliOutput::Utf8(ReagentLibrary::RangeText(*record)) + "  (" +
                    std::to_string(record->rows.size()) + " rows)\n";
            continue;
        }
        nlohmann::ordered_json json;
        json["name"] = record->name;
        json["synonym"] = record->synonym;
        json["formula"] = record->formula;
        json["solid"] = record->solid;
        json["cas"] = record->cas;
        json["molar_mass"] = CliOutput::Number(molarMass);
        json["range"] = {0.0, CliOutput::Number(record->rows.back().w)};
        nlohmann::ordered_json rows = nlohmann::ordered_json::array();
        for (const LibraryRow& row : record->rows)
            rows.push_back({{"w", CliOutput::Number(row.w)},
                            {"m", Optional(row.molality)},
                            {"M", CliOutput::Number(row.molarity)},
                            {"d", CliOutput::Number(row.d)}});
        json["rows"] = std::move(rows);
        all.push_back(std::move(json));
    }
    if (options.json)
        std::cout << all.dump(2) << '\n';
    else if (records.empty())
        std::cout << "No solute of the reagent library passes the filter.\n";
    else
        std::cout << text;
}

// Adds or replaces substances and saves; replacing needs --force.
void Take(const std::vector<SolvoSubstance>& substances, const std::string& from,
          const ChangeOptions& options, CliContext& context)
{
    CSolvoApp& app = context.AppToChange();
    const std::vector<std::string> clashes = SubstanceImport::Clashes(app.Substances(), substances);
    if (!clashes.empty() && !options.force) {
        std::string names;
        for (const std::string& name : clashes)
            names += (names.empty() ? "\"" : ", \"") + CliOutput::Utf8(name) + '"';
        throw BadInput(from + ": the database holds " + names +
                       " already; use --force to replace them.");
    }
    const ImportCounts counts = SubstanceImport::Apply(app.Substances(), substances);
    context.SaveDatabase(options.password);
    std::cout << SubstanceImport::Summary(counts) << ".\n";
}

void AddFromLibrary(const ChangeOptions& options, CliContext& context)
{
    context.AppToChange();
    Take({LibraryArgument(options.source, context)}, options.source, options, context);
}

void Import(const ChangeOptions& options, CliContext& context)
{
    const FilePath path = FilePath::FromUtf8(options.source);
    std::string bytes;
    if (!ReadWholeFile(path, bytes, SubstanceCsv::kLargestFile))
        throw BadInput(options.source + ": cannot be opened.");
    const SubstanceCsvResult read = SubstanceCsv::Read(bytes, context.AppToChange().Elements());
    if (!read.error.empty())
        throw BadInput(options.source + ": " + CliOutput::Utf8(read.error) +
                       " Nothing was imported.");
    Take(read.substances, options.source, options, context);
}

void AddChangeOptions(CLI::App& command, ChangeOptions& options, CliContext& context)
{
    command.add_flag("--force", options.force,
                     "Replace substances of the same name (their stock solution and flags stay)");
    command.add_option("--password", options.password,
                       "The password of the database file, when it has one");
    context.AddCommonOptions(command);
}

} // namespace

void AddDbLibraryCommands(CLI::App& db, CliContext& context)
{
    auto library = std::make_shared<LibraryOptions>();
    CLI::App* libraryCommand = db.add_subcommand(
        "library", "The reagent library: density tables of aqueous solutions at 20 \u00B0C "
                   "(CRC Handbook of Chemistry and Physics, 102nd edition)");
    libraryCommand->add_flag("--json", library->json, "Print one JSON array");
    libraryCommand->add_option("--filter", library->filter,
                               "A pattern that must match somewhere in the name, synonym, "
                               "formula or CAS number, as in db list (default: .)");
    context.AddCommonOptions(*libraryCommand);
    libraryCommand->callback([library, &context] { List(*library, context); });

    auto add = std::make_shared<ChangeOptions>();
    CLI::App* addCommand =
        db.add_subcommand("add", "Add a solute of the reagent library to the database");
    addCommand->add_option("--library", add->source, "The solute's name or synonym (any case)")
        ->required();
    AddChangeOptions(*addCommand, *add, context);
    addCommand->callback([add, &context] { AddFromLibrary(*add, context); });

    auto import = std::make_shared<ChangeOptions>();
    CLI::App* importCommand = db.add_subcommand(
        "import", "Add every substance of a CSV file (UTF-8; columns name, formula, molar_mass, "
                  "density_table as w:d;w:d, table_kind w|M|m, alternatives as F;F), all or "
                  "nothing");
    importCommand->add_option("FILE", import->source, "The CSV file")->required();
    AddChangeOptions(*importCommand, *import, context);
    importCommand->callback([import, &context] { Import(*import, context); });
}

} // namespace solvo
