#pragma once

// What several benchmarks share: prompts that answer like a chemist keeping
// the database, and a density table of realistic size.
#include "app/DatabasePrompts.h"

#include <optional>
#include <string>
#include <string_view>

namespace solvo::bench {

// Answers every question No.
class NoPrompts final : public DatabasePrompts {
public:
    void ShowMessage(std::string_view, PromptIcon) override {}
    PromptAnswer Ask(std::string_view, PromptButtons, PromptIcon) override { return PromptAnswer::No; }
    std::optional<std::string> RunPasswordDialog(PasswordDialogMode, std::string_view) override
    {
        return std::nullopt;
    }
};

// Twenty rows of % w/w against density.
inline std::string TwentyRowTable()
{
    std::string text;
    for (int row = 0; row < 20; ++row) {
        text += std::to_string(row * 2) + ".00 1." + std::to_string(1000 + row * 37);
        if (row < 19)
            text += "\r\n";
    }
    return text;
}

} // namespace solvo::bench
