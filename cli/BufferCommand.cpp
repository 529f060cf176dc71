#include "BufferCommand.h"

#include "BufferArguments.h"
#include "CliContext.h"
#include "CliOutput.h"
#include "ConvertCommand.h"
#include "LiteralPositionals.h"
#include "buffers/BufferCatalogue.h"
#include "buffers/BufferError.h"
#include "buffers/BufferFormReader.h"
#include "buffers/BufferModel.h"
#include "buffers/BufferRecipe.h"
#include "buffers/BufferWarnings.h"
#include "quantities/NumberFormat.h"

#include <iostream>
#include <memory>
#include <optional>
#include <sstream>

namespace solvo {

namespace {

struct SystemsOptions {
    bool json = false;
};

struct PhOptions {
    bool json = false;
    std::string temperature = "25";
    std::shared_ptr<std::vector<std::string>> forms = std::make_shared<std::vector<std::string>>();
};

struct MakeOptions {
    bool json = false;
    std::string temperature = "25";
    std::string ph;
    std::string total;
    std::optional<std::string> pair;
    std::optional<std::string> titrate;
    std::optional<std::string> with;
    std::vector<std::string> add;
    std::optional<std::string> volume;
};

const BufferCatalogue& Catalogue()
{
    return BufferCatalogue::BuiltIn();
}

// The core's refusals are the command's bad input, in its own words.
template <typename Work>
void Run(Work work)
{
    try {
        work();
    } catch (const BufferError& error) {
        throw BadInput(CliOutput::Utf8(error.what()));
    }
}

void Systems(const SystemsOptions& options)
{
    nlohmann::ordered_json all = nlohmann::ordered_json::array();
    std::ostringstream text;
    for (const BufferSystem& system : Catalogue().Systems()) {
        nlohmann::ordered_json json;
        json["name"] = system.Name();
        json["compound"] = system.Compound();
        nlohmann::ordered_json forms = nlohmann::ordered_json::array();
        for (std::size_t j = 0; j <= system.StepCount(); ++j)
            forms.push_back(system.SpeciesFormula(j));
        json["forms"] = forms;
        text << system.Name() << " (" << system.Compound() << "): " << forms.size() << " forms\n";
        nlohmann::ordered_json steps = nlohmann::ordered_json::array();
        for (std::size_t j = 0; j < system.StepCount(); ++j) {
            const IonisationConstant& step = system.Step(j);
            nlohmann::ordered_json line;
            line["step"] = system.StepNumber(j);
            line["pK"] = step.Pk25();
            line["dH_kJ_per_mol"] = step.Enthalpy();
            line["dCp_J_per_K_mol"] = step.HeatCapacity();
            line["source"] = system.StepSource(j); // UTF-8, as in the data file
            steps.push_back(std::move(line));
            text << "  " << system.SpeciesFormula(j) << " / " << system.SpeciesFormula(j + 1) << "  pK "
                 << CliOutput::Text(step.Pk25()) << ", \u0394H " << CliOutput::Text(step.Enthalpy())
                 << " kJ/mol, \u0394Cp " << CliOutput::Text(step.HeatCapacity()) << " J/(K\u00B7mol)  ["
                 << system.StepSource(j) << "]\n";
        }
        json["steps"] = steps;
        all.push_back(std::move(json));
    }
    std::cout << (options.json ? all.dump(2) + '\n' : text.str());
}

void Ph(const PhOptions& options, CliContext& context)
{
    CSolvoApp& app = context.App();
    const BufferFormReader reader(app.Elements(), Catalogue());
    const BufferModel model(Catalogue(), NumberArgument(options.temperature));
    BufferAmounts amounts(Catalogue().Systems().size());
    for (const std::string& argument : *options.forms) {
        const FormWithNumber part = BufferArguments::FormAndNumber(argument, reader, false);
        amounts.Add(part.form, part.number);
    }
    const BufferSolution solution = model.Solve(amounts);
    const std::vector<BufferSpecies> species = model.Species(amounts, solution);
    const std::vector<std::string> warnings = BufferWarnings::ForSolution(model, solution);
    if (options.json) {
        nlohmann::ordered_json json;
        json["ph"] = CliOutput::Number(solution.pH);
        json["temperature"] = CliOutput::Number(model.Celsius());
        json["ionic_strength"] = CliOutput::Number(solution.ionicStrength);
        json["capacity"] = CliOutput::Number(solution.capacity);
        json["species"] = BufferArguments::Species(species);
        json["warnings"] = BufferArguments::Warnings(warnings);
        std::cout << json.dump(2) << '\n';
        return;
    }
    const int digits = app.DisplayDigits();
    std::cout << BufferArguments::StateLine(solution, model.Celsius(), digits) << '\n';
    for (const BufferSpecies& one : species)
        std::cout << "  " << CliOutput::Utf8(one.formula) << "  " << FormatSignificant(one.molPerL, digits, digits)
                  << " mol/L, \u03B3 " << FormatSignificant(one.activityCoefficient, digits, digits) << '\n';
    std::cout << BufferArguments::NoteLines(warnings);
}

BufferRecipe MakeRecipe(const MakeOptions& options, const BufferModel& model, const BufferFormReader& reader)
{
    const double pH = NumberArgument(options.ph);
    const double total = NumberArgument(options.total);
    std::vector<BufferIngredient> others;
    for (const std::string& argument : options.add) {
        const FormWithNumber part = BufferArguments::FormAndNumber(argument, reader, false);
        others.push_back({part.form, part.number, 0.0});
    }
    if (options.pair) {
        const auto [acid, base] = BufferArguments::Pair(*options.pair, reader);
        return BufferRecipe::ForPair(model, acid, base, total, others, pH);
    }
    const FormWithNumber form = BufferArguments::FormAndNumber(*options.titrate, reader, true);
    if (form.numberGiven)
        throw BadInput("--titrate \"" + *options.titrate + "\": the amount is --total.");
    const FormWithNumber titrant = BufferArguments::FormAndNumber(*options.with, reader, true);
    if (titrant.numberGiven && !(titrant.number > 0.0))
        throw BadInput("--with \"" + *options.with + "\": a stock holds more than 0 mol/L.");
    return BufferRecipe::ForTitration(model, form.form, total, titrant.form, titrant.number, others, pH);
}

void Make(const MakeOptions& options, CliContext& context)
{
    if (options.pair.has_value() == options.titrate.has_value())
        throw CLI::ValidationError("buffer make", "give either --pair or --titrate with --with");
    if (options.titrate.has_value() != options.with.has_value())
        throw CLI::ValidationError("buffer make", "--titrate and --with go together");
    CSolvoApp& app = context.App();
    const BufferFormReader reader(app.Elements(), Catalogue());
    const BufferModel model(Catalogue(), NumberArgument(options.temperature));
    std::optional<double> litres;
    if (options.volume) {
        const double millilitres = NumberArgument(*options.volume);
        if (!(millilitres > 0.0 && std::isfinite(millilitres)))
            throw BadInput("--volume \"" + *options.volume + "\": give a volume above 0 mL.");
        litres = millilitres / 1000.0;
    }
    const BufferRecipe recipe = MakeRecipe(options, model, reader);

    const int digits = app.DisplayDigits();
    nlohmann::ordered_json forms = nlohmann::ordered_json::array();
    std::ostringstream text;
    for (const BufferIngredient& ingredient : recipe.Ingredients()) {
        nlohmann::ordered_json json;
        json["formula"] = CliOutput::Utf8(ingredient.form.formula);
        json["mol_per_L"] = CliOutput::Number(ingredient.molPerL);
        const bool stock = ingredient.stockMolar > 0.0;
        json["grams"] = litres && !stock ? CliOutput::Number(ingredient.Grams(*litres)) : nullptr;
        json["millilitres"] = litres && stock ? CliOutput::Number(ingredient.Millilitres(*litres)) : nullptr;
        forms.push_back(std::move(json));
        text << CliOutput::Utf8(ingredient.form.formula) << "  " << FormatSignificant(ingredient.molPerL, digits, digits)
             << " mol/L";
        if (stock)
            text << " from " << FormatDefault(ingredient.stockMolar, digits) << " M stock";
        if (litres && stock)
            text << ", " << FormatSignificant(ingredient.Millilitres(*litres), digits, digits) << " mL";
        else if (litres)
            text << ", " << FormatSignificant(ingredient.Grams(*litres), digits, digits) << " g";
        text << '\n';
    }
    if (options.json) {
        nlohmann::ordered_json json;
        json["forms"] = forms;
        json["ph"] = CliOutput::Number(recipe.Solution().pH);
        json["temperature"] = CliOutput::Number(model.Celsius());
        json["ionic_strength"] = CliOutput::Number(recipe.Solution().ionicStrength);
        json["capacity"] = CliOutput::Number(recipe.Solution().capacity);
        json["warnings"] = BufferArguments::Warnings(recipe.Warnings());
        std::cout << json.dump(2) << '\n';
        return;
    }
    if (litres)
        text << "for " << FormatDefault(*litres * 1000.0, digits) << " mL\n";
    std::cout << text.str() << BufferArguments::StateLine(recipe.Solution(), model.Celsius(), digits) << '\n'
              << BufferArguments::NoteLines(recipe.Warnings());
}

} // namespace

void AddBufferCommand(CLI::App& cli, CliContext& context)
{
    CLI::App* buffer = cli.add_subcommand(
        "buffer", "Buffers at a stated pH, from thermodynamic constants with activity corrections");
    buffer->require_subcommand(1);

    auto systemsOptions = std::make_shared<SystemsOptions>();
    CLI::App* systems = buffer->add_subcommand(
        "systems", "List the buffer systems: their forms, pK at 25 \u00B0C with \u0394H and \u0394Cp, and sources");
    systems->add_flag("--json", systemsOptions->json, "Print one JSON array");
    systems->callback([systemsOptions] { Systems(*systemsOptions); });

    const char* temperatureHelp = "Temperature, \u00B0C (default 25)";
    auto phOptions = std::make_shared<PhOptions>();
    CLI::App* ph = buffer->add_subcommand("ph", "The pH of a mixture of forms, as a pH meter reads it");
    ph->add_flag("--json", phOptions->json, "Print one JSON object");
    ph->add_option("--temperature", phOptions->temperature, temperatureHelp);
    AddLiteralPositionals(*ph, "FORM=MOL_PER_L",
                          "A form (a formula; water of crystallisation after \".\" or \"&\") and its mol "
                          "per litre of the final solution",
                          phOptions->forms);
    context.AddCommonOptions(*ph);
    ph->callback([phOptions, &context] { Run([&] { Ph(*phOptions, context); }); });

    auto makeOptions = std::make_shared<MakeOptions>();
    CLI::App* make = buffer->add_subcommand("make", "The amounts that give a buffer of a stated pH");
    make->add_flag("--json", makeOptions->json, "Print one JSON object");
    make->add_option("--temperature", makeOptions->temperature, temperatureHelp);
    make->add_option("--ph", makeOptions->ph, "The pH wanted")->required();
    make->add_option("--total", makeOptions->total,
                     "mol/L of the buffer: the two forms together, or the titrated form")
        ->required();
    make->add_option("--pair", makeOptions->pair, "ACID_FORM,BASE_FORM: two forms mixed to the pH");
    make->add_option("--titrate", makeOptions->titrate, "FORM: one form brought to the pH with --with");
    make->add_option("--with", makeOptions->with,
                     "STRONG[=STOCK_M]: the strong acid or base that titrates, from a stock of that "
                     "molarity when given");
    make->add_option_function<std::string>(
            "--add", [makeOptions](const std::string& value) { makeOptions->add.push_back(value); },
            "FORM=MOL_PER_L: another component (a salt) that counts for the ionic strength; repeatable")
        ->trigger_on_parse()
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    make->add_option("--volume", makeOptions->volume, "mL of buffer: grams and millilitres for that volume");
    context.AddCommonOptions(*make);
    make->callback([makeOptions, &context] { Run([&] { Make(*makeOptions, context); }); });
}

} // namespace solvo
