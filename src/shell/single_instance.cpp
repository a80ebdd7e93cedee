// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/single_instance.h"

#include "base/app_info.h"
#include "base/no_follow.h"
#include "base/write_fully.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QSaveFile>
#include <QThread>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// One line of JSON each way: the files, then "ok" once they are taken.
constexpr char Acknowledge[] = "ok\n";
// What a start hands over is a command line's files: a message beyond this many, or with a
// path longer than a path can be, is no start of ours, and is neither read on nor shown.
constexpr int MaxFiles = 1000;
constexpr qsizetype MaxPathBytes = PATH_MAX;
constexpr qint64 MaxMessageBytes = qint64(MaxFiles) * (MaxPathBytes + 8) + 2;

// The files of one message, or nothing when it is over the bounds or not a list of paths.
std::optional<QStringList> filesOf(const QByteArray& line) {
    if (line.size() > MaxMessageBytes)
        return std::nullopt;
    const QJsonDocument message = QJsonDocument::fromJson(line);
    if (!message.isArray() || message.array().size() > MaxFiles)
        return std::nullopt;
    QStringList paths;
    for (const QJsonValue& file : message.array()) {
        if (!file.isString() || file.toString().toUtf8().size() >= MaxPathBytes)
            return std::nullopt;
        paths << file.toString();
    }
    return paths;
}

bool peerIsThisUser(qintptr descriptor) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return descriptor >= 0 &&
           ::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::geteuid();
}

QString runtimeSocketFor(const QString& lockFile) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty() || !QFileInfo(runtime).isDir())
        return {};
    const QByteArray hash = QCryptographicHash::hash(
        QFileInfo(lockFile).absoluteFilePath().toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("%1/tunecarver-%2.socket")
        .arg(runtime, QString::fromLatin1(hash.toHex().left(16)));
}

// Whether a program listens on the socket `path` (a socket nobody listens on refuses at once).
bool someoneListens(const QByteArray& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return true; // cannot be asked: taken as alive
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return true;
    const bool refused =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 &&
        (errno == ECONNREFUSED || errno == ENOENT);
    ::close(fd);
    return !refused;
}

// The folders an instance makes for its socket without a runtime folder stay behind when it
// is killed. They are ours when they have our name and owner and hold a socket nobody
// listens on, or nothing at all for a minute (an instance that is starting has made its
// folder but not yet its socket). Nothing else under the temporary folder is touched.
void removeDeadSocketFolders() {
    const QByteArray temp = QFile::encodeName(QDir::tempPath());
    const nofollow::Folder tempFolder(QDir::tempPath());
    static const QRegularExpression ours(QStringLiteral("^tunecarver-[A-Za-z0-9]{6}$"));
    for (const QByteArray& name : tempFolder.entries()) {
        if (!ours.match(QString::fromLatin1(name)).hasMatch())
            continue;
        const nofollow::Folder folder(tempFolder, name);
        if (!folder.isOwn())
            continue;
        const QList<QByteArray> entries = folder.entries();
        struct stat st {};
        bool dead = false;
        if (entries.isEmpty())
            dead = ::fstat(folder.fd(), &st) == 0 && ::time(nullptr) - st.st_mtime > 60;
        else if (entries == QList<QByteArray>{"socket"})
            dead = ::fstatat(folder.fd(), "socket", &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                   S_ISSOCK(st.st_mode) && st.st_uid == ::geteuid() &&
                   !someoneListens(temp + '/' + name + "/socket");
        if (dead)
            tempFolder.removeTree(name);
    }
}

} // namespace

SingleInstance::SingleInstance(const WorkFolder& folder, QObject* parent)
    : QObject(parent), m_lockFile(folder.lockFile()), m_addressFile(folder.addressFile()),
      m_runtimeSocket(runtimeSocketFor(m_lockFile)), m_lock(m_lockFile) {
    // Only a dead owner makes a lock stale, however long the first instance has run.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    m_server.reset(); // removes the socket
    if (!m_privateFolder.isEmpty()) {
        QDir().rmdir(m_privateFolder);
        QFile::remove(m_addressFile);
    }
}

