// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/write_fully.h"
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/encoding.h"
#include "cli/scratch_folder.h"
#include "waveform/peaks.h"
#include "waveform/waveform_drawing.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <algorithm>
#include <optional>

namespace cli {

namespace {

const char* const Help = QT_TRANSLATE_NOOP(
    "cli", R"(usage: tunecarver-cli waveform IN OUT [--samples-per-pixel N | --width W]
                                [--from MS --to MS] [--height H]

Writes the outline of IN's sound (any file the program reads) as the editor draws it:
per pixel column and channel the lowest and the highest sample. OUT ending in .json gets
the JSON layout browser waveform players read (version 2, channels, sample_rate,
samples_per_pixel, bits 16, length, data as min/max pairs, channels interleaved); OUT
ending in .png gets a picture H pixels high (default 120). N frames make one column
(default 256), or the stretch is spread over W columns. --from and --to (milliseconds)
limit the stretch. OUT is replaced only when it was written whole.)");

} // namespace

int runWaveform(QStringList args) {
    CommandLine line(QStringLiteral("waveform"), Help, {},
                     {QStringLiteral("samples-per-pixel"), QStringLiteral("width"),
                      QStringLiteral("height"), QStringLiteral("from"), QStringLiteral("to")});
    if (const auto done = line.parse(args))
        return *done;
    args = line.positional();
    const QString command = QStringLiteral("waveform");
    const auto perPixelText = line.value(QStringLiteral("samples-per-pixel"));
    const auto widthText = line.value(QStringLiteral("width"));
    const auto heightText = line.value(QStringLiteral("height"));
    const auto fromText = line.value(QStringLiteral("from"));
    const auto toText = line.value(QStringLiteral("to"));
    if (args.size() != 2)
        return usage(command, QCoreApplication::translate("cli", "needs IN and OUT"));
    const QString input = args.at(0);
    const QString output = args.at(1);
    const bool png = output.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    if (!png && !output.endsWith(QLatin1String(".json"), Qt::CaseInsensitive))
        return usage(command, QCoreApplication::translate("cli", "OUT must end in .json or .png"));
    if (perPixelText && widthText)
        return usage(command, QCoreApplication::translate(
                                  "cli", "give --samples-per-pixel or --width, not both"));
    const auto number = [](const std::optional<QString>& text, qint64 otherwise) {
        return text ? parseNonNegative(*text) : std::optional<qint64>(otherwise);
    };
    const auto perPixel = number(perPixelText, Peaks::FineBlock);
    const auto width = number(widthText, 0);
    const auto height = number(heightText, 120);
    const auto fromMs = number(fromText, 0);
    const auto toMs = number(toText, -1);
    if (!perPixel || *perPixel < 1 || !width || !height || !fromMs || (toText && !toMs))
        return usage(command,
                     QCoreApplication::translate("cli", "the options take whole positive numbers"));
    // A picture's sides are at most what an image can have.
    constexpr qint64 MaxSide = 32767;
    if ((widthText && (*width < 1 || *width > MaxSide)) || *height < 1 || *height > MaxSide)
        return usage(
            command,
            QCoreApplication::translate("cli", "--width and --height take 1 to %1").arg(MaxSide));

    // A clip file's samples are read where they are; anything else is decoded into one.
    std::optional<ScratchFolder> scratch;
    QString wav = input;
    if (!readClipWavInfo(input)) {
        scratch.emplace(QDir::tempPath(), QStringLiteral("tunecarver-waveform-"));
        if (!scratch->isValid())
            return fail(QCoreApplication::translate("cli", "no scratch folder can be made (%1)")
                            .arg(scratch->errorString()));
        wav = scratch->filePath(QStringLiteral("sound.wav"));
        if (const int decoded = decodeToWav(input, wav); decoded != Success)
            return decoded;
    }
    const Result<WavInfo> info = readWavInfo(wav);
    if (!info)
        return fail(info.status());

    const int rate = info->format.sampleRateHz;
    const qint64 frames = info->dataBytes / std::max(1, info->format.blockAlign());
    // Checked in milliseconds first, so that the frames below cannot pass 64 bits.
    const qint64 lengthMs = frames * 1000 / std::max(1, rate);
    if (*fromMs > lengthMs || *toMs > lengthMs)
        return usage(command, QCoreApplication::translate(
                                  "cli", "--from and --to must be within the sound (%1 ms)")
                                  .arg(lengthMs));
    const qint64 first = std::min(frames, *fromMs * rate / 1000);
    const qint64 last = *toMs >= 0 ? std::min(frames, *toMs * rate / 1000) : frames;
    if (last <= first)
        return usage(command, QCoreApplication::translate(
                                  "cli", "--from must come before --to, within the sound"));
    const qint64 count = last - first;
    const qint64 framesPerColumn =
        *width > 0 ? std::max<qint64>(1, (count + *width - 1) / *width) : *perPixel;
    Peaks peaks(info->format, count, int(std::min<qint64>(framesPerColumn, 1 << 30)),
                int(std::min<qint64>(framesPerColumn, 1 << 30)));
    const std::atomic<bool> never{false};
    if (Status filled = peaks::fill(wav, peaks, never, first); !filled)
        return fail(filled);

    QByteArray bytes;
    if (png) {
        const int columns = int(*width > 0 ? *width : peaks.fine().blocks());
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!waveform::picture(peaks, columns, int(*height)).save(&buffer, "PNG"))
            return fail(
                QCoreApplication::translate("cli", "%1: the picture cannot be made").arg(output));
    } else {
        bytes = waveform::json(peaks);
    }
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly))
        return fail(writeFailure(output, file));
    if (Status written = writeFully(file, bytes.constData(), bytes.size()); !written)
        return fail(written);
    if (!file.commit())
        return fail(writeFailure(output, file));
    return Success;
}

} // namespace cli
