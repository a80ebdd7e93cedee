// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/small_disk.h"
#include "support/test_audio.h"
#include "wav/wave_commands.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using testaudio::le16;
using testaudio::le32;

Q_DECLARE_METATYPE(WavFormat)

namespace {

// Noise from a fixed seed: unlike a sine, no stretch of it matches another stretch, so a
// cut that is off by a single frame shows up in a byte comparison.
QByteArray dataOf(const QString& path) {
    return testaudio::readAll(path).mid(WavHeader::Size);
}

QByteArray le(std::uint32_t value, int bytes) {
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out += char((value >> (8 * i)) & 0xFF);
    return out;
}

// A RIFF/WAVE file that is not canonical: an 18-byte fmt chunk, then an odd-sized LIST
// chunk with its pad byte, then the data.
QByteArray nonCanonicalWav(int formatCode, const WavFormat& f, const QByteArray& pcm) {
    QByteArray fmt =
        le(std::uint32_t(formatCode), 2) + le(std::uint32_t(f.channels), 2) +
        le(std::uint32_t(f.sampleRateHz), 4) + le(std::uint32_t(f.bytesPerSecond()), 4) +
        le(std::uint32_t(f.blockAlign()), 2) + le(std::uint32_t(f.bitsPerSample), 2) + le(0, 2);
    QByteArray body = "WAVE";
    body += "fmt " + le(std::uint32_t(fmt.size()), 4) + fmt;
    body += "LIST" + le(5, 4) + QByteArray("INFOx") + '\0';
    body += "data" + le(std::uint32_t(pcm.size()), 4) + pcm;
    return "RIFF" + le(std::uint32_t(body.size()), 4) + body;
}

} // namespace

class TestWaveCommands : public QObject {
    Q_OBJECT
private slots:
    void init();

    void crop_keepsStretchBetweenMarks_data();
    void crop_keepsStretchBetweenMarks();
    void crop_marksAtBothEndsKeepEverything();
    void delete_roundsToNearestFrame_data();
    void delete_roundsToNearestFrame();
    void delete_toTheWholeMsLengthReachesTheEnd();
    void delete_clampsToTheSound();
    void commands_anyLetterCase();
    void malformed_changesNothing_data();
    void malformed_changesNothing();

    void paths_quotedWithBlanksAndCommandWords();
    void paths_blanksWithoutQuotesAreRefused();
    void paths_anyFileNameGoesThroughQuoted_data();
    void paths_anyFileNameGoesThroughQuoted();

    void save_writesCanonicalFromNonCanonicalSource();
    void save_refusesSamplesItCannotWrite_data();
    void save_refusesSamplesItCannotWrite();
    void save_replacesExistingFileWholly();
    void save_unwritableFolderLeavesNoFile_data();
    void save_unwritableFolderLeavesNoFile();
    void save_overTheSourceGoesOnWithTheSavedSound();
    void save_fullDiskSaysSo();
    void save_refusesSourceChangedSinceOpen();

private:
    QString open(const QString& alias = QStringLiteral("voice1"));
    QString path(const QString& name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    WaveCommands m_commands;
    WavFormat m_format{2, 44100, 16};
    QByteArray m_pcm; // ten seconds of m_format
    QString m_source;
};

void TestWaveCommands::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_commands = WaveCommands();
    m_pcm = testaudio::noisePcm(m_format, 10 * 44100);
    m_source = testaudio::writeWav(path("temp.wav"), m_format, m_pcm);
}

QString TestWaveCommands::open(const QString& alias) {
    const Status s =
        m_commands.send(QStringLiteral("open \"%1\" type waveaudio alias %2").arg(m_source, alias));
    return s ? QString() : s.message();
}

// Done sends "delete from 0 to MarkIn", then "delete from (MarkOut - MarkIn) to
// (L - MarkIn)", so exactly the stretch MarkIn..MarkOut is left.
void TestWaveCommands::crop_keepsStretchBetweenMarks_data() {
    QTest::addColumn<WavFormat>("format");
    QTest::newRow("44100/2/16") << WavFormat{2, 44100, 16};
    QTest::newRow("22050/1/8") << WavFormat{1, 22050, 8};
    QTest::newRow("8000/2/8") << WavFormat{2, 8000, 8};
}

