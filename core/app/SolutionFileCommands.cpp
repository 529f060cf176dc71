#include "app/SolutionFileCommands.h"

#include "app/DatabasePrompts.h"
#include "app/Windows1252.h"
#include "solution/CSolvoDoc.h"

#include <string>
#include <string_view>

namespace solvo {

namespace {

// The file's name as program text. File names need not fit the program's
// 8-bit text; a character that does not shows as "?".
std::string ShownName(const std::filesystem::path& path)
{
    const std::u8string name = path.filename().u8string();
    const std::string_view bytes(reinterpret_cast<const char*>(name.data()), name.size());
    std::string shown;
    for (std::size_t start = 0; start < bytes.size();) {
        std::size_t end = start + 1;
        while (end < bytes.size() && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80)
            ++end;
        shown += Windows1252::FromUtf8(bytes.substr(start, end - start)).value_or("?");
        start = end;
    }
    return shown;
}

} // namespace

bool MayOverwriteSolutionFile(const CSolvoDoc& document, const std::filesystem::path& path,
                              DatabasePrompts& prompts)
{
    const FileStamp& stamp = document.Stamp();
    if (!stamp.IsOf(path) || !stamp.Changed())
        return true;
    const std::string question = "The solution file \"" + ShownName(path) +
                                 "\" was changed by another program since it was opened. "
                                 "Overwrite it with your version?";
    return prompts.Ask(question, PromptButtons::YesNo, PromptIcon::Exclamation) ==
           PromptAnswer::Yes;
}

} // namespace solvo
