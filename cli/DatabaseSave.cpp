#include "DatabaseSave.h"

#include "CliOutput.h"
#include "CliPrompts.h"
#include "app/DatabaseCommands.h"

namespace solvo {

std::optional<std::string> PasswordArgument(const std::optional<std::string>& utf8)
{
    if (!utf8)
        return std::nullopt;
    try {
        return CliOutput::ProgramText(*utf8);
    } catch (const BadInput&) {
        // The same complaint, without repeating the password.
        throw BadInput("--password: holds a character that Solvo's text (Windows-1252) "
                       "cannot hold.");
    }
}

void SaveDatabaseOrThrow(CSolvoApp& app, const FilePath& path, const std::string& shown,
                         const std::optional<std::string>& password)
{
    // A protected file is replaced only with its password, as the windowed
    // program saves over it.
    CliPrompts prompts(CliPrompts::Messages::Keep, password);
    std::string reason;
    if (!app.SaveDatabaseFile(path, true, prompts, &reason)) {
        if (prompts.PasswordAsked())
            throw BadInput(shown + (password ? ": Incorrect password."
                                             : ": protected by a password; give it with --password."));
        throw BadInput(shown + ": " + NotSavedMessage(reason));
    }
}

} // namespace solvo
