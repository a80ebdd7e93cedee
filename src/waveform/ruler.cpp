// SPDX-License-Identifier: GPL-3.0-or-later
#include "waveform/ruler.h"

#include <array>
#include <cmath>

namespace ruler {

namespace {

struct Step {
    double ms;
    int minorsPerMajor;
};

// Clock steps from a millisecond to an hour; the minors split each into readable parts.
constexpr std::array ClockSteps{
    Step{1, 5},       Step{2, 4},       Step{5, 5},       Step{10, 5},       Step{20, 4},
    Step{50, 5},      Step{100, 5},     Step{200, 4},     Step{500, 5},      Step{1000, 5},
    Step{2000, 4},    Step{5000, 5},    Step{10000, 5},   Step{15000, 3},    Step{30000, 3},
    Step{60000, 4},   Step{120000, 4},  Step{300000, 5},  Step{600000, 5},   Step{900000, 3},
    Step{1800000, 3}, Step{3600000, 4}, Step{7200000, 4}, Step{18000000, 5},
};

constexpr std::array SampleSteps{Step{1, 1},  Step{2, 2},  Step{5, 5},   Step{10, 5},
                                 Step{20, 4}, Step{50, 5}, Step{100, 5}, Step{200, 4}};

int decimalsOf(double stepMs) {
    if (stepMs >= 1000)
        return 0;
    if (stepMs >= 100)
        return 1;
    if (stepMs >= 10)
        return 2;
    return 3;
}

} // namespace

QString clockLabel(std::int64_t ms, int decimals) {
    const QChar zero(u'0');
    const std::int64_t seconds = ms / 1000;
    const std::int64_t hours = seconds / 3600;
    const std::int64_t minutes = seconds / 60 % 60;
    QString text = hours > 0 ? QStringLiteral("%1:%2:%3")
                                   .arg(hours)
                                   .arg(minutes, 2, 10, zero)
                                   .arg(seconds % 60, 2, 10, zero)
                             : QStringLiteral("%1:%2").arg(minutes).arg(seconds % 60, 2, 10, zero);
    if (decimals > 0) {
        static constexpr int Divisor[] = {1, 100, 10, 1};
        text += u'.' + QStringLiteral("%1").arg(ms % 1000 / Divisor[decimals], decimals, 10, zero);
    }
    return text;
}

Scale ticks(double viewStartMs, double msPerPixel, int widthPx, int sampleRateHz,
            int minLabelGapPx) {
    Scale scale;
    if (msPerPixel <= 0 || widthPx <= 0 || sampleRateHz <= 0)
        return scale;
    const double wantedMs = minLabelGapPx * msPerPixel;
    const double frameMs = 1000.0 / sampleRateHz;
    Step step = ClockSteps.back();
    bool samples = false;
    if (wantedMs < 1) {
        samples = true;
        step = SampleSteps.back();
        for (const Step& s : SampleSteps)
            if (s.ms * frameMs >= wantedMs) {
                step = s;
                break;
            }
        // A step of samples as long as a millisecond or more reads better as clock time.
        samples = step.ms * frameMs < 1;
    }
    if (!samples) {
        for (const Step& s : ClockSteps)
            if (s.ms >= wantedMs) {
                step = s;
                break;
            }
    }
    const double unitMs = samples ? frameMs : 1.0;
    const double minorUnits = step.ms / step.minorsPerMajor;
    scale.samples = samples;
    scale.majorMs = step.ms * unitMs;
    scale.minorMs = minorUnits * unitMs;
    const double endMs = viewStartMs + widthPx * msPerPixel;
    // Ticks are counted in whole minors from the clip's start, so a major tick's time is
    // exact however far into the clip the view is.
    const auto first = std::int64_t(std::ceil(std::max(0.0, viewStartMs) / scale.minorMs - 1e-9));
    const int decimals = decimalsOf(step.ms);
    for (std::int64_t k = first;; ++k) {
        const double ms = double(k) * scale.minorMs;
        if (ms > endMs + 1e-9)
            break;
        Tick tick{ms, k % step.minorsPerMajor == 0, QString()};
        if (tick.major)
            tick.label = samples ? QString::number(std::int64_t(std::llround(k * minorUnits)))
                                 : clockLabel(std::llround(ms), decimals);
        scale.ticks.push_back(std::move(tick));
    }
    return scale;
}

} // namespace ruler
