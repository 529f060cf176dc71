#include "solution/SolvoDocument.h"

#include "app/CSolvoApp.h"
#include "app/SolutionFileCommands.h"

#include <QFile>
#include <QFileInfo>

namespace solvo {

namespace {

std::filesystem::path FilePath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

} // namespace

SolvoDocument::SolvoDocument(CSolvoApp& app, const QString& title, QObject* parent)
    : QObject(parent), app_(app), title_(title)
{
}

void SolvoDocument::Edited()
{
    data_.SetModified(true);
    emit changed();
}

void SolvoDocument::Redraw()
{
    emit changed();
}

CSolvoDoc::ReadResult SolvoDocument::Read(const QString& path)
{
    CSolvoDoc::ReadResult result = data_.ReadFile(FilePath(path), app_.Elements());
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
    return MayOverwriteSolutionFile(data_, FilePath(path), prompts);
}

bool SolvoDocument::Save(const QString& path)
{
    if (!data_.WriteFile(FilePath(path), app_.Elements()))
        return false;
    path_ = QFileInfo(path).absoluteFilePath();
    title_ = QFileInfo(path).fileName();
    emit titleChanged();
    emit changed();
    return true;
}

} // namespace solvo
