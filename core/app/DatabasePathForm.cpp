#include "app/DatabasePathForm.h"

#include "app/CFlaskwareApp.h"

namespace solvo {

DatabasePathForm::DatabasePathForm(CFlaskwareApp& app)
    : app_(app), current_(app.DatabaseFilePath()), path_(current_)
{
}

void DatabasePathForm::SetPath(const FilePath& path)
{
    path_ = path;
    okEnabled_ = path_ != current_;
}

void DatabasePathForm::UseDefault()
{
    SetPath(app_.Data().File(DataFolder::kDefaultDatabaseFile));
}

PathDialogOutcome DatabasePathForm::Accept(DatabasePrompts& prompts)
{
    if (!okEnabled_)
        return PathDialogOutcome::KeepOpen;
    return AcceptDatabasePath(app_, path_, prompts);
}

} // namespace solvo
