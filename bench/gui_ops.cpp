// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the real window offscreen through one long operation of the "Audio Edit" page and
// prints how long it took and the longest stretch the GUI event loop went without a turn:
//
//   bench_gui_ops add FILE                    "Add New" of FILE, its peaks included
//   bench_gui_ops savewav OUT.wav CLIP...     "Save The List to Wav" of the clips
//   bench_gui_ops crop FILE FROM_MS TO_MS     "Done" on FILE (added first) between the marks
//   bench_gui_ops take SECONDS OUT.wav        "Save" as "Wav" of a take of SECONDS on the
//                                             recording page (a sound server of its own)
//   bench_gui_ops long FILE FROM_MS TO_MS     "Add New" of FILE: when its clip is in the list,
//                                             when its waveform is complete, and what the work
//                                             folder holds then; then "Done" between the
//                                             marks: its time, and whether a file was written
#include "analysis/analysis_file.h"
#include "audio/media_player.h"
#include "audio/pulse/pulse_engine.h"
#include "cliplist/clip_import.h"
#include "cliplist/clip_list.h"
#include "cliplist/edit_session.h"
#include "cliplist/ui/clip_list_box.h"
#include "cliplist/ui/editor_panel.h"
#include "cliplist/ui/framewav.h"
#include "cliplist/ui/list_buttons.h"
#include "cliplist/ui/list_saving.h"
#include "cliplist/ui/ringtone_dialog.h"
#include "codec/mp3_encoder.h"
#include "pagekit/app_context.h"
#include "pagekit/busy_gate.h"
#include "pagekit/dialogs.h"
#include "recording/ui/frame_rec.h"
#include "shell/main_window.h"
#include "shell/pages.h"
#include "support/pulse_daemon.h"
#include "wav/side_file.h"
#include "waveform/peak_cache.h"

#include <QApplication>
#include <QBuffer>
#include <QDateTime>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// Answers every file dialog with the next of its paths; any message counts as a failure but
// "Finish Save".
class ScriptDialogs : public Dialogs {
public:
    QStringList paths;
    QStringList messages;

    Answer message(QWidget*, const QString& text, const QString&, Icon, Buttons) override {
        if (!text.startsWith(QLatin1String("Finish Save")))
            messages << text;
        return Answer::No;
    }
    std::optional<QString> chooseFile(QWidget*, const FileRequest&) override {
        return paths.isEmpty() ? std::nullopt : std::optional(paths.takeFirst());
    }
    std::optional<QStringList> chooseFiles(QWidget*, const FileRequest&) override {
        return std::exchange(paths, {});
    }
    std::optional<QString> inputText(QWidget*, const QString&, const QString&,
                                     const QString&) override {
        return std::nullopt;
    }
};

// Runs `start`, then the event loop until the window is free again and the peaks of every
// clip in the list are complete (the waveform can be drawn whole); returns the time it took
// and the longest gap between two turns of the loop.
// The loop is a local one: quitting the application's own would close the window, whose
// exit sequence empties the work folder, the clips just added with it.
std::pair<qint64, qint64> measure(Frmmain& window, const std::function<void()>& start) {
    QEventLoop loop;
    QElapsedTimer sinceTurn;
    qint64 longestGapMs = 0;
    // A 1 ms timer runs on the first turn of the event loop after each millisecond: the gaps
    // it sees are the loop's own, to the millisecond. (A zero timer would see every turn, but
    // it keeps the GUI thread busy, taking a core from the work it measures as a window
    // waiting for its user never does.)
    QTimer turn;
    turn.setInterval(1);
    turn.setTimerType(Qt::PreciseTimer);
    QObject::connect(&turn, &QTimer::timeout,
                     [&] { longestGapMs = std::max(longestGapMs, sinceTurn.restart()); });
    QTimer check;
    check.setInterval(1);
    QObject::connect(&check, &QTimer::timeout, [&] {
        Framewav& page = window.framewav();
        if (window.busyGate().isBusy() || page.import().isBusy())
            return;
        for (int row = 0; row < page.clips().count(); ++row) {
            const auto peaks = page.peakCache().peaksFor(page.clips().clipFile(row));
            if (peaks && !peaks->complete())
                return;
        }
        loop.quit();
    });
    QElapsedTimer took;
    took.start();
    sinceTurn.start();
    turn.start();
    start();
    check.start();
    loop.exec();
    return {took.elapsed(), std::max(longestGapMs, sinceTurn.elapsed())};
}

