// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/suggestions.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>

namespace analysis {

namespace {

// A window counts as near the song's loud part when its loudness is within this of it.
constexpr double LoudEnoughDb = 6.0;
// The loud part: the loudness that this share of the song's moments stay under.
constexpr double LoudPartQuantile = 0.9;

double energyOf(float lufs) {
    return lufs <= QuietLufs ? 0.0 : std::pow(10.0, (double(lufs) + 0.691) / 10.0);
}

double lufsOf(double energy) {
    return energy > 0 ? std::max(double(QuietLufs), -0.691 + 10.0 * std::log10(energy))
                      : double(QuietLufs);
}

class Planner {
public:
    Planner(const MusicAnalysis& a, double lengthS) : m_a(a), m_length(lengthS) {
        m_prefix.assign(a.loudness.size() + 1, 0.0);
        for (std::size_t i = 0; i < a.loudness.size(); ++i)
            m_prefix[i + 1] = m_prefix[i] + energyOf(a.loudness[i]);
        std::vector<float> sorted = a.loudness;
        std::sort(sorted.begin(), sorted.end());
        m_loudPart = sorted.empty()
                         ? double(QuietLufs)
                         : sorted[std::min(sorted.size() - 1,
                                           std::size_t(LoudPartQuantile * double(sorted.size())))];
        std::vector<double> windows;
        for (double t = 0; t + lengthS <= a.durationS + 1e-6; t += LoudnessStepS)
            windows.push_back(loudness(t));
        if (!windows.empty()) {
            std::nth_element(windows.begin(), windows.begin() + std::ptrdiff_t(windows.size() / 2),
                             windows.end());
            m_medianWindow = windows[windows.size() / 2];
        }
    }

    // The mean loudness of [start, start + length).
    double loudness(double start) const {
        if (m_a.loudness.empty())
            return QuietLufs;
        const auto index = [&](double t) {
            return std::clamp<long>(std::lround(t / LoudnessStepS), 0, long(m_a.loudness.size()));
        };
        const long from = index(start);
        const long to = std::max(from + 1, index(start + m_length));
        const long end = std::min(to, long(m_a.loudness.size()));
        if (end <= from)
            return QuietLufs;
        return lufsOf((m_prefix[std::size_t(end)] - m_prefix[std::size_t(from)]) /
                      double(end - from));
    }
    // Near the song's loud part, and louder than most windows of its length.
    bool loudEnough(double start) const {
        const double level = loudness(start);
        return level >= m_loudPart - LoudEnoughDb && level >= m_medianWindow;
    }

    // A start that keeps the whole window inside the sound: `start`, or the latest bar line
    // (the latest step without a grid) from which the window still fits.
    double fitting(double start) const {
        const double latest = m_a.durationS - m_length;
        if (start <= latest + 1e-6)
            return start;
        if (m_a.hasGrid()) {
            double best = m_a.bars.front();
            for (double bar : m_a.bars)
                if (bar <= latest + 1e-6)
                    best = bar;
            return best;
        }
        return std::max(0.0, latest);
    }

    // Window starts worth a look when nothing else speaks: every bar line, or every loudness
    // step without a grid, loudest first.
    std::vector<double> loudestStarts() const {
        std::vector<double> starts;
        if (m_a.hasGrid()) {
            for (double bar : m_a.bars)
                if (bar + m_length <= m_a.durationS + 1e-6)
                    starts.push_back(bar);
            if (starts.empty())
                starts.push_back(m_a.bars.front());
        } else {
            for (double t = 0; t + m_length <= m_a.durationS + 1e-6; t += LoudnessStepS)
                starts.push_back(t);
        }
        std::stable_sort(starts.begin(), starts.end(),
                         [&](double x, double y) { return loudness(x) > loudness(y); });
        return starts;
    }

    // Where a window from `start` ends: on a grid, the last bar line (or the end of the
    // sound) that keeps it within the length; the length itself without one.
    double endFrom(double start) const {
        const double limit = std::min(m_a.durationS, start + m_length);
        if (!m_a.hasGrid())
            return limit;
        double end = limit + 1e-6 >= m_a.durationS ? m_a.durationS : start;
        for (double bar : m_a.bars)
            if (bar > start + 1e-6 && bar <= limit + 1e-6)
                end = std::max(end, bar);
        return end > start + 1e-6 ? end : limit;
    }

    // `anyLoudness`: the window may come first however quiet it is (the loudest stretches
    // are); other music comes first only when near the song's loud part.
    bool take(double start, const QString& reason, std::vector<Suggestion>& into,
              bool anyLoudness = false) const {
        if (into.size() >= std::size_t(MaxSuggestions) ||
            (into.empty() && !anyLoudness && !loudEnough(start)))
            return false;
        const double end = endFrom(start);
        for (const Suggestion& s : into) {
            // Other music: no more than a moment shared with one already taken.
            const double overlap = std::min(s.end, end) - std::max(s.start, start);
            if (overlap > MaxSharedSeconds)
                return false;
        }
        into.push_back({start, end, reason});
        return true;
    }