void TestWaveCommands::crop_keepsStretchBetweenMarks() {
    QFETCH(WavFormat, format);
    const QByteArray pcm = testaudio::noisePcm(format, 10 * format.sampleRateHz);
    m_source = testaudio::writeWav(path("temp.wav"), format, pcm);
    const QString target = path("temp2.wav");
    QCOMPARE(open(), QString());
    QVERIFY(m_commands.send(QStringLiteral("delete voice1 from 0 to 1500")));
    QVERIFY(m_commands.send(QStringLiteral("delete voice1 from 2500 to 8500")));
    QVERIFY(m_commands.send(QStringLiteral("save  voice1 %1").arg(target)));
    QVERIFY(m_commands.send(QStringLiteral("close voice1")));

    const qsizetype frame = format.blockAlign();
    const QByteArray out = testaudio::readAll(target);
    QCOMPARE(out.mid(WavHeader::Size),
             pcm.mid(frame * format.sampleRateHz * 3 / 2, frame * format.sampleRateHz * 5 / 2));
    WavHeader expected = WavHeader::forFormat(format);
    expected.setDataSize(out.size() - WavHeader::Size);
    const auto header = expected.bytes();
    QCOMPARE(out.left(WavHeader::Size), QByteArray(header.data(), WavHeader::Size));
}

void TestWaveCommands::crop_marksAtBothEndsKeepEverything() {
    QCOMPARE(open(), QString());
    QVERIFY(m_commands.send(QStringLiteral("delete voice1 from 0 to 0")));
    QVERIFY(m_commands.send(QStringLiteral("delete voice1 from 10000 to 10000")));
    QVERIFY(m_commands.send(QStringLiteral("save voice1 %1").arg(path("out.wav"))));
    QCOMPARE(testaudio::readAll(path("out.wav")), testaudio::readAll(m_source));
}

void TestWaveCommands::delete_roundsToNearestFrame_data() {
    QTest::addColumn<int>("rateHz");
    QTest::addColumn<QString>("toMs");
    QTest::addColumn<int>("framesRemoved");
    QTest::newRow("exact") << 8000 << QStringLiteral("3") << 24;
    QTest::newRow("down") << 11025 << QStringLiteral("1") << 11;         // 11.025
    QTest::newRow("up") << 11025 << QStringLiteral("2") << 22;           // 22.05
    QTest::newRow("half goes up") << 500 << QStringLiteral("3") << 2;    // 1.5
    QTest::newRow("below half") << 22050 << QStringLiteral("7") << 154;  // 154.35
    QTest::newRow("above half") << 22050 << QStringLiteral("13") << 287; // 286.65
}

void TestWaveCommands::delete_roundsToNearestFrame() {
    QFETCH(int, rateHz);
    QFETCH(QString, toMs);
    QFETCH(int, framesRemoved);
    const WavFormat format{1, rateHz, 16};
    const QByteArray pcm = testaudio::noisePcm(format, rateHz);
    m_source = testaudio::writeWav(path("r.wav"), format, pcm);
    QCOMPARE(open(), QString());
    QVERIFY(m_commands.send(QStringLiteral("delete voice1 from 0 to %1").arg(toMs)));
    QVERIFY(m_commands.send(QStringLiteral("save voice1 %1").arg(path("out.wav"))));
    QCOMPARE(dataOf(path("out.wav")), pcm.mid(framesRemoved * 2));
}

void TestWaveCommands::delete_toTheWholeMsLengthReachesTheEnd() {
    // 1000 frames at 22050 Hz last 45.35 ms; a player reports 45. Deleting from 20 to 45 ms
    // must not leave the last third of a millisecond behind.
    const WavFormat format{1, 22050, 16};
    const QByteArray pcm = testaudio::noisePcm(format, 1000);
    m_source = testaudio::writeWav(path("short.wav"), format, pcm);
    QCOMPARE(open(), QString());
    QVERIFY(m_commands.send(QStringLiteral("delete voice1 from 20 to 45")));
    QVERIFY(m_commands.send(QStringLiteral("save voice1 %1").arg(path("out.wav"))));
    QCOMPARE(dataOf(path("out.wav")), pcm.left(441 * 2));
}

