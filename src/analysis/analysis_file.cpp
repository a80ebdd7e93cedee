// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/analysis_file.h"

#include "base/write_fully.h"
#include "wav/side_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cmath>

namespace analysis {

namespace {

constexpr int FileVersion = 2;
const char* const Kind = "tunecarver-analysis";
// The analysis of an hour of music is well under a megabyte; a bigger file is none of ours,
// and nothing more than this is read from whatever lies there.
constexpr qint64 MaxFileBytes = 8 * 1024 * 1024;
// Times are kept to the millisecond: that much either side of the clip's ends still fits it.
constexpr double Slack = 0.001;
// No beat tracker hears more than one beat in this much sound (600 beats a minute).
constexpr double MinBeatSpacingS = 0.1;

double rounded(double seconds) {
    return std::round(seconds * 1000.0) / 1000.0;
}

QJsonArray times(const std::vector<double>& values) {
    QJsonArray array;
    for (double v : values)
        array.append(rounded(v));
    return array;
}

QJsonArray levels(const std::vector<float>& values) {
    QJsonArray array;
    for (float v : values)
        array.append(std::round(double(v) * 10.0) / 10.0);
    return array;
}

QJsonArray sectionsJson(const std::vector<Section>& sections) {
    QJsonArray array;
    for (const Section& s : sections)
        array.append(
            QJsonObject{{"start", rounded(s.start)}, {"end", rounded(s.end)}, {"label", s.label}});
    return array;
}

QJsonArray stretchesJson(const std::vector<TempoStretch>& stretches) {
    QJsonArray array;
    for (const TempoStretch& s : stretches)
        array.append(QJsonObject{{"start", rounded(s.start)},
                                 {"end", rounded(s.end)},
                                 {"bpm", std::round(s.bpm * 10.0) / 10.0}});
    return array;
}

// The tempo stretches as they stand (a file without them has none); whether they lie in the
// clip is checked with the other times.
bool readStretches(const QJsonValue& value, std::vector<TempoStretch>& into) {
    if (value.isUndefined())
        return true;
    if (!value.isArray())
        return false;
    for (const QJsonValue& v : value.toArray()) {
        const QJsonObject o = v.toObject();
        into.push_back({o.value("start").toDouble(-1), o.value("end").toDouble(-1),
                        o.value("bpm").toDouble(-1)});
    }
    return true;
}

// Numbers only; whether they are times in the clip is checked once the whole file is read.
bool readTimes(const QJsonValue& value, std::vector<double>& into) {
    if (!value.isArray())
        return false;
    for (const QJsonValue& v : value.toArray()) {
        if (!v.isDouble())
            return false;
        into.push_back(v.toDouble());
    }
    return true;
}

// Rising, and each within the clip.
bool risingInside(const std::vector<double>& times, double durationS) {
    double last = -1;
    for (double t : times) {
        if (!std::isfinite(t) || t <= last || t < 0 || t > durationS + Slack)
            return false;
        last = t;
    }
    return true;
}

bool readLevels(const QJsonValue& value, std::vector<float>& into) {
    if (!value.isArray())
        return false;
    for (const QJsonValue& v : value.toArray()) {
        if (!v.isDouble() || !std::isfinite(v.toDouble()) || v.toDouble() < QuietLufs - 1 ||
            v.toDouble() > 30)
            return false;
        into.push_back(float(v.toDouble()));
    }
    return true;
}

Status damaged(const QString& path, const char* why) {
    return {ErrorCode::FileForm, QStringLiteral("%1: %2.").arg(path, QLatin1String(why))};
}

} // namespace

Status fitsClip(const MusicAnalysis& a, double clipSeconds) {
    const auto wrong = [](const char* why) {
        return Status{ErrorCode::FileForm, QLatin1String(why)};
    };
    if (!std::isfinite(a.durationS) || std::abs(a.durationS - clipSeconds) > Slack)
        return wrong("not as long as the clip");
    const double d = a.durationS;
    if (!risingInside(a.beats, d) || double(a.beats.size()) > d / MinBeatSpacingS + 1)
        return wrong("beats out of order, outside the clip or too many");
    if (!risingInside(a.bars, a.durationS) ||
        !std::includes(a.beats.begin(), a.beats.end(), a.bars.begin(), a.bars.end()))
        return wrong("bars that are not beats");
    if (!std::isfinite(a.tempoBpm) || a.tempoBpm < 0 || a.tempoBpm > 60 / MinBeatSpacingS)
        return wrong("an impossible tempo");
    double stretchEnd = 0;
    for (const TempoStretch& s : a.tempoStretches) {
        if (!(s.start >= stretchEnd - Slack && s.end >= s.start && s.end <= d + Slack &&
              s.bpm > 0 && s.bpm <= 60 / MinBeatSpacingS))
            return wrong("tempo stretches out of order, outside the clip or impossible");
        stretchEnd = s.end;
    }
    if (a.beatLufs.size() != a.beats.size() || double(a.loudness.size()) > d / LoudnessStepS + 2)
        return wrong("loudness that does not fit the clip");
    // The sections follow one another from the start of the clip to its end.
    if (a.sections.empty())
        return wrong("no sections");
    double next = 0;
    bool chorusFound = a.chorusLabel.isEmpty();
    for (const Section& s : a.sections) {
        if (!std::isfinite(s.start) || !std::isfinite(s.end) || std::abs(s.start - next) > Slack ||
            s.end <= s.start || s.label.isEmpty())
            return wrong("sections that do not cover the clip");
        next = s.end;
        chorusFound = chorusFound || s.label == a.chorusLabel;
    }
    if (std::abs(next - d) > Slack)
        return wrong("sections that do not cover the clip");
    if (!chorusFound)
        return wrong("a chorus that is no section");
    return Status::ok();
}

Status save(const ClipRange& range, const MusicAnalysis& analysis) {
    const Result<ClipStamp> stamp = clipStampOf(range);
    if (!stamp)
        return stamp.status();
    const QJsonObject object{
        {"kind", Kind},
        {"version", FileVersion},
        {"clip_bytes", double(stamp->bytes)},
        {"clip_modified_ms", double(stamp->modifiedMs)},
        {"clip_channels", stamp->format.channels},
        {"clip_rate", stamp->format.sampleRateHz},
        {"clip_bits", stamp->format.bitsPerSample},
        {"clip_frames", double(stamp->frames)},
        {"duration", analysis.durationS},
        {"tempo_bpm", std::round(analysis.tempoBpm * 100.0) / 100.0},
        {"tempo_segments", stretchesJson(analysis.tempoStretches)},
        {"beats", times(analysis.beats)},
        {"bars", times(analysis.bars)},
        {"sections", sectionsJson(analysis.sections)},
        {"chorus", analysis.chorusLabel},
        {"beat_lufs", levels(analysis.beatLufs)},
        {"loudness_step", LoudnessStepS},
        {"loudness", levels(analysis.loudness)},
        {"no_grid", analysis.noGridReason},
    };
    const QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Compact);
    return sidefile::write(range, SideKind::Analysis, [&](QFile& file) {
        return writeFully(file, bytes.constData(), bytes.size());
    });
}

