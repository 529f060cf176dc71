#pragma once

#include "app/DatabasePrompts.h"

#include <string>
#include <vector>

namespace solvo {

/// The database flows' questions as a script answers them: every question is
/// answered No, and the password dialog gets the password given on the
/// command line or is cancelled, so nothing protected is ever overwritten
/// without its password. Messages become one-line warnings on standard
/// error, or are kept for the caller when it turns a failure into an error
/// of its own.
class CliPrompts final : public DatabasePrompts {
public:
    enum class Messages { Warn, Keep };

    explicit CliPrompts(Messages messages = Messages::Warn,
                        std::optional<std::string> password = std::nullopt)
        : messages_(messages), password_(std::move(password))
    {
    }

    void ShowMessage(std::string_view text, PromptIcon icon) override;
    PromptAnswer Ask(std::string_view text, PromptButtons buttons, PromptIcon icon) override;
    std::optional<std::string> RunPasswordDialog(PasswordDialogMode mode,
                                                 std::string_view digest) override;

    /// The kept messages in UTF-8, each cut to its first line.
    const std::vector<std::string>& Kept() const { return kept_; }
    /// Whether a flow asked for the password: the file it meant to replace
    /// is protected.
    bool PasswordAsked() const { return passwordAsked_; }

private:
    Messages messages_;
    std::optional<std::string> password_; // program text
    std::vector<std::string> kept_;
    bool passwordAsked_ = false;
};

} // namespace solvo
