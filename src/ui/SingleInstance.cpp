#include "ui/SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#include "app/AppFolderLock.h"

namespace torvalet::ui {

SingleInstance::SingleInstance(std::filesystem::path home, QObject* parent)
    : QObject(parent), home_(std::move(home)), lock_(std::make_unique<AppFolderLock>(home_)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName() const {
    const QByteArray hash =
        QCryptographicHash::hash(QByteArray::fromStdString(home_.string()), QCryptographicHash::Sha1);
    return QStringLiteral("torvalet-") + QString::fromLatin1(hash.toHex().left(16));
}

bool SingleInstance::acquire() {
    if (!lock_->tryLock()) return false;
    // A server socket left by a program that died is ours to replace: we hold the lock.
    QLocalServer::removeServer(serverName());
    server_ = new QLocalServer(this);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            emit activationRequested();
        }
    });
    server_->listen(serverName());
    return true;
}

bool SingleInstance::activateRunning() const {
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(2000)) return false;
    socket.write("show\n");
    socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return true;
}

}  // namespace torvalet::ui
