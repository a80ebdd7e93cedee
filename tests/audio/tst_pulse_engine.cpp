// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/media_player.h"
#include "audio/pulse/pulse_engine.h"
#include "support/pulse_daemon.h"
#include "support/test_audio.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QMutex>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <cmath>
#include <memory>
#include <numbers>
#include <thread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
constexpr int TypeWavePcm = 0x08000000;
constexpr int FrameBytes = 4;
const WavFormat CdFormat{2, 44100, 16};
// Generous bounds for a loaded CI machine; the daemon answers within milliseconds.
constexpr int ArrivalTimeoutMs = 8000;

// Frame i (from 1) holds i in the left sample and a value derived from it in the right, so
// every frame differs from silence and from every other frame of the pattern.
QByteArray counterPattern(int frames, int first = 1) {
    QByteArray pcm(qsizetype(frames) * FrameBytes, '\0');
    for (int i = 0; i < frames; ++i) {
        const auto left = std::uint16_t(first + i);
        const auto right = std::uint16_t(0x8000 ^ ((first + i) * 7));
        pcm[4 * i] = char(left & 0xFF);
        pcm[4 * i + 1] = char(left >> 8);
        pcm[4 * i + 2] = char(right & 0xFF);
        pcm[4 * i + 3] = char(right >> 8);
    }
    return pcm;
}

QByteArray wavImage(const QByteArray& pcm) {
    WavHeader header = WavHeader::forFormat(CdFormat);
    header.setDataSize(pcm.size());
    const auto bytes = header.bytes();
    return QByteArray(bytes.data(), qsizetype(bytes.size())) + pcm;
}

bool isSilent(const QByteArray& bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c == 0; });
}

// Amplitude (full scale 1.0) of the component at `hz` in the left channel.
double toneAmplitude(const QByteArray& pcm, double hz) {
    const auto* samples = reinterpret_cast<const std::int16_t*>(pcm.constData());
    const qsizetype frames = pcm.size() / FrameBytes;
    double re = 0;
    double im = 0;
    for (qsizetype n = 0; n < frames; ++n) {
        const double phase = 2 * std::numbers::pi * hz * double(n) / 44100.0;
        re += samples[2 * n] * std::cos(phase);
        im += samples[2 * n] * std::sin(phase);
    }
    return frames ? 2 * std::hypot(re, im) / double(frames) / 32768.0 : 0.0;
}

// Collects captured blocks; the engine calls it on its own thread.
class Collector {
public:
    AudioEngine::CaptureCallback callback(int stopAfterCalls = 0) {
        return [this, stopAfterCalls](const std::byte* data, std::size_t bytes) {
            m_inside = true;
            {
                QMutexLocker lock(&m_mutex);
                m_data.append(reinterpret_cast<const char*>(data), qsizetype(bytes));
            }
            const int calls = ++m_calls;
            m_inside = false;
            return stopAfterCalls == 0 || calls < stopAfterCalls;
        };
    }
    QByteArray data() {
        QMutexLocker lock(&m_mutex);
        return m_data;
    }
    void clear() {
        QMutexLocker lock(&m_mutex);
        m_data.clear();
    }
    qsizetype nonSilentBytes() {
        const QByteArray d = data();
        return std::count_if(d.begin(), d.end(), [](char c) { return c != 0; });
    }
    int calls() const { return m_calls; }
    bool inside() const { return m_inside; }

private:
    QMutex m_mutex;
    QByteArray m_data;
    std::atomic<int> m_calls{0};
    std::atomic<bool> m_inside{false};
};
} // namespace

class TestPulseEngine : public QObject {
    Q_OBJECT

private:
    PulseDaemon m_daemon;
    QTemporaryDir m_files;

