// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/clip_crop.h"
#include "support/test_audio.h"
#include "wav/wave_commands.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(WavFormat)

namespace {

// Noise from a fixed seed: a cut off by one frame shows up in a byte comparison.
} // namespace

class TestClipCrop : public QObject {
    Q_OBJECT
private slots:
    void init();

    void done_keepsStretchBetweenMarks_data();
    void done_keepsStretchBetweenMarks();
    void done_rightAfterOpeningKeepsWholeClip();
    void done_sendsTheFiveCommandsInOrder();
    void done_quotesPathsOfAnyCharacters();
    void done_intoAnotherFileLeavesTheSource();
    void keptMp3_givesTheDecodedStretchAsAWav();
    void smoothCut_fadesOnlyTheEdges();

    void marksInWrongOrder_timeInputError_data();
    void marksInWrongOrder_timeInputError();
    void marksOutsideTheClip_refused();
    void missingClip_namesItAndSendsNothing();
    void clipThatIsNotSound_failsAtOpenWithoutClose();
    void failingSave_stillClosesAndKeepsClip();
    void unwritableWorkFolder_keepsClip();

private:
    QString clipPath() const { return m_work->file(QStringLiteral("Song One.wav")); }
    void verifyUntouched() {
        QVERIFY(testaudio::readAll(clipPath()) == m_original);
        const QStringList files = QDir(m_work->path()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(files, QStringList{QStringLiteral("Song One.wav")});
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<WorkFolder> m_work;
    WaveCommands m_commands;
    WavFormat m_format{2, 44100, 16};
    QByteArray m_pcm; // ten seconds
    QByteArray m_original;
};

void TestClipCrop::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_work = std::make_unique<WorkFolder>(m_dir->filePath(QStringLiteral("korvanel")));
    QVERIFY(m_work->prepare());
    m_commands = WaveCommands();
    m_pcm = testaudio::noisePcm(m_format, 10 * 44100, 11);
    testaudio::writeWav(clipPath(), m_format, m_pcm);
    m_original = testaudio::readAll(clipPath());
}

void TestClipCrop::done_keepsStretchBetweenMarks_data() {
    QTest::addColumn<WavFormat>("format");
    QTest::addColumn<int>("markIn");
    QTest::addColumn<int>("markOut");
    QTest::newRow("44100/2/16") << WavFormat{2, 44100, 16} << 1500 << 4000;
    QTest::newRow("22050/1/8") << WavFormat{1, 22050, 8} << 1500 << 4000;
    QTest::newRow("from the start") << WavFormat{2, 44100, 16} << 0 << 2000;
    QTest::newRow("to the end") << WavFormat{2, 44100, 16} << 7250 << 10000;
}

void TestClipCrop::done_keepsStretchBetweenMarks() {
    QFETCH(WavFormat, format);
    QFETCH(int, markIn);
    QFETCH(int, markOut);
    const QByteArray pcm = testaudio::noisePcm(format, 10 * format.sampleRateHz, 11);
    testaudio::writeWav(clipPath(), format, pcm);

    ClipCrop crop(*m_work, m_commands);
    const Status s = crop.crop(clipPath(), markIn, markOut, 10000);
    QVERIFY2(s, qPrintable(s.message()));
    // The marks fall on whole frames at these rates.
    const auto at = [&](int ms) {
        return qsizetype(ms) * format.sampleRateHz / 1000 * format.blockAlign();
    };
    const QByteArray cropped = testaudio::readAll(clipPath());
    QCOMPARE(testaudio::le32(cropped, 40), std::uint32_t(at(markOut) - at(markIn)));
    QVERIFY(cropped.mid(44) == pcm.mid(at(markIn), at(markOut) - at(markIn)));
    QCOMPARE(QDir(m_work->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("Song One.wav")});
}

void TestClipCrop::done_rightAfterOpeningKeepsWholeClip() {
    ClipCrop crop(*m_work, m_commands);
    QVERIFY(crop.crop(clipPath(), 0, 10000, 10000));
    QCOMPARE(crop.sentCommands().at(1), QStringLiteral("delete voice1 from 0 to 0"));
    QCOMPARE(crop.sentCommands().at(2), QStringLiteral("delete voice1 from 10000 to 10000"));
    verifyUntouched();
}

void TestClipCrop::done_sendsTheFiveCommandsInOrder() {
    ClipCrop crop(*m_work, m_commands);
    QVERIFY(crop.crop(clipPath(), 1500, 4000, 10000));
    const QString work = m_work->path();
    const QStringList expected{
        QStringLiteral("open %1/crop-source.tmp type waveaudio alias voice1").arg(work),
        QStringLiteral("delete voice1 from 0 to 1500"),
        QStringLiteral("delete voice1 from 2500 to 8500"),
        QStringLiteral("save  voice1 %1/crop-result.tmp").arg(work),
        QStringLiteral("close voice1"),
    };
    QCOMPARE(crop.sentCommands(), expected);
    QCOMPARE(crop.commandsFor(1500, 4000, 10000), expected);
    // Long clips: plain digits, no group separators.
    QCOMPARE(ClipCrop::tailCommand(1234567, 98765432, 123456789),
             QStringLiteral("delete voice1 from 97530865 to 122222222"));
}

void TestClipCrop::done_quotesPathsOfAnyCharacters() {
    // A home folder may hold any character; the scratch files sit below it.
    m_work = std::make_unique<WorkFolder>(m_dir->filePath(QStringLiteral("work \"folder\" \\ é")));
    QVERIFY(m_work->prepare());
    testaudio::writeWav(clipPath(), m_format, m_pcm);
    ClipCrop crop(*m_work, m_commands);
    const Status s = crop.crop(clipPath(), 1000, 2000, 10000);
    QVERIFY2(s, qPrintable(s.message()));
    const QString escaped = m_dir->path() + QStringLiteral("/work \\\"folder\\\" \\\\ é");
    QCOMPARE(
        crop.sentCommands().first(),
        QStringLiteral("open \"%1/crop-source.tmp\" type waveaudio alias voice1").arg(escaped));
    QCOMPARE(crop.sentCommands().at(3),
             QStringLiteral("save  voice1 \"%1/crop-result.tmp\"").arg(escaped));
    QCOMPARE(testaudio::readAll(clipPath()).size(), 44 + 44100 * 4);
}

// A loud steady sound cut with a 5 ms fade at each end: silent first and last frames, a
// gain that only rises (falls) over the fade, and every frame between as it was.
void TestClipCrop::smoothCut_fadesOnlyTheEdges() {
    const WavFormat mono{1, 8000, 16};
    QByteArray pcm;
    for (int i = 0; i < 8000; ++i)
        pcm += char(0x30), pcm += char(0x75); // 30000 in every sample
    testaudio::writeWav(clipPath(), mono, pcm);
    ClipCrop crop(*m_work, m_commands);
    crop.setEdgeFadeMs(5);
    QVERIFY(crop.crop(clipPath(), 250, 750, 1000));

    const QByteArray cut = testaudio::readAll(clipPath()).mid(44);
    const int frames = int(cut.size() / 2);
    QCOMPARE(frames, 4000);
    const auto at = [&](int i) { return int(std::int16_t(testaudio::le16(cut, i * 2))); };
    const int fade = 40; // 5 ms at 8000 Hz
    QCOMPARE(at(0), 0);
    QCOMPARE(at(frames - 1), 0);
    for (int i = 1; i < fade; ++i) {
        QVERIFY2(at(i) > at(i - 1), qPrintable(QString::number(i)));
        QVERIFY(at(frames - 1 - i) > at(frames - i));
    }
    QVERIFY(cut.mid(fade * 2, (frames - 2 * fade) * 2) ==
            pcm.mid(fade * 2, (frames - 2 * fade) * 2));
}

void TestClipCrop::done_intoAnotherFileLeavesTheSource() {
    ClipCrop crop(*m_work, m_commands);
    const QString target = m_dir->filePath(QStringLiteral("out.wav"));
    QVERIFY(crop.crop(clipPath(), target, 0, 1000, 10000));
    QVERIFY(testaudio::readAll(target).mid(44) == m_pcm.left(44100 * 4));
    verifyUntouched();
}

// A kept MP3 is not cut by the commands: the stretch between the marks is decoded, and only
// that, into the WAV that becomes the clip.
void TestClipCrop::keptMp3_givesTheDecodedStretchAsAWav() {
    const QString mp3 = m_work->file(QStringLiteral("Song Two.mp3"));
    QCOMPARE(testaudio::run(QStringLiteral("lame"), {"--quiet", clipPath(), mp3}), 0);
    const QByteArray before = testaudio::readAll(mp3);
    const QString target = m_work->clipFile(QStringLiteral("Song Two"));
    ClipCrop crop(*m_work, m_commands);
    const Status s = crop.crop(mp3, target, 1500, 4000, 10000);
    QVERIFY2(s, qPrintable(s.message()));
    QVERIFY(crop.sentCommands().isEmpty());
    int channels = 0;
    const std::vector<std::int16_t> all = testaudio::decodeAll(mp3, &channels);
    const QByteArray decoded(reinterpret_cast<const char*>(all.data()),
                             qsizetype(all.size() * sizeof(std::int16_t)));
    const qsizetype from = qsizetype(1500) * 44100 / 1000 * 4;
    const qsizetype to = qsizetype(4000) * 44100 / 1000 * 4;
    const QByteArray cut = testaudio::readAll(target);
    QCOMPARE(testaudio::le32(cut, 40), std::uint32_t(to - from));
    QVERIFY(cut.mid(44) == decoded.mid(from, to - from));
    QCOMPARE(testaudio::readAll(mp3), before);
    QCOMPARE(QDir(m_work->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({"Song One.wav", "Song Two.mp3", "Song Two.wav"}));
}

void TestClipCrop::marksInWrongOrder_timeInputError_data() {
    QTest::addColumn<int>("markIn");
    QTest::addColumn<int>("markOut");
    QTest::newRow("equal") << 3000 << 3000;
    QTest::newRow("out before in") << 4000 << 1500;
    QTest::newRow("both zero") << 0 << 0;
}

void TestClipCrop::marksInWrongOrder_timeInputError() {
    QFETCH(int, markIn);
    QFETCH(int, markOut);
    QCOMPARE(ClipCrop::checkMarks(markIn, markOut).message(), QStringLiteral("Time Input Error"));
    ClipCrop crop(*m_work, m_commands);
    const Status s = crop.crop(clipPath(), markIn, markOut, 10000);
    QCOMPARE(s.message(), QStringLiteral("Time Input Error"));
    QVERIFY(crop.sentCommands().isEmpty());
    verifyUntouched();
}

void TestClipCrop::marksOutsideTheClip_refused() {
    ClipCrop crop(*m_work, m_commands);
    Status s = crop.crop(clipPath(), 1000, 10001, 10000);
    QCOMPARE(s.code(), ErrorCode::Position);
    QVERIFY(s.message().contains(clipPath()));
    s = crop.crop(clipPath(), -1, 500, 10000);
    QCOMPARE(s.code(), ErrorCode::Position);
    QVERIFY(crop.sentCommands().isEmpty());
    verifyUntouched();
}

void TestClipCrop::missingClip_namesItAndSendsNothing() {
    ClipCrop crop(*m_work, m_commands);
    const QString gone = m_work->file(QStringLiteral("gone.wav"));
    const Status s = crop.crop(gone, 0, 1000, 10000);
    QCOMPARE(s.code(), ErrorCode::FileOpen);
    QVERIFY(s.message().contains(gone));
    QVERIFY(crop.sentCommands().isEmpty());
    verifyUntouched();
}

void TestClipCrop::clipThatIsNotSound_failsAtOpenWithoutClose() {
    m_original = QByteArray(5000, 'x');
    QVERIFY(testaudio::writeAll(clipPath(), m_original));
    ClipCrop crop(*m_work, m_commands);
    const Status s = crop.crop(clipPath(), 0, 1000, 10000);
    QVERIFY(!s);
    QVERIFY2(s.message().contains(clipPath()), qPrintable(s.message()));
    QCOMPARE(crop.sentCommands().size(), 1);
    verifyUntouched();
}

// 24-bit sound opens and deletes, but "save" writes 8 and 16 bits only.
void TestClipCrop::failingSave_stillClosesAndKeepsClip() {
    testaudio::writeWav(clipPath(), {2, 44100, 24}, testaudio::noisePcm({2, 44100, 24}, 44100, 11));
    m_original = testaudio::readAll(clipPath());
    ClipCrop crop(*m_work, m_commands);
    const Status s = crop.crop(clipPath(), 100, 500, 1000);
    QCOMPARE(s.code(), ErrorCode::Format);
    QVERIFY2(s.message().contains(clipPath()), qPrintable(s.message()));
    QCOMPARE(crop.sentCommands().size(), 5);
    QCOMPARE(crop.sentCommands().last(), QStringLiteral("close voice1"));
    verifyUntouched();
    // The alias was released: the next crop can open it again.
    testaudio::writeWav(clipPath(), m_format, m_pcm);
    QVERIFY(crop.crop(clipPath(), 100, 500, 10000));
}

void TestClipCrop::unwritableWorkFolder_keepsClip() {
    const WorkFolder missing(m_dir->filePath(QStringLiteral("no-such-folder")));
    ClipCrop crop(missing, m_commands);
    const Status s = crop.crop(clipPath(), 0, 1000, 10000);
    QCOMPARE(s.code(), ErrorCode::Create);
    QVERIFY(s.message().contains(clipPath()));
    QVERIFY(crop.sentCommands().isEmpty());
    verifyUntouched();
}

QTEST_GUILESS_MAIN(TestClipCrop)
#include "tst_clip_crop.moc"
