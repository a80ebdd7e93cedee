// SPDX-License-Identifier: GPL-3.0-or-later
// Adds one file to the clip list as "Add New" does, in a main window on the offscreen
// platform with a scratch work folder, and prints how long the add took (from the click to
// the new entry) and the longest stretch in which the event loop did not run (the busy
// window could not repaint).
//
// usage: bench_add_clip FILE     (FILE ending in .mp3 or .wav)
#include "audio/media_player.h"
#include "audio/pulse/pulse_engine.h"
#include "cliplist/clip_import.h"
#include "cliplist/ui/framewav.h"
#include "cliplist/ui/list_buttons.h"
#include "cliplist/ui/ringtone_dialog.h"
#include "codec/mp3_encoder.h"
#include "pagekit/app_context.h"
#include "pagekit/dialogs.h"
#include "shell/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

// Answers the open dialog with the file to add; any message counts as a failure.
class OneFileDialogs : public Dialogs {
public:
    explicit OneFileDialogs(QString path) : m_path(std::move(path)) {}
    QStringList messages;

    Answer message(QWidget*, const QString& text, const QString&, Icon, Buttons) override {
        messages << text;
        return Answer::No;
    }
    std::optional<QString> chooseFile(QWidget*, const FileRequest&) override { return m_path; }
    std::optional<QStringList> chooseFiles(QWidget*, const FileRequest&) override {
        return QStringList{m_path};
    }
    std::optional<QString> inputText(QWidget*, const QString&, const QString&,
                                     const QString&) override {
        return std::nullopt;
    }

private:
    QString m_path;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_add_clip FILE\n");
        return 2;
    }
    QTemporaryDir scratch;
    PulseEngine engine;
    PulseEngine playerEngine;
    MediaPlayer editPlayer(playerEngine);
    MediaPlayer listPlayer(playerEngine);
    Mp3Encoder encoder;
    OneFileDialogs dialogs(QString::fromLocal8Bit(argv[1]));
    QtRingtonePrompt ringtonePrompt;
    Frmmain window(AppContext{engine, editPlayer, listPlayer, encoder, dialogs, scratch.path(),
                              WorkFolder(scratch.filePath(QStringLiteral("korvanel")))},
                   ringtonePrompt);
    window.show();
    QCoreApplication::processEvents();

    // A zero timer runs once on every turn of the event loop.
    QElapsedTimer sinceTurn;
    qint64 longestGapMs = 0;
    int turns = 0;
    QTimer turn;
    turn.setInterval(0);
    QObject::connect(&turn, &QTimer::timeout, [&] {
        longestGapMs = std::max(longestGapMs, sinceTurn.restart());
        ++turns;
    });
    turn.start();

    QElapsedTimer took;
    took.start();
    sinceTurn.start();
    qint64 tookMs = 0;
    QObject::connect(&window.framewav().import(), &ClipImport::idle, [&] {
        tookMs = took.elapsed();
        longestGapMs = std::max(longestGapMs, sinceTurn.elapsed());
        QCoreApplication::quit();
    });
    window.framewav().buttons().CmdAdd_Click();
    QCoreApplication::exec();

    const QStringList clips = window.framewav().clipNames();
    if (clips.size() != 1 || !dialogs.messages.isEmpty()) {
        std::fprintf(stderr, "not added: %s\n", qPrintable(dialogs.messages.join(u' ')));
        return 1;
    }
    std::printf("added \"%s\" in %lld ms; event loop ran %d times, longest gap %lld ms\n",
                qPrintable(clips.first()), static_cast<long long>(tookMs), turns,
                static_cast<long long>(longestGapMs));
    return 0;
}
