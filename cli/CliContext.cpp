#include "CliContext.h"

#include "CliOutput.h"
#include "CliPrompts.h"
#include "app/StandardDataFolder.h"

namespace solvo {

CliContext::CliContext() : app_(store_, StandardDataFolder()) {}

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
        const FilePath path = databasePath_.empty() ? app_.DatabaseFilePath()
                                                    : FilePath::FromUtf8(databasePath_);
        CliPrompts prompts;
        app_.LoadDatabaseFile(path, prompts);
        prepared_ = true;
    }
    return app_;
}

} // namespace solvo
