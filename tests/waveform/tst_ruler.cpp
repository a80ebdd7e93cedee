// SPDX-License-Identifier: GPL-3.0-or-later
#include "waveform/ruler.h"

#include <QtTest>

class TestRuler : public QObject {
    Q_OBJECT
private slots:
    void ticks_followTheZoom_data();
    void ticks_followTheZoom();
};

void TestRuler::ticks_followTheZoom_data() {
    QTest::addColumn<double>("startMs");
    QTest::addColumn<double>("msPerPixel");
    QTest::addColumn<int>("widthPx");
    QTest::addColumn<double>("majorMs");
    QTest::addColumn<bool>("samples");
    QTest::addColumn<QStringList>("firstLabels");

    // A 4-minute song in the classic 321-pixel view, then an hour across a wide screen.
    QTest::newRow("minutes") << 0.0 << 240000.0 / 321 << 321 << 60000.0 << false
                             << QStringList{"0:00", "1:00", "2:00"};
    QTest::newRow("hours") << 3000000.0 << 1875.0 << 1920 << 300000.0 << false
                           << QStringList{"50:00", "55:00", "1:00:00"};
    QTest::newRow("seconds") << 61000.0 << 50.0 << 1000 << 5000.0 << false
                             << QStringList{"1:05", "1:10"};
    QTest::newRow("tenths") << 12250.0 << 1.0 << 1000 << 100.0 << false
                            << QStringList{"0:12.3", "0:12.4"};
    QTest::newRow("hundredths") << 5000.0 << 0.2 << 500 << 20.0 << false
                                << QStringList{"0:05.00", "0:05.02"};
    QTest::newRow("milliseconds") << 5122.5 << 0.01 << 800 << 1.0 << false
                                  << QStringList{"0:05.123", "0:05.124"};
    // About 22 pixels to a sample at 44100 Hz: labels count frames, 5 apart.
    QTest::newRow("samples") << 1000.0 << 0.001 << 600 << 5000.0 / 44100 << true
                             << QStringList{"44100", "44105"};
}

void TestRuler::ticks_followTheZoom() {
    QFETCH(double, startMs);
    QFETCH(double, msPerPixel);
    QFETCH(int, widthPx);
    QFETCH(double, majorMs);
    QFETCH(bool, samples);
    QFETCH(QStringList, firstLabels);

    const ruler::Scale scale = ruler::ticks(startMs, msPerPixel, widthPx, 44100);
    QCOMPARE(scale.samples, samples);
    QVERIFY(qAbs(scale.majorMs - majorMs) < 1e-9);
    QVERIFY(scale.majorMs / msPerPixel >= ruler::MinLabelGapPx);
    QVERIFY(scale.minorMs > 0 && scale.minorMs <= scale.majorMs);

    QStringList labels;
    const double endMs = startMs + widthPx * msPerPixel;
    for (const ruler::Tick& tick : scale.ticks) {
        // Every tick lies in the view (a millionth of a millisecond for rounding).
        QVERIFY(tick.ms >= startMs - 1e-6 && tick.ms <= endMs + 1e-6);
        QCOMPARE(tick.major, !tick.label.isEmpty());
        if (tick.major)
            labels << tick.label;
    }
    QCOMPARE(labels.mid(0, firstLabels.size()), firstLabels);
    // Minor ticks fill the stretch evenly: as many as the view holds, give or take one.
    const double expected = widthPx * msPerPixel / scale.minorMs;
    QVERIFY(qAbs(double(scale.ticks.size()) - expected) <= 1.5);
}

QTEST_GUILESS_MAIN(TestRuler)
#include "tst_ruler.moc"
