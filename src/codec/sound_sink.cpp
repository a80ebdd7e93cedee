// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/sound_sink.h"

#include "codec/decode_stream.h"
#include "codec/sink_backends.h"
#include "wav/pcm_reader.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <vector>

namespace {

constexpr int BlockFrames = 1152 * 32;
constexpr int MaxSinkChannels = 2;

} // namespace

std::optional<Codec> codecForPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("mp3"))
        return Codec::Mp3;
    if (suffix == QLatin1String("m4r") || suffix == QLatin1String("m4a"))
        return Codec::Aac;
    if (suffix == QLatin1String("ogg"))
        return Codec::Vorbis;
    if (suffix == QLatin1String("opus"))
        return Codec::Opus;
    if (suffix == QLatin1String("flac"))
        return Codec::Flac;
    return std::nullopt;
}

QString codecLabel(Codec codec) {
    switch (codec) {
    case Codec::Mp3:
        return QStringLiteral("MP3");
    case Codec::Aac:
        return QStringLiteral("AAC");
    case Codec::Vorbis:
        return QStringLiteral("Vorbis");
    case Codec::Opus:
        return QStringLiteral("Opus");
    case Codec::Flac:
        return QStringLiteral("FLAC");
    }
    return {};
}

Result<std::unique_ptr<SoundSink>> SoundSink::open(const QString& path, const WavFormat& input,
                                                   const EncodeSettings& settings) {
    if (input.bitsPerSample != 16 || input.channels < 1 || input.channels > MaxSinkChannels ||
        input.sampleRateHz < 1 || input.sampleRateHz > WavFormat::MaxSampleRateHz)
        return Status{ErrorCode::IllegalParam,
                      QCoreApplication::translate(
                          "Codec", "%1: the %2 encoder takes 16-bit sound of one or two "
                                   "channels, not %3-bit with %4.")
                          .arg(path, codecLabel(settings.codec))
                          .arg(input.bitsPerSample)
                          .arg(input.channels)};
    if (settings.codec == Codec::Mp3)
        return openLameSink(path, input, settings);
    return openFfmpegSink(path, input, settings);
}

Status pumpToSink(DecodeStream& input, SoundSink& sink, std::int64_t maxFrames,
                  const ShapeFn& shape, const PercentFn& progress, const std::atomic<bool>* abort) {
    const int channels = input.channels();
    const int blockAlign = input.outputFormat().blockAlign();
    const bool eightBit = input.isEightBit();
    std::vector<std::int16_t> pcm(std::size_t(BlockFrames) * channels);
    std::vector<std::uint8_t> bytes(eightBit ? pcm.size() : 0);
    const ByteCount length = maxFrames >= 0 ? maxFrames * blockAlign : input.lengthBytes();
    std::int64_t done = 0;
    int percent = -1;
    while (input.isActive() && (maxFrames < 0 || done < maxFrames)) {
        if (abort && *abort)
            return {ErrorCode::Ended,
                    QCoreApplication::translate("Codec", "encoding was stopped.")};
        std::int64_t want = BlockFrames;
        if (maxFrames >= 0)
            want = std::min(want, maxFrames - done);
        void* target = eightBit ? static_cast<void*>(bytes.data()) : pcm.data();
        const auto got = input.getData(target, ByteCount(want) * blockAlign);
        if (!got)
            return got.status();
        const int frames = int(*got / blockAlign);
        if (frames == 0)
            continue;
        if (eightBit)
            widenEightBit(bytes.data(), pcm.data(), std::size_t(frames) * channels);
        if (shape)
            shape(pcm.data(), frames, done);
        if (Status written = sink.write(pcm.data(), frames); !written)
            return written;
        done += frames;
        if (progress && length > 0) {
            const int now = int(std::min<ByteCount>(100, done * blockAlign * 100 / length));
            if (now != percent)
                progress(percent = now);
        }
    }
    return sink.finish();
}

Status encodeFile(const QString& input, const QString& output, const EncodeSettings& settings,
                  const PercentFn& progress, const std::atomic<bool>* abort) {
    auto opened = DecodeStream::open(input, MaxSinkChannels);
    if (!opened)
        return opened.status();
    DecodeStream& stream = **opened;
    const WavFormat format{stream.channels(), stream.sampleRateHz(), 16};
    auto sink = SoundSink::open(output, format, settings);
    if (!sink)
        return sink.status();
    return pumpToSink(stream, **sink, -1, {}, progress, abort);
}
