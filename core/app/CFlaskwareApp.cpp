#include "app/CFlaskwareApp.h"

namespace solvo {

CFlaskwareApp::CFlaskwareApp(SettingsStore& store, DataFolder dataFolder)
    : settings_(store), dataFolder_(std::move(dataFolder))
{
}

void CFlaskwareApp::Initialise()
{
    displayDigits_ = settings_.DisplayDigits();
}

void CFlaskwareApp::Finalise()
{
    settings_.SetDisplayDigits(displayDigits_);
}

std::filesystem::path CFlaskwareApp::DatabaseFilePath() const
{
    const std::string path = settings_.DatabasePath();
    if (path.empty())
        return dataFolder_.FilePath(DataFolder::kDefaultDatabaseFile);
    return std::filesystem::path(path);
}

} // namespace solvo
