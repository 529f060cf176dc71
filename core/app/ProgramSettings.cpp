#include "app/ProgramSettings.h"

namespace solvo {

namespace {
constexpr std::string_view kDisplayDigits = "DisplayDigits";
constexpr std::string_view kDatabasePath = "DatabasePath";
constexpr std::string_view kFirstRun = "FirstRun";
constexpr std::string_view kShowTipOfTheDay = "ShowTipOfTheDay";
constexpr std::string_view kCurrentTip = "CurrentTip";
constexpr std::string_view kTipIncrement = "TipIncrement";
} // namespace

std::int32_t ProgramSettings::DisplayDigits() const
{
    return store_.ReadInt(kSection, kDisplayDigits, kDefaultDisplayDigits);
}

void ProgramSettings::SetDisplayDigits(std::int32_t digits)
{
    store_.WriteInt(kSection, kDisplayDigits, digits);
}

FilePath ProgramSettings::DatabasePath() const
{
    return store_.ReadPath(kSection, kDatabasePath);
}

void ProgramSettings::SetDatabasePath(const FilePath& path)
{
    store_.WritePath(kSection, kDatabasePath, path);
}

std::int32_t ProgramSettings::FirstRun() const
{
    return store_.ReadInt(kSection, kFirstRun, 0);
}

void ProgramSettings::SetFirstRun(std::int32_t value)
{
    store_.WriteInt(kSection, kFirstRun, value);
}

std::int32_t ProgramSettings::ShowTipOfTheDay() const
{
    return store_.ReadInt(kSection, kShowTipOfTheDay, 1);
}

void ProgramSettings::SetShowTipOfTheDay(std::int32_t value)
{
    store_.WriteInt(kSection, kShowTipOfTheDay, value);
}

std::int32_t ProgramSettings::CurrentTip() const
{
    return store_.ReadInt(kSection, kCurrentTip, -1);
}

void ProgramSettings::SetCurrentTip(std::int32_t value)
{
    store_.WriteInt(kSection, kCurrentTip, value);
}

std::int32_t ProgramSettings::TipIncrement() const
{
    return store_.ReadInt(kSection, kTipIncrement, -1);
}

void ProgramSettings::SetTipIncrement(std::int32_t value)
{
    store_.WriteInt(kSection, kTipIncrement, value);
}

} // namespace solvo
