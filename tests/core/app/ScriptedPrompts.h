#pragma once

#include "app/DatabasePrompts.h"
#include "substances/PasswordDigest.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace solvo::test {

// Answers the flows' questions from scripts and records what they said.
class ScriptedPrompts : public DatabasePrompts {
public:
    void ShowMessage(std::string_view text, PromptIcon) override { said.emplace_back(text); }

    PromptAnswer Ask(std::string_view text, PromptButtons, PromptIcon) override
    {
        said.emplace_back(text);
        EXPECT_FALSE(answers.empty()) << "unexpected question: " << text;
        if (answers.empty())
            return PromptAnswer::Cancel;
        const PromptAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::optional<std::string> RunPasswordDialog(PasswordDialogMode mode,
                                                 std::string_view digest) override
    {
        dialogs.emplace_back(mode, std::string(digest));
        EXPECT_FALSE(passwords.empty()) << "unexpected password dialog";
        if (passwords.empty())
            return std::nullopt;
        auto password = passwords.front();
        passwords.pop_front();
        if (!password)
            return std::nullopt;
        return PasswordDigest(*password);
    }

    std::vector<std::string> said;
    std::deque<PromptAnswer> answers;
    // A password typed and OK, or none for Cancel.
    std::deque<std::optional<std::string>> passwords;
    std::vector<std::pair<PasswordDialogMode, std::string>> dialogs;
};

} // namespace solvo::test
