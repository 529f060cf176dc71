#include "DbContentCommands.h"

#include "CliContext.h"
#include "CliOutput.h"
#include "CliPrompts.h"
#include "ComponentJson.h"
#include "ComponentText.h"
#include "DatabaseSave.h"
#include "app/CSolvoApp.h"
#include "app/DatabaseCommands.h"
#include "app/MemorySettingsStore.h"
#include "quantities/NumberFormat.h"
#include "substances/PasswordDigest.h"
#include "substances/SubstanceCsv.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

namespace solvo {

namespace {

struct ShowOptions {
    bool json = false;
    std::string name;
};

struct ExportOptions {
    bool json = false;
    bool csv = false;
};

struct InitOptions {
    std::string path;
    bool force = false;
    std::optional<std::string> password;
};

const SolvoSubstance& FindSubstance(const CSolvoApp& app, const std::string& name)
{
    const SolvoSubstance* substance = app.Substances().FindByName(CliOutput::ProgramText(name));
    if (!substance)
        throw BadInput("\"" + name + "\": no substance of this name in the program database.");
    return *substance;
}

void Show(const ShowOptions& options, CliContext& context)
{
    CSolvoApp& app = context.App();
    const SolvoSubstance& substance = FindSubstance(app, options.name);
    if (options.json) {
        std::cout << ComponentToJson(substance).dump(2) << '\n';
        return;
    }
    app.ReadUnitLabels();
    std::cout << ComponentText(app.Units(), app.DisplayDigits()).Describe(1, substance);
}

nlohmann::ordered_json Elements(const ElementTable& table)
{
    nlohmann::ordered_json elements = nlohmann::ordered_json::array();
    for (std::int32_t index = 0; index < table.Count(); ++index) {
        const Element& entry = table.Entry(index);
        nlohmann::ordered_json json;
        json["symbol"] = CliOutput::Utf8(entry.symbol);
        json["composition"] = CliOutput::Utf8(entry.composition);
        json["comment"] = CliOutput::Utf8(entry.comment);
        json["molar_mass"] = CliOutput::Number(entry.molarMass);
        json["decimals"] = entry.decimals;
        elements.push_back(std::move(json));
    }
    return elements;
}

void Export(const ExportOptions& options, CliContext& context)
{
    CSolvoApp& app = context.App();
    const SolvoSubstanceDatabase& database = app.Substances();
    if (options.csv) {
        std::cout << SubstanceCsv::Write(database);
        return;
    }
    if (options.json) {
        nlohmann::ordered_json json;
        // Whether there is a password, never the digest itself.
        json["digest_set"] = !app.PasswordDigest().empty();
        json["elements"] = Elements(app.Elements());
        nlohmann::ordered_json substances = nlohmann::ordered_json::array();
        for (std::int32_t index = 0; index < database.GetSubstanceCount(); ++index)
            substances.push_back(ComponentToJson(database.GetSubstance(index)));
        json["substances"] = std::move(substances);
        std::cout << json.dump(2) << '\n';
        return;
    }
    app.ReadUnitLabels();
    const ElementTable& elements = app.Elements();
    std::string out = "Program database\n";
    out += ComponentText::Line("password", app.PasswordDigest().empty() ? "none" : "set");
    out += ComponentText::Line("elements", std::to_string(ElementTable::kBuiltInCount));
    out += ComponentText::Line(
        "moieties", std::to_string(elements.Count() - ElementTable::kBuiltInCount));
    for (std::int32_t index = ElementTable::kBuiltInCount; index < elements.Count(); ++index) {
        const Element& moiety = elements.Entry(index);
        out += ComponentText::Line(
            ("  " + moiety.symbol).c_str(),
            CliOutput::Utf8(moiety.composition) + "  " +
                FormatDefault(moiety.molarMass, app.DisplayDigits()) + " g/mol");
    }
    out += ComponentText::Line("substances", std::to_string(database.GetSubstanceCount()));
    const ComponentText text(app.Units(), app.DisplayDigits());
    for (std::int32_t index = 0; index < database.GetSubstanceCount(); ++index)
        out += '\n' + text.Describe(index + 1, database.GetSubstance(index));
    std::cout << out;
}

// What is at path when it is no database that --force may replace: a
// folder, FIFO or device, or a file that does not load as a database (a
// damaged one is the user's to look into, not to lose).
std::optional<std::string> NotADatabase(const FilePath& path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    switch (fs::status(path.Native(), error).type()) {
    case fs::file_type::not_found:
        return std::nullopt;
    case fs::file_type::regular:
        break;
    case fs::file_type::directory:
        return "is a folder, not a database file.";
    case fs::file_type::fifo:
        return "is a FIFO, not a database file.";
    case fs::file_type::block:
    case fs::file_type::character:
        return "is a device, not a database file.";
    default:
        return "is not a regular file, so not a database file.";
    }
    MemorySettingsStore store;
    CSolvoApp app(store, DataFolder(path.Folder()));
    CliPrompts prompts(CliPrompts::Messages::Keep);
    if (app.LoadDatabaseFile(path, prompts))
        return std::nullopt;
    return "is not a Solvo database file, or a damaged one; nothing was replaced.";
}

void Init(const InitOptions& options)
{
    const FilePath path = FilePath::FromUtf8(options.path);
    std::error_code error;
    if (!options.force && std::filesystem::exists(path.Native(), error))
        throw BadInput(options.path + ": exists; use --force to replace it.");
    if (const auto problem = NotADatabase(path))
        throw BadInput(options.path + ": " + *problem);
    // A database of its own: the user's settings and files play no part.
    MemorySettingsStore store;
    CSolvoApp app(store, DataFolder(path.Folder()));
    app.InstallDefaults();
    const std::optional<std::string> password = PasswordArgument(options.password);
    // The replaced file's protection stays with the new content.
    if (password)
        app.SetPasswordDigest(PasswordDigest(*password));
    SaveDatabaseOrThrow(app, path, options.path, password);
}

} // namespace

void AddDbContentCommands(CLI::App& db, CliContext& context)
{
    auto show = std::make_shared<ShowOptions>();
    CLI::App* showCommand =
        db.add_subcommand("show", "One substance of the database, every field");
    showCommand->add_flag("--json", show->json, "Print one JSON object in the component shape");
    showCommand->add_option("NAME", show->name, "The substance's name, exactly")->required();
    context.AddCommonOptions(*showCommand);
    showCommand->callback([show, &context] { Show(*show, context); });

    auto exportOptions = std::make_shared<ExportOptions>();
    CLI::App* exportCommand = db.add_subcommand(
        "export", "The whole database: password set or not, elements and moieties, substances");
    CLI::Option* json =
        exportCommand->add_flag("--json", exportOptions->json, "Print one JSON object");
    exportCommand
        ->add_flag("--csv", exportOptions->csv,
                   "Print the substances as CSV (UTF-8), the columns that db import reads")
        ->excludes(json);
    context.AddCommonOptions(*exportCommand);
    exportCommand->callback([exportOptions, &context] { Export(*exportOptions, context); });

    auto init = std::make_shared<InitOptions>();
    CLI::App* initCommand =
        db.add_subcommand("init", "Write the built-in default database to a file");
    initCommand->add_option("PATH", init->path, "The database file to write")->required();
    initCommand->add_flag("--force", init->force, "Replace an existing file");
    initCommand->add_option("--password", init->password,
                            "The password of the file to replace, when it has one; the new "
                            "file is protected by it");
    initCommand->callback([init] { Init(*init); });
}

} // namespace solvo