Result<MusicAnalysis> read(QIODevice& file, const ClipStamp& clip, const QString& path) {
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes)
        return damaged(path, "too big for an analysis file");
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return damaged(path, "damaged");
    const QJsonObject o = document.object();
    if (o.value("kind").toString() != QLatin1String(Kind) ||
        o.value("version").toInt() != FileVersion)
        return damaged(path, "not an analysis file of this version");
    if (o.value("clip_bytes").toDouble(-2) != double(clip.bytes) ||
        o.value("clip_modified_ms").toDouble(-2) != double(clip.modifiedMs) ||
        o.value("clip_channels").toInt(-2) != clip.format.channels ||
        o.value("clip_rate").toInt(-2) != clip.format.sampleRateHz ||
        o.value("clip_bits").toInt(-2) != clip.format.bitsPerSample ||
        o.value("clip_frames").toDouble(-2) != double(clip.frames))
        return damaged(path, "made from another version of the clip");
    MusicAnalysis a;
    a.durationS = o.value("duration").toDouble(-1);
    a.tempoBpm = o.value("tempo_bpm").toDouble(-1);
    a.chorusLabel = o.value("chorus").toString();
    a.noGridReason = o.value("no_grid").toString();
    if (o.value("loudness_step").toDouble() != LoudnessStepS ||
        !readStretches(o.value("tempo_segments"), a.tempoStretches) ||
        !readTimes(o.value("beats"), a.beats) || !readTimes(o.value("bars"), a.bars) ||
        !readLevels(o.value("beat_lufs"), a.beatLufs) ||
        !readLevels(o.value("loudness"), a.loudness) || !o.value("sections").isArray())
        return damaged(path, "damaged");
    for (const QJsonValue& v : o.value("sections").toArray()) {
        const QJsonObject s = v.toObject();
        a.sections.push_back({s.value("start").toDouble(-1), s.value("end").toDouble(-1),
                              s.value("label").toString()});
    }
    const double clipSeconds =
        clip.format.sampleRateHz > 0 ? double(clip.frames) / clip.format.sampleRateHz : -1;
    if (Status fits = fitsClip(a, clipSeconds); !fits)
        return Status{ErrorCode::FileForm, QStringLiteral("%1: %2.").arg(path, fits.message())};
    return a;
}

Result<MusicAnalysis> load(const ClipRange& range) {
    return sidefile::load(range, SideKind::Analysis, [&](QFile& file, const ClipStamp& clip) {
        return read(file, clip, sidefile::path(range, SideKind::Analysis));
    });
}

void remove(const ClipRange& range) {
    sidefile::remove(range, SideKind::Analysis);
}

QJsonObject toJson(const MusicAnalysis& analysis, const std::vector<Suggestion>& suggestions) {
    QJsonArray proposed;
    for (const Suggestion& s : suggestions)
        proposed.append(QJsonObject{
            {"start", rounded(s.start)}, {"end", rounded(s.end)}, {"reason", s.reason}});
    return QJsonObject{
        {"tempo_bpm", std::round(analysis.tempoBpm * 10.0) / 10.0},
        {"tempo_segments", stretchesJson(analysis.tempoStretches)},
        {"beats", times(analysis.beats)},
        {"bars", times(analysis.bars)},
        {"sections", sectionsJson(analysis.sections)},
        {"suggestions", proposed},
    };
}

} // namespace analysis
