// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

#include "wav/clip_range.h"

#include <QHash>

// The bytes of the clip list's journal (ClipListJournal): JSON, {"clips": [names]}, so a
// name may hold any character a file name can, and, for the clips that are a stretch of their
// file, "ranges": {name: [first frame, frames, fade frames]}. A journal without ranges (every
// clip its whole file) reads as before.
namespace journal {

// Stretches by clip name; their file is left empty.
using Stretches = QHash<QString, ClipRange>;

QByteArray bytes(const QStringList& names, const Stretches& stretches = {});

struct Names {
    QStringList names; // in list order, as far as they could be read
    bool whole = true; // false: the file is cut short or damaged past the names above
    // The stretches as written: three whole numbers each, checked against the clip file
    // only where it is restored.
    Stretches stretches;
};
// The names of a journal. A journal that is cut short, holds bytes that are not UTF-8 or is
// otherwise damaged still gives every name that can be read before the damage (and after a
// name that is not UTF-8, which alone is left out), with whole false, and no stretch: those
// clips come back whole rather than cut wrong. Never fails.
Names read(const QByteArray& bytes);

} // namespace journal
