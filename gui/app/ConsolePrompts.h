#pragma once

#include "app/DatabasePrompts.h"

class QString;

namespace solvo {

/// The program's messages for a run without windows: each message is one
/// line on standard error, every question is answered No and every password
/// dialog is cancelled, so nothing is ever overwritten.
class ConsolePrompts final : public DatabasePrompts {
public:
    void ShowMessage(std::string_view text, PromptIcon icon) override;
    PromptAnswer Ask(std::string_view text, PromptButtons buttons, PromptIcon icon) override;
    std::optional<std::string> RunPasswordDialog(PasswordDialogMode mode,
                                                 std::string_view digest) override;

    /// Writes text (UTF-16, line breaks made spaces) as one line on
    /// standard error.
    static void WriteLine(const QString& text);
};

} // namespace solvo
