// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/media_player.h"
#include "audio/pulse/pulse_engine.h"
#include "base/app_info.h"
#include "base/choices.h"
#include "base/language.h"
#include "base/settings.h"
#include "base/work_folder.h"
#include "cliplist/ui/ringtone_dialog.h"
#include "codec/mp3_encoder.h"
#include "pagekit/app_context.h"
#include "pagekit/qt_dialogs.h"
#include "phone/kde_connect.h"
#include "phone/mtp_device.h"
#include "phone/phone_link.h"
#include "shell/main_window.h"
#include "shell/single_instance.h"
#include "shell/start_plan.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <memory>

// Threads, for the whole program:
//
// - The GUI thread owns everything made here and everything the window makes: the pages and
//   their widgets, the clip list and its history, the edit session, the settings, the busy
//   gate, the players and every BackgroundJob. Nothing else touches them.
// - Long work (bringing a file into the list, a crop, a list join, an effect, a clean-up,
//   writing a take, peaks, analyses, encoder jobs, a phone transfer) runs on a BackgroundJob:
//   started and cancelled on the GUI thread only (it stops the program if called from
//   another), given its inputs as values, touching no widget and no shared state; its
//   result and its progress come back queued, on the GUI thread, and a cancelled job's never
//   come. While it runs it may hold the window (the busy gate's scope is its JobScope). Work
//   that splits itself further (the loudness meter's true peak, an analysis decoding ahead)
//   joins its own threads before it returns.
// - libpulse's main-loop thread runs the capture callback (TakeRecorder::OnCapturedBlock with
//   the level meter and the pre-roll ring): it writes the take's block, the ring and the
//   meter's atomics and nothing else, without locks and, but for the block's growth, without
//   allocating. The GUI reads the take only after stopCapture() has returned. The same thread
//   refills the output streams from sound read ahead off it. Everything the engine reports
//   reaches the GUI thread as a queued signal.
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

    // The language chosen on the Setting page, else the user's locale's.
    const QString configFile = Settings::locateFile(QCoreApplication::applicationDirPath());
    language::install(Choices(Choices::fileBeside(configFile))
                          .text(QLatin1String(language::ChoiceKey), QString()),
                      {QStringLiteral("tunecarver")});

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
    const std::unique_ptr<MtpBus> usb = makeLibmtpBus();
    const KdeConnect kdeConnect;
    PhoneLink phones(*usb, kdeConnect);
    QtRingtonePrompt ringtonePrompt(&playerEngine, &phones);

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
