// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/edit_time.h"

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

} // namespace edittime
