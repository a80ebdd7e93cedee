// SPDX-License-Identifier: GPL-3.0-or-later
#include "waveform/ui/waveform_view.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QtTest>

// The editor draws in the desktop's colours, and follows them when the theme changes while
// it is open.
class TestWaveformColours : public QObject {
    Q_OBJECT
private slots:
    void darkPalette_givesADarkGroundAndLightBackAgain();
};

namespace {

QPalette darkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    return p;
}

// The lightness of the ground left of Mark In, of the ruler's ground and of the overview's.
std::array<double, 3> grounds(WaveformView& view) {
    const QImage image = view.grab().toImage();
    const auto at = [&](const QRect& r) { return image.pixelColor(r.left() + 2, r.top() + 2); };
    return {at(view.pictureRect()).lightnessF(), at(view.rulerRect()).lightnessF(),
            at(view.overviewRect()).lightnessF()};
}

} // namespace

void TestWaveformColours::darkPalette_givesADarkGroundAndLightBackAgain() {
    WaveformView view;
    view.resize(600, 600);
    view.setClip(nullptr, 10000, QStringLiteral("no peaks"));
    view.setMarks(5000, 10000);
    view.show();
    QVERIFY(!view.rulerRect().isEmpty() && !view.overviewRect().isEmpty());

    // A theme change reaches the view as a change of its palette (the application's palette
    // reaches its widgets only from a running event loop).
    view.setPalette(darkPalette());
    for (double lightness : grounds(view))
        QVERIFY2(lightness < 0.25, qPrintable(QString::number(lightness)));

    view.setPalette(QApplication::palette());
    for (double lightness : grounds(view))
        QVERIFY2(lightness > 0.75, qPrintable(QString::number(lightness)));
}

QTEST_MAIN(TestWaveformColours)
#include "tst_waveform_colours.moc"
