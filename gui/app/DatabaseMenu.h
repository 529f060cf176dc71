#pragma once

#include <QObject>

namespace solvo {

class CMainFrame;
class CSolvoApp;
class DocumentManager;

/// The commands on the program database and its element table: "Save
/// database", "Reload database", "Database path", "Database password", the
/// moieties editor and the formula dialog. "Save database" is offered only while the database
/// or the element table is modified, and the open solutions follow the
/// element table; since both change only inside modal dialogs (the
/// database dialog, wherever it is opened from, may read the file again),
/// that is checked whenever the focus moves and after each of these
/// commands.
class DatabaseMenu : public QObject {
    Q_OBJECT

public:
    DatabaseMenu(CSolvoApp& app, CMainFrame& frame, DocumentManager& documents);

    /// Offers "Save database" exactly while there is something to save.
    void Refresh();

private:
    void ShowMoietiesEditor();
    /// After the element table or the database may have changed: every
    /// solution takes the molar masses its formulas now give, and "Save
    /// database" is offered when there is something to save.
    void Changed();

    CSolvoApp& app_;
    CMainFrame& frame_;
    DocumentManager& documents_;
};

} // namespace solvo
