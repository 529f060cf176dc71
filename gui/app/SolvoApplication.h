#pragma once

#include "app/CMainFrame.h"
#include "app/CSolvoApp.h"
#include "app/QtSettingsStore.h"
#include "app/RecentFileList.h"

#include <QString>

#include <memory>

namespace solvo {

class DocumentManager;
class HelpCommands;

/// Runs Solvo's start-up and shut-down around the Qt event loop: it owns the
/// settings store, the application object, the main window and the open
/// solutions.
class SolvoApplication {
public:
    SolvoApplication();
    ~SolvoApplication();

    /// Start-up, in order: settings, recent files, main window, program
    /// database (on the first run the built-in one, written to the data
    /// folder; the built-in one after a message when a file cannot be
    /// loaded), unit labels, then the solution file named on the command
    /// line or a new solution, the main window shown, and then on the first
    /// run after installation the tutorial, otherwise the tip of the day
    /// unless the user turned it off. False when the named file cannot be
    /// opened: the program then ends.
    bool Start(const QString& fileToOpen = {});
    /// The end of the program: the last values go back to the settings store.
    void Finish();

    CSolvoApp& App() { return app_; }
    CMainFrame* MainFrame() { return mainFrame_.get(); }
    DocumentManager* Documents() { return documents_; }
    HelpCommands* Help() { return help_; }

private:
    /// Shut-down's questions: every modified solution, then the program
    /// database whatever the answers; false when a solution question was
    /// cancelled.
    bool MayQuit();

    QtSettingsStore store_;
    CSolvoApp app_;
    RecentFileList recentFiles_;
    std::unique_ptr<CMainFrame> mainFrame_;
    DocumentManager* documents_ = nullptr;
    HelpCommands* help_ = nullptr;
};

} // namespace solvo
