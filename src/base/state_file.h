// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"

#include <QString>
#include <QVariantMap>

// "state.ini" (the window's size and place, the choices made in passing) as QSettings reads
// and writes INI files, without QSettings ever opening the file itself: it would follow a
// link planted there, wait for ever on a FIFO and read a device without end. The file is
// read through nofollow::openPlainFile with a size cap, QSettings parses a private copy, and
// what it writes replaces the file only while that is a plain file (or missing).
namespace statefile {

// Far more than the few lines the program writes.
constexpr qint64 MaxBytes = 256 * 1024;

// Every key and value in `path`; empty when it is missing, not a plain file, or too big.
QVariantMap read(const QString& path);
// Writes the values of `path` with `changes` set over them (its folder is made when
// missing). Refused (NotFile) when `path` is a link, a pipe, a device or a folder.
Status update(const QString& path, const QVariantMap& changes);

} // namespace statefile
