#include "solution/DocumentManager.h"

#include "app/CMainFrame.h"
#include "app/CSolvoApp.h"
#include "app/CommandActions.h"
#include "app/MessagePrompts.h"
#include "app/PathConversion.h"
#include "app/RecentFileList.h"
#include "app/TextConversion.h"
#include "solution/SolvoDocument.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMessageBox>
#include <QStyle>

#include <algorithm>

namespace solvo {

namespace {

QString FileFilter()
{
    return QObject::tr("Solvo solution (*.sln)");
}

} // namespace

DocumentManager::DocumentManager(CSolvoApp& app, CMainFrame& frame, RecentFileList& recentFiles,
                                 SettingsStore& store)
    : QObject(frame.Helpers()), app_(app), frame_(frame), recentFiles_(recentFiles), store_(store),
      followedElements_(app.Elements())
{
    CommandActions& c = frame.Commands();
    connect(c.newFile, &QAction::triggered, this, [this] { NewDocument(); });
    connect(c.open, &QAction::triggered, this, [this] { OpenWithDialog(); });
    connect(c.close, &QAction::triggered, this, [this] {
        if (SolvoDocument* document = ActiveDocument())
            CloseDocument(*document);
    });
    connect(c.save, &QAction::triggered, this, [this] {
        if (SolvoDocument* document = ActiveDocument())
            Save(*document);
    });
    connect(c.saveAs, &QAction::triggered, this, [this] {
        if (SolvoDocument* document = ActiveDocument())
            SaveAs(*document);
    });
    connect(c.solution, &QAction::triggered, this, [this] {
        if (SolvoDocument* document = ActiveDocument())
            ShowCompositionWindow(*document);
    });
    connect(c.recipe, &QAction::triggered, this, [this] {
        if (SolvoDocument* document = ActiveDocument())
            ShowRecipeWindow(*document);
    });
    connect(&frame, &CMainFrame::recentFileChosen, this,
            [this](const QString& path) { OpenDocument(path); });
    connect(&frame, &CMainFrame::filesToOpen, this, [this](const QStringList& paths) {
        for (const QString& path : paths)
            OpenDocument(path);
    });
    connect(&frame, &CMainFrame::displayDigitsChanged, this, &DocumentManager::RedrawAll);
    connect(frame.MdiArea(), &QMdiArea::subWindowActivated, this, &DocumentManager::UpdateCommands);
    for (QAction* action : {c.newFile, c.open})
        action->setEnabled(true);
    UpdateCommands();
}

DocumentManager::~DocumentManager() = default;

SolvoDocument* DocumentManager::NewDocument()
{
    auto* document = new SolvoDocument(app_, QStringLiteral("Solvo%1").arg(nextNumber_++), this);
    documents_.push_back(document);
    ShowCompositionWindow(*document);
    return document;
}

SolvoDocument* DocumentManager::OpenDocument(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (SolvoDocument* open : documents_) {
        if (!open->Path().isEmpty() && QFileInfo(open->Path()) == QFileInfo(absolute)) {
            CChildFrame* frame = FindFrame(*open, CChildFrame::Kind::CompositionWindow);
            if (!frame)
                frame = FindFrame(*open, CChildFrame::Kind::RecipeWindow);
            if (frame)
                frame_.MdiArea()->setActiveSubWindow(frame);
            return open;
        }
    }

    auto* document = new SolvoDocument(app_, QFileInfo(absolute).fileName(), this);
    const CSolvoDoc::ReadResult result = document->Read(absolute);
    MessagePrompts prompts(&frame_);
    for (const std::string& message : result.messages)
        prompts.ShowMessage(message, PromptIcon::Exclamation);
    if (!result.Opened()) {
        delete document;
        recentFiles_.Remove(ToFilePath(absolute));
        recentFiles_.Write(store_);
        frame_.RefreshRecentFiles();
        return nullptr;
    }
    documents_.push_back(document);
    RememberFile(absolute);
    ShowCompositionWindow(*document);
    return document;
}

void DocumentManager::OpenWithDialog()
{
    const QString path = QFileDialog::getOpenFileName(&frame_, tr("Open"), QString(), FileFilter());
    if (!path.isEmpty())
        OpenDocument(path);
}

bool DocumentManager::Save(SolvoDocument& document)
{
    if (document.Path().isEmpty())
        return SaveAs(document);
    return SaveAt(document, document.Path());
}

bool DocumentManager::SaveAs(SolvoDocument& document)
{
    const QStringList suffix{QStringLiteral("sln")};
    const QString suggested =
        WithSuffix(document.Path().isEmpty() ? document.Title() : document.Path(), suffix);
    const QString path = QFileDialog::getSaveFileName(&frame_, tr("Save As"), suggested, FileFilter());
    if (path.isEmpty())
        return false;
    return SaveAt(document, WithSuffix(path, suffix));
}

bool DocumentManager::SaveAt(SolvoDocument& document, const QString& path)
{
    MessagePrompts prompts(&frame_);
    if (!document.MayOverwrite(path, prompts))
        return false;
    std::string reason;
    if (!document.Save(path, &reason)) {
        prompts.ShowMessage("Failed to save document.\n" + SystemReasonText(reason),
                            PromptIcon::Exclamation);
        return false;
    }
    RememberFile(document.Path());
    return true;
}

void DocumentManager::ShowCompositionWindow(SolvoDocument& document)
{
    CChildFrame* frame = FindFrame(document, CChildFrame::Kind::CompositionWindow);
    if (!frame)
        frame = AddFrame(CChildFrame::Kind::CompositionWindow, document);
    frame->showNormal();
    frame_.MdiArea()->setActiveSubWindow(frame);
}

void DocumentManager::ShowRecipeWindow(SolvoDocument& document)
{
    CChildFrame* frame = FindFrame(document, CChildFrame::Kind::RecipeWindow);
    if (!frame)
        frame = AddFrame(CChildFrame::Kind::RecipeWindow, document);
    frame->show();
    frame_.MdiArea()->setActiveSubWindow(frame);
}

bool DocumentManager::CloseDocument(SolvoDocument& document)
{
    if (document.IsModified() && !AskToSave(document))
        return false;
    closingAll_ = true;
    for (auto kind : {CChildFrame::Kind::RecipeWindow, CChildFrame::Kind::CompositionWindow}) {
        if (CChildFrame* frame = FindFrame(document, kind))
            frame->close();
    }
    closingAll_ = false;
    return true;
}

bool DocumentManager::QuerySaveAll()
{
    for (SolvoDocument* document : documents_) {
        if (document->IsModified() && !AskToSave(*document))
            return false;
    }
    return true;
}

void DocumentManager::CloseAllWithoutAsking()
{
    closingAll_ = true;
    frame_.MdiArea()->closeAllSubWindows();
    closingAll_ = false;
}

SolvoDocument* DocumentManager::ActiveDocument() const
{
    const auto* frame = qobject_cast<CChildFrame*>(frame_.MdiArea()->activeSubWindow());
    return frame ? frame->Document() : nullptr;
}

void DocumentManager::RedrawAll()
{
    for (SolvoDocument* document : documents_)
        document->Redraw();
}

void DocumentManager::FollowElementTable()
{
    const ElementTable& elements = app_.Elements();
    if (elements.SameEntries(followedElements_))
        return;
    for (SolvoDocument* document : documents_) {
        if (document->Data().FollowElementTable(followedElements_, elements))
            document->Edited();
        else
            document->Redraw();
    }
    followedElements_ = elements;
}

CChildFrame* DocumentManager::FindFrame(const SolvoDocument& document,
                                        CChildFrame::Kind kind) const
{
    for (QMdiSubWindow* window : frame_.MdiArea()->subWindowList()) {
        auto* frame = qobject_cast<CChildFrame*>(window);
        if (frame && frame->Document() == &document && frame->FrameKind() == kind)
            return frame;
    }
    return nullptr;
}

CChildFrame* DocumentManager::AddFrame(CChildFrame::Kind kind, SolvoDocument& document)
{
    const ViewFactory& factory =
        kind == CChildFrame::Kind::CompositionWindow ? compositionView_ : recipeView_;
    auto* frame = new CChildFrame(kind, document, factory(document));
    frame->closeGuard = [this](CChildFrame& closing) { return MayClose(closing); };
    connect(frame, &QObject::destroyed, this, [this, document = &document] {
        // The solution lives as long as one of its windows does.
        if (!FindFrame(*document, CChildFrame::Kind::CompositionWindow) &&
            !FindFrame(*document, CChildFrame::Kind::RecipeWindow))
            Forget(document);
        UpdateCommands();
    });
    QMdiArea& area = *frame_.MdiArea();
    area.addSubWindow(frame);
    // Each new window steps a title bar's height down and right of the one
    // before, as Cascade lays them out, so none hides another's title; where
    // the step would take it out of the area it goes back towards the top
    // left, which shows its title, close box and the left of its form on any
    // screen and at any scale. The area fits a new window's size to itself.
    const int step = frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, frame);
    const QRect room = area.viewport()->rect();
    auto steps = static_cast<int>(area.subWindowList().size()) - 1;
    while (steps > 0 && !room.contains(QRect(QPoint(steps * step, steps * step), frame->size())))
        --steps;
    frame->move(steps * step, steps * step);
    UpdateCommands();
    return frame;
}

