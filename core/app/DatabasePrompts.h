#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace solvo {

enum class PromptAnswer { Yes, No, Cancel };
enum class PromptButtons { YesNo, YesNoCancel };
enum class PromptIcon { Information, Question, Exclamation, Error };

/// The forms of the database password dialog.
enum class PasswordDialogMode : std::int32_t {
    EnterPassword = 0,  ///< only the current password, to save
    NewPassword = 1,    ///< a new password, entered twice
    ChangePassword = 2, ///< the current password, then a new one twice
};

/// What the database flows ask the user and tell them, answered by the
/// front end (message boxes and the password dialog in the windowed
/// program, scripted answers in tests and the command line).
class DatabasePrompts {
public:
    virtual ~DatabasePrompts() = default;

    virtual void ShowMessage(std::string_view text, PromptIcon icon) = 0;
    virtual PromptAnswer Ask(std::string_view text, PromptButtons buttons, PromptIcon icon) = 0;

    /// Runs the password dialog in mode; for ChangePassword, digest is the
    /// stored digest the current password must match. Returns the dialog's
    /// resulting digest (empty: no password) after OK, none after Cancel.
    virtual std::optional<std::string> RunPasswordDialog(PasswordDialogMode mode,
                                                         std::string_view digest) = 0;
};

} // namespace solvo