    QString barText(double t) const {
        return m_a.hasGrid() ? QCoreApplication::translate("MusicAnalysis", "starts at bar %1")
                                   .arg(m_a.barNumberAt(t))
                             : QCoreApplication::translate("MusicAnalysis", "starts at %1 s")
                                   .arg(t, 0, 'f', 1);
    }

    const MusicAnalysis& m_a;
    double m_length;
    std::vector<double> m_prefix;
    double m_loudPart;
    double m_medianWindow = QuietLufs;
};

QString ordinal(int n) {
    switch (n) {
    case 1:
        return QCoreApplication::translate("MusicAnalysis", "1st");
    case 2:
        return QCoreApplication::translate("MusicAnalysis", "2nd");
    case 3:
        return QCoreApplication::translate("MusicAnalysis", "3rd");
    default:
        return QCoreApplication::translate("MusicAnalysis", "%1th").arg(n);
    }
}

// The sections of `label`, with the bar their window starts on.
std::vector<Section> occurrencesOf(const MusicAnalysis& a, const QString& label) {
    std::vector<Section> found;
    for (const Section& s : a.sections)
        if (s.label == label) {
            Section on = s;
            if (a.hasGrid() && on.start < a.bars.front())
                on.start = a.bars.front();
            found.push_back(on);
        }
    return found;
}

} // namespace

std::vector<Suggestion> suggest(const MusicAnalysis& a, double lengthS) {
    std::vector<Suggestion> result;
    if (a.durationS <= 0 || lengthS <= 0)
        return result;
    if (a.durationS <= lengthS) {
        result.push_back({0, a.durationS,
                          QCoreApplication::translate("MusicAnalysis",
                                                      "the whole clip: it is no longer than %1 s")
                              .arg(lengthS, 0, 'g', 3)});
        return result;
    }
    const Planner plan(a, lengthS);

    if (!a.hasGrid()) {
        const QString why =
            a.noGridReason.isEmpty()
                ? QCoreApplication::translate("MusicAnalysis", "no beat found")
                : QCoreApplication::translate("MusicAnalysis", a.noGridReason.toUtf8().constData());
        for (double start : plan.loudestStarts())
            plan.take(
                start,
                QCoreApplication::translate("MusicAnalysis", "only the loudest stretch (%1), %2")
                    .arg(why, plan.barText(start)),
                result, true);
        return result;
    }

    if (!a.chorusLabel.isEmpty()) {
        const std::vector<Section> chorus = occurrencesOf(a, a.chorusLabel);
        const int heard = int(chorus.size());
        // A full occurrence is about as long as the chorus usually is (a section the segmenter
        // ran into the next one is longer, a cut one shorter).
        std::vector<double> lengths;
        for (const Section& s : chorus)
            lengths.push_back(s.end - s.start);
        std::sort(lengths.begin(), lengths.end());
        const double usual = std::min(lengthS, lengths[lengths.size() / 2]);
        // The occurrences in order, the full and loud ones before the rest: the first of them
        // goes first.
        std::vector<int> order;
        for (int pass = 0; pass < 2; ++pass)
            for (int i = 0; i < heard; ++i) {
                const Section& s = chorus[std::size_t(i)];
                const bool full = s.end - s.start >= 0.75 * usual;
                const bool good = full && plan.loudEnough(plan.fitting(s.start));
                if ((pass == 0) == good)
                    order.push_back(i);
            }
        const auto takeChorus = [&](int i) {
            const double start = plan.fitting(chorus[std::size_t(i)].start);
            const QString reason =
                result.empty()
                    ? QCoreApplication::translate("MusicAnalysis", "chorus, heard %1 times, %2")
                          .arg(heard)
                          .arg(plan.barText(start))
                    : QCoreApplication::translate("MusicAnalysis", "chorus again (%1 of %2), %3")
                          .arg(ordinal(i + 1))
                          .arg(heard)
                          .arg(plan.barText(start));
            plan.take(start, reason, result);
        };
        for (std::size_t k = 0; k < order.size() && result.empty(); ++k)
            takeChorus(order[k]);
        // Then other music: the first time of each other part that comes back, and only
        // after those the chorus again.
        for (const Section& s : a.sections) {
            if (s.label == a.chorusLabel || a.occurrences(s.label) < 2)
                continue;
            const std::vector<Section> same = occurrencesOf(a, s.label);
            if (same.front().start != std::max(s.start, a.bars.front()))
                continue;
            const double start = plan.fitting(same.front().start);
            plan.take(start,
                      QCoreApplication::translate("MusicAnalysis", "part %1, heard %2 times, %3")
                          .arg(s.label)
                          .arg(same.size())
                          .arg(plan.barText(start)),
                      result);
        }
        for (int i : order)
            takeChorus(i);
    }
    const QString loudest =
        a.chorusLabel.isEmpty()
            ? QCoreApplication::translate("MusicAnalysis",
                                          "no part repeats: the loudest stretch, %1")
            : QCoreApplication::translate("MusicAnalysis", "the loudest stretch, %1");
    for (double start : plan.loudestStarts())
        plan.take(start, loudest.arg(plan.barText(start)), result, true);
    return result;
}

} // namespace analysis