bool DocumentManager::MayClose(CChildFrame& frame)
{
    SolvoDocument* document = frame.Document();
    if (closingAll_ || !document || !document->IsModified())
        return true;
    const auto other = frame.FrameKind() == CChildFrame::Kind::CompositionWindow
                           ? CChildFrame::Kind::RecipeWindow
                           : CChildFrame::Kind::CompositionWindow;
    // Only the last window of a solution closes the solution.
    if (FindFrame(*document, other))
        return true;
    return AskToSave(*document);
}

bool DocumentManager::AskToSave(SolvoDocument& document)
{
    const QString question = tr("Save changes to %1?").arg(document.Title());
    const auto answer = QMessageBox::question(&frame_, MessagePrompts::Title(), question,
                                              QMessageBox::Yes | QMessageBox::No |
                                                  QMessageBox::Cancel);
    if (answer == QMessageBox::Yes)
        return Save(document);
    return answer == QMessageBox::No;
}

void DocumentManager::Forget(SolvoDocument* document)
{
    const auto it = std::find(documents_.begin(), documents_.end(), document);
    if (it == documents_.end())
        return;
    documents_.erase(it);
    document->deleteLater();
}

void DocumentManager::UpdateCommands()
{
    CommandActions& c = frame_.Commands();
    const bool open = ActiveDocument() != nullptr;
    for (QAction* action : {c.close, c.save, c.saveAs, c.solution, c.recipe})
        action->setEnabled(open);
}

void DocumentManager::RememberFile(const QString& path)
{
    recentFiles_.Add(ToFilePath(path));
    recentFiles_.Write(store_);
    frame_.RefreshRecentFiles();
}

} // namespace solvo
