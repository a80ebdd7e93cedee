// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/background_job.h"
#include "phone/phone_link.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <functional>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

// "Send to Phone": the phones found now (USB and KDE Connect) in a list, "Send", "Look
// Again" and "Close", a progress bar and a line that says what happened: the tone's place
// on the phone, that no phone was found and how to connect one, that the phone is locked,
// or what it refused. A file of the tone's name on the phone is replaced only after the
// user has been told and clicks "Send" again.
//
// The search starts when the dialog is made. The search and the transfer run on a background
// job, one at a time, and their results come back to the dialog on the GUI thread; the
// dialog waits for a running one when it is closed. `link` must outlive the dialog and is
// used by nothing else meanwhile. GUI thread only.
class SendToPhoneDialog : public QDialog {
    Q_OBJECT
public:
    SendToPhoneDialog(const QString& tone, PhoneLink& link, QWidget* parent = nullptr);
    ~SendToPhoneDialog() override;

    // Whether a search or a transfer is running.
    bool isWorking() const { return m_job.isRunning(); }

public slots:
    void lookForPhones();
    void sendToSelected();

signals:
    // A search or a transfer has ended and its result is shown.
    void workEnded();

private:
    // What a job shows when it has ended, on the GUI thread.
    using Shown = std::function<void()>;
    void runInBackground(std::function<Shown(const BackgroundJob::Context&)> work);
    void showPhones(const QList<PhoneLink::Phone>& phones, const QStringList& problems);
    void showSent(const Result<QString>& sent);
    void updateButtons();

    QString m_tone;
    PhoneLink& m_link;
    QListWidget* m_phones;
    QProgressBar* m_progress;
    QLabel* m_message;
    QPushButton* m_send;
    QPushButton* m_lookAgain;
    QList<PhoneLink::Phone> m_found;
    BackgroundJob m_job;
    bool m_replace = false; // the next send may replace the phone's file of that name
};
