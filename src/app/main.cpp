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
#include "shell/start_plan.h"

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
    const WorkFolder usualFolder(WorkFolder::defaultPath());
    usualFolder.create();
    const QStringList files = QCoreApplication::arguments().mid(1);
    SingleInstance instance(usualFolder);
    const StartPlan plan = planStart(instance, usualFolder, files);
    if (!plan.openWindow) {
        if (!plan.notice.isEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(plan.notice));
        return plan.exitCode;
    }

    PulseEngine engine;
    PulseEngine playerEngine;
    MediaPlayer editPlayer(playerEngine);
    MediaPlayer listPlayer(playerEngine);
    Mp3Encoder encoder;
    QtDialogs dialogs;
    QtRingtonePrompt ringtonePrompt(&playerEngine);

    Frmmain window(AppContext{engine, editPlayer, listPlayer, encoder, dialogs,
                              QCoreApplication::applicationDirPath(), plan.workFolder},
                   ringtonePrompt);
    QObject::connect(&instance, &SingleInstance::filesHandedOver, &window, &Frmmain::addFiles);
    window.show();
    window.activateWindow();
    window.raise();
    if (!plan.notice.isEmpty())
        dialogs.message(&window, plan.notice, QLatin1String(appinfo::Title),
                        Dialogs::Icon::Information);
    if (!files.isEmpty())
        window.addFiles(files);
    const int status = QApplication::exec();
    // The exit sequence has emptied it; a folder of this window's own goes with the window.
    if (plan.spareFolder)
        QDir().rmdir(plan.workFolder.path());
    return status;
}
