// SPDX-License-Identifier: GPL-3.0-or-later
// How long "Undo" of a crop takes: the clip is cropped as "Done" crops it (its stretch moves),
// through the history, then the crop is undone and redone, each timed.
//
// usage: bench_undo_crop CLIP.wav   (the clip is copied into a scratch work folder first)
#include "cliplist/clip_crop.h"
#include "cliplist/clip_list.h"
#include "cliplist/edit_history.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_undo_crop CLIP.wav\n");
        return 2;
    }
    QTemporaryDir scratch;
    const WorkFolder work(scratch.path());
    if (!QFile::copy(QString::fromLocal8Bit(argv[1]), work.clipFile(QStringLiteral("clip"))))
        return 1;
    ClipList clips(work);
    clips.append(QStringLiteral("clip"));
    EditHistory history(clips, work);
    const std::int64_t lengthMs = clips.at(0).frames * 1000 / clips.at(0).format.sampleRateHz;
    const ClipRange before = clips.range(0);
    if (!clips.setRange(0, ClipCrop::cutRange(before, clips.at(0).frames,
                                              clips.at(0).format.sampleRateHz, 60000,
                                              lengthMs - 60000, 0))) {
        std::fprintf(stderr, "the clip is too short to crop a minute off each end\n");
        return 1;
    }
    history.cropped(0, QStringLiteral("Crop of clip"), before);
    QElapsedTimer took;
    took.start();
    history.stack().undo();
    const double undoMs = double(took.nsecsElapsed()) / 1e6;
    took.restart();
    history.stack().redo();
    const double redoMs = double(took.nsecsElapsed()) / 1e6;
    std::printf("undo of the crop %.2f ms, redo %.2f ms\n", undoMs, redoMs);
    return 0;
}
