// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/clip_joiner.h"
#include "codec/frame_source.h"
#include "codec/sound_sink.h"
#include "support/small_disk.h"
#include "support/test_audio.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using testaudio::le16;
using testaudio::le32;

namespace {

// Noise from a seed: no stretch of one clip matches a stretch of another, so a clip out of
// place or a byte lost at a seam shows up in a comparison.
QByteArray le(std::uint32_t value, int bytes) {
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out += char((value >> (8 * i)) & 0xFF);
    return out;
}

// A WAV whose data chunk comes after a LIST chunk, as many editors write it.
QByteArray wavWithListChunk(const WavFormat& f, const QByteArray& pcm) {
    const auto header = WavHeader::forFormat(f).bytes();
    QByteArray body = QByteArray(header.data() + 8, 28); // "WAVE" and the fmt chunk
    body += "LIST" + le(4, 4) + QByteArray("INFO");
    body += "data" + le(std::uint32_t(pcm.size()), 4) + pcm;
    return "RIFF" + le(std::uint32_t(body.size()), 4) + body;
}

} // namespace

class TestClipJoiner : public QObject {
    Q_OBJECT
private slots:
    void init();

    void twoClips_sizesAddUpAndDataFollowsDirectly();
    void oneClip_givesByteForByteCopy();
    void threeClips_joinInListOrder();
    void keptMp3Clip_joinsAsItsDecode();
    void cutClips_joinAsTheirStretches();
    void mixedFormats_convertedToFirstClipsFormat();
    void sameFormatWithExtraChunks_appendsOnlyTheSound();
    void headerClaimingTooMuch_appendsWhatTheFileHolds();
    void existingTarget_replacedWhole();
    void progress_reachesTheTotal();
    void encode_givesTheJoinedSoundWithNoJoinedFile();
    void targetThatIsAClip_isRefused();

    void badInput_namesClipAndWritesNothing_data();
    void badInput_namesClipAndWritesNothing();
    void tooLarge_stopsBeforeWriting();
    void unwritableTarget_leavesNothingBehind();
    void fullDisk_saysSoAndKeepsTheOldTarget();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    QString clip(const QString& name, const WavFormat& format, const QByteArray& pcm) {
        return testaudio::writeWav(path(name), format, pcm);
    }
    // Files in the folder besides the clips named.
    QStringList leftovers(const QStringList& clips) const {
        QStringList names = QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden);
        for (const QString& c : clips)
            names.removeAll(QFileInfo(c).fileName());
        return names;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    WavFormat m_cd{2, 44100, 16};
};

void TestClipJoiner::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestClipJoiner::twoClips_sizesAddUpAndDataFollowsDirectly() {
    const QByteArray a = testaudio::noisePcm(m_cd, 10000, 1);
    const QByteArray b = testaudio::noisePcm(m_cd, 7777, 2);
    const QStringList clips{clip("a.wav", m_cd, a), clip("b.wav", m_cd, b)};
    const QString target = path("concat.wav");
    const Status s = ClipJoiner().join(clips, target);
    QVERIFY2(s, qPrintable(s.message()));
    const QByteArray joined = testaudio::readAll(target);
    QCOMPARE(joined.size(), a.size() + b.size() + 44);
    QCOMPARE(le32(joined, 40), std::uint32_t(a.size() + b.size()));
    QCOMPARE(le32(joined, 4), std::uint32_t(a.size() + b.size() + 36));
    QCOMPARE(joined.mid(8, 32), testaudio::readAll(clips[0]).mid(8, 32)); // all but the sizes
    QVERIFY(joined.mid(44) == a + b);
}

void TestClipJoiner::oneClip_givesByteForByteCopy() {
    const QString only =
        clip("only.wav", {1, 22050, 8}, testaudio::noisePcm({1, 22050, 8}, 12345, 3));
    QVERIFY(ClipJoiner().join(QStringList{only}, path("concat.wav")));
    QVERIFY(testaudio::readAll(path("concat.wav")) == testaudio::readAll(only));
}

