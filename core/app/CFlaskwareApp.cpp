#include "app/CFlaskwareApp.h"

#include "app/DatabasePrompts.h"
#include "platform/FileAccess.h"
#include "solution/CFlaskwareDocument.h"
#include "substances/ArchiveFile.h"
#include "substances/CFlaskwareDatabase.h"
#include "substances/DatabaseFile.h"
#include "substances/FileMessages.h"

#include <system_error>

namespace solvo {

CFlaskwareApp::CFlaskwareApp(SettingsStore& store, DataFolder dataFolder)
    : settings_(store), dataFolder_(std::move(dataFolder))
{
}

void CFlaskwareApp::Initialise()
{
    displayDigits_ = settings_.DisplayDigits();
}

void CFlaskwareApp::Finalise()
{
    settings_.SetDisplayDigits(displayDigits_);
}

std::vector<std::int32_t> CFlaskwareApp::CountAllElementUses(
    const std::vector<const CFlaskwareDocument*>& openDocuments)
{
    std::vector<std::int32_t> counts(static_cast<std::size_t>(elements_.Count()) + 1, 0);
    for (const CFlaskwareDocument* document : openDocuments) {
        const std::vector<std::int32_t> uses = document->CountElementUses(elements_);
        if (uses.size() > counts.size())
            counts.resize(uses.size(), 0);
        for (std::size_t entry = 0; entry < uses.size(); ++entry)
            counts[entry] += uses[entry];
    }
    Database().CountElementUses(elements_, counts);
    return counts;
}

FilePath CFlaskwareApp::DatabaseFilePath() const
{
    const FilePath path = settings_.DatabasePath();
    if (path.Empty())
        return dataFolder_.File(DataFolder::kDefaultDatabaseFile);
    return path;
}

namespace {

constexpr std::string_view kIncorrectPasswordQuestion =
    "Incorrect password, do you wan't to retry?";

} // namespace

bool CFlaskwareApp::LoadDatabaseFile(const FilePath& path, DatabasePrompts& prompts)
{
    bool complete = false;
    std::vector<std::string> notices;
    const bool opened = ReadArchiveFile(path, [&](ArchiveReader& reader) {
        elements_ = ElementTable();
        Database().Clear();
        try {
            complete = DatabaseFile::Read(reader, elements_, Database(), passwordDigest_);
        } catch (const ArchiveError&) {
            // Truncated or malformed: the same outcome as an incomplete file.
            complete = false;
        }
        notices = reader.Notices();
    }, &databaseStamp_);
    for (const std::string& notice : notices)
        prompts.ShowMessage(notice, PromptIcon::Exclamation);
    // A block of an unknown version loads as empty; saving over it would
    // lose what it holds, so it is backed up like a file that failed.
    const bool readInFull = complete && !Database().BlockVersionUnknown();
    unloadedFile_ = opened && !readInFull ? path : FilePath();
    if (!complete) {
        prompts.ShowMessage(kDatabaseLoadFailedMessage, PromptIcon::Exclamation);
        InstallDefaults();
    }
    return complete;
}

void CFlaskwareApp::StartDatabase(DatabasePrompts& prompts, bool writeFirstFile)
{
    const FilePath path = DatabaseFilePath();
    // Only a plain "no such file" counts: a dangling link or a folder that
    // cannot be searched gets the load and its message.
    std::error_code error;
    const bool firstRun =
        settings_.DatabasePath().Empty() &&
        std::filesystem::symlink_status(path.Native(), error).type() == std::filesystem::file_type::not_found;
    if (!firstRun) {
        LoadDatabaseFile(path, prompts);
        return;
    }
    InstallDefaults();
    if (writeFirstFile)
        SaveDatabaseFile(path, false, prompts);
}

bool CFlaskwareApp::SaveDatabaseFile(const FilePath& path, bool checkPassword,
                                     DatabasePrompts& prompts, std::string* error)
{
    if (checkPassword && !CheckPassword(path, prompts))
        return false;
    if (!BackUpUnloadedFile(path))
        return false;
    const bool elementsModified = elements_.IsModified();
    const bool substancesModified = Database().IsModified();
    const bool saved = WriteArchiveFile(path, [&](ArchiveWriter& writer) {
        DatabaseFile::Write(writer, passwordDigest_, elements_, Database());
    }, error);
    if (!saved) {
        // Writing clears the flags as it goes; nothing was saved after all.
        elements_.SetModified(elementsModified);
        Database().SetModified(substancesModified);
        return false;
    }
    databaseStamp_ = FileStamp(path);
    return true;
}

std::string CFlaskwareApp::ReadStoredDigest(const FilePath& path)
{
    return DatabaseFile::ReadStoredDigest(path);
}

bool CFlaskwareApp::CheckPassword(const FilePath& path,
                                  DatabasePrompts& prompts) const
{
    // A file that does not exist yet has nothing to protect: without this a
    // first database could never be saved, since a missing file reads as
    // the digest that no password matches.
    std::error_code error;
    if (!std::filesystem::exists(path.Native(), error))
        return true;
    const std::string stored = ReadStoredDigest(path);
    if (stored.empty())
        return true;
    for (;;) {
        const auto entered =
            prompts.RunPasswordDialog(PasswordDialogMode::EnterPassword, std::string_view());
        if (entered.value_or(std::string()) == stored)
            return true;
        if (prompts.Ask(kIncorrectPasswordQuestion, PromptButtons::YesNo,
                        PromptIcon::Exclamation) != PromptAnswer::Yes)
            return false;
    }
}

bool CFlaskwareApp::BackUpUnloadedFile(const FilePath& path)
{
    std::error_code error;
    if (unloadedFile_.Empty() ||
        !std::filesystem::equivalent(unloadedFile_.Native(), path.Native(), error))
        return true;
    if (std::filesystem::exists(path.Native(), error)) {
        // Better no save than a damaged library replaced with no copy left.
        std::string bytes;
        if (!ReadWholeFile(path, bytes) || !WriteFileAtomically(path.WithSuffix(".bak"), bytes))
            return false;
    }
    unloadedFile_ = FilePath();
    return true;
}

} // namespace solvo