void TestWaveCommands::delete_clampsToTheSound() {
    const qsizetype second = m_format.bytesPerSecond();
    QCOMPARE(open(), QString());
    QVERIFY(m_commands.send(QStringLiteral("delete voice1 from 20000 to 30000")));
    QVERIFY(m_commands.send(QStringLiteral("delete voice1 from 9000 to 9223372036854775807")));
    QVERIFY(m_commands.send(QStringLiteral("delete voice1 from 0 to 1000")));
    QVERIFY(m_commands.send(QStringLiteral("save voice1 %1").arg(path("out.wav"))));
    QCOMPARE(dataOf(path("out.wav")), m_pcm.mid(second, 8 * second));
}

void TestWaveCommands::commands_anyLetterCase() {
    QVERIFY(m_commands.send(QStringLiteral("OPEN %1 TYPE WaveAudio ALIAS Voice1").arg(m_source)));
    QVERIFY(m_commands.send(QStringLiteral("Delete VOICE1 From 0 To 9000")));
    QVERIFY(m_commands.send(QStringLiteral("\tSAVE   voice1\t %1  ").arg(path("out.wav"))));
    QVERIFY(m_commands.send(QStringLiteral("Close voice1")));
    QCOMPARE(dataOf(path("out.wav")), m_pcm.mid(9 * m_format.bytesPerSecond()));
    QCOMPARE(m_commands.send(QStringLiteral("close voice1")).code(), ErrorCode::Handle);
}

void TestWaveCommands::malformed_changesNothing_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("negative") << QStringLiteral("delete voice1 from -5 to 1000");
    QTest::newRow("plus sign") << QStringLiteral("delete voice1 from +5 to 1000");
    QTest::newRow("from after to") << QStringLiteral("delete voice1 from 2000 to 1000");
    QTest::newRow("fraction") << QStringLiteral("delete voice1 from 1.5 to 1000");
    QTest::newRow("hex") << QStringLiteral("delete voice1 from 0x10 to 1000");
    QTest::newRow("overflow") << QStringLiteral("delete voice1 from 0 to 99999999999999999999");
    QTest::newRow("past int64") << QStringLiteral("delete voice1 from 0 to 9223372036854775808");
    QTest::newRow("blank in number") << QStringLiteral("delete voice1 from 0 to 10 00");
    QTest::newRow("missing to") << QStringLiteral("delete voice1 from 0");
    QTest::newRow("swapped words") << QStringLiteral("delete voice1 to 1000 from 0");
    QTest::newRow("unknown alias") << QStringLiteral("delete voice2 from 0 to 1000");
    QTest::newRow("unknown command") << QStringLiteral("cut voice1 from 0 to 1000");
    QTest::newRow("empty") << QString();
    QTest::newRow("alias in use") << QStringLiteral("open {src} type waveaudio alias VOICE1");
    QTest::newRow("wrong type") << QStringLiteral("open {src} type sequencer alias voice3");
    QTest::newRow("unbalanced quote") << QStringLiteral("open \"{src} type waveaudio alias voice3");
    QTest::newRow("quote glued to a word")
        << QStringLiteral("open \"{src}\"type waveaudio alias voice3");
    QTest::newRow("close unknown") << QStringLiteral("close voice2");
    QTest::newRow("save unknown") << QStringLiteral("save voice2 {out}");
    QTest::newRow("save extra word") << QStringLiteral("save voice1 {out} now");
}

void TestWaveCommands::malformed_changesNothing() {
    QFETCH(QString, command);
    const QString target = path("out.wav");
    QCOMPARE(open(), QString());
    QVERIFY(!m_commands.send(QString(command)
                                 .replace(QLatin1String("{src}"), m_source)
                                 .replace(QLatin1String("{out}"), target)));
    QVERIFY(!QFile::exists(target));
    QVERIFY(!m_commands.send(QStringLiteral("close voice3")));
    QVERIFY(m_commands.send(QStringLiteral("save voice1 %1").arg(target)));
    QCOMPARE(testaudio::readAll(target), testaudio::readAll(m_source));
}