void TestClipJoiner::threeClips_joinInListOrder() {
    const QByteArray a = testaudio::noisePcm(m_cd, 3000, 1);
    const QByteArray b = testaudio::noisePcm(m_cd, 4000, 2);
    const QByteArray c = testaudio::noisePcm(m_cd, 5000, 3);
    const QString pa = clip("a.wav", m_cd, a);
    const QString pb = clip("b.wav", m_cd, b);
    const QString pc = clip("c.wav", m_cd, c);
    QVERIFY(ClipJoiner().join(QStringList{pc, pa, pb}, path("concat.wav")));
    QVERIFY(testaudio::readAll(path("concat.wav")).mid(44) == c + a + b);
}

// A clip kept as its MP3 joins as what its decode gives, sample for sample and exactly as
// long, between WAV clips.
void TestClipJoiner::keptMp3Clip_joinsAsItsDecode() {
    const QByteArray a = testaudio::noisePcm(m_cd, 3000, 1);
    const QString wav = testaudio::writeSineWav(path("tone.wav"), m_cd, 20000, 880.0);
    QCOMPARE(testaudio::run("lame", {"--quiet", wav, path("b.mp3")}), 0);
    const QString pa = clip("a.wav", m_cd, a);
    const Status s = ClipJoiner().join(QStringList{pa, path("b.mp3"), pa}, path("concat.wav"));
    QVERIFY2(s, qPrintable(s.message()));
    int channels = 0;
    const std::vector<std::int16_t> mp3 = testaudio::decodeAll(path("b.mp3"), &channels);
    const QByteArray decoded(reinterpret_cast<const char*>(mp3.data()),
                             qsizetype(mp3.size() * sizeof(std::int16_t)));
    QVERIFY(testaudio::readAll(path("concat.wav")).mid(44) == a + decoded + a);
}

// A cut clip joins as its stretch: a WAV's frames, an MP3's decode of them, and with its
// edge fades as its frame source reads it.
void TestClipJoiner::cutClips_joinAsTheirStretches() {
    const QByteArray a = testaudio::noisePcm(m_cd, 3000, 1);
    const QString pa = clip("a.wav", m_cd, a);
    const QString wav = testaudio::writeSineWav(path("tone.wav"), m_cd, 20000, 880.0);
    QCOMPARE(testaudio::run("lame", {"--quiet", wav, path("b.mp3")}), 0);
    const ClipRange faded(pa, 0, 1000, 50);
    const Status s = ClipJoiner().join(
        {ClipRange(pa, 100, 2000), ClipRange(path("b.mp3"), 5000, 4000), faded}, path("cut.wav"));
    QVERIFY2(s, qPrintable(s.message()));
    int channels = 0;
    const std::vector<std::int16_t> mp3 = testaudio::decodeAll(path("b.mp3"), &channels);
    const QByteArray decoded(reinterpret_cast<const char*>(mp3.data()),
                             qsizetype(mp3.size() * sizeof(std::int16_t)));
    std::vector<std::int16_t> fade;
    QVERIFY((*FrameSource::open(faded))->readFully(fade, 1000));
    QCOMPARE(fade.front(), std::int16_t(0)); // faded in from silence
    const QByteArray fadedBytes(reinterpret_cast<const char*>(fade.data()), 4000);
    QVERIFY(testaudio::readAll(path("cut.wav")).mid(44) ==
            a.mid(400, 8000) + decoded.mid(20000, 16000) + fadedBytes);

    // An 8-bit clip's faded stretch joins whole, as the 16-bit frames its source reads.
    const WavFormat small{1, 8000, 8};
    const ClipRange eight(clip("e.wav", small, testaudio::noisePcm(small, 800, 4)), 100, 500, 40);
    QVERIFY(ClipJoiner().join(QList<ClipRange>{eight}, path("eight.wav")));
    QVERIFY((*FrameSource::open(eight))->readFully(fade, 500));
    QVERIFY(testaudio::readAll(path("eight.wav")).mid(44) ==
            QByteArray(reinterpret_cast<const char*>(fade.data()), 1000));
}

