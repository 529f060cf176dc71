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
