// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The clip editor's time arithmetic: the slider counts whole seconds, and the time labels
// show seconds as a clock.
namespace edittime {

// positionMs / 1000 rounded to the nearest whole second, halves to even (9500 ms gives 10,
// 10500 ms gives 10, 10600 ms gives 11). A negative position gives 0; the result is capped
// at the largest int, which a slider can hold.
int roundedSeconds(std::int64_t positionMs);

// `seconds` past midnight as "hh:mm:ss", hours 00 to 23: the clock wraps after 24 hours.
// A negative count gives "00:00:00".
QString clockText(std::int64_t seconds);

// `seconds` as "m:ss" (minutes unbounded, seconds two digits), as lengths and the list
// player's position are shown. A negative count gives "0:00".
QString minutesText(std::int64_t seconds);

// `ms` to the millisecond as "m:ss.mmm" (minutes unbounded). A negative time gives
// "0:00.000".
QString millisText(std::int64_t ms);
// A typed time back in milliseconds: "m:ss.mmm", "m:ss", "s.mmm" or "s" (blanks around it
// ignored; up to three digits of fraction, seconds under 60 after minutes). Nothing for
// anything else.
std::optional<std::int64_t> parseMillis(const QString& text);

} // namespace edittime
