#include "DbCommand.h"

#include "CliContext.h"
#include "CliOutput.h"
#include "DbContentCommands.h"
#include "DbLibraryCommands.h"
#include "quantities/NumberFormat.h"
#include "substances/SubstanceFilter.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace solvo {

namespace {

struct ListOptions {
    bool json = false;
    std::string filter = ".";
    std::string by = "name";
};

// Characters, not bytes, so that columns line up after accented letters.
std::size_t Width(const std::string& utf8)
{
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string PlainText(const std::vector<std::vector<std::string>>& table)
{
    std::vector<std::size_t> widths;
    for (const auto& row : table) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t column = 0; column < row.size(); ++column)
            widths[column] = std::max(widths[column], Width(row[column]));
    }
    std::ostringstream out;
    for (const auto& row : table) {
        std::string line;
        for (std::size_t column = 0; column < row.size(); ++column) {
            const std::string padding(widths[column] - Width(row[column]), ' ');
            // The index and the molar mass are numbers: right-aligned.
            if (column == 0 || column + 1 == row.size())
                line += padding + row[column];
            else
                line += row[column] + padding;
            if (column + 1 < row.size())
                line += "  ";
        }
        out << line << '\n';
    }
    return out.str();
}

void List(const ListOptions& options, CliContext& context)
{
    const std::string filterText = CliOutput::ProgramText(options.filter);
    const FilterField field = options.by == "formula" ? FilterField::Formula : FilterField::Name;
    const SubstanceFilter filter(filterText);
    if (filter.Error())
        throw BadInput("--filter \"" + options.filter +
                       "\": " + CliOutput::Utf8(filter.Error()->message));

    const CSolvoApp& app = context.App();
    const SolvoSubstanceDatabase& database = app.Substances();
    const SubstanceOrder order(database, field);
    const std::vector<SubstanceListRow> rows = filter.List(order);
    if (options.json) {
        nlohmann::ordered_json all = nlohmann::ordered_json::array();
        for (const SubstanceListRow& row : rows) {
            const SolvoSubstance& substance = database.GetSubstance(row.index);
            nlohmann::ordered_json json;
            json["index"] = row.index;
            json["name"] = CliOutput::Utf8(substance.Name());
            json["formula"] = CliOutput::Utf8(substance.Formula());
            json["molar_mass"] = CliOutput::Number(substance.MolarMass());
            all.push_back(std::move(json));
        }
        std::cout << all.dump(2) << '\n';
        return;
    }
    if (rows.empty()) {
        std::cout << "No substance of the " << database.GetSubstanceCount()
                  << " in the database passes the filter.\n";
        return;
    }
    std::vector<std::vector<std::string>> table = {{"index", "name", "formula", "molar mass"}};
    for (const SubstanceListRow& row : rows) {
        const SolvoSubstance& substance = database.GetSubstance(row.index);
        table.push_back({std::to_string(row.index), CliOutput::Utf8(substance.Name()),
                         CliOutput::Utf8(substance.Formula()),
                         FormatDefault(substance.MolarMass(), app.DisplayDigits())});
    }
    std::cout << PlainText(table);
}

} // namespace

void AddDbCommand(CLI::App& cli, CliContext& context)
{
    CLI::App* db = cli.add_subcommand("db", "The program database of substances");
    db->require_subcommand(1);

    auto options = std::make_shared<ListOptions>();
    CLI::App* list = db->add_subcommand(
        "list", "List the substances, filtered and sorted as the substance database dialog "
                "lists them");
    list->add_flag("--json", options->json, "Print one JSON array");
    list->add_option("--filter", options->filter,
                     "A pattern that must match somewhere in the shown text: . any character, "
                     "[a-z] [^0-9] sets, ( ) groups, | alternatives, * + ? repeats, \\i after a "
                     "part lets its capitals match small letters, \\ escapes; \".\" or an "
                     "empty pattern lists all (default: .)");
    list->add_option("--by", options->by,
                     "The text shown, filtered and sorted by: name (default) or formula")
        ->check(CLI::IsMember({"name", "formula"}));
    context.AddCommonOptions(*list);
    list->callback([options, &context] { List(*options, context); });

    AddDbContentCommands(*db, context);
    AddDbLibraryCommands(*db, context);
}

} // namespace solvo
