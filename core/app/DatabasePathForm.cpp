#include "app/DatabasePathForm.h"

#include "app/CFlaskwareApp.h"

namespace solvo {

DatabasePathForm::DatabasePathForm(CFlaskwareApp& app)
    : app_(app), current_(app.DatabaseFilePath().string()), path_(current_)
{
}

void DatabasePathForm::SetPath(std::string_view path)
{
    path_ = path;
    okEnabled_ = path_ != current_;
}

void DatabasePathForm::UseDefault()
{
    SetPath(app_.Data().FilePath(DataFolder::kDefaultDatabaseFile).string());
}

PathDialogOutcome DatabasePathForm::Accept(DatabasePrompts& prompts)
{
    if (!okEnabled_)
        return PathDialogOutcome::KeepOpen;
    return AcceptDatabasePath(app_, path_, prompts);
}

} // namespace solvo
