// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/media_player.h"
#include "base/work_folder.h"
#include "cliplist/ui/clip_list_box.h"
#include "cliplist/ui/framewav.h"
#include "cliplist/ui/list_saving.h"
#include "codec/decode_stream.h"
#include "codec/mp3_encoder.h"
#include "pagekit/busy_window.h"
#include "support/page_host.h"
#include "support/scripted_dialogs.h"
#include "support/test_audio.h"
#include "support/window_rig.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(Settings::BitRate)

namespace {

const WavFormat CdFormat{2, 44100, 16};

// The bit rate in the first frame header of an MP3 at 32000 to 48000 Hz (MPEG-1 layer III),
// after the ID3v2 tag that may come first (its size: four 7-bit bytes at offset 6).
int firstFrameKbps(QByteArray mp3) {
    static const int rates[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    if (mp3.startsWith("ID3") && mp3.size() > 10)
        mp3 = mp3.mid(10 + ((mp3[6] & 0x7F) << 21 | (mp3[7] & 0x7F) << 14 | (mp3[8] & 0x7F) << 7 |
                            (mp3[9] & 0x7F)));
    if (mp3.size() < 4 || std::uint8_t(mp3[0]) != 0xFF || (std::uint8_t(mp3[1]) & 0xFE) != 0xFA)
        return 0;
    return rates[std::min(14, std::uint8_t(mp3[2]) >> 4)];
}

} // namespace

class TestListSaving : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_rig.reset(); }

    void saveWav_joinsEveryClipInListOrder_data();
    void saveWav_joinsEveryClipInListOrder();
    void saveWav_clipsOfAnotherFormatTakeTheFirstClipsFormat();
    void save_listThatCannotBeJoinedWritesNothing_data();
    void save_listThatCannotBeJoinedWritesNothing();
    void save_cancelChangesNothing_data();
    void save_cancelChangesNothing();
    void saveMp3_encodesAtTheBitRateSetting_data();
    void saveMp3_encodesAtTheBitRateSetting();
    void saveMp3_jobThatFailsShowsItsFailure_data();
    void saveMp3_jobThatFailsShowsItsFailure();

private:
    ListSaving& saving() const { return m_rig->framewav().saving(); }
    FrmLoad& busy() const { return m_rig->host().frmLoad(); }
    void click(bool mp3) {
        mp3 ? saving().CmdSaveList_Click() : saving().CmdSaveWav_Click();
        m_rig->waitForWork();
    }
    QByteArray addClip(const QString& name, const WavFormat& format, std::int64_t frames,
                       double hz);
    void playListPlayer();
    bool waitForJob();

    std::unique_ptr<WindowRig> m_rig;
};

void TestListSaving::init() {
    m_rig = std::make_unique<WindowRig>();
}

QByteArray TestListSaving::addClip(const QString& name, const WavFormat& format,
                                   std::int64_t frames, double hz) {
    const QByteArray pcm = testaudio::sinePcm(format, frames, hz);
    m_rig->addClip(name, format, pcm);
    return pcm;
}

void TestListSaving::playListPlayer() {
    m_rig->listPlayer().setFileName(m_rig->framewav().clips().clipFile(0));
    QVERIFY(m_rig->listPlayer().command("open"));
    QVERIFY(m_rig->listPlayer().command("play"));
}

// The job holds the window from the join to its end.
bool TestListSaving::waitForJob() {
    m_rig->waitForWork();
    return !QTest::currentTestFailed();
}

void TestListSaving::saveWav_joinsEveryClipInListOrder_data() {
    QTest::addColumn<QList<int>>("frames");
    QTest::addColumn<int>("selected");
    QTest::newRow("one clip") << QList<int>{4410} << -1;
    QTest::newRow("two clips") << QList<int>{4410, 10000} << 0;
    QTest::newRow("three, the middle one selected") << QList<int>{300, 5000, 1234} << 1;
}

