#include "solution/RecipeTemplate.h"

#include "platform/FileAccess.h"

#include <system_error>

namespace solvo {

RecipeTemplate::RecipeTemplate()
    : lines_{
          "<CONCENTRATION> <SUBSTANCENAME> <SUBSTANCEFORMULA>",
          "Solution prepared by: ............................",
          "To prepare <TARGETVOLUME> <VOLUMEUNIT> of the above solution:",
          "To prepare <TARGETVOLUME> <VOLUMEUNIT> of the above standard solution in "
          "<TARGETVOLUME> <VOLUMEUNIT> volumetric flask:",
          "<LINENUMBER>. Put about <STARTVOLUME> <VOLUMEUNIT> of water into the flask.",
          "<LINENUMBER>. Put about <STARTVOLUME> <VOLUMEUNIT> of water into volumetric flask.",
          "<LINENUMBER>. Weigh <SOLIDMASS> g <SUBSTANCENAME> <SUBSTANCEFORMULA> and transfer it "
          "to the flask.",
          "<LINENUMBER>. Exactly weigh about <SOLIDMASS> g <SUBSTANCENAME> <SUBSTANCEFORMULA> and "
          "transfer it quantitatively to the flask.",
          "<LINENUMBER>. Enter mass of the substance into exact weight edit field of the solution "
          "dialog (so far: <SOLIDMASS>).",
          "<LINENUMBER>. Add <SOLUTIONVOLUME> <VOLUMEUNIT> of the stock solution (<CONCENTRATION>) "
          "of <SUBSTANCENAME> <SUBSTANCEFORMULA> to the flask.",
          "<LINENUMBER>. Add <SOLUTIONVOLUME> <VOLUMEUNIT> <CONCENTRATION> solution of "
          "<SUBSTANCENAME> <SUBSTANCEFORMULA> to the flask.",
          "<LINENUMBER>. Stir until dissolved.",
          "<LINENUMBER>. Fill up to <TARGETVOLUME> <VOLUMEUNIT> and mix thoroughly.",
          "<LINENUMBER>. Dilute to the mark with mixing.",
      }
{
}

RecipeTemplate RecipeTemplate::Parse(std::string_view bytes)
{
    RecipeTemplate parsed;
    std::size_t start = 0;
    for (std::string& line : parsed.lines_) {
        if (start >= bytes.size()) {
            line.clear();
            continue;
        }
        std::size_t end = bytes.find('\n', start);
        const bool ended = end != std::string_view::npos;
        if (!ended)
            end = bytes.size();
        std::string_view text = bytes.substr(start, end - start);
        if (ended && !text.empty() && text.back() == '\r')
            text.remove_suffix(1);
        line.assign(text);
        start = end + 1;
    }
    return parsed;
}

std::optional<std::string> RecipeTemplate::FileProblem(std::string_view bytes)
{
    if (bytes.size() > kLargestFile)
        return "larger than " + std::to_string(kLargestFile >> 20) +
               " MiB, more than a recipe template holds.";
    if (bytes.empty())
        return std::string("empty; a recipe template holds the lines a recipe is worded from.");
    if (bytes.find('\0') != std::string_view::npos)
        return std::string("holds NUL bytes, as no recipe template does.");
    return std::nullopt;
}

RecipeTemplate RecipeTemplate::Load(const FilePath& file)
{
    std::string bytes;
    if (ReadWholeFile(file, bytes, kLargestFile) && !FileProblem(bytes))
        return Parse(bytes);
    RecipeTemplate defaults;
    // A file that is there but cannot be read is the user's: keep it.
    std::error_code error;
    if (!std::filesystem::exists(file.Native(), error) && !error)
        WriteFileAtomically(file, defaults.FileText());
    return defaults;
}

const std::string& RecipeTemplate::Text(Line line) const
{
    return lines_[static_cast<std::size_t>(line) - 1];
}

std::string RecipeTemplate::FileText() const
{
    std::string text;
    for (const std::string& line : lines_)
        text.append(line).append("\r\n");
    return text;
}

} // namespace solvo