// A 22050 Hz mono 8-bit clip after a 44100 Hz stereo 16-bit one is converted: the result
// is all in the first clip's format and the second clip keeps its duration.
void TestClipJoiner::mixedFormats_convertedToFirstClipsFormat() {
    const WavFormat small{1, 22050, 8};
    const QByteArray first = testaudio::sinePcm(m_cd, 44100, 440.0);
    const QStringList clips{clip("a.wav", m_cd, first),
                            testaudio::writeSineWav(path("b.wav"), small, 22050, 440.0)};
    const Status s = ClipJoiner().join(clips, path("concat.wav"));
    QVERIFY2(s, qPrintable(s.message()));

    const auto info = readWavInfo(path("concat.wav"));
    QVERIFY(info);
    QVERIFY(info->canonical);
    QCOMPARE(info->format, m_cd);
    const ByteCount frames = info->dataBytes / m_cd.blockAlign();
    QVERIFY2(std::abs(frames - 2 * 44100) <= 2, qPrintable(QString::number(frames)));
    const QByteArray joined = testaudio::readAll(path("concat.wav"));
    QVERIFY(joined.mid(44, first.size()) == first);
    // The converted part is a real sound at the same level, not 8-bit bytes read as 16-bit.
    int peak = 0;
    for (qsizetype i = 44 + first.size(); i + 1 < joined.size(); i += 2)
        peak = std::max(peak, std::abs(int(std::int16_t(le16(joined, int(i))))));
    QVERIFY2(peak > 14000 && peak < 18500, qPrintable(QString::number(peak)));
}

void TestClipJoiner::sameFormatWithExtraChunks_appendsOnlyTheSound() {
    const QByteArray a = testaudio::noisePcm(m_cd, 1000, 1);
    const QByteArray b = testaudio::noisePcm(m_cd, 1000, 2);
    QVERIFY(testaudio::writeAll(path("b.wav"), wavWithListChunk(m_cd, b)));
    QVERIFY(
        ClipJoiner().join(QStringList{clip("a.wav", m_cd, a), path("b.wav")}, path("concat.wav")));
    QVERIFY(testaudio::readAll(path("concat.wav")).mid(44) == a + b);
}

void TestClipJoiner::headerClaimingTooMuch_appendsWhatTheFileHolds() {
    const QByteArray a = testaudio::noisePcm(m_cd, 1000, 1);
    const QByteArray b = testaudio::noisePcm(m_cd, 1000, 2);
    QByteArray cut = testaudio::readAll(clip("b.wav", m_cd, b));
    cut.chop(401); // the data size still claims all of b; a part frame is left at the end
    QVERIFY(testaudio::writeAll(path("b.wav"), cut));
    QVERIFY(
        ClipJoiner().join(QStringList{clip("a.wav", m_cd, a), path("b.wav")}, path("concat.wav")));
    const QByteArray joined = testaudio::readAll(path("concat.wav"));
    QCOMPARE(joined.size(), 44 + a.size() + b.size() - 404);
    QCOMPARE(le32(joined, 40), std::uint32_t(joined.size() - 44));
}

void TestClipJoiner::existingTarget_replacedWhole() {
    const QString target = path("concat.wav");
    QVERIFY(testaudio::writeAll(target, QByteArray(100000, 'x')));
    const QString only = clip("a.wav", m_cd, testaudio::noisePcm(m_cd, 100, 1));
    QVERIFY(ClipJoiner().join(QStringList{only}, target));
    QVERIFY(testaudio::readAll(target) == testaudio::readAll(only));
    QCOMPARE(leftovers({only, target}), QStringList());
}

