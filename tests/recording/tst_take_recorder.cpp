// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording/take_recorder.h"
#include "support/scripted_engine.h"
#include "support/small_disk.h"
#include "support/test_audio.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>

using testaudio::le32;

namespace {

// Fails every allocation after the first `allowed` ones; counts the calls.
std::atomic<int> allocationsAllowed{1 << 30};
std::atomic<int> allocationCalls{0};
void* countingRealloc(void* block, std::size_t bytes) {
    ++allocationCalls;
    if (allocationsAllowed.fetch_sub(1) <= 0)
        return nullptr;
    return std::realloc(block, bytes);
}

QByteArray imageOf(const TakeRecorder& take) {
    return QByteArray(reinterpret_cast<const char*>(take.takeBuffer()), take.takeLength());
}

} // namespace

class TestTakeRecorder : public QObject {
    Q_OBJECT
private slots:
    void init() {
        allocationsAllowed = 1 << 30;
        allocationCalls = 0;
    }

    void stopRightAfterStart_leavesAHeaderOnlyTake() {
        ScriptedEngine engine;
        QVERIFY(engine.startForRecording().isOk());
        TakeRecorder take(engine);
        QVERIFY(take.BeginTake().isOk());
        QCOMPARE(take.state(), TakeRecorder::State::Recording);
        take.EndTake();
        QCOMPARE(take.state(), TakeRecorder::State::TakeReady);
        QCOMPARE(take.takeLength(), 44);
        const QByteArray image = imageOf(take);
        QCOMPARE(image.left(4), QByteArray("RIFF"));
        QCOMPARE(le32(image, 4), 36u);
        QCOMPARE(le32(image, 40), 0u);
        QCOMPARE(le32(image, 24), 44100u);
    }

    void capturedBlocks_areAppendedInOrderAndSizesCompleted() {
        ScriptedEngine engine;
        QVERIFY(engine.startForRecording().isOk());
        TakeRecorder take(engine);
        QVERIFY(take.BeginTake().isOk());
        engine.deliverBlocks({3528, 3528, 100000, 150000, 4});
        QVERIFY(engine.waitDelivered());
        take.EndTake();
        const ByteCount data = 3528 * 2 + 100000 + 150000 + 4;
        QCOMPARE(take.takeLength(), 44 + data);
        const QByteArray image = imageOf(take);
        QCOMPARE(le32(image, 4), std::uint32_t(data + 36));
        QCOMPARE(le32(image, 40), std::uint32_t(data));
        QCOMPARE(image.mid(44), ScriptedEngine::counterPattern(0, std::size_t(data)));
        QCOMPARE(engine.length(take.takeStream()), data);
    }

    void growth_happensWhenTheRemainderReachesTheStep_data() {
        QTest::addColumn<int>("firstBlock");
        QTest::addColumn<int>("secondBlock");
        QTest::addColumn<int>("expectedCapacity");
        // The header takes 44 bytes of the first 200000.
        QTest::newRow("one byte short of the step") << 199000 << 955 << 200000;
        QTest::newRow("exactly the step (>=, not >)") << 199000 << 956 << 400000;
        QTest::newRow("199990 + 20 grows to 400010") << 199946 << 20 << 400010;
    }
    void growth_happensWhenTheRemainderReachesTheStep() {
        QFETCH(int, firstBlock);
        QFETCH(int, secondBlock);
        QFETCH(int, expectedCapacity);
        ScriptedEngine engine;
        QVERIFY(engine.startForRecording().isOk());
        TakeRecorder take(engine);
        QVERIFY(take.BeginTake().isOk());
        engine.deliverBlocks({std::size_t(firstBlock), std::size_t(secondBlock)});
        QVERIFY(engine.waitDelivered());
        QCOMPARE(take.capacity(), std::size_t(expectedCapacity));
        take.EndTake();
        QCOMPARE(take.takeLength(), 44 + firstBlock + secondBlock);
    }

