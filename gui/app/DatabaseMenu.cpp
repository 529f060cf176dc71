#include "app/DatabaseMenu.h"

#include "app/CMainFrame.h"
#include "app/CSolvoApp.h"
#include "app/CommandActions.h"
#include "app/DatabaseCommands.h"
#include "app/MessagePrompts.h"
#include "formula/CFormulaSortDlg.h"
#include "formula/CMoietiesDlg.h"
#include "solution/DocumentManager.h"
#include "solution/SolvoDocument.h"
#include "substances/CDatabasePathDlg.h"

#include <QAction>
#include <QApplication>

namespace solvo {

DatabaseMenu::DatabaseMenu(CSolvoApp& app, CMainFrame& frame, DocumentManager& documents)
    : QObject(frame.Helpers()), app_(app), frame_(frame), documents_(documents)
{
    CommandActions& c = frame.Commands();
    for (QAction* action : {c.reloadDatabase, c.databasePath, c.databasePassword,
                            c.moietiesEditor, c.formulaSort})
        action->setEnabled(true);
    connect(c.saveDatabase, &QAction::triggered, this, [this] {
        MessagePrompts prompts(&frame_);
        SaveDatabaseCommand(app_, prompts);
        Refresh();
    });
    connect(c.reloadDatabase, &QAction::triggered, this, [this] {
        MessagePrompts prompts(&frame_);
        if (ReloadDatabaseCommand(app_, prompts))
            Changed();
    });
    connect(c.databasePath, &QAction::triggered, this, [this] {
        MessagePrompts prompts(&frame_);
        CDatabasePathDlg(app_, prompts, &frame_).exec();
        Changed();
    });
    connect(c.databasePassword, &QAction::triggered, this, [this] {
        MessagePrompts prompts(&frame_);
        ChangePasswordCommand(app_, prompts);
        Refresh();
    });
    connect(c.moietiesEditor, &QAction::triggered, this, &DatabaseMenu::ShowMoietiesEditor);
    connect(c.formulaSort, &QAction::triggered, this,
            [this] { CFormulaSortDlg(app_.Elements(), &frame_).exec(); });
    connect(qApp, &QApplication::focusChanged, this, &DatabaseMenu::Changed);
    Refresh();
}

void DatabaseMenu::Refresh()
{
    frame_.Commands().saveDatabase->setEnabled(app_.IsDatabaseModified());
}

void DatabaseMenu::ShowMoietiesEditor()
{
    const auto countUses = [this] {
        std::vector<const CFlaskwareDocument*> open;
        for (const SolvoDocument* document : documents_.Documents())
            open.push_back(&document->Data());
        return app_.CountAllElementUses(open);
    };
    CMoietiesDlg(app_.Elements(), app_.DisplayDigits(), countUses, &frame_).exec();
    Changed();
}

void DatabaseMenu::Changed()
{
    documents_.FollowElementTable();
    Refresh();
}

} // namespace solvo
