#pragma once

#include <QObject>

#include <array>

class QAction;
class QWidget;

namespace solvo {

/// Every command of the main window as a QAction, with its menu text,
/// shortcut, status-bar prompt, tool tip and icon. The main frame places them
/// in menus and on the toolbar and connects them to whatever carries them out.
class CommandActions : public QObject {
    Q_OBJECT

public:
    static constexpr int kRecentFileCount = 4;

    /// The actions belong to window, whose keyboard shortcuts they provide.
    explicit CommandActions(QWidget* window);

    QAction* newFile;
    QAction* open;
    QAction* close;
    QAction* save;
    QAction* saveAs;
    QAction* print;
    QAction* printPreview;
    /// The recipe as a PDF file, for electronic lab notebooks.
    QAction* exportPdf;
    /// The recipe as an HTML document, for lab notebooks and browsers.
    QAction* exportHtml;
    /// The recipe on the clipboard as text, HTML and rich text.
    QAction* copyRecipe;
    QAction* printSetup;
    QAction* recentPlaceholder;
    std::array<QAction*, kRecentFileCount> recentFiles;
    QAction* exit;

    QAction* saveDatabase;
    QAction* reloadDatabase;
    QAction* databasePath;
    QAction* databasePassword;

    QAction* toolbar;
    QAction* statusBar;
    QAction* concentrationCalculator;
    QAction* mixingCalculator;
    QAction* buffer;
    QAction* database;
    QAction* moietiesEditor;
    QAction* solution;
    QAction* recipe;

    QAction* cascade;
    QAction* arrangeIcons;

    QAction* helpTopics;
    QAction* tutorial;
    QAction* tipOfTheDay;
    QAction* about;
    QAction* contextHelp;
    QAction* helpMode;

    QAction* displayDigits4;
    QAction* displayDigits6;
    QAction* formulaSort;
    QAction* widen;
    QAction* narrow;
    QAction* cycleSize;

    QAction* copy;
    QAction* cut;
    QAction* paste;
    /// Keys that no window of the program handles: they are taken so that
    /// they do nothing, rather than reaching a field.
    QAction* swallowedKeys;

    /// The actions that only work through the keyboard: they must be added
    /// to the window to be active.
    QList<QAction*> KeyboardOnly() const;

private:
    QAction* Make(const QString& text, const QString& prompt, const QString& toolTip = {});
    QWidget* window_;
};

} // namespace solvo
