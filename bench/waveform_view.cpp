// SPDX-License-Identifier: GPL-3.0-or-later
// The waveform's speed on one clip, on the offscreen platform: computing its peaks, the
// peak file's size, the time from opening the clip (peaks loaded from their file) to the
// first painted view at 1920 x 1080 (ruler, overview and all), the median repaint at full
// view, at 64x zoom and at sample level (the samples read from the clip), a zoom step, and
// the longest time the event loop went without running while the peaks were computed on
// their thread. With --spectrogram: only the spectrogram of the clip, computed once.
//
// usage: bench_waveform_view CLIP.wav | bench_waveform_view --spectrogram CLIP.wav
#include "waveform/ui/waveform_view.h"
#include "wav/side_file.h"
#include "waveform/peak_cache.h"
#include "waveform/peaks.h"
#include "waveform/spectrogram.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double medianRepaintMs(WaveformView& view) {
    std::vector<double> times;
    for (int i = 0; i < 41; ++i) {
        QElapsedTimer took;
        took.start();
        (void)view.grab(); // runs the view's paintEvent into a picture
        times.push_back(double(took.nsecsElapsed()) / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + 20, times.end());
    return times[20];
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && QByteArray(argv[1]) == "--spectrogram") {
        const std::atomic<bool> never{false};
        const auto made = spectrogram::compute(QString::fromLocal8Bit(argv[2]), never);
        if (!made) {
            std::fprintf(stderr, "%s\n", qPrintable(made.status().message()));
            return 1;
        }
        return 0;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_waveform_view CLIP.wav\n");
        return 2;
    }
    const QString clip = QString::fromLocal8Bit(argv[1]);
    QFile::remove(sidefile::path(clip, SideKind::Peaks));

    // The computation alone, as the cache's thread runs it.
    QElapsedTimer computing;
    computing.start();
    if (const auto computed = peaks::compute(clip); !computed) {
        std::fprintf(stderr, "%s\n", qPrintable(computed.status().message()));
        return 1;
    }
    const double computeS = double(computing.nsecsElapsed()) / 1e9;

    // Computing on the cache's thread while the event loop runs, as in the window (the
    // zero timer keeps the loop turning, so this run is slower than the one above).
    QElapsedTimer sinceTurn;
    qint64 longestGapMs = 0;
    QTimer turn;
    turn.setInterval(0);
    QObject::connect(&turn, &QTimer::timeout,
                     [&] { longestGapMs = std::max(longestGapMs, sinceTurn.restart()); });
    {
        PeakCache cache;
        sinceTurn.start();
        turn.start();
        const auto peaks = cache.peaksFor(clip);
        if (!peaks) {
            std::fprintf(stderr, "%s\n", qPrintable(cache.failure(clip)));
            return 1;
        }
        bool done = false;
        QObject::connect(&cache, &PeakCache::finished, [&] { done = true; });
        while (!done)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        turn.stop();
    }

    // Opening the clip again: the peaks come from their file.
    WaveformView view;
    view.resize(1920, 1080);
    view.show();
    QCoreApplication::processEvents();
    QElapsedTimer opening;
    opening.start();
    PeakCache cache;
    bool loaded = false;
    QObject::connect(&cache, &PeakCache::finished, [&] { loaded = true; });
    const auto peaks = cache.peaksFor(clip);
    while (!loaded) // read on the cache's job
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const std::int64_t lengthMs = peaks->frames() * 1000 / peaks->format().sampleRateHz;
    view.setClip(peaks, lengthMs, QString(), clip);
    (void)view.grab();
    const double firstPaintMs = double(opening.nsecsElapsed()) / 1e6;

    const double fullMs = medianRepaintMs(view);
    view.zoomAt(960, 64);
    const double zoomedMs = medianRepaintMs(view);
    // About a sample to a pixel, in the middle of the clip: the first paint reads them.
    view.showRange(lengthMs / 2.0, lengthMs / 2.0 + 1920 * 1000.0 / peaks->format().sampleRateHz);
    QElapsedTimer reading;
    reading.start();
    (void)view.grab();
    const double firstSamplesMs = double(reading.nsecsElapsed()) / 1e6;
    const double samplesMs = medianRepaintMs(view);
    // Zoom steps in and out from the whole clip, each with its repaint.
    view.fit();
    std::vector<double> steps;
    for (int i = 0; i < 40; ++i) {
        QElapsedTimer step;
        step.start();
        if ((i / 10) % 2 == 0)
            view.zoomIn();
        else
            view.zoomOut();
        (void)view.grab();
        steps.push_back(double(step.nsecsElapsed()) / 1e6);
    }
    std::nth_element(steps.begin(), steps.begin() + 20, steps.end());
    const double peakFileShare = double(QFileInfo(sidefile::path(clip, SideKind::Peaks)).size()) /
                                 double(QFileInfo(clip).size());

    std::printf("peaks computed in %.3f s\n", computeS);
    std::printf("first painted waveform after %.1f ms\n", firstPaintMs);
    std::printf("median repaint at 1920x1080: %.2f ms whole clip, %.2f ms at 64x zoom, %.2f ms "
                "at sample level (first, with the read: %.2f ms)\n",
                fullMs, zoomedMs, samplesMs, firstSamplesMs);
    std::printf("median zoom step with its repaint %.2f ms\n", steps[20]);
    std::printf("longest event loop gap while computing %lld ms\n", qlonglong(longestGapMs));
    std::printf("peak file %.2f %% of the clip\n", peakFileShare * 100);
    return 0;
}
