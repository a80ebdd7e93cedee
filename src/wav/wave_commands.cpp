// SPDX-License-Identifier: GPL-3.0-or-later
#include "wav/wave_commands.h"

#include "base/write_fully.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <limits>
#include <optional>

namespace {

using Ranges = std::vector<std::pair<ByteCount, ByteCount>>;

// Large enough that a save runs at the speed of the disk, small enough to stay bounded.
constexpr qint64 CopyBlockBytes = 1 << 20;

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

std::optional<QStringList> splitWords(const QString& text) {
    QStringList words;
    const qsizetype n = text.size();
    qsizetype i = 0;
    for (;;) {
        while (i < n && isBlank(text[i]))
            ++i;
        if (i == n)
            return words;
        QString word;
        if (text[i] == u'"') {
            for (++i;; ++i) {
                if (i == n)
                    return std::nullopt;
                if (text[i] == u'"')
                    break;
                if (text[i] == u'\\' && i + 1 < n && (text[i + 1] == u'"' || text[i + 1] == u'\\'))
                    ++i;
                word += text[i];
            }
            ++i;
            if (i < n && !isBlank(text[i]))
                return std::nullopt;
        } else {
            const qsizetype start = i;
            while (i < n && !isBlank(text[i])) {
                if (text[i] == u'"')
                    return std::nullopt;
                ++i;
            }
            word = text.mid(start, i - start);
        }
        words << word;
    }
}

bool is(const QString& word, const char* keyword) {
    return word.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

std::optional<std::uint64_t> parseMs(const QString& word) {
    if (word.isEmpty())
        return std::nullopt;
    for (QChar c : word) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    bool ok = false;
    const qulonglong value = word.toULongLong(&ok);
    if (!ok || value > qulonglong(std::numeric_limits<std::int64_t>::max()))
        return std::nullopt;
    return value;
}

ByteCount totalBytes(const Ranges& ranges) {
    ByteCount total = 0;
    for (const auto& [begin, end] : ranges)
        total += end - begin;
    return total;
}

// Removes the bytes [cutBegin, cutEnd) of the sound the ranges make up, in play order.
Ranges cut(const Ranges& ranges, ByteCount cutBegin, ByteCount cutEnd) {
    Ranges kept;
    ByteCount at = 0;
    for (const auto& [begin, end] : ranges) {
        const ByteCount next = at + (end - begin);
        if (at < cutBegin)
            kept.emplace_back(begin, begin + std::min(end - begin, cutBegin - at));
        if (next > cutEnd)
            kept.emplace_back(begin + std::max<ByteCount>(0, cutEnd - at), end);
        at = next;
    }
    Ranges merged;
    for (const auto& range : kept) {
        if (range.first == range.second)
            continue;
        if (!merged.empty() && merged.back().second == range.first)
            merged.back().second = range.second;
        else
            merged.push_back(range);
    }
    return merged;
}

Status syntaxError(const QString& command, const QString& why) {
    return {ErrorCode::IllegalParam,
            QCoreApplication::translate("Wav", "Bad command \"%1\": %2.").arg(command, why)};
}

} // namespace

// Nearest frame, halves up. A position at or past the sound's length in whole milliseconds
// (what a player reports as the length, rounded down) is the end: otherwise the part of a
// millisecond after it would survive a cut "to the end". Once ms / 1000 reaches the frame
// count the position is past the end whatever the rate, which also keeps the products below
// within 64 bits.
ByteCount WaveCommands::frameAt(std::uint64_t ms, int rateHz, ByteCount frames) {
    const auto total = std::uint64_t(frames);
    if (ms / 1000 >= total)
        return frames;
    const auto rate = std::uint64_t(rateHz);
    if (ms >= total * 1000 / rate)
        return frames;
    const std::uint64_t frame = ms / 1000 * rate + (ms % 1000 * rate + 500) / 1000;
    return ByteCount(std::min(frame, total));
}

QString WaveCommands::quoted(const QString& path) {
    const bool plain = !path.isEmpty() && std::none_of(path.begin(), path.end(), [](QChar c) {
        return isBlank(c) || c == u'"' || c == u'\\' || c.unicode() < 0x20;
    });
    if (plain)
        return path;
    QString word = QStringLiteral("\"");
    for (QChar c : path) {
        if (c == u'"' || c == u'\\')
            word += u'\\';
        word += c;
    }
    return word + u'"';
}

Status WaveCommands::send(const QString& command) {
    const auto parsed = splitWords(command);
    if (!parsed)
        return syntaxError(command,
                           QCoreApplication::translate("Wav", "unbalanced or misplaced quotes"));
    const QStringList& w = *parsed;
    if (w.isEmpty())
        return syntaxError(command, QCoreApplication::translate("Wav", "no command"));
    if (is(w[0], "open") && w.size() == 6 && is(w[2], "type") && is(w[3], "waveaudio") &&
        is(w[4], "alias"))
        return open(w[1], w[5]);
    if (is(w[0], "delete") && w.size() == 6 && is(w[2], "from") && is(w[4], "to"))
        return erase(w[1], w[3], w[5]);
    if (is(w[0], "save") && w.size() == 3)
        return save(w[1], w[2]);
    if (is(w[0], "close") && w.size() == 2)
        return close(w[1]);
    return syntaxError(command,
                       QCoreApplication::translate("Wav", "unknown command or wrong words"));
}

Status WaveCommands::open(const QString& path, const QString& alias) {
    if (path.isEmpty() || alias.isEmpty())
        return {ErrorCode::IllegalParam,
                QCoreApplication::translate("Wav", "A file and an alias are needed.")};
    if (m_sounds.count(alias.toLower()))
        return {ErrorCode::IllegalParam,
                QCoreApplication::translate("Wav", "Alias %1 is already open.").arg(alias)};
    const auto info = readWavInfo(path);
    if (!info)
        return info.status();
    Sound sound{path, *info, {}};
    if (info->dataBytes > 0)
        sound.kept.emplace_back(0, info->dataBytes);
    m_sounds.emplace(alias.toLower(), std::move(sound));
    return Status::ok();
}

Status WaveCommands::erase(const QString& alias, const QString& from, const QString& to) {
    const auto it = m_sounds.find(alias.toLower());
    if (it == m_sounds.end())
        return {ErrorCode::Handle,
                QCoreApplication::translate("Wav", "No sound is open as %1.").arg(alias)};
    const auto fromMs = parseMs(from);
    const auto toMs = parseMs(to);
    if (!fromMs || !toMs)
        return {ErrorCode::IllegalParam,
                QCoreApplication::translate(
                    "Wav", "Positions \"%1\" and \"%2\" are not whole milliseconds.")
                    .arg(from, to)};
    if (*fromMs > *toMs)
        return {ErrorCode::Position,
                QCoreApplication::translate("Wav", "Position %1 ms is after %2 ms.")
                    .arg(*fromMs)
                    .arg(*toMs)};
    Sound& sound = it->second;
    const int frameBytes = sound.info.format.blockAlign();
    const ByteCount frames = totalBytes(sound.kept) / frameBytes;
    const int rate = sound.info.format.sampleRateHz;
    const ByteCount begin = WaveCommands::frameAt(*fromMs, rate, frames) * frameBytes;
    const ByteCount end = WaveCommands::frameAt(*toMs, rate, frames) * frameBytes;
    if (begin < end)
        sound.kept = cut(sound.kept, begin, end);
    return Status::ok();
}

Status WaveCommands::save(const QString& alias, const QString& path) {
    const auto it = m_sounds.find(alias.toLower());
    if (it == m_sounds.end())
        return {ErrorCode::Handle,
                QCoreApplication::translate("Wav", "No sound is open as %1.").arg(alias)};
    Sound& sound = it->second;
    const WavInfo& info = sound.info;
    const int bits = info.format.bitsPerSample;
    if (info.encoding != WavInfo::Encoding::Pcm || (bits != 8 && bits != 16))
        return {
            ErrorCode::Format,
            (info.encoding == WavInfo::Encoding::Pcm
                 ? QCoreApplication::translate(
                       "Wav", "%1: only 8- or 16-bit PCM sound can be saved, not %2-bit PCM.")
                 : QCoreApplication::translate(
                       "Wav", "%1: only 8- or 16-bit PCM sound can be saved, not %2-bit float."))
                .arg(sound.path, QString::number(bits))};
    const ByteCount dataBytes = totalBytes(sound.kept);
    if (dataBytes > WavHeader::MaxDataBytes)
        return {ErrorCode::TooLarge,
                QCoreApplication::translate("Wav", "%1: the sound is too large for a WAV file.")
                    .arg(path)};

    QFile source(sound.path);
    if (!source.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {ErrorCode::FileOpen,
                QStringLiteral("%1: %2.").arg(sound.path, source.errorString())};
    const auto now = readWavInfo(source);
    if (!now || now->format != info.format || now->dataOffset != info.dataOffset ||
        now->dataBytes != info.dataBytes)
        return {ErrorCode::FileOpen,
                QCoreApplication::translate("Wav", "%1: the file has changed since it was opened.")
                    .arg(sound.path)};

    const QString sourcePath = QFileInfo(sound.path).canonicalFilePath();
    const bool overSource = QFileInfo(path).canonicalFilePath() == sourcePath;

    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return writeFailure(path, target);
    const auto fail = [&](Status failure) {
        target.cancelWriting();
        return failure;
    };
    const auto readFailure = [&](const QString& why) {
        return fail({ErrorCode::FileOpen, QStringLiteral("%1: %2.").arg(sound.path, why)});
    };

    WavHeader header = WavHeader::forFormat(info.format);
    header.setDataSize(dataBytes);
    const auto headerBytes = header.bytes();
    if (Status written = writeFully(target, headerBytes.data(), WavHeader::Size); !written)
        return fail(written);

    QByteArray buffer(CopyBlockBytes, Qt::Uninitialized);
    ByteCount written = 0;
    for (const auto& [begin, end] : sound.kept) {
        if (!source.seek(info.dataOffset + begin))
            return readFailure(source.errorString());
        for (ByteCount left = end - begin; left > 0;) {
            const qint64 want = std::min<qint64>(left, CopyBlockBytes);
            if (source.read(buffer.data(), want) != want)
                return readFailure(QCoreApplication::translate("Wav", "read failed"));
            if (Status wrote = writeFully(target, buffer.constData(), want); !wrote)
                return fail(wrote);
            left -= want;
            written += want;
            if (m_progress && dataBytes > 0)
                m_progress(int(written * 100 / dataBytes));
        }
    }
    source.close();
    if (!target.commit())
        return writeFailure(path, target);

    if (overSource) {
        sound.info.dataOffset = WavHeader::Size;
        sound.info.dataBytes = dataBytes;
        sound.info.canonical = true;
        sound.info.dataClamped = false;
        sound.kept.clear();
        if (dataBytes > 0)
            sound.kept.emplace_back(0, dataBytes);
    }
    return Status::ok();
}

Status WaveCommands::close(const QString& alias) {
    if (m_sounds.erase(alias.toLower()) == 0)
        return {ErrorCode::Handle,
                QCoreApplication::translate("Wav", "No sound is open as %1.").arg(alias)};
    return Status::ok();
}