    void longTake_staysWithinItsLengthPlusTwoSteps() {
        ScriptedEngine engine;
        QVERIFY(engine.startForRecording().isOk());
        TakeRecorder take(engine);
        QVERIFY(take.BeginTake().isOk());
        engine.deliverBlocks(std::vector<std::size_t>(600, 3528)); // 12 s of sound
        QVERIFY(engine.waitDelivered());
        take.EndTake();
        QVERIFY(take.capacity() >= std::size_t(take.takeLength()));
        QVERIFY(take.capacity() <= std::size_t(take.takeLength()) + 2 * 200000);
    }

    void secondTake_releasesTheFirstBeforeCapturing() {
        ScriptedEngine engine;
        QVERIFY(engine.startForRecording().isOk());
        TakeRecorder take(engine);
        QVERIFY(take.BeginTake().isOk());
        engine.deliverBlocks({4000});
        QVERIFY(engine.waitDelivered());
        take.EndTake();
        const auto firstStream = take.takeStream();
        QVERIFY(firstStream != 0);
        QSignalSpy states(&take, &TakeRecorder::stateChanged);
        QVERIFY(take.BeginTake().isOk());
        QCOMPARE(states.size(), 2);
        QCOMPARE(states.at(0).at(0).value<TakeRecorder::State>(), TakeRecorder::State::NoTake);
        QCOMPARE(states.at(1).at(0).value<TakeRecorder::State>(), TakeRecorder::State::Recording);
        QVERIFY(!engine.streams().empty() ? engine.streams().front() != firstStream : true);
        QCOMPARE(take.takeLength(), 44);
        take.EndTake();
    }

    void failedCaptureStart_leavesNoTake() {
        ScriptedEngine engine;
        QVERIFY(engine.startForRecording().isOk());
        engine.setStartCaptureFailure(ErrorCode::Start);
        TakeRecorder take(engine);
        const Status begun = take.BeginTake();
        QVERIFY(!begun.isOk());
        QCOMPARE(begun.message(), QString("Couldn't start recording"));
        QCOMPARE(begun.code(), ErrorCode::Start);
        QCOMPARE(take.state(), TakeRecorder::State::NoTake);
        QVERIFY(take.takeBuffer() == nullptr);
    }

    void failedFirstAllocation_reportsOutOfMemoryAndCopiesNothing() {
        ScriptedEngine engine;
        QVERIFY(engine.startForRecording().isOk());
        allocationsAllowed = 0;
        TakeRecorder take(engine, {&countingRealloc, &std::free});
        const Status begun = take.BeginTake();
        QCOMPARE(begun.message(), QString("Out of memory!"));
        QCOMPARE(take.state(), TakeRecorder::State::NoTake);
        QCOMPARE(engine.count("startCapture"), 0);
    }

    void failedGrowth_discardsTheTakeAndStopsTheCapture() {
        ScriptedEngine engine;
        QVERIFY(engine.startForRecording().isOk());
        allocationsAllowed = 1; // the first block only
        TakeRecorder take(engine, {&countingRealloc, &std::free});
        QSignalSpy failures(&take, &TakeRecorder::failed);
        QVERIFY(take.BeginTake().isOk());
        engine.deliverBlocks({150000, 60000});
        QVERIFY(engine.waitDelivered());
        QVERIFY(failures.wait(5000));
        QCOMPARE(failures.first().at(0).value<Status>().message(), QString("Out of memory!"));
        QCOMPARE(take.state(), TakeRecorder::State::NoTake);
        QCOMPARE(take.recordChannel(), 0u);
        QVERIFY(!engine.captureRunning());
    }