// Adds the files, then lets the analyses that follow each added clip end (their files are
// written beside the clips; two minutes at most), so that they don't share the machine with
// the operation measured next.
void addAll(Frmmain& window, ScriptDialogs& dialogs, const QStringList& files) {
    dialogs.paths = files;
    measure(window, [&] { window.framewav().buttons().CmdAdd_Click(); });
    const ClipList& clips = window.framewav().clips();
    QEventLoop loop;
    QTimer check;
    check.setInterval(20);
    QObject::connect(&check, &QTimer::timeout, [&] {
        for (int row = 0; row < clips.count(); ++row)
            if (!QFileInfo::exists(sidefile::path(clips.clipFile(row), SideKind::Analysis)))
                return;
        loop.quit();
    });
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    check.start();
    loop.exec();
}

// A take of `seconds` on the recording page: a short real one through the server (whose
// null sink's monitor is the input), its sound then replaced by `seconds` of noise in the
// take's own format. Empty when the page could not record.
QString makeTake(FrameRec& page, int seconds) {
    page.btnRecord_Click();
    QEventLoop loop;
    QTimer::singleShot(300, &loop, &QEventLoop::quit);
    loop.exec();
    page.btnRecord_Click();
    if (page.take().state() != TakeRecorder::State::TakeReady)
        return QStringLiteral("no take was recorded");
    QByteArray image(reinterpret_cast<const char*>(page.take().takeBuffer()),
                     qsizetype(page.take().takeLength()));
    QBuffer buffer(&image);
    buffer.open(QIODevice::ReadOnly);
    const Result<WavInfo> info = readWavInfo(buffer);
    if (!info)
        return info.status().message();
    QByteArray pcm(qsizetype(seconds) * info->format.sampleRateHz * info->format.blockAlign(),
                   Qt::Uninitialized);
    std::uint32_t noise = 1;
    for (char& byte : pcm) {
        noise = noise * 1664525u + 1013904223u;
        byte = char(noise >> 24);
    }
    if (Status replaced = page.take().replaceSound(pcm); !replaced)
        return replaced.message();
    return QString();
}

// The bytes of the files in `folder` and the folders below it.
qint64 folderBytes(const QString& folder) {
    qint64 bytes = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        bytes += QFileInfo(it.next()).size();
    return bytes;
}

