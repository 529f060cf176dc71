#pragma once

#include <QMainWindow>
#include <QStringList>

#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QToolBar;

namespace solvo {

class CFlaskwareApp;
class CommandActions;
class RecentFileList;

/// The program's main window: menu bar, toolbar, the area of the solution
/// windows, and the status bar. It offers the commands and routes them; what
/// a command does is carried out elsewhere, reached through the signals.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    static constexpr const char* kTitle = "Flaskware - Solvo";

    CMainFrame(CFlaskwareApp& app, RecentFileList& recentFiles, QWidget* parent = nullptr);
    ~CMainFrame() override;

    QMdiArea* MdiArea() const { return mdiArea_; }
    CommandActions& Commands() const { return *commands_; }
    /// The parent of the objects that route commands to and from this window
    /// and hold on to it: they go before the window is taken down, after its
    /// solution windows.
    QObject* Helpers() const { return helpers_; }

    /// Rebuilds the File menu's recent-file entries from the list.
    void RefreshRecentFiles();

    /// The idle text of the status bar's message pane.
    static QString IdleText();

    /// Decides whether the window may close (shut-down asks its questions).
    std::function<bool()> closeGuard;

signals:
    /// .sln files dropped on the window, or named by a second start of the program.
    void filesToOpen(const QStringList& paths);
    /// One of the recent-file entries was chosen.
    void recentFileChosen(const QString& path);
    /// Display digits 4 or 6: every view of every document must redraw.
    void displayDigitsChanged();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateToolBar();
    void CreateStatusBar();
    void RebuildMenus();
    void UpdateTitle();
    void ArrangeIcons();
    void ResizeOuter(int width, int height);
    void SetDisplayDigits(int digits);
    bool HasSolution() const;

    CFlaskwareApp& app_;
    RecentFileList& recentFiles_;
    QMdiArea* mdiArea_;
    CommandActions* commands_;
    QObject* helpers_;
    QToolBar* toolBar_ = nullptr;
    bool menusForSolution_ = false;
};

} // namespace solvo
