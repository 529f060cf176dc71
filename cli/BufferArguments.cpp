#include "BufferArguments.h"

#include "CliOutput.h"
#include "ConvertCommand.h"
#include "buffers/BufferError.h"
#include "buffers/BufferFormReader.h"
#include "quantities/NumberFormat.h"

#include <optional>
#include <sstream>

namespace solvo {

namespace {

std::optional<BufferForm> TryRead(const std::string& utf8, const BufferFormReader& reader)
{
    try {
        return reader.Read(CliOutput::ProgramText(utf8));
    } catch (const BufferError&) {
        return std::nullopt;
    }
}

BufferForm Read(const std::string& utf8, const BufferFormReader& reader)
{
    try {
        return reader.Read(CliOutput::ProgramText(utf8));
    } catch (const BufferError& error) {
        throw BadInput(CliOutput::Utf8(error.what()));
    }
}

} // namespace

FormWithNumber BufferArguments::FormAndNumber(const std::string& argument, const BufferFormReader& reader,
                                              bool optional)
{
    const auto equals = argument.rfind('=');
    if (equals == std::string::npos) {
        if (!optional)
            throw BadInput("\"" + argument + "\": give FORM=MOL_PER_L.");
        return {Read(argument, reader), 0.0, false};
    }
    if (equals == 0)
        throw BadInput("\"" + argument + "\": the form is missing before \"=\".");
    return {Read(argument.substr(0, equals), reader), NumberArgument(argument.substr(equals + 1)), true};
}

std::pair<BufferForm, BufferForm> BufferArguments::Pair(const std::string& argument, const BufferFormReader& reader)
{
    std::optional<std::pair<BufferForm, BufferForm>> found;
    for (auto comma = argument.find(','); comma != std::string::npos; comma = argument.find(',', comma + 1)) {
        auto acid = TryRead(argument.substr(0, comma), reader);
        auto base = TryRead(argument.substr(comma + 1), reader);
        if (!acid || !base)
            continue;
        if (found)
            throw BadInput("--pair \"" + argument + "\": more than one way to read two forms; write the "
                           "water of crystallisation with \".\" or \"&\".");
        found.emplace(std::move(*acid), std::move(*base));
    }
    if (!found) {
        const auto comma = argument.find(',');
        if (comma == std::string::npos)
            throw BadInput("--pair \"" + argument + "\": give ACID_FORM,BASE_FORM.");
        // Name the part that is no form, as a single form would be named.
        Read(argument.substr(0, comma), reader);
        Read(argument.substr(comma + 1), reader);
    }
    return *found;
}

nlohmann::ordered_json BufferArguments::Species(const std::vector<BufferSpecies>& species)
{
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const BufferSpecies& one : species) {
        nlohmann::ordered_json json;
        json["formula"] = CliOutput::Utf8(one.formula);
        json["charge"] = one.charge;
        json["mol_per_L"] = CliOutput::Number(one.molPerL);
        json["activity_coefficient"] = CliOutput::Number(one.activityCoefficient);
        list.push_back(std::move(json));
    }
    return list;
}

std::string BufferArguments::StateLine(const BufferSolution& solution, double celsius, int digits)
{
    std::ostringstream out;
    out << "pH " << FormatSignificant(solution.pH, 4, digits) << " at "
        << FormatDefault(celsius, digits) << " \u00B0C, ionic strength "
        << FormatSignificant(solution.ionicStrength, digits, digits) << " mol/L, capacity "
        << FormatSignificant(solution.capacity, digits, digits) << " mol/L per pH";
    return out.str();
}

nlohmann::ordered_json BufferArguments::Warnings(const std::vector<std::string>& warnings)
{
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const std::string& warning : warnings)
        list.push_back(CliOutput::Utf8(warning));
    return list;
}

std::string BufferArguments::NoteLines(const std::vector<std::string>& warnings)
{
    std::string lines;
    for (const std::string& warning : warnings)
        lines += "Note: " + CliOutput::Utf8(warning) + "\n";
    return lines;
}

} // namespace solvo
