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

int main(int argc, char* argv[])
{
    using solvo::ExitStatus;
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
        std::cerr << "solvo-cli: " << error.what() << "\n\n" << cli.help();
        return static_cast<int>(ExitStatus::Usage);
    } catch (const solvo::BadInput& error) {
        std::cerr << error.what() << '\n';
        return static_cast<int>(ExitStatus::BadInput);
    }
    return static_cast<int>(ExitStatus::Success);
}
