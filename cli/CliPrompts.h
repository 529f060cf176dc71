#pragma once

#include "app/DatabasePrompts.h"

namespace solvo {

/// The database flows' questions as a script answers them: messages become
/// one-line warnings on standard error, every question is answered No and
/// every password dialog is cancelled, so nothing is ever overwritten.
class CliPrompts final : public DatabasePrompts {
public:
    void ShowMessage(std::string_view text, PromptIcon icon) override;
    PromptAnswer Ask(std::string_view text, PromptButtons buttons, PromptIcon icon) override;
    std::optional<std::string> RunPasswordDialog(PasswordDialogMode mode,
                                                 std::string_view digest) override;
};

} // namespace solvo
