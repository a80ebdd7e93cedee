// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QObject>
#include <QStringList>

#include <memory>

class QLocalServer;

// One running program per work folder: two instances that share the folder would delete
// each other's clips at exit and overwrite each other's clip files of the same name.
//
// The first start takes the lock on the folder (WorkFolder::lockFile(); the lock of an
// instance that died is taken over) and listens on a local socket named after the folder.
// A later start finds the lock held, hands its command-line files to the first over that
// socket and ends; the first adds them as "Add New" would and comes to the front.
//
// GUI thread only.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Role {
        First,   // this instance holds the lock and listens for later starts
        Second,  // another running instance holds the lock
        NoFolder // the lock cannot be made (the folder cannot be written)
    };

    // lockFile: the lock to take; the socket's name is made from it.
    explicit SingleInstance(QString lockFile, QObject* parent = nullptr);
    ~SingleInstance() override;

    Role start();
    // Second: sends `files` (made absolute) to the first instance and waits up to
    // timeoutMs for it to take them. False when no running instance answers.
    bool handOver(const QStringList& files, int timeoutMs = 5000);

signals:
    // First: a later start handed these files over (absolute paths, possibly none).
    void filesHandedOver(const QStringList& files);

private:
    void listen();
    void receive();

    QString m_lockFile;
    QString m_socketName;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
};
