#pragma once

#include "app/DataFolder.h"
#include "app/ProgramSettings.h"
#include "formula/ElementTable.h"
#include "substances/FileStamp.h"

#include <cstdint>
#include <string>
#include <vector>

namespace solvo {

class CFlaskwareDatabase;
class CFlaskwareDocument;
class DatabasePrompts;

/// What every program of the family shares in its application object: the
/// settings, the data folder, the display precision, the element and moiety
/// table and the program database password. One instance lives for the whole
/// run; the front end creates it with its platform's settings store and data
/// folder and passes it to whatever needs it.
class CFlaskwareApp {
public:
    CFlaskwareApp(SettingsStore& store, DataFolder dataFolder);
    virtual ~CFlaskwareApp() = default;
    CFlaskwareApp(const CFlaskwareApp&) = delete;
    CFlaskwareApp& operator=(const CFlaskwareApp&) = delete;

    /// The first step of start-up: reads DisplayDigits (default 4).
    void Initialise();
    /// The last step at exit: writes DisplayDigits back.
    void Finalise();

    std::int32_t DisplayDigits() const { return displayDigits_; }
    void SetDisplayDigits(std::int32_t digits) { displayDigits_ = digits; }

    ProgramSettings& Settings() { return settings_; }
    const ProgramSettings& Settings() const { return settings_; }
    const DataFolder& Data() const { return dataFolder_; }

    ElementTable& Elements() { return elements_; }
    const ElementTable& Elements() const { return elements_; }

    /// MD5 digest of the database password as stored; empty when there is none.
    const std::string& PasswordDigest() const { return passwordDigest_; }
    void SetPasswordDigest(std::string digest) { passwordDigest_ = std::move(digest); }

    /// The program database file: DatabasePath when set, else the default
    /// file of the data folder.
    FilePath DatabaseFilePath() const;

    /// Replaces the database content with the built-in defaults, not modified.
    virtual void InstallDefaults() = 0;
    /// Whether the element table or the substance database has been changed.
    virtual bool IsDatabaseModified() const = 0;
    /// The substance database, whose block the database file holds.
    virtual CFlaskwareDatabase& Database() = 0;

    /// For every entry of the element table (plus one), how often it is
    /// used by the formulas of the open documents, which the front end
    /// knows and passes in, and of the substance database. An entry whose
    /// count is not 0 must not be removed.
    std::vector<std::int32_t> CountAllElementUses(
        const std::vector<const CFlaskwareDocument*>& openDocuments);

    /// Replaces the element table, the substance database and (when the file
    /// holds one) the password digest with the content of the database file
    /// at path. When the file cannot be opened, is of an unknown version,
    /// malformed, truncated or incomplete, the user is told "Can't open
    /// program database file.\nProgram will start with a limited database."
    /// (after any message of the reading itself), the built-in defaults are
    /// installed, and false is returned. A file that existed but was not
    /// read in full is copied to <path>.bak before it is first overwritten.
    bool LoadDatabaseFile(const FilePath& path, DatabasePrompts& prompts);

    /// Start-up's program database. No installer puts a database file in the
    /// data folder, so when DatabasePath is not set and the default file does
    /// not exist yet, the built-in defaults are installed without a word and,
    /// with writeFirstFile, written to the default file (a failed write stays
    /// silent too: the next start tries again). Any other case is
    /// LoadDatabaseFile of the database path, with its message when that
    /// fails: a file the user named that is missing (a share not mounted)
    /// is never created here.
    void StartDatabase(DatabasePrompts& prompts, bool writeFirstFile);

    /// Writes the database file at path, atomically. With checkPassword, and
    /// when the file exists and stores a digest, the user must first enter
    /// the password (asked again while wrong and the user wants to retry).
    /// Returns false, with the old file and the modified flags untouched,
    /// when the password is refused or the file cannot be written; error
    /// (when given) then receives the reason the system gave for the
    /// failed write, or stays as it was.
    bool SaveDatabaseFile(const FilePath& path, bool checkPassword,
                          DatabasePrompts& prompts, std::string* error = nullptr);

    /// The digest stored in the database file at path; "pqmvzr", which no
    /// password matches, when the file cannot be read.
    static std::string ReadStoredDigest(const FilePath& path);

    /// The database file as last loaded or saved, taken before it was read
    /// so that a change made during the read counts as a change.
    const FileStamp& DatabaseStamp() const { return databaseStamp_; }

private:
    bool CheckPassword(const FilePath& path, DatabasePrompts& prompts) const;
    bool BackUpUnloadedFile(const FilePath& path);

    ProgramSettings settings_;
    DataFolder dataFolder_;
    std::int32_t displayDigits_ = kDefaultDisplayDigits;
    ElementTable elements_;
    std::string passwordDigest_;
    // A database file that existed but could not be read in full; it is
    // kept as <name>.bak before anything overwrites it.
    FilePath unloadedFile_;
    FileStamp databaseStamp_;
};

} // namespace solvo
