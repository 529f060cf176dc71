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

private:
    IniSettingsStore store_;
    CSolvoApp app_;
    std::optional<int> digits_;
    std::string databasePath_;
    bool prepared_ = false;
};

} // namespace solvo