void TestClipJoiner::progress_reachesTheTotal() {
    const QStringList clips{clip("a.wav", m_cd, testaudio::noisePcm(m_cd, 400000, 1)),
                            clip("b.wav", m_cd, testaudio::noisePcm(m_cd, 10, 2))};
    ByteCount last = -1;
    ByteCount total = -1;
    int calls = 0;
    ClipJoiner joiner;
    joiner.setProgress([&](ByteCount done, ByteCount all) {
        QVERIFY(done > last);
        last = done;
        total = all;
        ++calls;
    });
    QVERIFY(joiner.join(clips, path("concat.wav")));
    QCOMPARE(total, ByteCount(400010 * 4));
    QCOMPARE(last, total);
    QVERIFY(calls >= 3); // 1.6 MB in blocks of 1 MiB, then the short clip
}

// Encoded losslessly, the list decodes to exactly the joined WAV's sound, converted clip
// included; nothing but the target is written. A cancelled encode leaves no target.
void TestClipJoiner::encode_givesTheJoinedSoundWithNoJoinedFile() {
    const QStringList clips{clip("a.wav", m_cd, testaudio::noisePcm(m_cd, 30000, 1)),
                            testaudio::writeSineWav(path("b.wav"), {1, 22050, 8}, 11025, 440.0)};
    QVERIFY(ClipJoiner().join(clips, path("joined.wav")));
    const QString flac = m_dir->filePath("out/list.flac");
    QVERIFY(QDir().mkpath(QFileInfo(flac).path()));
    const Status encoded = ClipJoiner().encode(clips, flac, EncodeSettings{Codec::Flac});
    QVERIFY2(encoded, qPrintable(encoded.message()));
    int channels = 0;
    QVERIFY(testaudio::decodeAll(flac, &channels) ==
            testaudio::decodeAll(path("joined.wav"), &channels));
    QCOMPARE(QDir(QFileInfo(flac).path()).entryList(QDir::Files), QStringList{"list.flac"});

    const std::atomic<bool> abort{true};
    ClipJoiner cancelled;
    cancelled.setAbort(&abort);
    QCOMPARE(cancelled.encode(clips, path("out/gone.flac"), EncodeSettings{Codec::Flac}).code(),
             ErrorCode::Ended);
    QCOMPARE(QDir(QFileInfo(flac).path()).entryList(QDir::Files), QStringList{"list.flac"});
}

void TestClipJoiner::targetThatIsAClip_isRefused() {
    const QByteArray a = testaudio::noisePcm(m_cd, 3000, 1);
    const QStringList clips{clip("a.wav", m_cd, a), clip("b.wav", m_cd, a)};
    for (const bool encoded : {false, true}) {
        const Status s = encoded ? ClipJoiner().encode(clips, clips[1], EncodeSettings{})
                                 : ClipJoiner().join(clips, clips[1]);
        QCOMPARE(s.code(), ErrorCode::IllegalParam);
        QVERIFY(testaudio::readAll(clips[1]).mid(44) == a);
    }
}

void TestClipJoiner::badInput_namesClipAndWritesNothing_data() {
    QTest::addColumn<QString>("badName");
    QTest::addColumn<QByteArray>("badBytes"); // empty: the file is not made at all
    QTest::addColumn<bool>("badFirst");
    QTest::addColumn<ErrorCode>("code");

    const auto header = WavHeader::forFormat({2, 44100, 16}).bytes();
    QTest::newRow("missing") << "gone.wav" << QByteArray() << false << ErrorCode::FileOpen;
    QTest::newRow("missing first") << "gone.wav" << QByteArray() << true << ErrorCode::FileOpen;
    QTest::newRow("shorter than a header")
        << "short.wav" << QByteArray(header.data(), 30) << false << ErrorCode::FileForm;
    QTest::newRow("not a WAV") << "text.wav" << QByteArray(200, 'a') << false
                               << ErrorCode::FileForm;
    QByteArray wide = testaudio::readAll(
        testaudio::writeWav(m_dir->filePath("w.tmp"), {2, 44100, 24}, QByteArray(600, 'a')));
    QTest::newRow("24-bit") << "wide.wav" << wide << false << ErrorCode::Format;
}

