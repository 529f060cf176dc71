#include "WriteCommand.h"

#include "CliContext.h"
#include "CliOutput.h"
#include "ComponentJson.h"
#include "solution/CSolvoDoc.h"

#include <filesystem>
#include <iostream>
#include <istream>
#include <memory>
#include <string>

namespace solvo {

namespace {

struct WriteOptions {
    bool force = false;
    std::string file;
};

// Far beyond any solution (the shape nests three deep, a component takes
// a few kilobytes), and small enough that a hostile input can neither
// exhaust the memory nor, nested, the stack of whatever walks it.
constexpr std::size_t kLargestInput = 16 << 20;
constexpr int kDeepestNesting = 32;
constexpr std::size_t kLongestReason = 120;

std::string ReadAtMost(std::istream& in, std::size_t limit)
{
    std::string text;
    char buffer[65536];
    while (text.size() <= limit && in.read(buffer, sizeof buffer).gcount() > 0)
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
    return text;
}

nlohmann::json ReadStandardInput()
{
    const std::string text = ReadAtMost(std::cin, kLargestInput);
    if (text.size() > kLargestInput)
        throw BadInput("standard input: larger than " + std::to_string(kLargestInput >> 20) +
                       " MiB, more than any solution needs.");
    const auto limitDepth = [](int depth, nlohmann::json::parse_event_t, nlohmann::json&) {
        if (depth > kDeepestNesting)
            throw BadInput("standard input: nested deeper than " +
                           std::to_string(kDeepestNesting) + " levels.");
        return true;
    };
    try {
        return nlohmann::json::parse(text, limitDepth);
    } catch (const nlohmann::json::exception& error) {
        // The library's own tag before the description helps nobody, and the
        // text it quotes from the input may be of any length.
        std::string what = error.what();
        const std::size_t tagEnd = what.find("] ");
        if (tagEnd != std::string::npos)
            what.erase(0, tagEnd + 2);
        if (what.size() > kLongestReason)
            what = what.substr(0, kLongestReason) + "...";
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
    if (const auto volume = AmountField(json, "", "final_volume"))
        document.SetFinalVolume(*volume);
    if (const auto digits = IntegerField(json, "", "volume_digits"))
        document.SetVolumeDigits(*digits);
    if (const auto unit = CodeField(json, "", "volume_unit", 1))
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
        // Checked again as the file is made: a file created meanwhile stays.
        const SaveMode mode = options->force ? SaveMode::Replace : SaveMode::CreateNew;
        std::string reason;
        if (!document.WriteFile(file, elements, &reason, mode)) {
            if (mode == SaveMode::CreateNew && Exists(file))
                throw BadInput(options->file + ": exists; use --force to replace it.");
            throw BadInput(options->file + ": Failed to save document. " + reason + ".");
        }
    });
}

} // namespace solvo
