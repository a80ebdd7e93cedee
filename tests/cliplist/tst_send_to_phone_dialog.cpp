// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/send_to_phone_dialog.h"
#include "support/fake_phone.h"
#include "support/test_audio.h"

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The "Send to Phone" window over a fake USB bus: what it shows for no phone and for one,
// and its send. The rules of sending are tested with PhoneLink.
class TestSendToPhoneDialog : public QObject {
    Q_OBJECT
private slots:
    void noPhone_saysHowToConnectOne();
    void onePhone_sendPutsTheToneOnIt();

private:
    // Waits for the dialog's search or transfer to end.
    static bool waitForWork(SendToPhoneDialog& dialog) {
        QSignalSpy ended(&dialog, &SendToPhoneDialog::workEnded);
        return !dialog.isWorking() || ended.wait(10000);
    }
    static QString message(const SendToPhoneDialog& dialog) {
        return dialog.findChild<QLabel*>("message")->text();
    }

    QTemporaryDir m_dir;
    const KdeConnect m_noKdeConnect{QStringLiteral("kdeconnect-cli-not-installed")};
};

void TestSendToPhoneDialog::noPhone_saysHowToConnectOne() {
    FakeMtpBus usb;
    PhoneLink link(usb, m_noKdeConnect);
    SendToPhoneDialog dialog(m_dir.filePath("tone.ogg"), link);
    QVERIFY(waitForWork(dialog));
    QCOMPARE(message(dialog), PhoneLink::noPhoneMessage());
    QVERIFY(!dialog.findChild<QPushButton*>("send")->isEnabled());
}

void TestSendToPhoneDialog::onePhone_sendPutsTheToneOnIt() {
    const QString tone = m_dir.filePath("tone.ogg");
    QVERIFY(testaudio::writeAll(tone, "bytes"));
    FakeMtpBus usb;
    usb.phones = {{"Pixel 7", false, false, {}}};
    PhoneLink link(usb, m_noKdeConnect);
    SendToPhoneDialog dialog(tone, link);
    QVERIFY(waitForWork(dialog));
    QCOMPARE(dialog.findChild<QListWidget*>("phones")->count(), 1);

    dialog.findChild<QPushButton*>("send")->click();
    QVERIFY(waitForWork(dialog));
    QCOMPARE(usb.file(0, "Ringtones/tone.ogg"), QByteArray("bytes"));
    QVERIFY2(message(dialog).contains("Ringtones"), qPrintable(message(dialog)));
    QCOMPARE(dialog.findChild<QProgressBar*>("progress")->value(), 100);
}

QTEST_MAIN(TestSendToPhoneDialog)
#include "tst_send_to_phone_dialog.moc"
