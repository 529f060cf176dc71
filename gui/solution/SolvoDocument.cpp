#include "solution/SolvoDocument.h"

#include "app/CSolvoApp.h"
#include "app/PathConversion.h"
#include "app/SolutionFileCommands.h"

#include <QFileInfo>

namespace solvo {

SolvoDocument::SolvoDocument(CSolvoApp& app, const QString& title, QObject* parent)
    : QObject(parent), app_(app), title_(title)
{
}

void SolvoDocument::Edited()
{
    data_.SetModified(true);
    emit changed();
}

void SolvoDocument::ComponentsEdited()
{
    emit componentsChanged();
    Edited();
}

void SolvoDocument::Redraw()
{
    emit changed();
}

CSolvoDoc::ReadResult SolvoDocument::Read(const QString& path)
{
    CSolvoDoc::ReadResult result = data_.ReadFile(ToFilePath(path), app_.Elements());
    if (result.Opened()) {
        path_ = QFileInfo(path).absoluteFilePath();
        title_ = QFileInfo(path).fileName();
        emit titleChanged();
        emit changed();
    }
    return result;
}

bool SolvoDocument::MayOverwrite(const QString& path, DatabasePrompts& prompts) const
{
    return MayOverwriteSolutionFile(data_, ToFilePath(path), prompts);
}

bool SolvoDocument::Save(const QString& path, std::string* error)
{
    if (!data_.WriteFile(ToFilePath(path), app_.Elements(), error))
        return false;
    path_ = QFileInfo(path).absoluteFilePath();
    title_ = QFileInfo(path).fileName();
    emit titleChanged();
    emit changed();
    return true;
}

} // namespace solvo
