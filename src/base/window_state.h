// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>

// How the main window was left: its size, place and maximised state (as QWidget's
// saveGeometry() gives them) and whether the user fixed it at its classic size. Kept between
// runs in "state.ini" (an INI file through QSettings), beside "config.ini", which keeps its
// two lines. Not thread-safe; used on the GUI thread.
struct WindowState {
    QByteArray geometry; // empty: never saved, the window opens at its classic size
    bool fixedSize = false;

    // "state.ini" in the folder of `configFile` (Settings::locateFile()).
    static QString pathBeside(const QString& configFile);
    // The state in `path`; a missing or unreadable file gives the first start's state.
    static WindowState read(const QString& path);
    // Writes `path` whole (QSettings writes a temporary file and renames it), making its
    // folder first when missing; a failure names the file.
    Status write(const QString& path) const;
    // Where a window saved at `window` goes on the screens there are now (their available
    // areas, the primary first): on the screen it overlaps most (else the primary), no larger
    // than that screen and wholly on it, so that its title bar can be reached. A saved state
    // is not trusted to fit: the screens may have changed, or the file may say anything.
    static QRect placedOnScreens(const QRect& window, const QList<QRect>& screens);
};
