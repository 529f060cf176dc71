#include "app/DatabaseCommands.h"

#include "app/CFlaskwareApp.h"
#include "app/DatabasePrompts.h"
#include "platform/Windows1252.h"

#include <filesystem>
#include <system_error>

namespace solvo {

namespace {

constexpr std::string_view kSaveQuestion = "Save changes to the program database?";
constexpr std::string_view kNotSavedMessage = "Error: database was NOT saved.";
constexpr std::string_view kChangePasswordQuestion =
    "After changing password changes you did to the database will be saved.\r\n"
    "Is that what you want?";
constexpr std::string_view kOverwriteQuestion =
    "Do you want to overwrite existing database?\n\n(Selecting No will READ the new database)";
constexpr std::string_view kProtectQuestion =
    "Do you want to use a password to protect the database from overwriting?";
constexpr std::string_view kCannotSaveThereMessage =
    "Can't save the database at specified location.";
constexpr std::string_view kPathNotChangedMessage = "Database path not changed.";
constexpr std::string_view kChangedQuestion =
    "The database file was changed by another program since it was loaded. "
    "Overwrite it with your version?";
constexpr std::string_view kReloadQuestion =
    "The database file was changed by another program since it was loaded. "
    "Reload it?";
constexpr std::string_view kDiscardQuestion = "Discard your changes to the program database?";

// A message and, on the next line, the reason the system gave for a failed save.
std::string WithReason(std::string_view message, std::string_view reason)
{
    std::string text(message);
    if (!reason.empty())
        text.append("\n").append(reason);
    return text;
}

// The reason names the file in UTF-8; a message box shows program text.
std::string ShownReason(std::string_view reason)
{
    return Windows1252::FromUtf8Replacing(reason);
}

// Whether the database file still holds what was loaded from it or saved
// to it last; someone else's save, or removing it, changes that.
bool ChangedOnDisk(const CFlaskwareApp& app)
{
    const FileStamp& loaded = app.DatabaseStamp();
    return loaded.IsOf(app.DatabaseFilePath()) && loaded.Changed();
}

// Overwriting a file someone else saved loses their work: only on request.
bool MayOverwrite(const CFlaskwareApp& app, DatabasePrompts& prompts)
{
    return !ChangedOnDisk(app) ||
           prompts.Ask(kChangedQuestion, PromptButtons::YesNo, PromptIcon::Exclamation) ==
               PromptAnswer::Yes;
}

// Whether to go on with a database file that is about to be created or
// replaced; Yes sets a new password first.
bool AskToProtect(CFlaskwareApp& app, DatabasePrompts& prompts)
{
    switch (prompts.Ask(kProtectQuestion, PromptButtons::YesNoCancel, PromptIcon::Question)) {
    case PromptAnswer::Yes: {
        auto digest = prompts.RunPasswordDialog(PasswordDialogMode::NewPassword, {});
        if (!digest)
            return false;
        app.SetPasswordDigest(std::move(*digest));
        return true;
    }
    case PromptAnswer::No:
        return true;
    case PromptAnswer::Cancel:
        break;
    }
    return false;
}

PathDialogOutcome SaveAt(CFlaskwareApp& app, const FilePath& path, DatabasePrompts& prompts)
{
    std::string reason;
    if (!app.SaveDatabaseFile(path, false, prompts, &reason)) {
        prompts.ShowMessage(WithReason(kCannotSaveThereMessage, ShownReason(reason)), PromptIcon::Exclamation);
        return PathDialogOutcome::KeepOpen;
    }
    app.Settings().SetDatabasePath(path);
    return PathDialogOutcome::ClosedWithOk;
}

PathDialogOutcome OverwriteExisting(CFlaskwareApp& app, const FilePath& path,
                                    DatabasePrompts& prompts)
{
    const std::string stored = CFlaskwareApp::ReadStoredDigest(path);
    if (stored.empty()) {
        if (!AskToProtect(app, prompts))
            return PathDialogOutcome::KeepOpen;
        return SaveAt(app, path, prompts);
    }
    auto digest = prompts.RunPasswordDialog(PasswordDialogMode::ChangePassword, stored);
    if (!digest)
        return PathDialogOutcome::KeepOpen;
    app.SetPasswordDigest(std::move(*digest));
    return SaveAt(app, path, prompts);
}

} // namespace

std::string NotSavedMessage(std::string_view reason)
{
    return WithReason(kNotSavedMessage, reason);
}

bool SaveDatabaseCommand(CFlaskwareApp& app, DatabasePrompts& prompts)
{
    if (!app.IsDatabaseModified())
        return false;
    if (prompts.Ask(kSaveQuestion, PromptButtons::YesNo, PromptIcon::Question) !=
        PromptAnswer::Yes)
        return false;
    if (!MayOverwrite(app, prompts))
        return false;
    std::string reason;
    if (app.SaveDatabaseFile(app.DatabaseFilePath(), true, prompts, &reason))
        return true;
    prompts.ShowMessage(NotSavedMessage(ShownReason(reason)), PromptIcon::Exclamation);
    return false;
}

void ChangePasswordCommand(CFlaskwareApp& app, DatabasePrompts& prompts)
{
    if (app.IsDatabaseModified() &&
        prompts.Ask(kChangePasswordQuestion, PromptButtons::YesNo, PromptIcon::Question) !=
            PromptAnswer::Yes)
        return;
    if (!MayOverwrite(app, prompts))
        return;
    const bool hasPassword = !app.PasswordDigest().empty();
    auto digest = hasPassword
                      ? prompts.RunPasswordDialog(PasswordDialogMode::ChangePassword,
                                                  app.PasswordDigest())
                      : prompts.RunPasswordDialog(PasswordDialogMode::NewPassword, {});
    if (!digest)
        return;
    app.SetPasswordDigest(std::move(*digest));
    app.SaveDatabaseFile(app.DatabaseFilePath(), false, prompts);
}

bool ReloadDatabaseCommand(CFlaskwareApp& app, DatabasePrompts& prompts)
{
    if (app.IsDatabaseModified() &&
        prompts.Ask(kDiscardQuestion, PromptButtons::YesNo, PromptIcon::Question) !=
            PromptAnswer::Yes)
        return false;
    app.LoadDatabaseFile(app.DatabaseFilePath(), prompts);
    return true;
}

bool OfferDatabaseReload(CFlaskwareApp& app, DatabasePrompts& prompts)
{
    std::error_code error;
    if (!ChangedOnDisk(app) || !std::filesystem::is_regular_file(app.DatabaseFilePath().Native(), error))
        return false;
    if (prompts.Ask(kReloadQuestion, PromptButtons::YesNo, PromptIcon::Question) !=
        PromptAnswer::Yes)
        return false;
    return ReloadDatabaseCommand(app, prompts);
}

PathDialogOutcome AcceptDatabasePath(CFlaskwareApp& app, const FilePath& path,
                                     DatabasePrompts& prompts)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path.Native(), error)) {
        if (!AskToProtect(app, prompts))
            return PathDialogOutcome::KeepOpen;
        return SaveAt(app, path, prompts);
    }
    switch (prompts.Ask(kOverwriteQuestion, PromptButtons::YesNoCancel, PromptIcon::Error)) {
    case PromptAnswer::Yes:
        return OverwriteExisting(app, path, prompts);
    case PromptAnswer::No:
        if (app.LoadDatabaseFile(path, prompts)) {
            app.Settings().SetDatabasePath(path);
            return PathDialogOutcome::ClosedWithOk;
        }
        prompts.ShowMessage(kPathNotChangedMessage, PromptIcon::Exclamation);
        return PathDialogOutcome::Closed;
    case PromptAnswer::Cancel:
        break;
    }
    return PathDialogOutcome::KeepOpen;
}

} // namespace solvo
