#include "FormulaCommand.h"

#include "CliContext.h"
#include "CliOutput.h"
#include "LiteralPositionals.h"
#include "formula/ChemicalFormula.h"
#include "formula/ElementTable.h"

#include <iostream>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

namespace solvo {

namespace {

struct FormulaOptions {
    bool json = false;
    std::shared_ptr<std::vector<std::string>> formulas = std::make_shared<std::vector<std::string>>();
};

constexpr char kKindLetters[] = {'N', 'S', 'P', 'D'};

// What the command reports of one formula, made once and then written as
// JSON or as text.
struct FormulaReport {
    std::string formula;
    std::string display;
    std::string kinds;
    bool failed = false;
    double molarMass = 0.0;
    double mixtureMolarMass = 0.0;
    std::vector<std::pair<std::string, std::int32_t>> composition;
    std::int32_t charge = 0;
    std::string ordered;
    std::string html;
    std::string rtf;
    std::string ubbc;
    std::string latex;
    std::string_view failure;
};

FormulaReport Describe(const std::string& given, const ChemicalFormula& formula,
                       const ElementTable& table)
{
    FormulaReport report;
    report.formula = given;
    report.display = CliOutput::Utf8(formula.DisplayText());
    for (const CharKind kind : formula.Kinds())
        report.kinds += kKindLetters[static_cast<int>(kind)];
    const Composition composition = formula.FormulaComposition();
    report.failed = formula.Failed();
    report.molarMass = formula.MolarMass();
    report.mixtureMolarMass = formula.MixtureMolarMass();
    for (std::int32_t index = 1; index < table.Count(); ++index) {
        if (const auto count = composition[static_cast<std::size_t>(index)])
            report.composition.emplace_back(CliOutput::Utf8(table.Entry(index).symbol), count);
    }
    report.charge = composition.empty() ? 0 : composition[ElementTable::kElectron];
    if (!report.failed)
        report.ordered = CliOutput::Utf8(ChemicalFormula::OrderedTextOf(table, composition));
    report.html = CliOutput::Utf8(formula.HtmlText());
    report.rtf = CliOutput::Utf8(formula.RtfText());
    report.ubbc = CliOutput::Utf8(formula.UbbcText());
    report.latex = CliOutput::Utf8(formula.LatexText());
    report.failure = formula.CountTooLarge() ? "a count is too large"
                                             : "a symbol is not in the element and moiety table";
    return report;
}

nlohmann::ordered_json Json(const FormulaReport& report)
{
    nlohmann::ordered_json json;
    json["formula"] = report.formula;
    json["display"] = report.display;
    json["kinds"] = report.kinds;
    json["failed"] = report.failed;
    json["molar_mass"] = CliOutput::Number(report.molarMass);
    json["mixture_molar_mass"] = CliOutput::Number(report.mixtureMolarMass);
    nlohmann::ordered_json counts = nlohmann::ordered_json::object();
    for (const auto& [symbol, count] : report.composition)
        counts[symbol] = count;
    json["composition"] = counts;
    json["charge"] = report.charge;
    json["ordered"] = report.ordered;
    json["html"] = report.html;
    json["rtf"] = report.rtf;
    json["ubbc"] = report.ubbc;
    json["latex"] = report.latex;
    return json;
}

void AppendText(std::string& out, const FormulaReport& report)
{
    const auto line = [&out](std::string_view label, std::string_view value) {
        out.append("  ").append(label).append(20 - label.size(), ' ').append(value) += '\n';
    };
    const auto number = [](double value) {
        const nlohmann::ordered_json json = CliOutput::Number(value);
        return (json.is_string() ? json.get<std::string>() : CliOutput::Text(value)) + " g/mol";
    };
    out.append(report.formula) += '\n';
    if (report.failed)
        line("status:", "failed: " + std::string(report.failure));
    line("display:", report.display);
    line("kinds:", report.kinds);
    line("molar mass:", number(report.molarMass));
    line("mixture molar mass:", number(report.mixtureMolarMass));
    std::string counts;
    for (const auto& [symbol, count] : report.composition)
        counts.append(counts.empty() ? "" : ", ").append(symbol).append(" ").append(std::to_string(count));
    line("composition:", counts);
    line("charge:", std::to_string(report.charge));
    line("ordered:", report.ordered);
    line("html:", report.html);
    line("rtf:", report.rtf);
    line("ubbc:", report.ubbc);
    line("latex:", report.latex);
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
        // Every argument is checked before anything is printed.
        std::vector<std::string> texts;
        texts.reserve(options->formulas->size());
        for (const auto& given : *options->formulas)
            texts.push_back(CliOutput::ProgramText(given));
        ChemicalFormula formula(table);
        if (options->json) {
            nlohmann::ordered_json all = nlohmann::ordered_json::array();
            for (std::size_t k = 0; k < texts.size(); ++k) {
                formula.SetText(texts[k]);
                all.push_back(Json(Describe((*options->formulas)[k], formula, table)));
            }
            std::cout << all.dump(2) << '\n';
            return;
        }
        // Written a block at a time: ten thousand formulas make megabytes.
        constexpr std::size_t kBlock = 1 << 16;
        std::string text;
        for (std::size_t k = 0; k < texts.size(); ++k) {
            formula.SetText(texts[k]);
            if (k > 0)
                text += '\n';
            AppendText(text, Describe((*options->formulas)[k], formula, table));
            if (text.size() >= kBlock) {
                std::cout << text;
                text.clear();
            }
        }
        std::cout << text;
    });
}

} // namespace solvo
