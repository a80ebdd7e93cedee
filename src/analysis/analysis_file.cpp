// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/analysis_file.h"

#include "base/write_fully.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

#include <cmath>

namespace analysis {

namespace {

constexpr int FileVersion = 1;
const char* const Kind = "tunecarver-analysis";

struct Stamp {
    qint64 bytes = -1;
    qint64 modifiedMs = 0;
};

Stamp stampOf(const QString& clipPath) {
    const QFileInfo info(clipPath);
    if (!info.isFile())
        return {};
    return {info.size(), info.lastModified().toMSecsSinceEpoch()};
}

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

// The tempo stretches, in order within [0, limit]; a file without them has none.
bool readStretches(const QJsonValue& value, double limit, std::vector<TempoStretch>& into) {
    if (value.isUndefined())
        return true;
    if (!value.isArray())
        return false;
    double last = 0;
    for (const QJsonValue& v : value.toArray()) {
        const QJsonObject o = v.toObject();
        const TempoStretch s{o.value("start").toDouble(-1), o.value("end").toDouble(-1),
                             o.value("bpm").toDouble(-1)};
        if (!(s.start >= last - 1e-3 && s.end >= s.start && s.end <= limit + 1 && s.bpm > 0 &&
              s.bpm <= 1000))
            return false;
        into.push_back(s);
        last = s.end;
    }
    return true;
}

// Numbers only, ascending, each within [0, limit]; nothing else is a list of times.
bool readTimes(const QJsonValue& value, double limit, std::vector<double>& into) {
    if (!value.isArray())
        return false;
    double last = -1;
    for (const QJsonValue& v : value.toArray()) {
        if (!v.isDouble())
            return false;
        const double t = v.toDouble();
        if (!std::isfinite(t) || t < last || t < 0 || t > limit + 1)
            return false;
        into.push_back(t);
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

QString analysisFilePath(const QString& clipPath) {
    const QFileInfo clip(clipPath);
    return clip.dir().filePath(QStringLiteral("analysis/") + clip.fileName() +
                               QStringLiteral(".analysis.json"));
}

Status save(const QString& clipPath, const MusicAnalysis& analysis) {
    const Stamp stamp = stampOf(clipPath);
    if (stamp.bytes < 0)
        return {ErrorCode::FileOpen, QStringLiteral("%1: no such clip file.").arg(clipPath)};
    const QJsonObject object{
        {"kind", Kind},
        {"version", FileVersion},
        {"clip_bytes", double(stamp.bytes)},
        {"clip_modified_ms", double(stamp.modifiedMs)},
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
    QSaveFile file(analysisFilePath(clipPath));
    QDir().mkpath(QFileInfo(file.fileName()).path());
    if (!file.open(QIODevice::WriteOnly))
        return writeFailure(file.fileName(), file);
    if (Status written = writeFully(file, bytes.constData(), bytes.size()); !written)
        return written;
    if (!file.commit())
        return writeFailure(file.fileName(), file);
    return Status::ok();
}

Result<MusicAnalysis> load(const QString& clipPath) {
    const QString path = analysisFilePath(clipPath);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Status{ErrorCode::FileOpen, QStringLiteral("%1: no analysis file.").arg(path)};
    // An analysis of a long song is some hundred kilobytes; more is no file of ours.
    if (file.size() > 64 * 1024 * 1024)
        return damaged(path, "damaged");
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return damaged(path, "damaged");
    const QJsonObject o = document.object();
    if (o.value("kind").toString() != QLatin1String(Kind) ||
        o.value("version").toInt() != FileVersion)
        return damaged(path, "not an analysis file of this version");
    const Stamp stamp = stampOf(clipPath);
    if (qint64(o.value("clip_bytes").toDouble(-2)) != stamp.bytes ||
        qint64(o.value("clip_modified_ms").toDouble(-2)) != stamp.modifiedMs)
        return damaged(path, "made from another version of the clip");
    MusicAnalysis a;
    a.durationS = o.value("duration").toDouble(-1);
    a.tempoBpm = o.value("tempo_bpm").toDouble(-1);
    a.chorusLabel = o.value("chorus").toString();
    a.noGridReason = o.value("no_grid").toString();
    if (!std::isfinite(a.durationS) || a.durationS < 0 || !std::isfinite(a.tempoBpm) ||
        a.tempoBpm < 0 || a.tempoBpm > 1000 ||
        o.value("loudness_step").toDouble() != LoudnessStepS ||
        !readStretches(o.value("tempo_segments"), a.durationS, a.tempoStretches) ||
        !readTimes(o.value("beats"), a.durationS, a.beats) ||
        !readTimes(o.value("bars"), a.durationS, a.bars) ||
        !readLevels(o.value("beat_lufs"), a.beatLufs) ||
        !readLevels(o.value("loudness"), a.loudness) || a.beatLufs.size() != a.beats.size() ||
        !o.value("sections").isArray())
        return damaged(path, "damaged");
    double last = 0;
    for (const QJsonValue& v : o.value("sections").toArray()) {
        const QJsonObject s = v.toObject();
        const Section section{s.value("start").toDouble(-1), s.value("end").toDouble(-1),
                              s.value("label").toString()};
        if (section.start < last - 1e-3 || section.end < section.start ||
            section.end > a.durationS + 1 || section.label.isEmpty())
            return damaged(path, "damaged");
        a.sections.push_back(section);
        last = section.end;
    }
    return a;
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
