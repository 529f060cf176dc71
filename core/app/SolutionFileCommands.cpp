#include "app/SolutionFileCommands.h"

#include "app/DatabasePrompts.h"
#include "platform/Windows1252.h"
#include "solution/CSolvoDoc.h"

#include <string>

namespace solvo {

bool MayOverwriteSolutionFile(const CSolvoDoc& document, const FilePath& path,
                              DatabasePrompts& prompts)
{
    const FileStamp& stamp = document.Stamp();
    if (!stamp.IsOf(path) || !stamp.Changed())
        return true;
    const std::string question = "The solution file \"" + Windows1252::FromUtf8Replacing(path.Name().Utf8()) +
                                 "\" was changed by another program since it was opened. "
                                 "Overwrite it with your version?";
    return prompts.Ask(question, PromptButtons::YesNo, PromptIcon::Exclamation) ==
           PromptAnswer::Yes;
}

} // namespace solvo
