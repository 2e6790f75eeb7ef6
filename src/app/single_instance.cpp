#include "app/single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace lumaro {

namespace {
const QByteArray kComeToFront = "front\n";
constexpr int kTimeoutMs = 1000;
}  // namespace

TPBJustOne::TPBJustOne(QObject* parent, const QString& serverName) : QObject(parent) {
    if (askRunningInstance(serverName)) {
        another_ = true;
        return;
    }
    listen(serverName);
}

QString TPBJustOne::defaultServerName() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    return QDir(dir).filePath(QStringLiteral("lumaro-instance"));
}

bool TPBJustOne::askRunningInstance(const QString& serverName) {
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(kTimeoutMs)) return false;
    socket.write(kComeToFront);
    socket.waitForBytesWritten(kTimeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kTimeoutMs);
    return true;
}

void TPBJustOne::listen(const QString& serverName) {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(serverName) && server_->serverError() == QAbstractSocket::AddressInUseError) {
        // Left behind by an instance that did not end normally: nobody answered on it.
        QLocalServer::removeServer(serverName);
        server_->listen(serverName);
    }
    connect(server_, &QLocalServer::newConnection, this, &TPBJustOne::onConnection);
}

void TPBJustOne::onConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        const auto read = [this, socket] {
            if (socket->readAll().contains(kComeToFront.trimmed())) emit activationRequested();
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        if (socket->bytesAvailable() > 0) read();
    }
}

}  // namespace lumaro