void TestWaveCommands::paths_quotedWithBlanksAndCommandWords() {
    QVERIFY(QDir(m_dir->path()).mkpath("my clips"));
    m_source =
        testaudio::writeWav(path("my clips/take alias x type waveaudio.wav"), m_format, m_pcm);
    const QString target = path("my clips/save voice1 out.wav");
    QVERIFY(
        m_commands.send(QStringLiteral("open \"%1\" type waveaudio alias voice1").arg(m_source)));
    QVERIFY(!m_commands.send(QStringLiteral("close x")));
    QVERIFY(m_commands.send(QStringLiteral("delete voice1 from 1000 to 10000")));
    QVERIFY(m_commands.send(QStringLiteral("save voice1 \"%1\"").arg(target)));
    QVERIFY(m_commands.send(QStringLiteral("close voice1")));
    QCOMPARE(dataOf(target), m_pcm.left(m_format.bytesPerSecond()));
}

void TestWaveCommands::paths_blanksWithoutQuotesAreRefused() {
    m_source = testaudio::writeWav(path("a b.wav"), m_format, m_pcm);
    QVERIFY(!m_commands.send(QStringLiteral("open %1 type waveaudio alias voice1").arg(m_source)));
    QVERIFY(!m_commands.send(QStringLiteral("close voice1")));
    QCOMPARE(open(), QString());
    QVERIFY(!m_commands.send(QStringLiteral("save voice1 %1").arg(path("c d.wav"))));
    QVERIFY(!m_commands.send(QStringLiteral("save voice1 \"%1\"x").arg(path("c d.wav"))));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2);
}

void TestWaveCommands::paths_anyFileNameGoesThroughQuoted_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << QStringLiteral("plain");
    QTest::newRow("blank") << QStringLiteral("my song");
    QTest::newRow("leading and trailing blanks") << QStringLiteral(" song ");
    QTest::newRow("tab") << QStringLiteral("a\tb");
    QTest::newRow("double quotes") << QStringLiteral("say \"hi\"");
    QTest::newRow("lone double quote") << QStringLiteral("12\" single");
    QTest::newRow("single quote") << QStringLiteral("rock 'n' roll");
    QTest::newRow("backslashes") << QStringLiteral("a\\b\\\\c");
    QTest::newRow("ends in a backslash") << QStringLiteral("ab\\");
    QTest::newRow("backslash before a quote") << QStringLiteral("a\\\"b");
    QTest::newRow("newline") << QStringLiteral("two\nlines\r");
    QTest::newRow("non-ASCII") << QStringLiteral("Grüße ♪ Ωmega");
    QTest::newRow("command words") << QStringLiteral("x\" type waveaudio alias y");
}

void TestWaveCommands::paths_anyFileNameGoesThroughQuoted() {
    QFETCH(QString, name);
    m_source = testaudio::writeWav(path(name + QStringLiteral(".wav")), m_format, m_pcm);
    const QString target = path(QStringLiteral("out ") + name);
    QVERIFY(m_commands.send(
        QStringLiteral("open %1 type waveaudio alias voice1").arg(WaveCommands::quoted(m_source))));
    QVERIFY(m_commands.send(QStringLiteral("delete voice1 from 1000 to 10000")));
    const Status saved =
        m_commands.send(QStringLiteral("save voice1 %1").arg(WaveCommands::quoted(target)));
    QVERIFY2(saved, qPrintable(saved.message()));
    QVERIFY(m_commands.send(QStringLiteral("close voice1")));
    QCOMPARE(dataOf(target), m_pcm.left(m_format.bytesPerSecond()));
}

void TestWaveCommands::save_writesCanonicalFromNonCanonicalSource() {
    const WavFormat format{1, 22050, 16};
    const QByteArray pcm = testaudio::noisePcm(format, 22050);
    testaudio::writeAll(path("odd.wav"), nonCanonicalWav(1, format, pcm));
    m_source = path("odd.wav");
    QCOMPARE(open(), QString());
    QVERIFY(m_commands.send(QStringLiteral("delete voice1 from 500 to 1000")));
    QVERIFY(m_commands.send(QStringLiteral("save voice1 %1").arg(path("out.wav"))));
    const auto info = readWavInfo(path("out.wav"));
    QVERIFY(info);
    QVERIFY(info->canonical);
    QCOMPARE(info->format, format);
    QCOMPARE(dataOf(path("out.wav")), pcm.left(pcm.size() / 2));
}

void TestWaveCommands::save_refusesSamplesItCannotWrite_data() {
    QTest::addColumn<int>("formatCode");
    QTest::addColumn<int>("bits");
    QTest::newRow("24-bit PCM") << 1 << 24;
    QTest::newRow("32-bit float") << 3 << 32;
}

