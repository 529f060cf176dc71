#include "ShowCommand.h"

#include "CliContext.h"
#include "CliOutput.h"
#include "ComponentJson.h"
#include "ComponentText.h"
#include "quantities/NumberFormat.h"
#include "quantities/UnitLabels.h"

#include <iostream>
#include <memory>
#include <ostream>
#include <sstream>

namespace solvo {

namespace {

struct ShowOptions {
    bool json = false;
    std::string file;
};

// The JSON document, printed a component at a time as dump(2) would print
// it whole: a file of many components needs no more memory than it takes
// to hold the solution itself.
void PrintJson(const SolutionFile& solution, std::ostream& out)
{
    const CSolvoDoc& document = solution.document;
    nlohmann::ordered_json json;
    json["version"] = solution.version ? nlohmann::ordered_json(*solution.version) : nullptr;
    json["final_volume"] = CliOutput::Number(document.FinalVolume());
    json["volume_digits"] = document.VolumeDigits();
    json["volume_unit"] = static_cast<std::int32_t>(document.GetVolumeUnit());
    std::string head = json.dump(2);
    head.erase(head.size() - 2); // the closing "\n}"
    out << head << ",\n  \"components\": [";
    for (std::int32_t index = 0; index < document.GetComponentCount(); ++index) {
        const std::string component = ComponentToJson(document.GetComponent(index)).dump(2);
        // Nested two deep: every line four spaces further in.
        std::string indented = index > 0 ? ",\n    " : "\n    ";
        for (const char c : component) {
            indented += c;
            if (c == '\n')
                indented += "    ";
        }
        out << indented;
    }
    out << (document.GetComponentCount() > 0 ? "\n  ]\n}\n" : "]\n}\n");
}

// Plain text: what a person checks in a file, one component after another.
void PrintPlainText(const std::string& file, const SolutionFile& solution,
                    const ComponentText& text, std::int32_t displayDigits, std::ostream& out)
{
    const CSolvoDoc& document = solution.document;
    out << file << '\n';
    if (solution.version) {
        std::ostringstream version;
        version << "0x" << std::hex << *solution.version;
        out << ComponentText::Line("file version", version.str());
    } else {
        out << ComponentText::Line("file version", "none (an empty file opens as a new solution)");
    }
    const bool litres = document.GetVolumeUnit() == VolumeUnit::Litre;
    const double shown = document.FinalVolume() * (litres ? 1.0 : 1000.0);
    out << ComponentText::Line("final volume",
                               FormatSignificant(shown, document.VolumeDigits(), displayDigits) +
                                   (litres ? " L" : " mL"));
    for (std::int32_t index = 0; index < document.GetComponentCount(); ++index)
        out << '\n' << text.Describe(index + 1, document.GetComponent(index));
}

} // namespace

SolutionFile ReadSolutionArgument(const std::string& file, const ElementTable& elements)
{
    SolutionFile solution;
    const CSolvoDoc::ReadResult result = solution.document.ReadFile(FilePath::FromUtf8(file), elements);
    if (result.status == CSolvoDoc::ReadStatus::Read ||
        result.status == CSolvoDoc::ReadStatus::Empty) {
        solution.version = result.version;
        return solution;
    }
    std::string message;
    for (const std::string& text : result.messages)
        message += (message.empty() ? "" : "\n") + file + ": " + CliOutput::Utf8(text);
    throw BadInput(message);
}

void AddShowCommand(CLI::App& cli, CliContext& context)
{
    auto options = std::make_shared<ShowOptions>();
    CLI::App* command =
        cli.add_subcommand("show", "Show a solution file: its final volume and its components");
    command->add_flag("--json", options->json,
                      "Print one JSON object: version, final volume and the components");
    command->add_option("FILE", options->file, "Solution file (.sln)")->required();
    context.AddCommonOptions(*command);

    command->callback([options, &context] {
        CSolvoApp& app = context.App();
        const SolutionFile solution = ReadSolutionArgument(options->file, app.Elements());
        if (options->json) {
            PrintJson(solution, std::cout);
            return;
        }
        app.ReadUnitLabels();
        const ComponentText text(app.Units(), app.DisplayDigits());
        PrintPlainText(options->file, solution, text, app.DisplayDigits(), std::cout);
    });
}

} // namespace solvo
