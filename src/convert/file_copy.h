// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audio/status.h"

#include <QString>

// Copies sourcePath to targetPath byte for byte, replacing a file of that name.
//
// The copy is written to a temporary file beside the target and renamed over it only when
// every byte is in place, so a failure leaves an older target as it was and no partial file
// behind. Failures name the file at fault: FileOpen (the source is missing or unreadable),
// NotFile (the source is not a regular file), Create (the target cannot be created, written
// or renamed into place).
//
// Runs on the caller's thread, to its end; memory stays at one block whatever the file size.
Status copyFileReplacing(const QString& sourcePath, const QString& targetPath);
