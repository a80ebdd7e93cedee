// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/work_folder.h"
#include "cliplist/ui/clip_list_box.h"
#include "cliplist/ui/framewav.h"
#include "cliplist/ui/ringtone_saving.h"
#include "codec/decode_stream.h"
#include "codec/mp3_encoder.h"
#include "pagekit/busy_window.h"
#include "support/page_host.h"
#include "support/scripted_dialogs.h"
#include "support/test_audio.h"
#include "support/window_rig.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(ringtone::Target)
Q_DECLARE_METATYPE(Dialogs::Answer)

using ringtone::Target;

// "Save as Ringtone" on the "Audio Edit" page. The tone's own rules (cut, fade, codecs,
// the 30/40 s limits) are tested with the ringtone code; this is the page's part.
class TestRingtoneSaving : public QObject {
    Q_OBJECT
private slots:
    void init() { m_rig = std::make_unique<WindowRig>(); }
    void cleanup() { m_rig.reset(); }

    void save_writesTheClipOrTheListForThePhone_data();
    void save_writesTheClipOrTheListForThePhone();
    void save_iPhoneLengthRule_data();
    void save_iPhoneLengthRule();
    void save_emptyListOrCancelWritesNothing();

private:
    void addClip(const QString& name, int seconds) {
        // 8000 Hz mono keeps long clips cheap; the tone is still made at the phone's rate.
        const WavFormat format{1, 8000, 16};
        m_rig->addClip(name, format, testaudio::sinePcm(format, 8000 * seconds));
    }
    void click() { m_rig->framewav().ringtone().CmdRingtone_Click(); }
    bool waitForJob() {
        QSignalSpy finished(&m_rig->encoder(), &Mp3Encoder::EncodeFinished);
        return finished.wait(120000);
    }
    QStringList outsideFiles() const {
        return QDir(m_rig->outside(QString())).entryList(QDir::Files | QDir::Hidden);
    }

    std::unique_ptr<WindowRig> m_rig;
};

void TestRingtoneSaving::save_writesTheClipOrTheListForThePhone_data() {
    QTest::addColumn<Target>("target");
    QTest::addColumn<bool>("wholeList");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("typed"); // the name typed in the dialog
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("chosen"); // the file name given in the save dialog
    QTest::newRow("iPhone, the selected clip") << Target::IPhoneShare << false << "aac" << 2 << ""
                                               << "b"
                                               << "my tone.m4r";
    // A name typed with another extension is saved with the phone's, and the end says so.
    QTest::newRow("Android ogg, the whole list, named, typed .m4a")
        << Target::AndroidOgg << true << "vorbis" << 5 << "Wake Up"
        << "Wake Up"
        << "my tone.m4a";
}