void TestListSaving::saveWav_joinsEveryClipInListOrder() {
    QFETCH(QList<int>, frames);
    QFETCH(int, selected);
    QByteArray pcm;
    for (int i = 0; i < frames.size(); ++i)
        pcm += addClip(QString(QChar('a' + i)), CdFormat, frames[i], 300.0 + 200 * i);
    m_rig->list().setCurrentRow(selected);
    m_rig->host().settings().setBaseFolder(m_rig->outside(QString()));
    const QString target = m_rig->outside("joined.wav");
    m_rig->dialogs().queueFile(target);
    playListPlayer();

    saving().CmdSaveWav_Click();
    m_rig->waitForWork();

    const Dialogs::FileRequest& asked = m_rig->dialogs().files().first().request;
    QCOMPARE(asked.mode, Dialogs::FileRequest::Mode::Save);
    QCOMPARE(asked.filter, "Wav(*.wav)|*.wav");
    QCOMPARE(asked.fileName, "");
    QCOMPARE(asked.initialFolder, m_rig->outside(QString()));
    const QByteArray joined = testaudio::readAll(target);
    QCOMPARE(joined.size(), pcm.size() + 44);
    QCOMPARE(testaudio::le32(joined, 40), std::uint32_t(pcm.size()));
    QCOMPARE(testaudio::le32(joined, 4), std::uint32_t(pcm.size() + 36));
    QVERIFY(joined.mid(44) == pcm);
    if (frames.size() == 1)
        QVERIFY(joined == testaudio::readAll(m_rig->framewav().clips().clipFile(0)));
    QVERIFY(!QFile::exists(m_rig->work().file("concat.wav"))); // joined straight into the target
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    QCOMPARE(m_rig->dialogs().messages().first().text.section('\n', 0, 0), "Finish Save");
    QCOMPARE(m_rig->listPlayer().state(), MediaPlayer::State::Closed);
}

void TestListSaving::saveWav_clipsOfAnotherFormatTakeTheFirstClipsFormat() {
    const WavFormat mono{1, 22050, 8};
    addClip("a", CdFormat, 44100, 440);
    addClip("b", mono, 22050, 440);
    const QString target = m_rig->outside("joined.wav");
    m_rig->dialogs().queueFile(target);
    saving().CmdSaveWav_Click();
    m_rig->waitForWork();
    const QByteArray joined = testaudio::readAll(target);
    // "WAVE", the fmt chunk: the first clip's format.
    QVERIFY(joined.mid(8, 28) ==
            testaudio::readAll(m_rig->framewav().clips().clipFile(0)).mid(8, 28));
    // The second second, converted; a resampler may add or drop a frame at its edges.
    const qint64 secondBytes = testaudio::le32(joined, 40) - CdFormat.bytesPerSecond();
    QVERIFY2(qAbs(secondBytes - CdFormat.bytesPerSecond()) <= 2 * CdFormat.blockAlign(),
             qPrintable(QString::number(secondBytes)));
    QCOMPARE(m_rig->dialogs().messages().last().text.section('\n', 0, 0), "Finish Save");
}

void TestListSaving::save_listThatCannotBeJoinedWritesNothing_data() {
    QTest::addColumn<bool>("mp3");
    QTest::addColumn<QByteArray>("secondClip"); // null: the list is empty; empty: file gone
    for (bool mp3 : {false, true}) {
        const char* kind = mp3 ? "MP3: " : "WAV: ";
        QTest::addRow("%sempty list", kind) << mp3 << QByteArray();
        QTest::addRow("%sclip file missing", kind) << mp3 << QByteArray("");
        QTest::addRow("%sclip shorter than a header", kind) << mp3 << QByteArray("RIFF....WAVE");
    }
}

void TestListSaving::save_listThatCannotBeJoinedWritesNothing() {
    QFETCH(bool, mp3);
    QFETCH(QByteArray, secondClip);
    const QString target = m_rig->outside(mp3 ? "list.mp3" : "list.wav");
    QVERIFY(testaudio::writeAll(target, "an older file"));
    if (!secondClip.isNull()) {
        addClip("a", CdFormat, 4410, 440);
        m_rig->addClip("b", CdFormat, {});
        QVERIFY(secondClip.isEmpty()
                    ? QFile::remove(m_rig->framewav().clips().clipFile(1))
                    : testaudio::writeAll(m_rig->framewav().clips().clipFile(1), secondClip));
    }
    m_rig->dialogs().queueFile(target);

    click(mp3);

    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    const ScriptedDialogs::MessageCall& shown = m_rig->dialogs().messages().first();
    QCOMPARE(shown.icon, Dialogs::Icon::Warning);
    // A clip whose file is not what the list read is named before a target is asked for.
    if (!secondClip.isNull())
        QVERIFY2(shown.text.startsWith("The list was not saved.\n\nThe clip b cannot be read") &&
                     shown.text.contains(m_rig->framewav().clips().clipFile(1)),
                 qPrintable(shown.text));
    QCOMPARE(testaudio::readAll(target), QByteArray("an older file"));
    QCOMPARE(QDir(m_rig->outside(QString())).entryList(QDir::Files | QDir::Hidden).size(), 1);
    QVERIFY(!QFile::exists(m_rig->work().file("concat.wav")));
    QVERIFY(!busy().isVisible());
    QVERIFY(m_rig->host().isEnabled());
}

