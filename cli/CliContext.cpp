#include "CliContext.h"

#include "CliOutput.h"
#include "CliPrompts.h"
#include "DatabaseSave.h"
#include "app/UserFolders.h"

#include <filesystem>

namespace solvo {

// The windowed program's settings file and data folder (QSettings and
// QStandardPaths place them so), found without loading Qt.
CliContext::CliContext()
    : store_(IniSettingsStore::FromFile(UserConfigFolder().Native() / "Flaskware" / "Solvo.conf")),
      app_(store_, DataFolder(UserDataFolder().Native() / "Flaskware" / "Solvo"))
{
}

void CliContext::AddCommonOptions(CLI::App& app)
{
    app.add_option("--digits", digits_,
                   "Significant digits for numbers shown without their own precision "
                   "(default: the stored setting, else 4)")
        ->check(CLI::Range(1, 15));
    app.add_option("--db", databasePath_,
                   "The program database file (default: the stored database path, else "
                   "Solvodatabase.dat in the data folder)");
}

CSolvoApp& CliContext::App()
{
    Prepare(false);
    return app_;
}

CSolvoApp& CliContext::AppToChange()
{
    Prepare(true);
    return app_;
}

FilePath CliContext::DatabaseFile() const
{
    return databasePath_.empty() ? app_.DatabaseFilePath() : FilePath::FromUtf8(databasePath_);
}

void CliContext::Prepare(bool strict)
{
    if (prepared_)
        return;
    app_.Initialise();
    if (digits_)
        app_.SetDisplayDigits(*digits_);
    std::error_code error;
    const bool firstRun =
        databasePath_.empty() && !std::filesystem::exists(DatabaseFile().Native(), error);
    if (databasePath_.empty() && !(strict && !firstRun)) {
        // solvo-cli never writes the database unasked: before the
        // windowed program's first run it works with the built-in one.
        CliPrompts prompts;
        app_.StartDatabase(prompts, false);
    } else {
        CliPrompts prompts(CliPrompts::Messages::Keep);
        if (!app_.LoadDatabaseFile(DatabaseFile(), prompts))
            throw BadInput(ShownDatabaseFile() + ": " + prompts.Kept().front());
    }
    prepared_ = true;
}

void CliContext::SaveDatabase(const std::optional<std::string>& password)
{
    SaveDatabaseOrThrow(app_, DatabaseFile(), ShownDatabaseFile(), PasswordArgument(password));
}

std::string CliContext::ShownDatabaseFile() const
{
    return databasePath_.empty() ? DatabaseFile().Utf8() : databasePath_;
}

} // namespace solvo
