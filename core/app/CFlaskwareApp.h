#pragma once

#include "app/DataFolder.h"
#include "app/ProgramSettings.h"
#include "formula/ElementTable.h"

#include <filesystem>
#include <string>

namespace solvo {

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
    std::filesystem::path DatabaseFilePath() const;

    /// Replaces the database content with the built-in defaults, not modified.
    virtual void InstallDefaults() = 0;
    /// Whether the element table or the substance database has been changed.
    virtual bool IsDatabaseModified() const = 0;

private:
    ProgramSettings settings_;
    DataFolder dataFolder_;
    std::int32_t displayDigits_ = ProgramSettings::kDefaultDisplayDigits;
    ElementTable elements_;
    std::string passwordDigest_;
};

} // namespace solvo
