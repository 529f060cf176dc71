#pragma once

#include "app/DatabasePrompts.h"

#include <QString>

class QWidget;

namespace solvo {

/// The program's messages and questions as modal message boxes over parent,
/// titled with the program's name.
class MessagePrompts final : public DatabasePrompts {
public:
    explicit MessagePrompts(QWidget* parent) : parent_(parent) {}

    void ShowMessage(std::string_view text, PromptIcon icon) override;
    PromptAnswer Ask(std::string_view text, PromptButtons buttons, PromptIcon icon) override;
    /// The dialog "Database password", modal over parent.
    std::optional<std::string> RunPasswordDialog(PasswordDialogMode mode,
                                                 std::string_view digest) override;

    /// The title of every message box.
    static QString Title();

private:
    QWidget* parent_;
};

} // namespace solvo