// The newest modification of the clip files in `folder` (what is kept beside them, the
// pictures of a new stretch and the list's journal, is not counted).
QDateTime newestWrite(const QString& folder) {
    QDateTime newest;
    QDirIterator it(folder,
                    {QStringLiteral("*.wav"), QStringLiteral("*.mp3"), QStringLiteral("*.flac")},
                    QDir::Files | QDir::Hidden);
    while (it.hasNext()) {
        const QDateTime written = QFileInfo(it.next()).lastModified();
        if (!newest.isValid() || written > newest)
            newest = written;
    }
    return newest;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const QString op = args.value(0);
    if (!(op == "add" && args.size() == 2) && !(op == "savewav" && args.size() >= 3) &&
        !(op == "crop" && args.size() == 4) && !(op == "take" && args.size() == 3) &&
        !(op == "long" && args.size() == 4)) {
        std::fprintf(stderr, "usage: bench_gui_ops add FILE | savewav OUT CLIP... | crop FILE "
                             "FROM_MS TO_MS | take SECONDS OUT | long FILE FROM_MS TO_MS\n");
        return 2;
    }
    PulseDaemon daemon;
    if (QString error; op == "take" && !daemon.start(&error)) {
        std::fprintf(stderr, "take: no sound server: %s\n", qPrintable(error));
        return 1;
    }
    QTemporaryDir scratch;
    PulseEngine engine;
    PulseEngine playerEngine;
    MediaPlayer editPlayer(playerEngine);
    MediaPlayer listPlayer(playerEngine);
    Mp3Encoder encoder;
    ScriptDialogs dialogs;
    QtRingtonePrompt ringtonePrompt;
    Frmmain window(AppContext{engine, editPlayer, listPlayer, encoder, dialogs, scratch.path(),
                              WorkFolder(scratch.filePath(QStringLiteral("korvanel")))},
                   ringtonePrompt);
    window.show();
    QCoreApplication::processEvents();
    Framewav& page = window.framewav();

    std::pair<qint64, qint64> result;
    if (op == "add") {
        dialogs.paths = {args.at(1)};
        result = measure(window, [&] { page.buttons().CmdAdd_Click(); });
    } else if (op == "savewav") {
        addAll(window, dialogs, args.mid(2));
        dialogs.paths = {args.at(1)};
        result = measure(window, [&] { page.saving().CmdSaveWav_Click(); });
    } else if (op == "long") {
        QElapsedTimer sinceAdd;
        qint64 listedMs = -1;
        QObject::connect(&page.clips(), &QAbstractItemModel::rowsInserted, &page, [&] {
            if (listedMs < 0)
                listedMs = sinceAdd.elapsed();
        });
        dialogs.paths = {args.at(1)};
        sinceAdd.start();
        const auto added = measure(window, [&] { page.buttons().CmdAdd_Click(); });
        const QString work = window.context().workFolder.path();
        const qint64 workBytes = folderBytes(work);
        const QDateTime before = newestWrite(work);
        page.list().setCurrentRow(0);
        page.editor().List1_DblClick();
        page.session().setMarkIn(args.at(2).toLongLong());
        page.session().setMarkOut(args.at(3).toLongLong());
        const auto done = measure(window, [&] { page.editor().CmdEditDone_Click(); });
        const bool written = newestWrite(work) != before;
        if (!dialogs.messages.isEmpty() || listedMs < 0) {
            std::fprintf(stderr, "long failed: %s\n", qPrintable(dialogs.messages.join(u' ')));
            return 1;
        }
        std::printf("listed %lld ms; complete %lld ms; longest event-loop gap %lld ms; work folder "
                    "%lld bytes; done %lld ms; longest event-loop gap %lld ms; file written %d\n",
                    static_cast<long long>(listedMs), static_cast<long long>(added.first),
                    static_cast<long long>(added.second), static_cast<long long>(workBytes),
                    static_cast<long long>(done.first), static_cast<long long>(done.second),
                    written ? 1 : 0);
        return 0;
    } else if (op == "take") {
        window.Toolbar1_ButtonClick(QStringLiteral("Rec"));
        FrameRec& rec = window.pages().frameRec();
        if (const QString failed = makeTake(rec, args.at(1).toInt()); !failed.isEmpty()) {
            std::fprintf(stderr, "take failed: %s\n", qPrintable(failed));
            return 1;
        }
        dialogs.paths = {args.at(2)};
        result = measure(window, [&] {
            rec.btnSave_Click();
            rec.CmdWav_Click();
        });
    } else {
        addAll(window, dialogs, {args.at(1)});
        page.list().setCurrentRow(0);
        page.editor().List1_DblClick();
        page.session().setMarkIn(args.at(2).toLongLong());
        page.session().setMarkOut(args.at(3).toLongLong());
        result = measure(window, [&] { page.editor().CmdEditDone_Click(); });
    }
    if (!dialogs.messages.isEmpty() || (op != "take" && page.clipNames().isEmpty()) ||
        (op == "take" && !QFileInfo::exists(args.at(2)))) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(op),
                     qPrintable(dialogs.messages.join(u' ')));
        return 1;
    }
    std::printf("%s: %lld ms; longest event-loop gap %lld ms\n", qPrintable(op),
                static_cast<long long>(result.first), static_cast<long long>(result.second));
    return 0;
}
