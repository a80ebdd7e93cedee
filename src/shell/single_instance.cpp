// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <unistd.h>

namespace {

// One line of JSON each way: the files, then "ok" once they are taken.
constexpr char Acknowledge[] = "ok\n";

QString socketNameFor(const QString& lockFile) {
    const QByteArray hash = QCryptographicHash::hash(
        QFileInfo(lockFile).absoluteFilePath().toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("tunecarver-%1-%2")
        .arg(::getuid())
        .arg(QString::fromLatin1(hash.toHex().left(16)));
}

} // namespace

SingleInstance::SingleInstance(QString lockFile, QObject* parent)
    : QObject(parent), m_lockFile(std::move(lockFile)), m_socketName(socketNameFor(m_lockFile)),
      m_lock(m_lockFile) {
    // Only a dead owner makes a lock stale, however long the first instance has run.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Role SingleInstance::start() {
    if (m_lock.tryLock(0)) {
        listen();
        return Role::First;
    }
    return m_lock.error() == QLockFile::LockFailedError ? Role::Second : Role::NoFolder;
}

void SingleInstance::listen() {
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket file left by an instance that died is ours to replace: we hold the lock.
    QLocalServer::removeServer(m_socketName);
    connect(m_server.get(), &QLocalServer::newConnection, this, &SingleInstance::receive);
    m_server->listen(m_socketName);
}

void SingleInstance::receive() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            const QJsonArray files = QJsonDocument::fromJson(socket->readLine()).array();
            socket->write(Acknowledge);
            socket->flush();
            QStringList paths;
            for (const QJsonValue& file : files)
                paths << file.toString();
            emit filesHandedOver(paths);
        });
    }
}

bool SingleInstance::handOver(const QStringList& files, int timeoutMs) {
    QJsonArray paths;
    for (const QString& file : files)
        paths.append(QFileInfo(file).absoluteFilePath());
    // The first instance may hold the lock a moment before it listens.
    QElapsedTimer clock;
    clock.start();
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(m_socketName);
        if (socket.waitForConnected(timeoutMs))
            break;
        if (clock.elapsed() >= timeoutMs)
            return false;
        QThread::msleep(50);
    }
    socket.write(QJsonDocument(paths).toJson(QJsonDocument::Compact) + '\n');
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    }
    return socket.readLine() == Acknowledge;
}
