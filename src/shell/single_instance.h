// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/work_folder.h"

#include <QLockFile>
#include <QObject>
#include <QStringList>

#include <memory>

class QLocalServer;

// One running program per work folder: two instances that share the folder would delete
// each other's clips at exit and overwrite each other's clip files of the same name.
//
// The first start takes the lock on the folder (WorkFolder::lockFile(); the lock of an
// instance that died is taken over) and listens on a local socket. A later start finds the
// lock held, hands its command-line files to the first over that socket and ends; the first
// adds them as "Add New" would and comes to the front.
//
// The socket is where no other user can take its name: in the session's runtime folder
// ($XDG_RUNTIME_DIR, the user's own), or, without one, in a private folder made for it under
// the temporary folder, whose path the first writes to WorkFolder::addressFile() (the work
// folder is private too); such folders that killed instances left there (our name, our
// user, a socket nobody listens on) are removed when the next one starts. Both ends check that the
// other runs as the same user before a path goes either way. When the name is taken by something
// that is not a socket of this user, nothing of it is removed: the first runs alone, without
// hand-overs, and notice() says so.
//
// GUI thread only.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Role {
        First,   // this instance holds the lock and listens for later starts
        Alone,   // this instance holds the lock but cannot listen (notice() says why)
        Second,  // another running instance holds the lock
        NoFolder // the lock cannot be made (the folder cannot be written)
    };

    explicit SingleInstance(const WorkFolder& folder, QObject* parent = nullptr);
    ~SingleInstance() override;

    Role start();
    // Second: sends `files` (made absolute) to the first instance and waits up to
    // timeoutMs for it to take them. False when no instance of this user answers.
    bool handOver(const QStringList& files, int timeoutMs = 5000);
    // Alone: one sentence for the user on why later starts open windows of their own.
    const QString& notice() const { return m_notice; }
    // The socket's path (empty for a Second without a first that said where it listens).
    QString socketPath() const;

signals:
    // First: a later start of this user handed these files over (absolute paths, possibly
    // none).
    void filesHandedOver(const QStringList& files);

private:
    bool listen();
    void receive();

    QString m_lockFile;
    QString m_addressFile;
    QString m_runtimeSocket; // the socket's path in the runtime folder; empty without one
    QString m_privateFolder; // the folder made for the socket without a runtime folder
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
    QString m_notice;
};
