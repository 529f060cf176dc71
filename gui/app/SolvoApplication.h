#pragma once

#include "app/CMainFrame.h"
#include "app/CSolvoApp.h"
#include "app/QtSettingsStore.h"
#include "app/RecentFileList.h"

#include <memory>

namespace solvo {

/// Runs Solvo's start-up and shut-down around the Qt event loop: it owns the
/// settings store, the application object and the main window.
class SolvoApplication {
public:
    SolvoApplication();
    ~SolvoApplication();

    /// Start-up: settings, data folder, database content, unit labels, main window.
    void Start();
    /// Shut-down: the last values are written back to the settings store.
    void Finish();

    CSolvoApp& App() { return app_; }
    CMainFrame* MainFrame() { return mainFrame_.get(); }

private:
    QtSettingsStore store_;
    CSolvoApp app_;
    RecentFileList recentFiles_;
    std::unique_ptr<CMainFrame> mainFrame_;
};

} // namespace solvo
