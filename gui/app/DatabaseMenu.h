#pragma once

#include <QObject>

namespace solvo {

class CMainFrame;
class CSolvoApp;
class DocumentManager;

/// The commands on the program database and its element table: "Save
/// database", "Reload database", "Database path", "Database password", the
/// moieties editor and the formula dialog. "Save database" is offered only while the database
/// or the element table is modified; since they change only inside modal
/// dialogs, that is checked whenever the focus comes back and after each
/// of these commands.
class DatabaseMenu : public QObject {
    Q_OBJECT

public:
    DatabaseMenu(CSolvoApp& app, CMainFrame& frame, DocumentManager& documents);

    /// Offers "Save database" exactly while there is something to save.
    void Refresh();

private:
    void ShowMoietiesEditor();
    /// After the element table changed or was replaced: the molar masses
    /// of every solution are shown again.
    void Changed();

    CSolvoApp& app_;
    CMainFrame& frame_;
    DocumentManager& documents_;
};

} // namespace solvo
