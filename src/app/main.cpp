// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/media_player.h"
#include "audio/pulse/pulse_engine.h"
#include "base/app_info.h"
#include "base/work_folder.h"
#include "cliplist/ui/ringtone_dialog.h"
#include "codec/mp3_encoder.h"
#include "pagekit/app_context.h"
#include "pagekit/qt_dialogs.h"
#include "shell/main_window.h"
#include "shell/single_instance.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

// Threads: everything here lives on the GUI thread. The sound server's thread calls only
// the capture callback of a recording, which appends to the take and touches nothing else;
// the take is read on the GUI thread only after the capture has stopped. The MP3 encoder
// works on a thread of its own and reports through a queued signal. Every other result
// reaches the pages as a signal on the GUI thread.
//
// The pages' engine is started and released by the pages and the page switch; the two
// players have an engine of their own, so that releasing the pages' engine leaves a clip
// open in the editor.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1String(appinfo::Title));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(appinfo::VersionMajor)
                                            .arg(appinfo::VersionMinor)
                                            .arg(appinfo::VersionRevision));

    // One instance per work folder: a second start hands its files to the first and ends.
    const WorkFolder workFolder(WorkFolder::defaultPath());
    QDir().mkpath(workFolder.path());
    const QStringList files = QCoreApplication::arguments().mid(1);
    SingleInstance instance(workFolder.lockFile());
    switch (instance.start()) {
    case SingleInstance::Role::First:
        break;
    case SingleInstance::Role::Second:
        if (instance.handOver(files))
            return 0;
        std::fprintf(stderr, "%s is running but does not answer.\n", appinfo::Title);
        return 1;
    case SingleInstance::Role::NoFolder:
        // Without the lock the program still runs, as it does without a work folder.
        break;
    }

    PulseEngine engine;
    PulseEngine playerEngine;
    MediaPlayer editPlayer(playerEngine);
    MediaPlayer listPlayer(playerEngine);
    Mp3Encoder encoder;
    QtDialogs dialogs;
    QtRingtonePrompt ringtonePrompt(&playerEngine);

    Frmmain window(AppContext{engine, editPlayer, listPlayer, encoder, dialogs,
                              QCoreApplication::applicationDirPath(), workFolder},
                   ringtonePrompt);
    QObject::connect(&instance, &SingleInstance::filesHandedOver, &window, &Frmmain::addFiles);
    window.show();
    window.activateWindow();
    window.raise();
    if (!files.isEmpty())
        window.addFiles(files);
    return QApplication::exec();
}
