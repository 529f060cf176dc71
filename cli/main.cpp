#include "BufferCommand.h"
#include "CliContext.h"
#include "CliOutput.h"
#include "ConvertCommand.h"
#include "DbCommand.h"
#include "FormulaCommand.h"
#include "MixCommand.h"
#include "RecipeCommand.h"
#include "ShowCommand.h"
#include "WriteCommand.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace {

using solvo::ExitStatus;

bool IsOptionOf(const CLI::App& app, const std::string& name)
{
    if (app.get_option_no_throw(name))
        return true;
    for (const CLI::App* command : app.get_subcommands())
        if (IsOptionOf(*command, name))
            return true;
    return false;
}

// A file name that begins with a dash reads as an option that does not
// exist; the way to give it is "--" before it.
std::string DashHint(const CLI::App& cli, int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--")
            break;
        const std::string name = argument.substr(0, argument.find('='));
        if (argument.size() > 1 && argument[0] == '-' && !IsOptionOf(cli, name))
            return "\nsolvo-cli: \"" + argument + "\" is no option here; to give a file or "
                   "value that begins with a dash, put -- before it: -- " + argument;
    }
    return {};
}

int Run(int argc, char* argv[])
{
    CLI::App cli("solvo-cli: Solvo's formulas, concentrations, solutions and recipes "
                 "for scripts and batch jobs",
                 "solvo-cli");
    cli.set_version_flag("--version", SOLVO_VERSION_TEXT);
    cli.require_subcommand(1);

    solvo::CliContext context;
    solvo::AddFormulaCommand(cli, context);
    solvo::AddConvertCommand(cli, context);
    solvo::AddMixCommand(cli, context);
    solvo::AddRecipeCommand(cli, context);
    solvo::AddShowCommand(cli, context);
    solvo::AddWriteCommand(cli, context);
    solvo::AddDbCommand(cli, context);
    solvo::AddBufferCommand(cli, context);

    try {
        cli.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << cli.help();
        return static_cast<int>(ExitStatus::Success);
    } catch (const CLI::CallForVersion&) {
        std::cout << SOLVO_VERSION_TEXT << '\n';
        return static_cast<int>(ExitStatus::Success);
    } catch (const CLI::ParseError& error) {
        std::cerr << "solvo-cli: " << error.what() << DashHint(cli, argc, argv) << "\n\n"
                  << cli.help();
        return static_cast<int>(ExitStatus::Usage);
    } catch (const solvo::BadInput& error) {
        std::cerr << error.what() << '\n';
        return static_cast<int>(ExitStatus::BadInput);
    }
    return static_cast<int>(ExitStatus::Success);
}

} // namespace

int main(int argc, char* argv[])
{
    const int status = Run(argc, argv);
    // A full disk or a closed pipe shows only now, when the last of the
    // output is flushed: a result that never arrived is no success.
    if (const auto reason = solvo::CliOutput::FlushStandardOutput()) {
        std::cerr << "standard output: " << *reason << ".\n";
        return static_cast<int>(ExitStatus::BadInput);
    }
    return status;
}
