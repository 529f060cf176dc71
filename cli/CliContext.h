#pragma once

#include "app/CSolvoApp.h"
#include "app/IniSettingsStore.h"

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

namespace solvo {

/// What every command shares: the application object with the stored
/// settings and the program database, set up once the options are known.
/// solvo-cli reads the stored settings but never writes them.
class CliContext {
public:
    CliContext();

    /// Adds the options that every command accepts (--digits, --db).
    void AddCommonOptions(CLI::App& app);

    /// The application object, prepared on first use: DisplayDigits from the
    /// settings unless --digits was given, and the program database from
    /// --db (BadInput when it cannot be loaded), else from its stored path
    /// (the built-in database with a warning on standard error when that
    /// cannot be loaded), else from the default file, or silently the
    /// built-in database while that file does not exist.
    CSolvoApp& App();

    /// The application object for a command that changes the database and
    /// saves it to DatabaseFile(): as App(), except that a database file
    /// that is there must load (BadInput otherwise), so that a damaged file
    /// is never replaced by the built-in database with a change.
    CSolvoApp& AppToChange();

    /// The database file of this run: --db, else the stored path, else the
    /// default file.
    FilePath DatabaseFile() const;

    /// Saves the database to DatabaseFile() as the windowed program saves
    /// it; a protected file needs password (UTF-8). BadInput when the file
    /// is protected and no password or a wrong one was given, or when it
    /// cannot be written.
    void SaveDatabase(const std::optional<std::string>& password);

private:
    void Prepare(bool strict);
    std::string ShownDatabaseFile() const;

    IniSettingsStore store_;
    CSolvoApp app_;
    std::optional<int> digits_;
    std::string databasePath_;
    bool prepared_ = false;
};

} // namespace solvo
