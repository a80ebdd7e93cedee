// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/edit_time.h"

#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace edittime {

int roundedSeconds(std::int64_t positionMs) {
    if (positionMs <= 0)
        return 0;
    std::int64_t seconds = positionMs / 1000;
    const std::int64_t rest = positionMs % 1000;
    if (rest > 500 || (rest == 500 && seconds % 2 != 0))
        ++seconds;
    return int(std::min<std::int64_t>(seconds, std::numeric_limits<int>::max()));
}

QString clockText(std::int64_t seconds) {
    constexpr std::int64_t Day = 24 * 60 * 60;
    const std::int64_t time = std::max<std::int64_t>(0, seconds) % Day;
    return QStringLiteral("%1:%2:%3")
        .arg(time / 3600, 2, 10, QLatin1Char('0'))
        .arg(time / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(time % 60, 2, 10, QLatin1Char('0'));
}

QString minutesText(std::int64_t seconds) {
    const std::int64_t time = std::max<std::int64_t>(0, seconds);
    return QStringLiteral("%1:%2").arg(time / 60).arg(time % 60, 2, 10, QLatin1Char('0'));
}

QString millisText(std::int64_t ms) {
    const std::int64_t time = std::max<std::int64_t>(0, ms);
    return QStringLiteral("%1.%2")
        .arg(minutesText(time / 1000))
        .arg(time % 1000, 3, 10, QLatin1Char('0'));
}

std::optional<std::int64_t> parseMillis(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral(R"(^\s*(?:(\d{1,6}):)?(\d{1,6})(?:\.(\d{1,3}))?\s*$)"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const bool hasMinutes = match.capturedLength(1) > 0;
    const std::int64_t minutes = hasMinutes ? match.captured(1).toLongLong() : 0;
    const std::int64_t seconds = match.captured(2).toLongLong();
    if (hasMinutes && (seconds >= 60 || match.capturedLength(2) != 2))
        return std::nullopt;
    const QString fraction = match.captured(3).leftJustified(3, QLatin1Char('0'));
    return (minutes * 60 + seconds) * 1000 + fraction.toLongLong();
}

} // namespace edittime