    void writeTo_refusesWhileRecordingAndWritesTheImageAfterwards() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("take.wav"));
        ScriptedEngine engine;
        QVERIFY(engine.startForRecording().isOk());
        TakeRecorder take(engine);
        QCOMPARE(take.writeTo(path).code(), ErrorCode::Create);
        QVERIFY(take.BeginTake().isOk());
        engine.deliverBlocks({7056});
        QVERIFY(engine.waitDelivered());
        QCOMPARE(take.writeTo(path).code(), ErrorCode::Create);
        QVERIFY(!QFile::exists(path));
        take.EndTake();
        QVERIFY(take.writeTo(path).isOk());
        QCOMPARE(testaudio::readAll(path), imageOf(take));
        const Status refused = take.writeTo(dir.filePath(QStringLiteral("no/take.wav")));
        QCOMPARE(refused.code(), ErrorCode::Create);
        QVERIFY(refused.message().contains(QStringLiteral("no/take.wav")));
    }

    void writeTo_fullDiskSaysSo() {
        SmallDisk disk(64);
        if (!disk.isValid())
            QSKIP("a small tmpfs cannot be mounted here (needs root)");
        ScriptedEngine engine;
        QVERIFY(engine.startForRecording().isOk());
        TakeRecorder take(engine);
        QVERIFY(take.BeginTake().isOk());
        engine.deliverBlocks(std::vector<std::size_t>(20, 7056));
        QVERIFY(engine.waitDelivered());
        take.EndTake();
        const QString path = disk.filePath(QStringLiteral("take.wav"));
        QCOMPARE(take.writeTo(path).message(),
                 path + QStringLiteral(": cannot be written (the disk is full)."));
        QVERIFY(!QFile::exists(path));
    }

    void captureEndedByTheServer_finishesTheTakeWithWhatCame() {
        ScriptedEngine engine;
        QVERIFY(engine.startForRecording().isOk());
        TakeRecorder take(engine);
        QSignalSpy failures(&take, &TakeRecorder::failed);
        QVERIFY(take.BeginTake().isOk());
        engine.deliverBlocks({3528, 3528});
        QVERIFY(engine.waitDelivered());
        engine.dropCapture();
        QVERIFY(failures.wait(5000));
        QCOMPARE(failures.first().at(0).value<Status>().code(), ErrorCode::Driver);
        QCOMPARE(take.state(), TakeRecorder::State::TakeReady);
        QCOMPARE(take.takeLength(), 44 + 2 * 3528);
        QCOMPARE(le32(imageOf(take), 40), 2u * 3528u);
    }

    // Listening keeps the newest sound in the pre-roll; Record goes on with the same capture.
    void listeningThenRecord_startsWithThePreRollAndNoGap_data() {
        QTest::addColumn<int>("preRollMs");
        QTest::addColumn<int>("listenedBlocks");
        QTest::newRow("no pre-roll: the take as it always was") << 0 << 2;
        QTest::newRow("10 ms of the 2000 bytes heard") << 10 << 2;
        QTest::newRow("more pre-roll than was heard") << 500 << 2;
        QTest::newRow("two seconds out of a ring gone round") << 2000 << 100;
    }
    void listeningThenRecord_startsWithThePreRollAndNoGap() {
        QFETCH(int, preRollMs);
        QFETCH(int, listenedBlocks);
        ScriptedEngine engine;
        QVERIFY(engine.startForRecording().isOk());
        TakeRecorder take(engine);
        take.setPreRollMs(preRollMs);
        QVERIFY(take.startListening().isOk());
        const AudioEngine::Handle capture = take.listenChannel();
        engine.deliverBlocks(std::vector<std::size_t>(std::size_t(listenedBlocks), 4000));
        QVERIFY(engine.waitDelivered());
        QCOMPARE(take.state(), TakeRecorder::State::NoTake);

        QVERIFY(take.BeginTake().isOk());
        QCOMPARE(take.recordChannel(), capture);
        QCOMPARE(take.listenChannel(), 0u);
        engine.deliverBlocks({1000});
        QVERIFY(engine.waitDelivered());
        take.EndTake();
        const ByteCount heard = ByteCount(listenedBlocks) * 4000;
        const ByteCount preRoll = std::min<ByteCount>(heard, ByteCount(preRollMs) * 1764 / 10);
        QCOMPARE(take.recordedBytes(), preRoll + 1000);
        QCOMPARE(imageOf(take).mid(44),
                 ScriptedEngine::counterPattern(heard - preRoll, std::size_t(preRoll + 1000)));
        QCOMPARE(le32(imageOf(take), 40), std::uint32_t(preRoll + 1000));
    }

    // Start on sound: the take begins at the first frame with a sample at the threshold
    // (-40 dBFS: 328), with the pre-roll before that frame in front.
    void startOnSound_beginsAtTheFirstLoudFrameWithThePreRoll() {
        ScriptedEngine engine;
        QVERIFY(engine.startForRecording().isOk());
        constexpr ByteCount SoundAt = 10000;
        engine.setBlockGenerator([](ByteCount offset, std::size_t bytes) {
            QByteArray block;
            for (ByteCount at = offset; at < offset + ByteCount(bytes); at += 2) {
                // The room's hiss just under the threshold, then a voice just over it, on
                // the right channel only.
                const bool right = at % 4 == 2;
                const std::int16_t v = at < SoundAt ? -327 : right ? -328 : 5;
                block += char(v & 0xFF), block += char((v >> 8) & 0xFF);
            }
            return block;
        });
        TakeRecorder take(engine);
        take.setPreRollMs(10);
        take.setStartOnSound(true);
        QSignalSpy states(&take, &TakeRecorder::stateChanged);
        QVERIFY(take.BeginTake().isOk());
        QCOMPARE(take.state(), TakeRecorder::State::WaitingForSound);
        engine.deliverBlocks({4000, 4000});
        QVERIFY(engine.waitDelivered());
        QCOMPARE(take.state(), TakeRecorder::State::WaitingForSound);
        QCOMPARE(take.recordedBytes(), 0);
        engine.deliverBlocks({4000, 4000});
        QVERIFY(engine.waitDelivered());
        QTRY_COMPARE(states.last().at(0).value<TakeRecorder::State>(),
                     TakeRecorder::State::Recording);
        take.EndTake();
        QCOMPARE(take.state(), TakeRecorder::State::TakeReady);
        const QByteArray data = imageOf(take).mid(44);
        QCOMPARE(data.size(), 1764 + 16000 - SoundAt);
        QCOMPARE(std::int16_t(testaudio::le16(data, 1764 - 2)), std::int16_t(-327));
        QCOMPARE(std::int16_t(testaudio::le16(data, 1764 + 2)), std::int16_t(-328));
    }

    void stopWhileWaitingForSound_leavesNoTake() {
        ScriptedEngine engine;
        QVERIFY(engine.startForRecording().isOk());
        engine.setBlockGenerator(
            [](ByteCount, std::size_t bytes) { return QByteArray(qsizetype(bytes), '\0'); });
        TakeRecorder take(engine);
        take.setStartOnSound(true, -60);
        QVERIFY(take.BeginTake().isOk());
        engine.deliverBlocks({4000});
        QVERIFY(engine.waitDelivered());
        take.EndTake();
        QCOMPARE(take.state(), TakeRecorder::State::NoTake);
        QVERIFY(!engine.captureRunning());
        QVERIFY(take.takeBuffer() == nullptr);
    }

    void takeReachingTheWavLimit_stopsAndKeepsWhatWasRecorded() {
        ScriptedEngine engine;
        QVERIFY(engine.startForRecording().isOk());
        TakeRecorder take(engine);
        QSignalSpy failures(&take, &TakeRecorder::failed);
        QVERIFY(take.BeginTake().isOk());
        engine.deliverBlocks({1000});
        QVERIFY(engine.waitDelivered());
        // A block that would carry the data past the 32-bit limit is refused whole.
        static const std::byte dummy[1]{};
        QVERIFY(!take.OnCapturedBlock(dummy, std::size_t(WavHeader::MaxDataBytes)));
        QVERIFY(failures.wait(5000));
        QCOMPARE(failures.first().at(0).value<Status>().code(), ErrorCode::TooLarge);
        QCOMPARE(take.state(), TakeRecorder::State::TakeReady);
        QCOMPARE(take.takeLength(), 1044);
    }
};

QTEST_GUILESS_MAIN(TestTakeRecorder)
#include "tst_take_recorder.moc"