void TestListSaving::save_cancelChangesNothing_data() {
    QTest::addColumn<bool>("mp3");
    QTest::newRow("WAV") << false;
    QTest::newRow("MP3") << true;
}

void TestListSaving::save_cancelChangesNothing() {
    QFETCH(bool, mp3);
    addClip("a", CdFormat, 44100, 440);
    playListPlayer();
    const QString text1 = m_rig->framewav().findChild<QLineEdit*>("Text1")->text();
    m_rig->dialogs().queueFileCancel();
    click(mp3);
    QVERIFY(m_rig->dialogs().messages().isEmpty());
    QCOMPARE(m_rig->listPlayer().state(), MediaPlayer::State::Playing);
    QCOMPARE(m_rig->workFiles(), QStringList{"a.wav"});
    QVERIFY(!busy().isVisible());
    QVERIFY(m_rig->host().isEnabled());
    QCOMPARE(m_rig->framewav().findChild<QLineEdit*>("Text1")->text(), text1);
}

void TestListSaving::saveMp3_encodesAtTheBitRateSetting_data() {
    QTest::addColumn<Settings::BitRate>("setting");
    QTest::addColumn<int>("kbps");
    for (int kbps : Settings::OfferedRates)
        QTest::addRow("%d", kbps) << Settings::BitRate::fromNumber(kbps) << kbps;
    // The encoder keeps the rate it has: the last one set (96 below).
    QTest::newRow("unset") << Settings::BitRate() << 96;
    QTest::newRow("text") << Settings::BitRate::fromText("fast") << 96;
}

void TestListSaving::saveMp3_encodesAtTheBitRateSetting() {
    QFETCH(Settings::BitRate, setting);
    QFETCH(int, kbps);
    addClip("a", CdFormat, 22050, 440);
    addClip("b", CdFormat, 22050, 660);
    m_rig->encoder().setBitRate(96);
    m_rig->host().settings().setBitRate(setting);
    const QString target = m_rig->outside("list.mp3");
    m_rig->dialogs().queueFile(target);
    playListPlayer();

    saving().CmdSaveList_Click();

    QVERIFY(busy().isVisible());
    QCOMPARE(busy().statusText(), "Saving.......");
    QVERIFY(!m_rig->host().isEnabled());
    // The encoder takes the job at once and reads the clips as it encodes them.
    QTRY_COMPARE(m_rig->framewav().findChild<QLineEdit*>("Text1")->text(), "0");
    QCOMPARE(m_rig->listPlayer().state(), MediaPlayer::State::Closed);
    QCOMPARE(m_rig->dialogs().files().first().request.filter, "MP3(*.mp3)|*.mp3");

    QVERIFY(waitForJob());
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    QCOMPARE(m_rig->dialogs().messages().first().text.section('\n', 0, 0), "Finish Save");
    QCOMPARE(firstFrameKbps(testaudio::readAll(target)), kbps);
    QCOMPARE((*DecodeStream::open(target))->title(), "list");
    QVERIFY(!busy().isVisible());
    QVERIFY(m_rig->host().isEnabled());
    QCOMPARE(m_rig->workFiles(), QStringList({"a.wav", "b.wav"}));
}

void TestListSaving::saveMp3_jobThatFailsShowsItsFailure_data() {
    QTest::addColumn<bool>("refused"); // the encoder refuses the job, or the job fails
    QTest::addColumn<QString>("text1");
    QTest::newRow("job fails") << false << "0";
    QTest::newRow("encoder refuses the job") << true << "20";
}

void TestListSaving::saveMp3_jobThatFailsShowsItsFailure() {
    QFETCH(bool, refused);
    QFETCH(QString, text1);
    addClip("a", CdFormat, 22050, 440);
    // A target in a folder that does not exist fails when written; a clip itself as the
    // target is refused at once.
    const QString target =
        refused ? m_rig->work().clipFile("a") : m_rig->outside("missing/list.mp3");
    m_rig->dialogs().queueFile(target);

    saving().CmdSaveList_Click();
    QTRY_COMPARE(m_rig->framewav().findChild<QLineEdit*>("Text1")->text(), text1);
    if (!refused)
        QVERIFY(waitForJob());

    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    QCOMPARE(m_rig->dialogs().messages().first().icon, Dialogs::Icon::Warning);
    QVERIFY2(m_rig->dialogs().messages().first().text.contains(target),
             qPrintable(m_rig->dialogs().messages().first().text));
    QVERIFY(!busy().isVisible());
    QVERIFY(m_rig->host().isEnabled());
    QCOMPARE(m_rig->workFiles(), QStringList{"a.wav"});
}

QTEST_MAIN(TestListSaving)
#include "tst_list_saving.moc"
