// SPDX-License-Identifier: GPL-3.0-or-later
#include "phone/phone_link.h"
#include "support/fake_phone.h"
#include "support/test_audio.h"

#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(ErrorCode)

// "Send to Phone" over a fake USB bus and a fake kdeconnect-cli: where the tone lands, what
// the phone is told, and what the user reads when it goes wrong.
class TestPhoneLink : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_tone = m_dir->filePath("Wake Up.ogg");
        QVERIFY(testaudio::writeAll(m_tone, "a tone's bytes"));
        m_usb = FakeMtpBus{};
    }

    void usb_copiesIntoRingtones_data();
    void usb_copiesIntoRingtones();
    void usb_failuresSayWhyAndSendNothing_data();
    void usb_failuresSayWhyAndSendNothing();
    void usb_replacesAFileOfTheSameNameOnlyWhenAsked();
    void kdeConnect_listsPairedPhonesAndSharesTheFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_tone;
    FakeMtpBus m_usb;
    const KdeConnect m_noKdeConnect{QStringLiteral("kdeconnect-cli-not-installed")};
};

void TestPhoneLink::usb_copiesIntoRingtones_data() {
    QTest::addColumn<QList<FakeMtpBus::Object>>("before");
    QTest::newRow("folder missing: made")
        << QList<FakeMtpBus::Object>{{1, MtpDevice::Root, "Music", true, {}}};
    QTest::newRow("folder there, in other letters") << QList<FakeMtpBus::Object>{
        {1, MtpDevice::Root, "Music", true, {}}, {2, MtpDevice::Root, "ringtones", true, {}}};
}

void TestPhoneLink::usb_copiesIntoRingtones() {
    QFETCH(QList<FakeMtpBus::Object>, before);
    m_usb.phones = {{"Pixel 7", false, false, before}};
    PhoneLink link(m_usb, m_noKdeConnect);
    const QList<PhoneLink::Phone> phones = link.find();
    QCOMPARE(phones.size(), 1);
    QCOMPARE(PhoneLink::describe(phones.first()), "Pixel 7 (USB)");

    QList<int> percents;
    const Result<QString> sent =
        link.send(phones.first(), m_tone, false, [&](int percent) { percents.append(percent); });
    QVERIFY2(sent, qPrintable(sent.status().message()));
    QCOMPARE(m_usb.file(0, "Ringtones/Wake Up.ogg"), QByteArray("a tone's bytes"));
    const QList<FakeMtpBus::Object>& objects = m_usb.phones.first().objects;
    QCOMPARE(std::count_if(objects.begin(), objects.end(),
                           [](const FakeMtpBus::Object& o) {
                               return o.name.compare("Ringtones", Qt::CaseInsensitive) == 0;
                           }),
             1);
    QCOMPARE(percents.last(), 100);
    QVERIFY2(sent->contains("Ringtones") && sent->contains("Pixel 7"), qPrintable(*sent));
}

void TestPhoneLink::usb_failuresSayWhyAndSendNothing_data() {
    QTest::addColumn<bool>("locked");
    QTest::addColumn<bool>("refuses");
    QTest::addColumn<bool>("unplugged");
    QTest::addColumn<QString>("said");
    QTest::newRow("locked") << true << false << false << "unlock it";
    QTest::newRow("refuses") << false << true << false << "storage full";
    QTest::newRow("unplugged after the list") << false << false << true << "not connected";
}

void TestPhoneLink::usb_failuresSayWhyAndSendNothing() {
    QFETCH(bool, locked);
    QFETCH(bool, refuses);
    QFETCH(bool, unplugged);
    QFETCH(QString, said);
    m_usb.phones = {{"Pixel 7", locked, refuses, {}}};
    PhoneLink link(m_usb, m_noKdeConnect);
    const QList<PhoneLink::Phone> phones = link.find();
    QCOMPARE(phones.size(), 1);
    if (unplugged)
        m_usb.phones.clear();

    const Result<QString> sent = link.send(phones.first(), m_tone, false);
    QCOMPARE(sent.status().code(), ErrorCode::Device);
    QVERIFY2(sent.status().message().contains(said), qPrintable(sent.status().message()));
    if (!unplugged)
        QVERIFY(m_usb.phones.first().objects.isEmpty());
}

void TestPhoneLink::usb_replacesAFileOfTheSameNameOnlyWhenAsked() {
    m_usb.phones = {
        {"Pixel 7",
         false,
         false,
         {{1, MtpDevice::Root, "Ringtones", true, {}}, {2, 1, "wake up.OGG", false, "old"}}}};
    PhoneLink link(m_usb, m_noKdeConnect);
    const PhoneLink::Phone phone = link.find().first();

    const Result<QString> kept = link.send(phone, m_tone, false);
    QCOMPARE(kept.status().code(), ErrorCode::Exists);
    QCOMPARE(m_usb.file(0, "Ringtones/Wake Up.ogg"), QByteArray("old"));

    QVERIFY(link.send(phone, m_tone, true));
    QCOMPARE(m_usb.phones.first().objects.size(), 2); // the folder and one tone
    QCOMPARE(m_usb.file(0, "Ringtones/Wake Up.ogg"), QByteArray("a tone's bytes"));
}

void TestPhoneLink::kdeConnect_listsPairedPhonesAndSharesTheFile() {
    const QString script = writeFakeKdeConnect(m_dir->path(), "a1b2 My iPhone\\nc3d4 Tablet\\n");
    const KdeConnect kdeConnect(script);
    m_usb.phones = {{"Pixel 7", false, false, {}}};
    PhoneLink link(m_usb, kdeConnect);
    const QList<PhoneLink::Phone> phones = link.find();
    QStringList listed;
    for (const PhoneLink::Phone& phone : phones)
        listed.append(PhoneLink::describe(phone));
    QCOMPARE(listed,
             QStringList({"Pixel 7 (USB)", "My iPhone (KDE Connect)", "Tablet (KDE Connect)"}));

    const Result<QString> sent = link.send(phones.at(1), m_tone, false);
    QVERIFY2(sent, qPrintable(sent.status().message()));
    QVERIFY2(sent->contains("\"Use as Ringtone\""), qPrintable(*sent));
    const QStringList calls =
        QString::fromUtf8(testaudio::readAll(m_dir->filePath("kdeconnect-calls")))
            .split("\n\n", Qt::SkipEmptyParts);
    QCOMPARE(calls, QStringList({"--list-available\n--id-name-only",
                                 "--share\n" + m_tone + "\n--device\na1b2"}));
    QVERIFY(m_usb.phones.first().objects.isEmpty());
}

QTEST_GUILESS_MAIN(TestPhoneLink)
#include "tst_phone_link.moc"
