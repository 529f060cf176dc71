#include "CliPrompts.h"

#include "CliOutput.h"
#include "substances/PasswordDigest.h"

#include <iostream>

namespace solvo {

void CliPrompts::ShowMessage(std::string_view text, PromptIcon)
{
    std::string line = CliOutput::Utf8(text);
    if (messages_ == Messages::Keep) {
        // What the failure is; what the windowed program then does is not.
        kept_.push_back(line.substr(0, line.find_first_of("\r\n")));
        return;
    }
    for (char& c : line) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    std::cerr << "solvo-cli: warning: " << line << '\n';
}

PromptAnswer CliPrompts::Ask(std::string_view, PromptButtons, PromptIcon)
{
    return PromptAnswer::No;
}

std::optional<std::string> CliPrompts::RunPasswordDialog(PasswordDialogMode, std::string_view)
{
    passwordAsked_ = true;
    if (!password_)
        return std::nullopt;
    return PasswordDigest(*password_);
}

} // namespace solvo
