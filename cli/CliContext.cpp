#include "CliContext.h"

#include "app/StandardDataFolder.h"

namespace solvo {

CliContext::CliContext() : app_(store_, StandardDataFolder()) {}

void CliContext::AddCommonOptions(CLI::App& app)
{
    app.add_option("--digits", digits_,
                   "Significant digits for numbers shown without their own precision "
                   "(default: the stored setting, else 4)")
        ->check(CLI::Range(1, 15));
}

CSolvoApp& CliContext::App()
{
    if (!prepared_) {
        app_.Initialise();
        if (digits_)
            app_.SetDisplayDigits(*digits_);
        app_.InstallDefaults();
        prepared_ = true;
    }
    return app_;
}

} // namespace solvo
