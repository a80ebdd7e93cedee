// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/clip_names.h"

#include "base/path_helpers.h"
#include "base/work_folder.h"

namespace clipnames {
namespace {

#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
constexpr Qt::CaseSensitivity FileNameCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity FileNameCase = Qt::CaseSensitive;
#endif

bool isFree(const QString& name, const QStringList& taken) {
    return !taken.contains(name, FileNameCase) &&
           !WorkFolder::ownFileNames().contains(name + QStringLiteral(".wav"), FileNameCase);
}

} // namespace

QString clipNameOf(const QString& path) {
    const QString fileName = paths::GetFileName(path);
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot < 0 ? fileName : fileName.left(dot);
}

QString uniqueClipName(const QString& wanted, const QStringList& taken) {
    if (isFree(wanted, taken))
        return wanted;
    for (int number = 2;; ++number) {
        const QString candidate = QStringLiteral("%1 (%2)").arg(wanted).arg(number);
        if (isFree(candidate, taken))
            return candidate;
    }
}

} // namespace clipnames
