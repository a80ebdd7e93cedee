// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording/level_meter.h"

#include <QtTest>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// Stereo 16-bit frames of a 441 Hz sine: 100 frames a period, so a run of whole periods
// has exactly the sine's RMS and one sample of each period sits on the crest.
std::vector<std::int16_t> sine(double amplitude, int periods) {
    std::vector<std::int16_t> samples;
    for (int i = 0; i < periods * 100; ++i) {
        const auto v = std::int16_t(std::lround(amplitude * 32768 * std::sin(2 * M_PI * i / 100)));
        samples.insert(samples.end(), {v, v});
    }
    return samples;
}

void measure(LevelMeter& meter, const std::vector<std::int16_t>& samples) {
    meter.measure(reinterpret_cast<const std::byte*>(samples.data()), samples.size() * 2);
}

} // namespace

class TestLevelMeter : public QObject {
    Q_OBJECT
private slots:
    // 16-bit rounding moves a level by far less than 0.01 dB at these amplitudes; 0.1 dB is
    // what the meter promises.
    void sine_readsItsPeakAndRms_data() {
        QTest::addColumn<double>("amplitude");
        QTest::newRow("half scale") << 0.5;
        QTest::newRow("-20 dB") << 0.1;
        QTest::newRow("-40 dB") << 0.01;
    }
    void sine_readsItsPeakAndRms() {
        QFETCH(double, amplitude);
        LevelMeter meter;
        measure(meter, sine(amplitude, 9));
        measure(meter, sine(amplitude, 9));
        const LevelMeter::Reading reading = meter.read(0);
        const double peakDb = 20 * std::log10(amplitude);
        QVERIFY2(std::abs(reading.peakDb - peakDb) < 0.1,
                 qPrintable(QString::number(reading.peakDb)));
        QVERIFY2(std::abs(reading.rmsDb - (peakDb - 3.0103)) < 0.1,
                 qPrintable(QString::number(reading.rmsDb)));
        QVERIFY(!reading.clipped);
    }

    void fullScaleSquare_lightsTheClipMarkUntilCleared() {
        LevelMeter meter;
        std::vector<std::int16_t> square;
        for (int i = 0; i < 400; ++i)
            square.push_back(i % 100 < 50 ? 32767 : -32768);
        measure(meter, square);
        LevelMeter::Reading reading = meter.read(0);
        QVERIFY(reading.clipped);
        QVERIFY(std::abs(reading.peakDb) < 0.01);
        QVERIFY(std::abs(reading.rmsDb) < 0.01);
        // Quiet sound and a page left keep it lit; only the next take puts it out.
        measure(meter, sine(0.01, 2));
        meter.reset();
        QVERIFY(meter.read(100).clipped);
        meter.clearClip();
        QVERIFY(!meter.read(200).clipped);
        // A sample one short of full scale does not light it.
        measure(meter, std::vector<std::int16_t>(8, 32766));
        QVERIFY(!meter.read(300).clipped);
    }

    void peak_isHeldThenFollowsTheSound() {
        LevelMeter meter;
        measure(meter, sine(0.5, 1));
        QVERIFY(std::abs(meter.read(0).holdDb + 6.02) < 0.1);
        measure(meter, sine(0.01, 1));
        LevelMeter::Reading reading = meter.read(LevelMeter::HoldMs - 1);
        QVERIFY(std::abs(reading.peakDb + 40) < 0.1);
        QVERIFY(std::abs(reading.holdDb + 6.02) < 0.1);
        // Nothing new: the levels stay; the hold has had its time and falls to the peak.
        reading = meter.read(LevelMeter::HoldMs);
        QVERIFY(std::abs(reading.peakDb + 40) < 0.1);
        QVERIFY(std::abs(reading.holdDb + 40) < 0.1);
        meter.reset();
        QCOMPARE(meter.read(LevelMeter::HoldMs + 50).peakDb, LevelMeter::FloorDb);
    }
};

QTEST_GUILESS_MAIN(TestLevelMeter)
#include "tst_level_meter.moc"
