#include "app/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace solvo {

namespace {

constexpr int kTimeoutMs = 2000;

} // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent)
{
    // In the user's runtime folder, so that users never reach each other.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    name_ = QDir(folder).filePath(QStringLiteral("solvo-instance"));
}

bool SingleInstance::HandOver(const QStringList& paths) const
{
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kTimeoutMs))
        return false;
    QByteArray message;
    for (const QString& path : paths)
        message += QDir::current().absoluteFilePath(path).toUtf8() + '\n';
    socket.write(message);
    if (!socket.waitForBytesWritten(kTimeoutMs))
        return false;
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::Listen()
{
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) {
        // Left behind by a program that did not end cleanly.
        QLocalServer::removeServer(name_);
        if (!server_->listen(name_))
            return;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
                QStringList paths;
                for (const QByteArray& line : socket->readAll().split('\n')) {
                    if (!line.isEmpty())
                        paths << QString::fromUtf8(line);
                }
                socket->deleteLater();
                if (!paths.isEmpty())
                    emit filesReceived(paths);
            });
        }
    });
}

} // namespace solvo