SingleInstance::Role SingleInstance::start() {
    if (m_lock.tryLock(0))
        return listen() ? Role::First : Role::Alone;
    return m_lock.error() == QLockFile::LockFailedError ? Role::Second : Role::NoFolder;
}

QString SingleInstance::socketPath() const {
    if (!m_runtimeSocket.isEmpty())
        return m_runtimeSocket;
    if (!m_privateFolder.isEmpty())
        return m_privateFolder + QStringLiteral("/socket");
    QFile address;
    if (!nofollow::openPlainFile(address, m_addressFile))
        return {};
    return QString::fromUtf8(address.readLine(4096)).trimmed();
}

bool SingleInstance::listen() {
    const QString title = QLatin1String(appinfo::Title);
    if (m_runtimeSocket.isEmpty()) {
        removeDeadSocketFolders();
        QByteArray folder =
            QFile::encodeName(QDir::tempPath() + QStringLiteral("/tunecarver-XXXXXX"));
        if (!::mkdtemp(folder.data())) {
            m_notice = tr("Files opened with %1 from now on open a window of their own, "
                          "because no private folder can be made in %2 for the socket that "
                          "would take them.")
                           .arg(title, QDir::tempPath());
            return false;
        }
        m_privateFolder = QFile::decodeName(folder);
        QSaveFile address(m_addressFile);
        const QByteArray path = socketPath().toUtf8() + '\n';
        if (!address.open(QIODevice::WriteOnly) || !writeFully(address, path.data(), path.size()) ||
            !address.commit()) {
            m_notice = tr("Files opened with %1 from now on open a window of their own, "
                          "because %2 cannot be written.")
                           .arg(title, m_addressFile);
            return false;
        }
    } else if (struct stat st{};
               ::lstat(QFile::encodeName(m_runtimeSocket).constData(), &st) == 0) {
        // A socket of ours is one an instance that died left behind: we hold the lock now.
        // Anything else is not ours to remove.
        if (!S_ISSOCK(st.st_mode) || st.st_uid != ::geteuid()) {
            m_notice = tr("Files opened with %1 from now on open a window of their own, "
                          "because the name of their socket, %2, is taken by something that "
                          "is not this user's.")
                           .arg(title, m_runtimeSocket);
            return false;
        }
        QFile::remove(m_runtimeSocket);
    }
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server.get(), &QLocalServer::newConnection, this, &SingleInstance::receive);
    if (m_server->listen(socketPath()))
        return true;
    m_notice = tr("Files opened with %1 from now on open a window of their own, because "
                  "their socket cannot be made (%2).")
                   .arg(title, m_server->errorString());
    m_server.reset();
    return false;
}

void SingleInstance::receive() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!peerIsThisUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        // Qt stops reading from the socket once this much waits: a line that long without its
        // end is over the bound, and the rest is never taken in.
        socket->setReadBufferSize(MaxMessageBytes + 1);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > MaxMessageBytes)
                    socket->abort();
                return;
            }
            const std::optional<QStringList> paths = filesOf(socket->readLine(MaxMessageBytes + 2));
            if (!paths) {
                socket->abort();
                return;
            }
            socket->write(Acknowledge);
            socket->flush();
            emit filesHandedOver(*paths);
        });
    }
}

bool SingleInstance::handOver(const QStringList& files, int timeoutMs) {
    QJsonArray paths;
    for (const QString& file : files)
        paths.append(QFileInfo(file).absoluteFilePath());
    // The first instance may hold the lock a moment before it listens (or says where).
    QElapsedTimer clock;
    clock.start();
    QLocalSocket socket;
    for (;;) {
        if (const QString path = socketPath(); !path.isEmpty()) {
            socket.connectToServer(path);
            if (socket.waitForConnected(timeoutMs))
                break;
        }
        if (clock.elapsed() >= timeoutMs)
            return false;
        QThread::msleep(50);
    }
    if (!peerIsThisUser(socket.socketDescriptor()))
        return false;
    socket.write(QJsonDocument(paths).toJson(QJsonDocument::Compact) + '\n');
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    }
    return socket.readLine() == Acknowledge;
}
