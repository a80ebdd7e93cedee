// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_engine.h"
#include "support/test_audio.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <mutex>

// The page tests trust this engine's capture thread and clock, so both are checked here.
class TestScriptedEngine : public QObject {
    Q_OBJECT
private slots:
    void capture_deliversExactlyTheQueuedBlocks();
    void capture_endsQueuedWhenCallbackRefuses();
    void capture_noCallbackAfterStop();
    void capture_scriptedFailure();
    void streams_manualClockEndsOnceAndRewinds();
    void streams_instantPlayEndsAtOnce();
    void inputs_callsAreRecordedInOrder();
};

void TestScriptedEngine::capture_deliversExactlyTheQueuedBlocks() {
    ScriptedEngine engine;
    QVERIFY(engine.startForRecording());
    std::mutex mutex;
    QByteArray received;
    const auto handle = engine.startCapture([&](const std::byte* data, std::size_t bytes) {
        std::lock_guard lock(mutex);
        received.append(reinterpret_cast<const char*>(data), qsizetype(bytes));
        return true;
    });
    QVERIFY(handle != 0);
    engine.deliverBlocks({100, 7, 4000});
    QVERIFY(engine.waitDelivered());
    QCOMPARE(engine.capturePosition(handle), 4107);
    engine.stopCapture(handle);
    QCOMPARE(received, ScriptedEngine::counterPattern(0, 4107));
    QCOMPARE(testaudio::le16(received, 2 * 1000), 1000);
}

void TestScriptedEngine::capture_endsQueuedWhenCallbackRefuses() {
    ScriptedEngine engine;
    QVERIFY(engine.startForRecording());
    std::atomic<int> calls = 0;
    QSignalSpy ended(&engine, &AudioEngine::captureEnded);
    const auto handle =
        engine.startCapture([&](const std::byte*, std::size_t) { return ++calls < 2; });
    engine.deliverBlocks({10, 10, 10, 10});
    QVERIFY(engine.waitDelivered());
    QCOMPARE(calls.load(), 2);
    QVERIFY(!engine.captureRunning());
    QCOMPARE(ended.count(), 0); // queued: only the event loop delivers it
    QVERIFY(ended.wait(5000));
    QCOMPARE(ended.count(), 1);
    QCOMPARE(ended.at(0).at(0).value<AudioEngine::Handle>(), handle);
    engine.stopCapture(handle);
}

void TestScriptedEngine::capture_noCallbackAfterStop() {
    ScriptedEngine engine;
    QVERIFY(engine.startForRecording());
    std::atomic<bool> stopped = false;
    std::atomic<bool> lateCall = false;
    const auto handle = engine.startCapture([&](const std::byte*, std::size_t) {
        if (stopped)
            lateCall = true;
        return true;
    });
    engine.deliverBlocks(std::vector<std::size_t>(200, 64));
    engine.stopCapture(handle);
    stopped = true;
    engine.deliverBlocks({64});
    QVERIFY(!lateCall);
    QCOMPARE(engine.captureHandle(), 0u);
}

void TestScriptedEngine::capture_scriptedFailure() {
    ScriptedEngine engine;
    QCOMPARE(engine.startCapture([](const std::byte*, std::size_t) { return true; }), 0u);
    QCOMPARE(engine.lastErrorCode(), int(ErrorCode::Init));
    engine.setStartForRecordingFailure(ErrorCode::Driver);
    QCOMPARE(engine.startForRecording().code(), ErrorCode::Driver);
    engine.setStartForRecordingFailure(ErrorCode::Ok);
    QVERIFY(engine.startForRecording());
    engine.setStartCaptureFailure(ErrorCode::Device);
    QCOMPARE(engine.startCapture([](const std::byte*, std::size_t) { return true; }), 0u);
    QCOMPARE(engine.lastErrorCode(), int(ErrorCode::Device));
}

void TestScriptedEngine::streams_manualClockEndsOnceAndRewinds() {
    QTemporaryDir dir;
    const WavFormat format{2, 44100, 16};
    const QString path = testaudio::writeSineWav(dir.filePath("a.wav"), format, 44100);
    ScriptedEngine engine;
    engine.setPlayMode(ScriptedEngine::PlayMode::ManualClock);
    const auto stream = engine.createFileStream(path);
    QVERIFY(stream != 0);
    QCOMPARE(engine.length(stream), 176400);
    QSignalSpy ended(&engine, &AudioEngine::streamEnded);
    QVERIFY(engine.play(stream));
    engine.advanceMs(250);
    QCOMPARE(engine.position(stream), 44100);
    QVERIFY(engine.stop(stream));
    engine.advanceMs(5000);
    QCOMPARE(engine.position(stream), 44100);
    QVERIFY(engine.play(stream));
    engine.advanceMs(750);
    QVERIFY(!engine.isActive(stream));
    QCOMPARE(engine.position(stream), 0);
    engine.advanceMs(1000);
    QCoreApplication::processEvents();
    QCOMPARE(ended.count(), 1);
}

void TestScriptedEngine::streams_instantPlayEndsAtOnce() {
    ScriptedEngine engine;
    QCOMPARE(engine.createFileStream(QStringLiteral("/nonexistent/x.wav")), 0u);
    QCOMPARE(engine.lastErrorCode(), int(ErrorCode::FileOpen));

    WavHeader header = WavHeader::forTake();
    header.setDataSize(400);
    QByteArray image(WavHeader::Size + 400, '\0');
    const auto bytes = header.bytes();
    std::copy(bytes.begin(), bytes.end(), image.begin());
    const auto stream =
        engine.createMemoryStream(reinterpret_cast<const std::byte*>(image.constData()), 444);
    QCOMPARE(engine.length(stream), 400);
    QSignalSpy ended(&engine, &AudioEngine::streamEnded);
    QVERIFY(engine.play(stream));
    QVERIFY(!engine.isActive(stream));
    QVERIFY(ended.wait(5000));
    QCOMPARE(ended.count(), 1);
}

void TestScriptedEngine::inputs_callsAreRecordedInOrder() {
    ScriptedEngine engine;
    engine.setInputs({{QStringLiteral("Mic"), 0x01000000, 30, true},
                      {QStringLiteral("Line"), 0x03000000, 80, false}});
    QCOMPARE(engine.inputCount(), 0);
    QVERIFY(engine.startForRecording());
    QCOMPARE(engine.inputCount(), 2);
    QVERIFY(engine.setInputOn(1));
    QVERIFY(engine.setInputLevel(1, 40));
    QCOMPARE(engine.setInputOff(5).code(), ErrorCode::Device);
    using Call = ScriptedEngine::InputCall;
    const std::vector<Call> expected{
        {Call::Kind::On, 1, 0}, {Call::Kind::Level, 1, 40}, {Call::Kind::Off, 5, 0}};
    QVERIFY(engine.inputCalls() == expected);
    QVERIFY(!engine.inputState(0).on);
    QCOMPARE(engine.inputState(1).levelPercent, 40);
    engine.releaseAll();
    QCOMPARE(engine.count(QStringLiteral("releaseAll")), 1);
    QCOMPARE(engine.inputCount(), 0);
}

QTEST_GUILESS_MAIN(TestScriptedEngine)
#include "tst_scripted_engine.moc"
