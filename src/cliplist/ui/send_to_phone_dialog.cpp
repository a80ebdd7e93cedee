// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/send_to_phone_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

SendToPhoneDialog::SendToPhoneDialog(const QString& tone, PhoneLink& link, QWidget* parent)
    : QDialog(parent), m_tone(tone), m_link(link), m_phones(new QListWidget(this)),
      m_progress(new QProgressBar(this)), m_message(new QLabel(this)),
      m_send(new QPushButton(QCoreApplication::translate("SendToPhone", "Send"), this)),
      m_lookAgain(new QPushButton(QCoreApplication::translate("SendToPhone", "Look Again"), this)) {
    setObjectName(QStringLiteral("SendToPhoneDialog"));
    setWindowTitle(QCoreApplication::translate("SendToPhone", "Send to Phone"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QCoreApplication::translate("SendToPhone", "Send %1 to:")
                                     .arg(QFileInfo(tone).fileName().toHtmlEscaped()),
                                 this));
    m_phones->setObjectName(QStringLiteral("phones"));
    layout->addWidget(m_phones);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    layout->addWidget(m_progress);
    connect(&m_job, &BackgroundJob::progressed, m_progress, &QProgressBar::setValue);
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setWordWrap(true);
    m_message->setTextFormat(Qt::PlainText);
    m_message->setMinimumWidth(360);
    layout->addWidget(m_message);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, Qt::Horizontal, this);
    m_send->setObjectName(QStringLiteral("send"));
    m_lookAgain->setObjectName(QStringLiteral("lookAgain"));
    buttons->addButton(m_send, QDialogButtonBox::ActionRole);
    buttons->addButton(m_lookAgain, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_send, &QPushButton::clicked, this, &SendToPhoneDialog::sendToSelected);
    connect(m_lookAgain, &QPushButton::clicked, this, &SendToPhoneDialog::lookForPhones);
    connect(m_phones, &QListWidget::currentRowChanged, this, [this] {
        m_replace = false;
        updateButtons();
    });
    layout->addWidget(buttons);

    lookForPhones();
}

// A transfer can't be broken off midway; closing waits for it.
SendToPhoneDialog::~SendToPhoneDialog() {
    m_job.finishNow();
}

void SendToPhoneDialog::lookForPhones() {
    if (isWorking())
        return;
    m_phones->clear();
    m_found.clear();
    m_replace = false;
    m_progress->setValue(0);
    m_message->setText(QCoreApplication::translate("SendToPhone", "Looking for phones..."));
    runInBackground([this](const BackgroundJob::Context&) -> Shown {
        QStringList problems;
        const QList<PhoneLink::Phone> phones = m_link.find(&problems);
        return [this, phones, problems] { showPhones(phones, problems); };
    });
}

void SendToPhoneDialog::sendToSelected() {
    const int row = m_phones->currentRow();
    if (isWorking() || row < 0 || row >= m_found.size())
        return;
    const PhoneLink::Phone phone = m_found.at(row);
    const bool replace = m_replace;
    m_replace = false;
    m_progress->setValue(0);
    m_message->setText(
        QCoreApplication::translate("SendToPhone", "Sending to %1...").arg(phone.name));
    runInBackground([this, phone, replace](const BackgroundJob::Context& job) -> Shown {
        const Result<QString> sent =
            m_link.send(phone, m_tone, replace, [&job](int percent) { job.progress(percent); });
        return [this, sent] { showSent(sent); };
    });
}

void SendToPhoneDialog::runInBackground(std::function<Shown(const BackgroundJob::Context&)> work) {
    m_job.start<Shown>(std::move(work), [this](Shown show) {
        show();
        updateButtons();
        emit workEnded();
    });
    updateButtons();
}

void SendToPhoneDialog::showPhones(const QList<PhoneLink::Phone>& phones,
                                   const QStringList& problems) {
    m_found = phones;
    for (const PhoneLink::Phone& phone : phones)
        m_phones->addItem(PhoneLink::describe(phone));
    if (!phones.isEmpty()) {
        m_phones->setCurrentRow(0);
        m_message->setText(problems.join(QLatin1Char('\n')));
    } else {
        m_message->setText(
            (QStringList{PhoneLink::noPhoneMessage()} + problems).join(QLatin1Char('\n')));
    }
}

void SendToPhoneDialog::showSent(const Result<QString>& sent) {
    if (sent) {
        m_progress->setValue(100);
        m_message->setText(*sent);
        return;
    }
    if (sent.status().code() == ErrorCode::Exists) {
        m_replace = true;
        m_message->setText(
            sent.status().message() +
            QCoreApplication::translate("SendToPhone", " Click \"Send\" again to replace it."));
        return;
    }
    m_progress->setValue(0);
    m_message->setText(sent.status().message());
}

void SendToPhoneDialog::updateButtons() {
    m_send->setEnabled(!isWorking() && m_phones->currentRow() >= 0);
    m_lookAgain->setEnabled(!isWorking());
    m_phones->setEnabled(!isWorking());
}
