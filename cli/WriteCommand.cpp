#include "WriteCommand.h"

#include "CliContext.h"
#include "CliOutput.h"
#include "ComponentJson.h"
#include "solution/CSolvoDoc.h"

#include <filesystem>
#include <iostream>
#include <iterator>
#include <memory>

namespace solvo {

namespace {

struct WriteOptions {
    bool force = false;
    std::string file;
};

nlohmann::json ReadStandardInput()
{
    const std::string text{std::istreambuf_iterator<char>(std::cin),
                           std::istreambuf_iterator<char>()};
    try {
        return nlohmann::json::parse(text);
    } catch (const nlohmann::json::parse_error& error) {
        // The library's own tag before the description helps nobody.
        std::string what = error.what();
        const std::size_t tagEnd = what.find("] ");
        if (tagEnd != std::string::npos)
            what.erase(0, tagEnd + 2);
        throw BadInput("standard input: not valid JSON: " + what);
    }
}

// The document from the fields of `show --json`; the version is the one
// saving writes, whatever the input says.
CSolvoDoc SolutionFromJson(const nlohmann::json& json, const ElementTable& elements)
{
    ExpectObject(json, "",
                 {"version", "final_volume", "volume_digits", "volume_unit", "components"});
    CSolvoDoc document;
    if (const nlohmann::json* components = ArrayField(json, "", "components")) {
        for (std::size_t i = 0; i < components->size(); ++i) {
            SolvoSubstance component = ComponentFromJson(
                (*components)[i], "components[" + std::to_string(i) + "]", elements);
            const auto index = static_cast<std::int32_t>(i);
            if (index > 0)
                document.AddComponent(SolvoSubstance());
            // Put in whole: taking a component in keeps no concentration.
            document.GetComponent(index) = std::move(component);
        }
        document.SetCurrentComponent(0);
    }
    if (const auto volume = NumberField(json, "", "final_volume"))
        document.SetFinalVolume(*volume);
    if (const auto digits = IntegerField(json, "", "volume_digits"))
        document.SetVolumeDigits(*digits);
    if (const auto unit = IntegerField(json, "", "volume_unit"))
        document.SetVolumeUnit(static_cast<VolumeUnit>(*unit));
    return document;
}

bool Exists(const FilePath& file)
{
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(file.Native(), error));
}

} // namespace

void AddWriteCommand(CLI::App& cli, CliContext& context)
{
    auto options = std::make_shared<WriteOptions>();
    CLI::App* command = cli.add_subcommand(
        "write",
        "Save a solution file from JSON on standard input, in the shape show --json prints");
    command->add_flag("--force", options->force, "Replace the file when it exists");
    command->add_option("FILE", options->file, "Solution file (.sln) to write")->required();
    context.AddCommonOptions(*command);

    command->callback([options, &context] {
        const FilePath file = FilePath::FromUtf8(options->file);
        if (!options->force && Exists(file))
            throw BadInput(options->file + ": exists; use --force to replace it.");
        const nlohmann::json input = ReadStandardInput();
        const ElementTable& elements = context.App().Elements();
        CSolvoDoc document = SolutionFromJson(input, elements);
        if (!document.WriteFile(file, elements))
            throw BadInput(options->file + ": Failed to save document.");
    });
}

} // namespace solvo