void TestRingtoneSaving::save_writesTheClipOrTheListForThePhone() {
    QFETCH(Target, target);
    QFETCH(bool, wholeList);
    QFETCH(QString, codec);
    QFETCH(int, seconds);
    QFETCH(QString, typed);
    QFETCH(QString, title);
    QFETCH(QString, chosen);
    addClip("a", 3);
    addClip("b", 2);
    m_rig->list().setCurrentRow(1);
    m_rig->host().settings().setBaseFolder(m_rig->outside(QString()));
    ScriptedDialogs::RingtoneChoice choice{target, wholeList, true};
    choice.title = typed;
    m_rig->dialogs().queueRingtone(choice);
    const QString output = m_rig->outside("my tone." + ringtone::extension(target));
    m_rig->dialogs().queueFile(m_rig->outside(chosen));
    m_rig->dialogs().queueAnswer(Dialogs::Answer::Yes);

    click();

    const ScriptedDialogs::RingtoneCall& prompt = m_rig->dialogs().ringtones().first();
    QCOMPARE(prompt.clipSelected, true);
    QCOMPARE(prompt.initial.title, "b");
    QCOMPARE(prompt.clipFile.file, m_rig->framewav().clips().clipFile(1));
    const Dialogs::FileRequest& asked = m_rig->dialogs().files().first().request;
    QCOMPARE(asked.fileName, "b." + ringtone::extension(target));
    QCOMPARE(asked.initialFolder, m_rig->outside(QString()));
    QCOMPARE(asked.filter, ringtone::fileFilter(target));
    QVERIFY(m_rig->host().frmLoad().isVisible());
    QCOMPARE(m_rig->host().frmLoad().statusText(), "Saving.......");
    QVERIFY(!m_rig->host().isEnabled());
    QVERIFY(waitForJob());

    // One box says where the tone is and offers it to a phone; Yes sends it.
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    const ScriptedDialogs::MessageCall& end = m_rig->dialogs().messages().first();
    QCOMPARE(end.text.section('\n', 0, 1), "Finish Save\n" + QDir::toNativeSeparators(output));
    QCOMPARE(end.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(end.text.contains("not " + chosen), !chosen.endsWith(ringtone::extension(target)));
    QCOMPARE(m_rig->dialogs().phoneSends(), QStringList{output});
    QCOMPARE(outsideFiles(), QStringList{QFileInfo(output).fileName()});
    auto opened = DecodeStream::open(output);
    QVERIFY(opened);
    QCOMPARE((*opened)->codecName(), codec);
    QCOMPARE((*opened)->title(), title);
    const double lengthS =
        double((*opened)->lengthBytes()) / (*opened)->outputFormat().bytesPerSecond();
    QVERIFY2(std::abs(lengthS - seconds) < 0.1, qPrintable(QString::number(lengthS)));
    QVERIFY(!m_rig->host().frmLoad().isVisible());
    QVERIFY(m_rig->host().isEnabled());
    QCOMPARE(m_rig->workFiles(), QStringList({"a.wav", "b.wav"}));
}

void TestRingtoneSaving::save_iPhoneLengthRule_data() {
    QTest::addColumn<Target>("target");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<Dialogs::Answer>("answer");
    QTest::addColumn<QString>("asked");       // in the question; empty: no question
    QTest::addColumn<double>("savedSeconds"); // 0: nothing saved
    const Target finder = Target::IPhoneFinder;
    QTest::newRow("Finder, 30 s: no question") << finder << 30 << Dialogs::Answer::No << "" << 30.0;
    QTest::newRow("Finder, 35 s, saved anyway")
        << finder << 35 << Dialogs::Answer::Yes << "35 s long" << 35.0;
    QTest::newRow("Finder, 35 s, declined")
        << finder << 35 << Dialogs::Answer::No << "35 s long" << 0.0;
    QTest::newRow("Finder, 45 s, first 40 s saved")
        << finder << 45 << Dialogs::Answer::Yes << "first 40 s" << 40.0;
    QTest::newRow("Finder, 45 s, declined")
        << finder << 45 << Dialogs::Answer::No << "45 s long" << 0.0;
    QTest::newRow("share sheet, 45 s: cut to 29.9 s without a question")
        << Target::IPhoneShare << 45 << Dialogs::Answer::No << "" << 29.9;
}

void TestRingtoneSaving::save_iPhoneLengthRule() {
    QFETCH(Target, target);
    QFETCH(int, seconds);
    QFETCH(Dialogs::Answer, answer);
    QFETCH(QString, asked);
    QFETCH(double, savedSeconds);
    addClip("a", seconds - 10);
    addClip("b", 10);
    m_rig->dialogs().queueRingtone({target, true, false});
    m_rig->dialogs().queueAnswer(answer);
    const QString output = m_rig->outside("a.m4r");
    m_rig->dialogs().queueFile(output);

    click();

    if (asked.isEmpty()) {
        QVERIFY(m_rig->dialogs().messages().isEmpty());
    } else {
        const ScriptedDialogs::MessageCall& question = m_rig->dialogs().messages().first();
        QCOMPARE(question.buttons, Dialogs::Buttons::YesNo);
        QVERIFY2(question.text.contains(asked), qPrintable(question.text));
    }
    if (savedSeconds == 0.0) {
        QVERIFY(m_rig->dialogs().files().isEmpty());
        QVERIFY(outsideFiles().isEmpty());
        QVERIFY(m_rig->host().isEnabled());
        return;
    }
    QVERIFY(waitForJob());
    QCOMPARE(m_rig->dialogs().messages().last().text.section('\n', 0, 0), "Finish Save");
    auto opened = DecodeStream::open(output);
    QVERIFY(opened);
    const double lengthS =
        double((*opened)->lengthBytes()) / (*opened)->outputFormat().bytesPerSecond();
    QVERIFY2(std::abs(lengthS - savedSeconds) < 0.1, qPrintable(QString::number(lengthS)));
}

void TestRingtoneSaving::save_emptyListOrCancelWritesNothing() {
    click();
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    QCOMPARE(m_rig->dialogs().messages().first().text, "The list has no clips to save.");
    QVERIFY(m_rig->dialogs().ringtones().isEmpty());

    addClip("a", 1);
    m_rig->dialogs().queueRingtoneCancel();
    click();
    QCOMPARE(m_rig->dialogs().ringtones().last().clipSelected, false);
    QVERIFY(m_rig->dialogs().files().isEmpty());

    m_rig->dialogs().queueRingtone({Target::AndroidMp3, true, true});
    m_rig->dialogs().queueFileCancel();
    click();
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    QCOMPARE(m_rig->workFiles(), QStringList{"a.wav"});
    QVERIFY(outsideFiles().isEmpty());
    QVERIFY(m_rig->host().isEnabled());
}

QTEST_MAIN(TestRingtoneSaving)
#include "tst_ringtone_saving.moc"
