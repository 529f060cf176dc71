#pragma once

#include "formula/ElementTable.h"
#include "solution/CChildFrame.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace solvo {

class CMainFrame;
class CSolvoApp;
class RecentFileList;
class SettingsStore;
class SolvoDocument;

/// The open solutions and their windows: New, Open, Save, Save As, closing
/// with the question whether to save, and the composition and recipe
/// windows of each solution.
class DocumentManager : public QObject {
    Q_OBJECT

public:
    /// Builds the view that a window of a solution shows.
    using ViewFactory = std::function<QWidget*(SolvoDocument&)>;

    DocumentManager(CSolvoApp& app, CMainFrame& frame, RecentFileList& recentFiles,
                    SettingsStore& store);
    ~DocumentManager() override;

    void SetCompositionViewFactory(ViewFactory factory) { compositionView_ = std::move(factory); }
    void SetRecipeViewFactory(ViewFactory factory) { recipeView_ = std::move(factory); }

    /// A new solution (Solvo1, Solvo2, …) in a new composition window.
    SolvoDocument* NewDocument();
    /// Opens the solution file at path in a composition window; a file that
    /// is open already is only activated. Shows the program's messages and
    /// returns null when the file cannot be opened.
    SolvoDocument* OpenDocument(const QString& path);
    /// The file-open dialog, then OpenDocument().
    void OpenWithDialog();
    /// Save: Save As when the solution has no file yet. False when not saved.
    bool Save(SolvoDocument& document);
    bool SaveAs(SolvoDocument& document);

    /// The composition window of document, created when it has none, activated.
    void ShowCompositionWindow(SolvoDocument& document);
    /// The recipe window of document, created when it has none, activated.
    void ShowRecipeWindow(SolvoDocument& document);
    /// Closes every window of document, asking first when it is modified.
    /// False when the user cancelled.
    bool CloseDocument(SolvoDocument& document);

    /// Shut-down: asks for every modified solution in turn whether to save
    /// it. False when the user cancelled one question (the rest are not asked).
    bool QuerySaveAll();
    /// Closes every window without asking (after QuerySaveAll()).
    void CloseAllWithoutAsking();

    SolvoDocument* ActiveDocument() const;
    const std::vector<SolvoDocument*>& Documents() const { return documents_; }
    /// Makes every view of every solution redraw.
    void RedrawAll();
    /// After the element table may have changed (a moiety added, modified or
    /// deleted, another database read): when it did, every solution takes
    /// the molar masses its formulas now give, is marked modified when its
    /// numbers change, and every view redraws. Called first once the program
    /// database is loaded and before any solution opens, it only takes note
    /// of the table.
    void FollowElementTable();

private:
    CChildFrame* FindFrame(const SolvoDocument& document, CChildFrame::Kind kind) const;
    CChildFrame* AddFrame(CChildFrame::Kind kind, SolvoDocument& document);
    bool MayClose(CChildFrame& frame);
    bool AskToSave(SolvoDocument& document);
    bool SaveAt(SolvoDocument& document, const QString& path);
    void Forget(SolvoDocument* document);
    void UpdateCommands();
    void RememberFile(const QString& path);

    CSolvoApp& app_;
    CMainFrame& frame_;
    RecentFileList& recentFiles_;
    SettingsStore& store_;
    ViewFactory compositionView_;
    ViewFactory recipeView_;
    std::vector<SolvoDocument*> documents_;
    /// The element table the open solutions' molar masses come from.
    ElementTable followedElements_;
    int nextNumber_ = 1;
    bool closingAll_ = false;
};

} // namespace solvo
