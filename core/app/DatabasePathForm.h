#pragma once

#include "app/DatabaseCommands.h"


namespace solvo {

class CFlaskwareApp;
class DatabasePrompts;

/// The rules of the database path dialog: its path field, which starts as
/// the current database path, and an OK that is possible only for another
/// path and then moves the database there or reads the database found there.
class DatabasePathForm {
public:
    /// The files the chooser of "Browse..." lists.
    static constexpr std::string_view kFileFilter = "*.dat";

    /// app must outlive the form.
    explicit DatabasePathForm(CFlaskwareApp& app);

    /// The field's path.
    const FilePath& Path() const { return path_; }
    /// Whether the field names another path than the current database path.
    bool OkEnabled() const { return okEnabled_; }

    /// Every change of the field, and the path chosen with "Browse...".
    void SetPath(const FilePath& path);
    /// "Default": the data folder's database file.
    void UseDefault();

    /// OK: the questions and messages go through prompts; the outcome says
    /// whether the dialog closes.
    PathDialogOutcome Accept(DatabasePrompts& prompts);

private:
    CFlaskwareApp& app_;
    FilePath current_;
    FilePath path_;
    bool okEnabled_ = false;
};

} // namespace solvo
