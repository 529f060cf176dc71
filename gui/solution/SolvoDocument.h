#pragma once

#include "solution/CSolvoDoc.h"

#include <QObject>
#include <QString>

namespace solvo {

class CSolvoApp;
class DatabasePrompts;

/// One open solution in the windowed program: the core document with its
/// title, its file and its modified state. Every view edits the core
/// document through Data() and then calls Edited(), which marks the
/// document modified and makes every view of it redraw.
class SolvoDocument : public QObject {
    Q_OBJECT

public:
    /// A new solution titled title (Solvo1, Solvo2, …).
    SolvoDocument(CSolvoApp& app, const QString& title, QObject* parent = nullptr);

    CSolvoDoc& Data() { return data_; }
    const CSolvoDoc& Data() const { return data_; }
    CSolvoApp& App() { return app_; }

    /// The file's name once read from or saved to a file, else the new title.
    const QString& Title() const { return title_; }
    /// The file's full path; empty for a solution never saved.
    const QString& Path() const { return path_; }
    bool IsModified() const { return data_.IsModified(); }

    /// After every change a view made to Data().
    void Edited();
    /// After a calculator added or changed components in Data().
    void ComponentsEdited();
    /// Makes every view redraw without a change (display digits changed).
    void Redraw();

    /// Reads the file at path. On failure the messages come back in order
    /// and the document is unchanged.
    CSolvoDoc::ReadResult Read(const QString& path);
    /// Whether saving at path may go on: asks first when path is the
    /// solution's own file and someone else changed or removed it since.
    bool MayOverwrite(const QString& path, DatabasePrompts& prompts) const;
    /// Saves at path atomically and takes its name; false when that failed,
    /// with the system's reason in error when given.
    bool Save(const QString& path, std::string* error = nullptr);

signals:
    /// The content or the modified state changed, or the views must redraw.
    void changed();
    void titleChanged();
    /// Components were added or changed outside the composition view; the
    /// view follows, then changed() comes.
    void componentsChanged();

private:
    CSolvoApp& app_;
    CSolvoDoc data_;
    QString title_;
    QString path_;
};

} // namespace solvo