Q_DECLARE_METATYPE(ErrorCode)

void TestClipJoiner::badInput_namesClipAndWritesNothing() {
    QFETCH(QString, badName);
    QFETCH(QByteArray, badBytes);
    QFETCH(bool, badFirst);
    QFETCH(ErrorCode, code);
    QFile::remove(path("w.tmp"));
    const QString bad = path(badName);
    if (!badBytes.isEmpty())
        QVERIFY(testaudio::writeAll(bad, badBytes));
    const QString good = clip("good.wav", m_cd, testaudio::noisePcm(m_cd, 1000, 1));
    const QStringList clips = badFirst ? QStringList{bad, good} : QStringList{good, bad, good};
    const QString target = path("concat.wav");

    const Status s = ClipJoiner().join(clips, target);
    QVERIFY(!s);
    QCOMPARE(s.code(), code);
    QVERIFY2(s.message().contains(bad), qPrintable(s.message()));
    QVERIFY(!QFile::exists(target));
    QCOMPARE(leftovers({good, bad}), QStringList());
}

void TestClipJoiner::tooLarge_stopsBeforeWriting() {
    const QStringList clips{clip("a.wav", m_cd, testaudio::noisePcm(m_cd, 200, 1)),
                            clip("b.wav", m_cd, testaudio::noisePcm(m_cd, 200, 2))};
    const QString target = path("concat.wav");
    QVERIFY(testaudio::writeAll(target, "old"));
    const Status s = ClipJoiner(1000).join(clips, target);
    QCOMPARE(s.code(), ErrorCode::TooLarge);
    QVERIFY2(s.message().contains(clips[1]), qPrintable(s.message()));
    QCOMPARE(testaudio::readAll(target), QByteArray("old"));
    QCOMPARE(leftovers(clips + QStringList{target}), QStringList());
    QVERIFY(ClipJoiner(1600).join(clips, target)); // exactly at the limit is allowed
}

void TestClipJoiner::unwritableTarget_leavesNothingBehind() {
    const QString only = clip("a.wav", m_cd, testaudio::noisePcm(m_cd, 100, 1));
    Status s = ClipJoiner().join(QStringList{only}, path("no-such-folder/concat.wav"));
    QCOMPARE(s.code(), ErrorCode::Create);
    QVERIFY(s.message().contains(QStringLiteral("no-such-folder/concat.wav")));

    // A folder in the target's place: the rename at the end fails.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder.wav")));
    s = ClipJoiner().join(QStringList{only}, path("folder.wav"));
    QCOMPARE(s.code(), ErrorCode::Create);
    QCOMPARE(leftovers({only}), QStringList());
    QVERIFY(QFileInfo(path("folder.wav")).isDir());
}

void TestClipJoiner::fullDisk_saysSoAndKeepsTheOldTarget() {
    SmallDisk disk(64);
    if (!disk.isValid())
        QSKIP("a small tmpfs cannot be mounted here (needs root)");
    const QString only = clip("a.wav", m_cd, testaudio::noisePcm(m_cd, 44100, 1));
    const QString target = disk.filePath("concat.wav");
    QVERIFY(testaudio::writeAll(target, "old"));
    const Status s = ClipJoiner().join(QStringList{only}, target);
    QCOMPARE(s.message(), target + QStringLiteral(": cannot be written (the disk is full)."));
    QCOMPARE(testaudio::readAll(target), QByteArray("old"));
    QCOMPARE(QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"concat.wav"});
}

QTEST_GUILESS_MAIN(TestClipJoiner)
#include "tst_clip_joiner.moc"
