// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/work_folder.h"

#include <QString>

class AudioEngine;
class Dialogs;
class MediaPlayer;
class Mp3Encoder;

// What the main window is handed at creation: the collaborators it and its pages work with.
// The referenced objects are owned by the caller (main() or a test) and must outlive the
// window. `engine` serves the pages (decoding, recording); the two players may run on an
// engine of their own.
struct AppContext {
    AudioEngine& engine;
    MediaPlayer& MMCEdit;     // the clip editor's player
    MediaPlayer& MMCPlayList; // the list player
    Mp3Encoder& Mp3Enc1;
    Dialogs& dialogs;
    QString appFolder; // the executable's folder; "config.ini" lives here when it can
                       // (Settings::locateFile)
    WorkFolder workFolder;
};
