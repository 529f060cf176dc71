#include "CliContext.h"

#include "CliOutput.h"
#include "CliPrompts.h"
#include "app/UserFolders.h"

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
    if (!prepared_) {
        app_.Initialise();
        if (digits_)
            app_.SetDisplayDigits(*digits_);
        if (databasePath_.empty()) {
            // solvo-cli never writes the database unasked: before the
            // windowed program's first run it works with the built-in one.
            CliPrompts prompts;
            app_.StartDatabase(prompts, false);
        } else {
            CliPrompts prompts(CliPrompts::Messages::Keep);
            if (!app_.LoadDatabaseFile(FilePath::FromUtf8(databasePath_), prompts))
                throw BadInput(databasePath_ + ": " + prompts.Kept().front());
        }
        prepared_ = true;
    }
    return app_;
}

} // namespace solvo