void TestWaveCommands::save_refusesSamplesItCannotWrite() {
    QFETCH(int, formatCode);
    QFETCH(int, bits);
    const WavFormat format{2, 44100, bits};
    testaudio::writeAll(path("deep.wav"),
                        nonCanonicalWav(formatCode, format, testaudio::noisePcm(format, 4410)));
    m_source = path("deep.wav");
    testaudio::writeAll(path("out.wav"), "keep me");
    QCOMPARE(open(), QString());
    QCOMPARE(m_commands.send(QStringLiteral("save voice1 %1").arg(path("out.wav"))).code(),
             ErrorCode::Format);
    QCOMPARE(testaudio::readAll(path("out.wav")), QByteArray("keep me"));
}

void TestWaveCommands::save_replacesExistingFileWholly() {
    const QString target = path("temp2.wav");
    testaudio::writeAll(target, QByteArray(20 * 1024 * 1024, 'x'));
    QCOMPARE(open(), QString());
    QVERIFY(m_commands.send(QStringLiteral("delete voice1 from 0 to 9500")));
    QVERIFY(m_commands.send(QStringLiteral("save voice1 %1").arg(target)));
    QCOMPARE(dataOf(target), m_pcm.mid(m_format.bytesPerSecond() * 19 / 2));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList({"temp.wav", "temp2.wav"}));
}

void TestWaveCommands::save_unwritableFolderLeavesNoFile_data() {
    QTest::addColumn<QString>("target");
    QTest::newRow("no such folder") << QStringLiteral("missing/out.wav");
    QTest::newRow("folder is a file") << QStringLiteral("temp.wav/out.wav");
    QTest::newRow("target is a folder") << QStringLiteral("sub");
}

void TestWaveCommands::save_unwritableFolderLeavesNoFile() {
    QFETCH(QString, target);
    QVERIFY(QDir(m_dir->path()).mkdir("sub"));
    QCOMPARE(open(), QString());
    const Status s = m_commands.send(QStringLiteral("save voice1 %1").arg(path(target)));
    QCOMPARE(s.code(), ErrorCode::Create);
    QVERIFY2(s.message().contains(path(target)), qPrintable(s.message()));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList({"sub", "temp.wav"}));
    QVERIFY(QDir(path("sub")).isEmpty());
}

void TestWaveCommands::save_fullDiskSaysSo() {
    SmallDisk disk(64);
    if (!disk.isValid())
        QSKIP("a small tmpfs cannot be mounted here (needs root)");
    const QString target = disk.filePath("out.wav");
    QCOMPARE(open(), QString());
    QCOMPARE(m_commands.send(QStringLiteral("save voice1 %1").arg(target)).message(),
             target + QStringLiteral(": cannot be written (the disk is full)."));
    QVERIFY(QDir(QFileInfo(target).path()).isEmpty(QDir::Files | QDir::Hidden));
}

void TestWaveCommands::save_overTheSourceGoesOnWithTheSavedSound() {
    const qsizetype second = m_format.bytesPerSecond();
    QCOMPARE(open(), QString());
    QVERIFY(m_commands.send(QStringLiteral("delete voice1 from 0 to 2000")));
    QVERIFY(m_commands.send(QStringLiteral("save voice1 %1").arg(m_source)));
    QCOMPARE(dataOf(m_source), m_pcm.mid(2 * second));
    QVERIFY(m_commands.send(QStringLiteral("delete voice1 from 1000 to 8000")));
    QVERIFY(m_commands.send(QStringLiteral("save voice1 %1").arg(path("out.wav"))));
    QCOMPARE(dataOf(path("out.wav")), m_pcm.mid(2 * second, second));
}

void TestWaveCommands::save_refusesSourceChangedSinceOpen() {
    QCOMPARE(open(), QString());
    testaudio::writeWav(m_source, m_format, m_pcm.left(m_pcm.size() / 2));
    const Status s = m_commands.send(QStringLiteral("save voice1 %1").arg(path("out.wav")));
    QCOMPARE(s.code(), ErrorCode::FileOpen);
    QVERIFY(!QFile::exists(path("out.wav")));
}

QTEST_GUILESS_MAIN(TestWaveCommands)
#include "tst_wave_commands.moc"
