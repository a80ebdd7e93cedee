// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>

// Path helpers of the main window. They work with the platform's folder separator only
// (backslash on Windows, slash elsewhere) and never change anything on disk.
namespace paths {

#ifdef Q_OS_WIN
inline constexpr QChar Separator = u'\\';
#else
inline constexpr QChar Separator = u'/';
#endif

// True when `path`, taken as a file pattern ("*" and "?" in its last part), matches at
// least one ordinary file: not a folder, socket, device or hidden file (a dot file on
// Linux). False for the empty text or a path that cannot be examined.
bool FileExists(const QString& path);
// `path` with one separator added unless it already ends in one.
QString RPP(const QString& path);
// The text after the last separator; the whole path when there is none.
QString GetFileName(const QString& path);

} // namespace paths
