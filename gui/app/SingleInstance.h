#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;

namespace solvo {

/// Lets a second start of the program with a file hand the file to the
/// program that is already running for this user, instead of opening a
/// second main window.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(QObject* parent = nullptr);

    /// Sends paths to a running program. True when one took them.
    bool HandOver(const QStringList& paths) const;
    /// Starts taking files from later starts (filesReceived).
    void Listen();

signals:
    void filesReceived(const QStringList& paths);

private:
    QString name_;
    QLocalServer* server_ = nullptr;
};

} // namespace solvo
