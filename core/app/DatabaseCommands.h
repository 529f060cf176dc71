#pragma once

#include "platform/FilePath.h"

#include <string>
#include <string_view>

namespace solvo {

class CFlaskwareApp;
class DatabasePrompts;

/// How the database path dialog ends after its OK button.
enum class PathDialogOutcome {
    KeepOpen,     ///< nothing changed, or a failure was reported; the user goes on editing
    ClosedWithOk, ///< the database now lives at the new path, which is stored
    Closed,       ///< the new file could not be read: the defaults are in use, the path is not changed
};

/// "Error: database was NOT saved." with, on the next line, the reason the
/// system gave for it, when there is one.
std::string NotSavedMessage(std::string_view reason);

/// The save-database command, also run at exit: when the element table or
/// the substances are modified, asks "Save changes to the program
/// database?" and saves to the database path with the password check,
/// reporting NotSavedMessage on failure. When the file was
/// changed by someone else since it was loaded (or removed), the user is
/// asked first whether to overwrite it; No saves nothing, silently, and the
/// database stays modified. Returns whether the database was saved.
bool SaveDatabaseCommand(CFlaskwareApp& app, DatabasePrompts& prompts);

/// The change-password command: after confirming that pending changes will
/// be saved (and that a file changed by someone else may be overwritten),
/// runs the password dialog (new password when none is set, else change)
/// and on OK stores the new digest (empty: no password) and saves the
/// database without asking for the old password again. A failed save is not
/// reported.
void ChangePasswordCommand(CFlaskwareApp& app, DatabasePrompts& prompts);

/// The reload-database command: reads the database file again, as at
/// start-up (its password digest, the defaults and the backup rule of a
/// file that fails), after asking "Discard your changes to the program
/// database?" when there are unsaved changes. Returns whether it was read
/// again (successfully or not).
bool ReloadDatabaseCommand(CFlaskwareApp& app, DatabasePrompts& prompts);

/// When the database file is still there but was changed by someone else
/// since it was loaded, offers to read it again (ReloadDatabaseCommand).
/// A file that is gone is not offered: reading it would replace the only
/// copy left, in memory, with the built-in defaults. Returns whether the
/// database was read again.
bool OfferDatabaseReload(CFlaskwareApp& app, DatabasePrompts& prompts);

/// The database path dialog's OK with path, the text of its field: over an
/// existing file, the user chooses between overwriting it (with its
/// password, when it has one) and reading it; at a new path the database is
/// written there, optionally protected by a new password. DatabasePath
/// changes only after the database was written to or read from path.
PathDialogOutcome AcceptDatabasePath(CFlaskwareApp& app, const FilePath& path,
                                     DatabasePrompts& prompts);

} // namespace solvo
