// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// How clips are named. A clip is a list entry whose text is its clip name; its clip file is
// the work folder's clip name + ".wav" (WorkFolder::clipFile).
namespace clipnames {

// The clip name of a chosen file: its file name (paths::GetFileName) without its last
// extension, nothing else changed ("/music/Tune.live.mp3" gives "Tune.live", "Forest
// Walk.flac" gives "Forest Walk"). A name without a dot stays whole; ".mp3" alone gives the
// empty name.
QString clipNameOf(const QString& path);

// `wanted` itself when no entry of `taken` uses it and its clip file is not one of the work
// folder's own files (WorkFolder::ownFileNames); otherwise the first free of
// wanted + " (2)", " (3)", ... so that no two entries ever share a clip file. Names are
// compared as the platform's file system compares file names.
QString uniqueClipName(const QString& wanted, const QStringList& taken);

} // namespace clipnames
