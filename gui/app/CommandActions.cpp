#include "app/CommandActions.h"

#include "app/CommandIcons.h"

#include <QAction>
#include <QWidget>

namespace solvo {

CommandActions::CommandActions(QWidget* window) : QObject(window), window_(window)
{
    newFile = Make(tr("&New"), tr("Create a new document"), tr("New"));
    newFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    newFile->setIcon(CommandIcons::Icon(CommandIcons::Kind::New));
    open = Make(tr("&Open..."), tr("Open an existing document"), tr("Open"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    open->setIcon(CommandIcons::Icon(CommandIcons::Kind::Open));
    close = Make(tr("&Close"), tr("Close the active document"), tr("Close"));
    save = Make(tr("&Save"), tr("Save the active document"), tr("Save"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    save->setIcon(CommandIcons::Icon(CommandIcons::Kind::Save));
    saveAs = Make(tr("Save &As..."), tr("Save the active document with a new name"), tr("Save As"));
    print = Make(tr("&Print..."), tr("Print the active document"), tr("Print"));
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    print->setIcon(CommandIcons::Icon(CommandIcons::Kind::Print));
    printPreview = Make(tr("Print Pre&view"), tr("Display full pages"), tr("Print Preview"));
    exportPdf = Make(tr("Export P&DF..."), tr("Save the recipe as a PDF file"), tr("Export PDF"));
    exportHtml = Make(tr("Export &HTML..."), tr("Save the recipe as an HTML file"),
                      tr("Export HTML"));
    copyRecipe = Make(tr("Cop&y recipe"), tr("Copy the recipe and put it on the Clipboard"),
                      tr("Copy recipe"));
    printSetup = Make(tr("P&rint Setup..."), tr("Change the printer and printing options"),
                      tr("Print Setup"));
    recentPlaceholder = Make(tr("Recent File"), tr("Open this document"));
    recentPlaceholder->setEnabled(false);
    for (auto& action : recentFiles)
        action = Make({}, tr("Open this document"));
    exit = Make(tr("E&xit"), tr("Quit the application; prompts to save documents"), tr("Exit"));

    saveDatabase = Make(tr("Save data&base"), tr("Save modified program database"),
                        tr("Save database"));
    saveDatabase->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    reloadDatabase = Make(tr("&Reload database"), tr("Reads the program database file again"),
                          tr("Reload database"));
    databasePath = Make(tr("Database &path"), tr("Shows the program database path"));
    databasePassword = Make(tr("Database pa&ssword"), tr("Sets the program database password"));

    toolbar = Make(tr("&Toolbar"), tr("Show or hide the toolbar"), tr("Toggle ToolBar"));
    toolbar->setCheckable(true);
    statusBar = Make(tr("Status &bar"), tr("Show or hide the status bar"), tr("Toggle StatusBar"));
    statusBar->setCheckable(true);
    concentrationCalculator = Make(tr("&Concentration calculator"),
                                   tr("Shows concentration calculator"),
                                   tr("Concentrations calculator"));
    concentrationCalculator->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    concentrationCalculator->setIcon(CommandIcons::Icon(CommandIcons::Kind::Calculator));
    mixingCalculator =
        Make(tr("&Mixing calculator"), tr("Shows mixing calculator"), tr("Mixing calculator"));
    mixingCalculator->setIcon(CommandIcons::Icon(CommandIcons::Kind::Mixer));
    buffer = Make(tr("B&uffer\u2026"), tr("Shows the buffer calculator: the amounts for a stated pH"),
                  tr("Buffer"));
    database = Make(tr("&Database"), tr("Shows substances database"), tr("Database"));
    database->setIcon(CommandIcons::Icon(CommandIcons::Kind::Database));
    moietiesEditor = Make(tr("Moieties editor"), tr("Shows moieties editor"), tr("Moieties editor"));
    moietiesEditor->setIcon(CommandIcons::Icon(CommandIcons::Kind::Moieties));
    solution = Make(tr("&Solution"), tr("Shows solution composition view"),
                    tr("Solution composition view"));
    solution->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    solution->setIcon(CommandIcons::Icon(CommandIcons::Kind::Solution));
    recipe = Make(tr("&Recipe"), tr("Shows recipe view"), tr("Recipe view"));
    recipe->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    recipe->setIcon(CommandIcons::Icon(CommandIcons::Kind::Recipe));

    cascade = Make(tr("&Cascade"), tr("Arrange windows so they overlap"), tr("Cascade Windows"));
    arrangeIcons = Make(tr("&Arrange Icons"), tr("Arrange icons at the bottom of the window"),
                        tr("Arrange Icons"));

    helpTopics = Make(tr("&Help Topics"), tr("List Help topics"), tr("Help Topics"));
    tutorial = Make(tr("&Tutorial"), tr("Shows tutorial with usage examples"), tr("Show tutorial"));
    tutorial->setIcon(CommandIcons::Icon(CommandIcons::Kind::Tutorial));
    tipOfTheDay = Make(tr("Tip of the &day"), tr("Shows the tip of the day"));
    about = Make(tr("&About Solvo..."),
                 tr("Display program information, version number and copyright"), tr("About"));
    about->setIcon(CommandIcons::Icon(CommandIcons::Kind::About));
    contextHelp = Make(tr("Help"), tr("Shows help for the active window"));
    contextHelp->setShortcut(QKeySequence(Qt::Key_F1));
    helpMode = Make(tr("Help mode"), tr("Shows help for the next window or command clicked"));
    helpMode->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));

    displayDigits4 = Make(tr("Display digits 4"), tr("Shows numbers with 4 significant digits"));
    displayDigits4->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_4));
    displayDigits6 = Make(tr("Display digits 6"), tr("Shows numbers with 6 significant digits"));
    displayDigits6->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_6));
    formulaSort = Make(tr("Formula sort"), tr("Shows the formula dialog"));
    formulaSort->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_F));
    widen = Make(tr("Widen"), tr("Widens the main window"));
    widen->setShortcuts({QKeySequence(Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_Equal),
                         QKeySequence(Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_Plus)});
    narrow = Make(tr("Narrow"), tr("Narrows the main window"));
    narrow->setShortcuts({QKeySequence(Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_Minus),
                          QKeySequence(Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_Underscore)});
    cycleSize = Make(tr("Cycle size"), tr("Cycles the main window through standard sizes"));
    cycleSize->setShortcuts({QKeySequence(Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_8),
                             QKeySequence(Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_Asterisk)});

    copy = Make(tr("&Copy"), tr("Copy the selection and put it on the Clipboard"), tr("Copy"));
    // Ctrl+C as everywhere else; a field that has the focus still copies its selection.
    copy->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Insert), QKeySequence(Qt::CTRL | Qt::Key_C)});
    cut = Make(tr("Cu&t"), tr("Cut the selection and put it on the Clipboard"), tr("Cut"));
    cut->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)});
    paste = Make(tr("&Paste"), tr("Insert Clipboard contents"), tr("Paste"));
    paste->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)});
    swallowedKeys = Make({}, {});
    swallowedKeys->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z),
                                 QKeySequence(Qt::ALT | Qt::Key_Backspace),
                                 QKeySequence(Qt::Key_F6), QKeySequence(Qt::SHIFT | Qt::Key_F6)});
}

QList<QAction*> CommandActions::KeyboardOnly() const
{
    return {contextHelp, helpMode, displayDigits4, displayDigits6, formulaSort, widen,
            narrow,      cycleSize, copy,          cut,            paste,       swallowedKeys};
}

QAction* CommandActions::Make(const QString& text, const QString& prompt, const QString& toolTip)
{
    auto* action = new QAction(text, this);
    action->setStatusTip(prompt);
    if (!toolTip.isEmpty())
        action->setToolTip(toolTip);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

} // namespace solvo
