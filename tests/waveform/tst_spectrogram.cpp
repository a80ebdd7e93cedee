// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_audio.h"
#include "wav/side_file.h"
#include "waveform/spectrogram.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestSpectrogram : public QObject {
    Q_OBJECT
private slots:
    void sine_peaksInItsFrequencyRow_data();
    void sine_peaksInItsFrequencyRow();
    void file_isTrustedOnlyWhileTheClipIsAsItWas();

private:
    QTemporaryDir m_dir;
};

void TestSpectrogram::sine_peaksInItsFrequencyRow_data() {
    QTest::addColumn<int>("rateHz");
    QTest::addColumn<double>("hz");
    QTest::newRow("low") << 44100 << 110.0;
    QTest::newRow("middle") << 44100 << 1000.0;
    QTest::newRow("high") << 44100 << 9000.0;
    QTest::newRow("phone rate") << 8000 << 3000.0;
}

void TestSpectrogram::sine_peaksInItsFrequencyRow() {
    QFETCH(int, rateHz);
    QFETCH(double, hz);
    const WavFormat mono{1, rateHz, 16};
    const QString clip = testaudio::writeSineWav(m_dir.filePath("sine.wav"), mono, rateHz * 2, hz);
    const std::atomic<bool> never{false};
    const auto computed = spectrogram::compute(clip, never);
    QVERIFY(computed);
    const Spectrogram& s = **computed;
    QCOMPARE(s.columns, int((rateHz * 2 + s.hopFrames - 1) / s.hopFrames));
    const int middle = s.columns / 2;
    int loudest = 0;
    for (int r = 1; r < Spectrogram::Rows; ++r)
        if (s.level(middle, r) > s.level(middle, loudest))
            loudest = r;
    // A row is a fraction of an octave wide: the sine may light the row beside its own.
    QVERIFY2(std::abs(loudest - s.rowOf(hz)) <= 1,
             qPrintable(QStringLiteral("row %1, expected %2").arg(loudest).arg(s.rowOf(hz))));
    // Half of full scale is -6 dB; the Hann window loses up to 1.5 dB between two bins.
    const double db =
        s.level(middle, loudest) / 255.0 * -Spectrogram::FloorDb + Spectrogram::FloorDb;
    QVERIFY2(db > -8 && db < -5, qPrintable(QString::number(db)));
    // An octave and more away the sound is far below it.
    const int far = loudest > Spectrogram::Rows / 2 ? loudest - 20 : loudest + 20;
    QVERIFY(s.level(middle, far) < s.level(middle, loudest) - 100);
}

void TestSpectrogram::file_isTrustedOnlyWhileTheClipIsAsItWas() {
    const QString clip =
        testaudio::writeSineWav(m_dir.filePath("kept.wav"), {2, 22050, 16}, 22050, 440);
    QVERIFY(QDir(m_dir.path()).mkpath("peaks"));
    const std::atomic<bool> never{false};
    const auto computed = spectrogram::compute(clip, never);
    QVERIFY(computed);
    QVERIFY(spectrogram::save(clip, **computed));
    const auto loaded = spectrogram::load(clip);
    QVERIFY(loaded);
    QVERIFY((*loaded)->levels == (*computed)->levels);

    const QString file = sidefile::path(clip, SideKind::Spectrogram);
    const QByteArray whole = testaudio::readAll(file);
    QVERIFY(testaudio::writeAll(file, whole.left(whole.size() - 1)));
    QVERIFY(!spectrogram::load(clip));

    QVERIFY(testaudio::writeAll(file, whole));
    QVERIFY(spectrogram::load(clip));
    QFile touched(clip);
    QVERIFY(touched.open(QIODevice::ReadWrite));
    QVERIFY(touched.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                QFileDevice::FileModificationTime));
    touched.close();
    QVERIFY(!spectrogram::load(clip));
}

QTEST_GUILESS_MAIN(TestSpectrogram)
#include "tst_spectrogram.moc"
