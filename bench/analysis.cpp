// SPDX-License-Identifier: GPL-3.0-or-later
// Driver of bench_analysis.sh.
//   bench_analysis song OUT.wav    a generated song of 4 minutes, 44100 Hz stereo
//   bench_analysis gap CLIP.wav    the clip analysed by the editor's AnalysisCache while the
//                                  event loop runs: the longest time it went without running
//   bench_analysis json FILE       FILE analysed, printed as `tunecarver-cli analyse --json`
//                                  prints it (analysis_real.sh: no need to build the program)
#include "analysis/analysis_cache.h"
#include "analysis/analysis_file.h"
#include "analysis/suggestions.h"
#include "song_generator.h"
#include "wav/side_file.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QTimer>

#include <cstdio>

namespace {

int writeSong(const QString& path) {
    constexpr int Rate = 44100;
    constexpr std::size_t Frames = std::size_t(240) * Rate;
    std::vector<std::int16_t> mono;
    for (std::uint32_t seed = 7; mono.size() < Frames; ++seed) {
        const songs::Song song = songs::make(seed, Rate);
        mono.insert(mono.end(), song.samples.begin(), song.samples.end());
    }
    mono.resize(Frames);
    QByteArray wav(44, '\0');
    const auto put32 = [&](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            wav[at + i] = char(v >> (8 * i));
    };
    const auto put16 = [&](int at, std::uint16_t v) {
        wav[at] = char(v);
        wav[at + 1] = char(v >> 8);
    };
    wav.replace(0, 4, "RIFF");
    put32(4, std::uint32_t(36 + Frames * 4));
    wav.replace(8, 8, "WAVEfmt ");
    put32(16, 16);
    put16(20, 1);
    put16(22, 2);
    put32(24, Rate);
    put32(28, Rate * 4);
    put16(32, 4);
    put16(34, 16);
    wav.replace(36, 4, "data");
    put32(40, std::uint32_t(Frames * 4));
    for (std::int16_t s : mono)
        for (int c = 0; c < 2; ++c)
            wav.append(reinterpret_cast<const char*>(&s), 2);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(wav) == wav.size() ? 0 : 1;
}

int measureGap(const QString& clip) {
    QFile::remove(sidefile::path(clip, SideKind::Analysis));
    AnalysisCache cache;
    QElapsedTimer total;
    QElapsedTimer sinceTick;
    qint64 longestNs = 0;
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestNs = std::max(longestNs, sinceTick.nsecsElapsed());
        sinceTick.restart();
    });
    QObject::connect(&cache, &AnalysisCache::finished, [&] {
        const auto found = cache.analysisFor(clip);
        std::printf("analysis in the background: %.3f s (%s)\n", total.nsecsElapsed() / 1e9,
                    found ? "ready" : qPrintable(cache.failure(clip)));
        std::printf("longest event loop gap: %.1f ms\n", longestNs / 1e6);
        QCoreApplication::exit(found ? 0 : 1);
    });
    total.start();
    sinceTick.start();
    tick.start();
    cache.prepare(clip);
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("song"))
        return writeSong(args[2]);
    if (args.size() == 3 && args[1] == QLatin1String("gap"))
        return measureGap(args[2]);
    if (args.size() == 3 && args[1] == QLatin1String("json")) {
        const Result<analysis::MusicAnalysis> found = analysis::analyseFile(args[2]);
        if (!found) {
            std::fprintf(stderr, "%s\n", qPrintable(found.status().message()));
            return 1;
        }
        const QByteArray json = QJsonDocument(analysis::toJson(*found, analysis::suggest(*found)))
                                    .toJson(QJsonDocument::Compact);
        std::printf("%s\n", json.constData());
        return 0;
    }
    std::fprintf(stderr, "usage: bench_analysis song OUT.wav | gap CLIP.wav | json FILE\n");
    return 2;
}
