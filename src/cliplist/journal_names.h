// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

// The bytes of the clip list's journal (ClipListJournal): JSON, {"clips": [names]}, so a
// name may hold any character a file name can.
namespace journal {

QByteArray bytes(const QStringList& names);

struct Names {
    QStringList names; // in list order, as far as they could be read
    bool whole = true; // false: the file is cut short or damaged past the names above
};
// The names of a journal. A journal that is cut short, holds bytes that are not UTF-8 or is
// otherwise damaged still gives every name that can be read before the damage (and after a
// name that is not UTF-8, which alone is left out), with whole false. Never fails.
Names read(const QByteArray& bytes);

} // namespace journal
