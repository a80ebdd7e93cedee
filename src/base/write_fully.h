// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"

#include <QString>
#include <QtGlobal>

class QFileDevice;

// The writers' shared ways to write a file and to say why writing it failed.

// Writes all `size` bytes, looping over partial writes. A write that meets a full disk first
// reports the part that fit and only the next one fails and sets the file's reason, so a
// single write() would miss that reason. On the first failed write returns writeFailure().
Status writeFully(QFileDevice& file, const void* data, qint64 size);

// Create, "<file>: cannot be written (<why>).", naming the file as it was asked for (the
// target of a QSaveFile, not its temporary file). Why is "the disk is full" when the file
// system has no room left, else the file's own reason. Call it right after the open, write or
// commit that failed: it also looks at errno, which the next call may change.
Status writeFailure(const QFileDevice& file);
Status writeFailure(const QString& path, const QFileDevice& file);

// The file that replacing `path` must write: `path` itself, or when it is a symbolic link the
// file at the end of its chain of links (which need not exist yet), so that the link stays a
// link. QSaveFile resolves a target the same way.
QString linkTarget(const QString& path);