    // The engine's index of a source, found through its description.
    int inputIndex(const PulseEngine& engine, const char* sourceName) const {
        const QString description =
            serverSource(QLatin1String(sourceName)).value(QStringLiteral("description")).toString();
        for (int i = 0; i < engine.inputCount(); ++i) {
            if (engine.inputName(i) == description)
                return i;
        }
        return -1;
    }
    QJsonObject serverSource(const QString& name) const {
        for (const auto& value : m_daemon.list(QStringLiteral("sources"))) {
            if (value.toObject().value(QStringLiteral("name")).toString() == name)
                return value.toObject();
        }
        return {};
    }
    static int volumeValue(const QJsonObject& source) {
        return source.value(QStringLiteral("volume"))
            .toObject()
            .value(QStringLiteral("front-left"))
            .toObject()
            .value(QStringLiteral("value"))
            .toInt(-1);
    }
    // The sources our recording streams are attached to, by name.
    QStringList sourcesOfOurCaptures() const {
        QMap<int, QString> names;
        for (const auto& value : m_daemon.list(QStringLiteral("sources")))
            names[value.toObject().value(QStringLiteral("index")).toInt()] =
                value.toObject().value(QStringLiteral("name")).toString();
        QStringList result;
        for (const auto& value : m_daemon.list(QStringLiteral("source-outputs"))) {
            const QJsonObject output = value.toObject();
            const QString application = output.value(QStringLiteral("properties"))
                                            .toObject()
                                            .value(QStringLiteral("application.name"))
                                            .toString();
            if (application == QLatin1String("KorvaNel Tunecarver"))
                result << names.value(output.value(QStringLiteral("source")).toInt());
        }
        return result;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_files.isValid());
        START_PULSE_DAEMON(m_daemon);
    }

    // Every test starts with both sources at normal volume, unmuted, the pipe as default
    // and nothing left in its FIFO.
    void init() {
        for (const char* source : {PulseDaemon::PipeSourceName, PulseDaemon::MonitorName}) {
            QCOMPARE(m_daemon.pactl({QStringLiteral("set-source-volume"),
                                     QString::fromLatin1(source), QStringLiteral("100%")}),
                     0);
            QCOMPARE(m_daemon.pactl({QStringLiteral("set-source-mute"), QString::fromLatin1(source),
                                     QStringLiteral("0")}),
                     0);
        }
        QCOMPARE(m_daemon.pactl({QStringLiteral("set-default-source"),
                                 QLatin1String(PulseDaemon::PipeSourceName)}),
                 0);
        m_daemon.drainPipe();
    }

    void inputs_areTheServerSourcesByDescriptionWithTypes() {
        PulseEngine engine;
        QCOMPARE(engine.inputCount(), 0);
        const Status started = engine.startForRecording();
        QVERIFY2(started, qPrintable(started.message()));
        QCOMPARE(engine.lastErrorCode(), 0);

        const QJsonArray sources = m_daemon.list(QStringLiteral("sources"));
        QCOMPARE(engine.inputCount(), sources.size());
        for (int i = 0; i < engine.inputCount(); ++i) {
            const QJsonObject source = sources[i].toObject();
            QCOMPARE(engine.inputName(i), source.value(QStringLiteral("description")).toString());
            const bool monitor =
                source.value(QStringLiteral("name")).toString().endsWith(QLatin1String(".monitor"));
            // The pipe source has no ports, so its type is unknown.
            QCOMPARE(engine.inputState(i).typeCode, monitor ? TypeWavePcm : 0);
            QCOMPARE(engine.inputState(i).levelPercent, 100);
        }
        QVERIFY(engine.inputName(engine.inputCount()).isEmpty());
    }

    void inputs_serverDefaultSourceIsOnAtFirstStart() {
        PulseEngine engine;
        QVERIFY(engine.startForRecording());
        const int pipe = inputIndex(engine, PulseDaemon::PipeSourceName);
        const int monitor = inputIndex(engine, PulseDaemon::MonitorName);
        QVERIFY(pipe >= 0 && monitor >= 0);
        QVERIFY(engine.inputState(pipe).on);
        QVERIFY(!engine.inputState(monitor).on);

        QCOMPARE(m_daemon.pactl({QStringLiteral("set-default-source"),
                                 QLatin1String(PulseDaemon::MonitorName)}),
                 0);
        PulseEngine another;
        QVERIFY(another.startForRecording());
        QVERIFY(another.inputState(monitor).on);
        QVERIFY(!another.inputState(pipe).on);
        // An engine keeps its own choice over a restart while that source exists.
        engine.releaseAll();
        QVERIFY(engine.startForRecording());
        QVERIFY(engine.inputState(pipe).on);
    }

    void setInputLevel_setsThatSourceVolumeOnly_data() {
        QTest::addColumn<int>("percent");
        QTest::newRow("silent") << 0;
        QTest::newRow("one") << 1;
        QTest::newRow("forty") << 40;
        QTest::newRow("full") << 100;
    }
    void setInputLevel_setsThatSourceVolumeOnly() {
        QFETCH(int, percent);
        PulseEngine engine;
        QVERIFY(engine.startForRecording());
        const int pipe = inputIndex(engine, PulseDaemon::PipeSourceName);
        QVERIFY(engine.setInputLevel(pipe, percent));
        QCOMPARE(engine.inputState(pipe).levelPercent, percent);

        const QJsonObject pipeSource = serverSource(QLatin1String(PulseDaemon::PipeSourceName));
        const QJsonObject monitorSource = serverSource(QLatin1String(PulseDaemon::MonitorName));
        QCOMPARE(volumeValue(pipeSource), int(std::lround(percent * 65536 / 100.0)));
        QCOMPARE(volumeValue(monitorSource), 65536);
        QCOMPARE(pipeSource.value(QStringLiteral("mute")).toBool(true), false);
        QCOMPARE(monitorSource.value(QStringLiteral("mute")).toBool(true), false);
    }

    void setInputLevel_outsideRangeChangesNothing() {
        PulseEngine engine;
        QVERIFY(engine.startForRecording());
        const int pipe = inputIndex(engine, PulseDaemon::PipeSourceName);
        QCOMPARE(engine.setInputLevel(pipe, 101).code(), ErrorCode::IllegalParam);
        QCOMPARE(engine.lastErrorCode(), int(ErrorCode::IllegalParam));
        QCOMPARE(engine.setInputLevel(engine.inputCount(), 50).code(), ErrorCode::Device);
        QCOMPARE(volumeValue(serverSource(QLatin1String(PulseDaemon::PipeSourceName))), 65536);
    }

    void capture_deliversPipeSamplesExactly() {
        PulseEngine engine;
        QVERIFY(engine.startForRecording());
        Collector collector;
        const auto capture = engine.startCapture(collector.callback());
        QVERIFY(capture != 0);

        const QByteArray pattern = counterPattern(30000);
        QVERIFY(m_daemon.feedPipe(pattern));
        QTRY_VERIFY_WITH_TIMEOUT(collector.nonSilentBytes() > 0 &&
                                     collector.data().size() >=
                                         collector.data().indexOf(pattern.left(FrameBytes)) +
                                             pattern.size(),
                                 ArrivalTimeoutMs);
        engine.stopCapture(capture);

        // Whatever came before or after must be silence: nothing lost, nothing repeated.
        const QByteArray captured = collector.data();
        const qsizetype start = captured.indexOf(pattern.left(FrameBytes));
        QVERIFY(start >= 0);
        QCOMPARE(start % FrameBytes, 0);
        QVERIFY(isSilent(captured.left(start)));
        QVERIFY(captured.mid(start, pattern.size()) == pattern);
        QVERIFY(isSilent(captured.mid(start + pattern.size())));
        QCOMPARE(engine.capturePosition(capture), captured.size());
    }

    void capture_hearsMemoryStreamOnTheSinkMonitor() {
        PulseEngine engine;
        QVERIFY(engine.startForRecording());
        const int monitor = inputIndex(engine, PulseDaemon::MonitorName);
        QVERIFY(engine.setInputOn(monitor));
        Collector collector;
        const auto capture = engine.startCapture(collector.callback());
        QVERIFY(capture != 0);

        const QByteArray image = wavImage(testaudio::sinePcm(CdFormat, 13230, 1000.0));
        QSignalSpy ended(&engine, &AudioEngine::streamEnded);
        const auto stream = engine.createMemoryStream(
            reinterpret_cast<const std::byte*>(image.constData()), image.size());
        QVERIFY(stream != 0);
        QCOMPARE(engine.length(stream), image.size() - WavHeader::Size);
        QVERIFY(engine.play(stream));
        QVERIFY(ended.wait(ArrivalTimeoutMs));
        // The monitor delivers what the sink played a little later.
        QTRY_VERIFY_WITH_TIMEOUT(collector.nonSilentBytes() > image.size() / 2, ArrivalTimeoutMs);
        engine.stopCapture(capture);

        const QByteArray captured = collector.data();
        const qsizetype firstSound =
            std::find_if(captured.begin(), captured.end(), [](char c) { return c != 0; }) -
            captured.begin();
        const QByteArray tone =
            captured.mid(firstSound - firstSound % FrameBytes, image.size() - WavHeader::Size);
        // The sine has amplitude 0.5; edges and the sink's mixing leave it a little lower.
        QVERIFY2(toneAmplitude(tone, 1000.0) > 0.4,
                 qPrintable(QString::number(toneAmplitude(tone, 1000.0))));
        QVERIFY(toneAmplitude(tone, 3000.0) < 0.05);
    }

    // A file queued in the player follows the open one on the sink without a gap: in what
    // the sink's monitor hears, no stretch of 50 ms or more is quiet between the first and
    // the last sound of the tones. The clips are shorter than what waits at the server, and
    // the third is queued when the first is done, as the list page does: by then the second
    // has all been sent, and the third still follows it.
    void queuedFile_followsOnTheSinkWithoutAGap() {
        PulseEngine engine;
        QVERIFY(engine.startForRecording());
        QVERIFY(engine.setInputOn(inputIndex(engine, PulseDaemon::MonitorName)));
        Collector collector;
        const auto capture = engine.startCapture(collector.callback());
        QVERIFY(capture != 0);

        PulseEngine playerEngine;
        MediaPlayer player(playerEngine);
        constexpr int ClipFrames = 8820;
        QStringList clips;
        for (const char* name : {"a.wav", "b.wav", "c.wav"})
            clips << testaudio::writeSineWav(m_files.filePath(name), CdFormat, ClipFrames, 1000.0);
        QSignalSpy done(&player, &MediaPlayer::done);
        player.setFileName(clips[0]);
        QVERIFY(player.command("open"));
        QVERIFY(player.command("play"));
        QVERIFY(player.queueFile(clips[1]));
        QVERIFY(done.wait(ArrivalTimeoutMs));
        QCOMPARE(player.state(), MediaPlayer::State::Playing);
        QCOMPARE(player.fileName(), clips[1]);
        QVERIFY(player.queueFile(clips[2]));
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 3, ArrivalTimeoutMs);
        QCOMPARE(player.state(), MediaPlayer::State::Stopped);
        QCOMPARE(player.fileName(), clips[2]);
        QTest::qWait(500); // the monitor delivers what the sink played a little later
        engine.stopCapture(capture);

        const QByteArray captured = collector.data();
        const auto* left = reinterpret_cast<const std::int16_t*>(captured.constData());
        const qsizetype frames = captured.size() / FrameBytes;
        qsizetype first = -1;
        qsizetype last = -1;
        qsizetype quiet = 0;
        qsizetype longestQuiet = 0;
        for (qsizetype n = 0; n < frames; ++n) {
            if (std::abs(left[2 * n]) < 1000) {
                ++quiet;
                continue;
            }
            if (first >= 0)
                longestQuiet = std::max(longestQuiet, quiet);
            else
                first = n;
            last = n;
            quiet = 0;
        }
        QVERIFY(first >= 0);
        QVERIFY2(longestQuiet < 44100 / 20, qPrintable(QString::number(longestQuiet)));
        QVERIFY2(last - first > 3 * ClipFrames * 95 / 100,
                 qPrintable(QString::number(last - first)));
    }

    // The editor's player: the server starts playing within 50 ms of "play", and from then
    // on the position the player reports stays within 20 ms of the time the sound has run.
    void player_startsAtOnceAndTellsWhereTheServerIs() {
        PulseEngine playerEngine;
        MediaPlayer player(playerEngine);
        player.setFileName(
            testaudio::writeSineWav(m_files.filePath("clock.wav"), CdFormat, 44100 * 3, 1000.0));
        QVERIFY(player.command("open"));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(player.command("play"));
        qint64 startedMs = -1; // when the sound began, as the first position tells
        qint64 worstMs = 0;
        while (clock.elapsed() < 1200) {
            QCoreApplication::processEvents();
            const qint64 position = player.positionMs();
            const qint64 now = clock.elapsed();
            if (position > 0 && startedMs < 0)
                startedMs = now - position;
            if (startedMs >= 0)
                worstMs = std::max(worstMs, std::abs(now - startedMs - position));
            QThread::msleep(10);
        }
        QVERIFY2(startedMs >= 0 && startedMs <= 50, qPrintable(QString::number(startedMs)));
        QVERIFY2(worstMs <= 20, qPrintable(QString::number(worstMs)));
    }

    void setInputOn_movesOurCaptureOnlyAndMutesNothing() {
        PulseEngine engine;
        QVERIFY(engine.startForRecording());
        const int pipe = inputIndex(engine, PulseDaemon::PipeSourceName);
        const int monitor = inputIndex(engine, PulseDaemon::MonitorName);
        Collector collector;
        const auto capture = engine.startCapture(collector.callback());
        QVERIFY(capture != 0);
        QCOMPARE(sourcesOfOurCaptures(), QStringList{PulseDaemon::PipeSourceName});

        QVERIFY(engine.setInputOn(monitor));
        QVERIFY(engine.inputState(monitor).on);
        QVERIFY(!engine.inputState(pipe).on);
        QCOMPARE(sourcesOfOurCaptures(), QStringList{PulseDaemon::MonitorName});

        QVERIFY(engine.setInputOn(pipe));
        QCOMPARE(sourcesOfOurCaptures(), QStringList{PulseDaemon::PipeSourceName});
        collector.clear();
        const QByteArray pattern = counterPattern(4410, 500);
        QVERIFY(m_daemon.feedPipe(pattern));
        QTRY_VERIFY_WITH_TIMEOUT(collector.data().contains(pattern), ArrivalTimeoutMs);

        QVERIFY(engine.setInputOff(pipe));
        QVERIFY(!engine.inputState(pipe).on);
        QVERIFY(!engine.inputState(monitor).on);
        engine.stopCapture(capture);
        for (const char* name : {PulseDaemon::PipeSourceName, PulseDaemon::MonitorName}) {
            const QJsonObject source = serverSource(QLatin1String(name));
            QCOMPARE(source.value(QStringLiteral("mute")).toBool(true), false);
            QCOMPARE(volumeValue(source), 65536);
        }
        QCOMPARE(engine.setInputOn(-1).code(), ErrorCode::Device);
    }

    void stopCapture_noCallbackRunsAfterItReturns() {
        PulseEngine engine;
        QVERIFY(engine.startForRecording());
        Collector collector;
        const auto capture = engine.startCapture(collector.callback());
        QVERIFY(capture != 0);

        std::atomic<bool> feeding{true};
        std::thread feeder([&] {
            while (feeding)
                m_daemon.feedPipe(counterPattern(2205), 100);
        });
        QTRY_VERIFY_WITH_TIMEOUT(collector.calls() >= 5, ArrivalTimeoutMs);
        engine.stopCapture(capture);
        QVERIFY(!collector.inside());
        const int calls = collector.calls();
        QTest::qWait(300);
        feeding = false;
        feeder.join();
        QCOMPARE(collector.calls(), calls);
        QCOMPARE(sourcesOfOurCaptures(), QStringList());
    }

    void capture_callbackSayingStopEndsItOnce() {
        PulseEngine engine;
        QVERIFY(engine.startForRecording());
        QSignalSpy ended(&engine, &AudioEngine::captureEnded);
        Collector collector;
        const auto capture = engine.startCapture(collector.callback(1));
        QVERIFY(capture != 0);
        QVERIFY(m_daemon.feedPipe(counterPattern(8820)));
        QVERIFY(ended.wait(ArrivalTimeoutMs));
        m_daemon.feedPipe(counterPattern(8820), 200);
        QCOMPARE(collector.calls(), 1);
        QCOMPARE(ended.count(), 1);
        QCOMPARE(ended.first().first().value<AudioEngine::Handle>(), capture);
        QCOMPARE(engine.capturePosition(capture), collector.data().size());
        engine.stopCapture(capture);
    }

    void fileStream_playsToTheEndWithoutStartForRecording() {
        const QString path =
            testaudio::writeSineWav(m_files.filePath(QStringLiteral("short.wav")), CdFormat, 11025);
        PulseEngine engine;
        QSignalSpy ended(&engine, &AudioEngine::streamEnded);
        const auto stream = engine.createFileStream(path);
        QVERIFY2(stream != 0, qPrintable(QString::number(engine.lastErrorCode())));
        QCOMPARE(engine.length(stream), 11025 * FrameBytes);
        QCOMPARE(engine.position(stream), 0);
        QVERIFY(engine.play(stream));
        QVERIFY(engine.isActive(stream));

        ByteCount last = 0;
        bool advanced = false;
        while (engine.isActive(stream) && ended.isEmpty()) {
            const ByteCount now = engine.position(stream);
            QVERIFY(now >= last && now <= engine.length(stream));
            QCOMPARE(now % FrameBytes, 0);
            advanced = advanced || now > 0;
            last = now;
            QTest::qWait(10);
        }
        QVERIFY(advanced);
        QVERIFY(ended.wait(ArrivalTimeoutMs) || ended.count() == 1);
        QCOMPARE(ended.first().first().value<AudioEngine::Handle>(), stream);
        QVERIFY(!engine.isActive(stream));
        QCOMPARE(engine.position(stream), 0);
        QTest::qWait(200);
        QCOMPARE(ended.count(), 1);
    }

    void stop_keepsPositionAndEmitsNothing() {
        const QString path =
            testaudio::writeSineWav(m_files.filePath(QStringLiteral("long.wav")), CdFormat, 88200);
        PulseEngine engine;
        QSignalSpy ended(&engine, &AudioEngine::streamEnded);
        const auto stream = engine.createFileStream(path);
        QVERIFY(stream != 0);
        QVERIFY(engine.play(stream));
        QTRY_VERIFY_WITH_TIMEOUT(engine.position(stream) >= 8820 * FrameBytes, ArrivalTimeoutMs);
        QVERIFY(engine.stop(stream));
        QVERIFY(!engine.isActive(stream));
        const ByteCount stoppedAt = engine.position(stream);
        QVERIFY(stoppedAt > 0 && stoppedAt < engine.length(stream));
        QTest::qWait(300);
        QCOMPARE(engine.position(stream), stoppedAt);
        QCOMPARE(ended.count(), 0);

        QVERIFY(engine.play(stream));
        QTRY_VERIFY_WITH_TIMEOUT(engine.position(stream) > stoppedAt, ArrivalTimeoutMs);
        const ByteCount nearEnd = engine.length(stream) - 4410 * FrameBytes;
        QVERIFY(engine.setPosition(stream, nearEnd));
        QVERIFY(engine.isActive(stream));
        QVERIFY(engine.position(stream) >= nearEnd);
        QVERIFY(ended.wait(ArrivalTimeoutMs));
        QCOMPARE(ended.count(), 1);
        QCOMPARE(engine.position(stream), 0);

        QVERIFY(engine.setPosition(stream, 1000 * FrameBytes));
        QCOMPARE(engine.position(stream), 1000 * FrameBytes);
        QCOMPARE(engine.setPosition(stream, engine.length(stream) + 1).code(), ErrorCode::Position);
        engine.freeStream(stream);
        QCOMPARE(engine.play(stream).code(), ErrorCode::Handle);
    }

    void freeStream_whilePlayingEmitsNothing() {
        const QByteArray image = wavImage(testaudio::sinePcm(CdFormat, 4410));
        PulseEngine engine;
        QSignalSpy ended(&engine, &AudioEngine::streamEnded);
        const auto stream = engine.createMemoryStream(
            reinterpret_cast<const std::byte*>(image.constData()), image.size());
        QVERIFY(engine.play(stream));
        engine.freeStream(stream);
        QTest::qWait(300);
        QCOMPARE(ended.count(), 0);
    }

    void createFileStream_rejectsWhatIsNotPlayable_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("code");
        QTest::newRow("missing") << "missing.wav" << QByteArray() << int(ErrorCode::FileOpen);
        QTest::newRow("text") << "text.wav" << QByteArray("just some words, no RIFF here")
                              << int(ErrorCode::FileForm);
    }
    void createFileStream_rejectsWhatIsNotPlayable() {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(int, code);
        const QString path = m_files.filePath(name);
        if (!content.isEmpty())
            QVERIFY(testaudio::writeAll(path, content));
        PulseEngine engine;
        QCOMPARE(engine.createFileStream(path), AudioEngine::Handle(0));
        QCOMPARE(engine.lastErrorCode(), code);
    }

    void startForRecording_failsQuicklyWithoutServer_data() {
        QTest::addColumn<int>("socketState");
        QTest::newRow("no socket file") << 0;
        QTest::newRow("socket nobody accepts on") << 1;
        QTest::newRow("socket that never answers") << 2;
    }
    void startForRecording_failsQuicklyWithoutServer() {
        QFETCH(int, socketState);
        QTemporaryDir dir;
        const QByteArray socketPath = QFile::encodeName(dir.filePath(QStringLiteral("dead")));
        int fd = -1;
        if (socketState > 0) {
            fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::memcpy(address.sun_path, socketPath.constData(), std::size_t(socketPath.size()));
            QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
            // Listening without ever accepting: the connection is made, the server's
            // answer never comes.
            if (socketState == 2)
                QCOMPARE(::listen(fd, 4), 0);
        }
        const QByteArray saved = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", "unix:" + socketPath);
        PulseEngine engine;
        QElapsedTimer clock;
        clock.start();
        const Status status = engine.startForRecording();
        const qint64 tookMs = clock.elapsed();
        qputenv("PULSE_SERVER", saved);
        if (fd >= 0)
            ::close(fd);

        QVERIFY(!status);
        QCOMPARE(status.code(), ErrorCode::Driver);
        QVERIFY(!status.message().isEmpty());
        QCOMPARE(engine.lastErrorCode(), int(ErrorCode::Driver));
        QCOMPARE(engine.inputCount(), 0);
        QCOMPARE(engine.startCapture([](const std::byte*, std::size_t) { return true; }),
                 AudioEngine::Handle(0));
        // The wait for the server is bounded at a few seconds whatever the reason.
        QVERIFY2(tookMs < 10000, qPrintable(QString::number(tookMs)));
        QVERIFY(engine.startForDecoding());
    }

    void serverGoingAway_endsCaptureAndPlaybackWithoutEndSignal() {
        PulseDaemon shortLived;
        START_PULSE_DAEMON(shortLived);
        PulseEngine engine;
        QVERIFY(engine.startForRecording());
        QSignalSpy captureEnded(&engine, &AudioEngine::captureEnded);
        QSignalSpy streamEnded(&engine, &AudioEngine::streamEnded);
        Collector collector;
        const auto capture = engine.startCapture(collector.callback());
        const QByteArray image = wavImage(testaudio::sinePcm(CdFormat, 88200));
        const auto stream = engine.createMemoryStream(
            reinterpret_cast<const std::byte*>(image.constData()), image.size());
        QVERIFY(capture != 0 && stream != 0);
        QVERIFY(engine.play(stream));

        // Stopping the daemon points PULSE_SERVER back at the shared one.
        shortLived.stop();
        QVERIFY(captureEnded.wait(ArrivalTimeoutMs));
        QCOMPARE(captureEnded.first().first().value<AudioEngine::Handle>(), capture);
        QTRY_VERIFY_WITH_TIMEOUT(!engine.isActive(stream), ArrivalTimeoutMs);
        QCOMPARE(streamEnded.count(), 0);
        const ByteCount lostAt = engine.position(stream);
        QVERIFY(lostAt >= 0 && lostAt < engine.length(stream));

        // With no server to be reached a stream is still made: a take the server's end cut
        // short can be saved at once.
        const QByteArray server = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", "unix:/nonexistent/native");
        const auto made = engine.createMemoryStream(
            reinterpret_cast<const std::byte*>(image.constData()), image.size());
        qputenv("PULSE_SERVER", server);
        QVERIFY(made != 0);
        QCOMPARE(engine.length(made), ByteCount(88200) * 4);
        engine.freeStream(made);

        // The next play connects anew and goes on from where playback was lost.
        QVERIFY(engine.play(stream));
        QVERIFY(engine.isActive(stream));
        QVERIFY(engine.position(stream) >= lostAt);
        engine.freeStream(stream);
        QCOMPARE(captureEnded.count(), 1);
    }

    void releaseAll_endsCaptureAndFreesStreams() {
        PulseEngine engine;
        QVERIFY(engine.startForRecording());
        Collector collector;
        const auto capture = engine.startCapture(collector.callback());
        const QByteArray image = wavImage(testaudio::sinePcm(CdFormat, 44100));
        QSignalSpy ended(&engine, &AudioEngine::streamEnded);
        const auto stream = engine.createMemoryStream(
            reinterpret_cast<const std::byte*>(image.constData()), image.size());
        QVERIFY(capture != 0 && stream != 0);
        QVERIFY(engine.play(stream));
        QVERIFY(m_daemon.feedPipe(counterPattern(4410)));
        QTRY_VERIFY_WITH_TIMEOUT(collector.calls() > 0, ArrivalTimeoutMs);

        engine.releaseAll();
        const int calls = collector.calls();
        m_daemon.feedPipe(counterPattern(4410), 200);
        QCOMPARE(collector.calls(), calls);
        QCOMPARE(engine.inputCount(), 0);
        QVERIFY(!engine.isActive(stream));
        QCOMPARE(ended.count(), 0);
        QCOMPARE(sourcesOfOurCaptures(), QStringList());

        QVERIFY(engine.startForRecording());
        QVERIFY(engine.inputCount() > 0);
    }
};

QTEST_GUILESS_MAIN(TestPulseEngine)
#include "tst_pulse_engine.moc"
