#pragma once

#include "app/SettingsStore.h"
#include "quantities/NumberFormat.h"

namespace solvo {

/// The program's values under the section "Settings" of the settings store,
/// each read with its default when it was never written.
class ProgramSettings {
public:
    static constexpr std::string_view kSection = "Settings";

    explicit ProgramSettings(SettingsStore& store) : store_(store) {}

    /// Significant digits for numbers shown without their own precision.
    std::int32_t DisplayDigits() const;
    void SetDisplayDigits(std::int32_t digits);

    /// The program database file; empty means the default file of the data folder.
    FilePath DatabasePath() const;
    void SetDatabasePath(const FilePath& path);

    /// Not 0 when the next start should show the first-run tutorial.
    std::int32_t FirstRun() const;
    void SetFirstRun(std::int32_t value);

    std::int32_t ShowTipOfTheDay() const;
    void SetShowTipOfTheDay(std::int32_t value);

    /// −1 when the tip sequence has not been started yet.
    std::int32_t CurrentTip() const;
    void SetCurrentTip(std::int32_t value);

    /// −1 when the tip sequence has not been started yet.
    std::int32_t TipIncrement() const;
    void SetTipIncrement(std::int32_t value);

private:
    SettingsStore& store_;
};

} // namespace solvo
