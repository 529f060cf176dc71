#include "FormulaCommand.h"

#include "CliContext.h"
#include "CliOutput.h"
#include "LiteralPositionals.h"
#include "formula/ChemicalFormula.h"
#include "formula/ElementTable.h"

#include <iostream>
#include <memory>
#include <sstream>

namespace solvo {

namespace {

struct FormulaOptions {
    bool json = false;
    std::shared_ptr<std::vector<std::string>> formulas = std::make_shared<std::vector<std::string>>();
};

constexpr char kKindLetters[] = {'N', 'S', 'P', 'D'};

std::string KindLetters(const ChemicalFormula& formula)
{
    std::string letters;
    for (const CharKind kind : formula.Kinds())
        letters += kKindLetters[static_cast<int>(kind)];
    return letters;
}

nlohmann::ordered_json Describe(const std::string& given, const ChemicalFormula& formula,
                                const ElementTable& table)
{
    nlohmann::ordered_json json;
    json["formula"] = given;
    json["display"] = CliOutput::Utf8(formula.DisplayText());
    json["kinds"] = KindLetters(formula);
    const Composition composition = formula.FormulaComposition();
    json["failed"] = formula.Failed();
    json["molar_mass"] = CliOutput::Number(formula.MolarMass());
    json["mixture_molar_mass"] = CliOutput::Number(formula.MixtureMolarMass());
    nlohmann::ordered_json counts = nlohmann::ordered_json::object();
    for (std::int32_t index = 1; index < table.Count(); ++index) {
        if (const auto count = composition[static_cast<std::size_t>(index)])
            counts[CliOutput::Utf8(table.Entry(index).symbol)] = count;
    }
    json["composition"] = counts;
    json["charge"] = composition.empty() ? 0 : composition[ElementTable::kElectron];
    json["ordered"] = CliOutput::Utf8(formula.OrderedText());
    json["html"] = CliOutput::Utf8(formula.HtmlText());
    json["rtf"] = CliOutput::Utf8(formula.RtfText());
    json["ubbc"] = CliOutput::Utf8(formula.UbbcText());
    json["latex"] = CliOutput::Utf8(formula.LatexText());
    return json;
}

std::string PlainText(const nlohmann::ordered_json& json, std::string_view failure)
{
    std::ostringstream out;
    const auto line = [&](const char* label, const std::string& value) {
        out << "  " << label << std::string(20 - std::string_view(label).size(), ' ') << value
            << '\n';
    };
    const auto number = [](const nlohmann::ordered_json& value) {
        return value.is_string() ? value.get<std::string>() : CliOutput::Text(value.get<double>());
    };
    out << json["formula"].get<std::string>() << '\n';
    if (json["failed"].get<bool>())
        line("status:", "failed: " + std::string(failure));
    line("display:", json["display"].get<std::string>());
    line("kinds:", json["kinds"].get<std::string>());
    line("molar mass:", number(json["molar_mass"]) + " g/mol");
    line("mixture molar mass:", number(json["mixture_molar_mass"]) + " g/mol");
    std::string counts;
    for (const auto& [symbol, count] : json["composition"].items())
        counts += (counts.empty() ? "" : ", ") + symbol + " " + std::to_string(count.get<int>());
    line("composition:", counts);
    line("charge:", std::to_string(json["charge"].get<int>()));
    line("ordered:", json["ordered"].get<std::string>());
    line("html:", json["html"].get<std::string>());
    line("rtf:", json["rtf"].get<std::string>());
    line("ubbc:", json["ubbc"].get<std::string>());
    line("latex:", json["latex"].get<std::string>());
    return out.str();
}

} // namespace

void AddFormulaCommand(CLI::App& cli, CliContext& context)
{
    auto options = std::make_shared<FormulaOptions>();
    CLI::App* command = cli.add_subcommand(
        "formula", "Parse chemical formulas: molar mass, composition and markup forms");
    command->add_flag("--json", options->json, "Print one JSON array");
    AddLiteralPositionals(*command, "FORMULA",
                          "Formulas with markup: _ subscript, ^ superscript or charge, "
                          "{} grouping, & water of crystallisation",
                          options->formulas);
    context.AddCommonOptions(*command);
    command->callback([options, &context] {
        const ElementTable& table = context.App().Elements();
        nlohmann::ordered_json all = nlohmann::ordered_json::array();
        std::string text;
        for (const auto& given : *options->formulas) {
            const ChemicalFormula formula(table, CliOutput::ProgramText(given));
            all.push_back(Describe(given, formula, table));
            if (options->json)
                continue;
            if (!text.empty())
                text += '\n';
            text += PlainText(all.back(), formula.CountTooLarge()
                                              ? "a count is too large"
                                              : "a symbol is not in the element and moiety table");
        }
        std::cout << (options->json ? all.dump(2) + '\n' : text);
    });
}

} // namespace solvo
