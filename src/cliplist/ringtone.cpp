// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ringtone.h"

#include "cliplist/sound_edit.h"
#include "codec/decode_stream.h"
#include "wav/fade.h"
#include "wav/wav_header.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ringtone {

QString label(Target target) {
    switch (target) {
    case Target::IPhone:
        return QStringLiteral("iPhone (.m4r)");
    case Target::AndroidOgg:
        return QStringLiteral("Android (.ogg)");
    case Target::AndroidMp3:
        return QStringLiteral("Android (.mp3)");
    }
    return {};
}

QString extension(Target target) {
    switch (target) {
    case Target::IPhone:
        return QStringLiteral("m4r");
    case Target::AndroidOgg:
        return QStringLiteral("ogg");
    case Target::AndroidMp3:
        return QStringLiteral("mp3");
    }
    return {};
}

QString fileFilter(Target target) {
    const QString kind = target == Target::IPhone ? QStringLiteral("iPhone ringtone")
                                                  : QStringLiteral("Android ringtone");
    return QStringLiteral("%1 (*.%2)|*.%2").arg(kind, extension(target));
}

Codec codec(Target target) {
    switch (target) {
    case Target::IPhone:
        return Codec::Aac;
    case Target::AndroidOgg:
        return Codec::Vorbis;
    case Target::AndroidMp3:
        return Codec::Mp3;
    }
    return Codec::Mp3;
}

std::optional<Target> targetForPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (Target target : {Target::IPhone, Target::AndroidOgg, Target::AndroidMp3})
        if (suffix == extension(target))
            return target;
    return std::nullopt;
}

std::int64_t limitMs(Target target) {
    return target == Target::IPhone ? IPhoneLimitMs : -1;
}

Length checkLength(Target target, std::int64_t lengthMs) {
    if (target != Target::IPhone || lengthMs <= IPhoneWarnMs)
        return Length::Fits;
    return lengthMs <= IPhoneLimitMs ? Length::Long : Length::TooLong;
}

QString lengthText(std::int64_t lengthMs) {
    if (lengthMs % 1000 == 0)
        return QStringLiteral("%1 s").arg(lengthMs / 1000);
    return QStringLiteral("%1 s").arg(double(lengthMs) / 1000.0, 0, 'f', 1);
}

namespace {

// The changes a tone's samples go through between the source and the encoder, in order.
// Each works on blocks as they stream by and knows the tone's final length in frames.
std::vector<ShapeFn> shapingSteps(const Request& request, const WavFormat& format,
                                  std::int64_t toneFrames, double gainDb) {
    std::vector<ShapeFn> steps;
    if (gainDb != 0) {
        const double factor = std::pow(10.0, gainDb / 20);
        const int channels = format.channels;
        steps.push_back([=](std::int16_t* samples, int frames, std::int64_t) {
            for (int i = 0; i < frames * channels; ++i)
                samples[i] =
                    std::int16_t(std::clamp(std::lround(samples[i] * factor), -32768L, 32767L));
        });
    }
    // A tone cut short always fades: a cut mid-sound would end on a click.
    const std::int64_t fadeOutMs =
        request.cutMs >= 0 && request.fadeOutMs <= 0 ? DefaultFadeOutMs : request.fadeOutMs;
    if (fadeOutMs > 0) {
        const std::int64_t fadeFrames = fadeOutMs * format.sampleRateHz / 1000;
        const int channels = format.channels;
        steps.push_back([=](std::int16_t* samples, int frames, std::int64_t first) {
            fade::applyFadeOut(samples, frames, channels, first, toneFrames, fadeFrames);
        });
    }
    return steps;
}

} // namespace

Status render(const Request& request, const PercentFn& progress, const std::atomic<bool>* abort) {
    const auto info = readWavInfo(request.source);
    if (!info)
        return info.status();
    const WavFormat& source = info->format;
    std::int64_t toneFrames = source.blockAlign() > 0 ? info->dataBytes / source.blockAlign() : 0;
    if (request.cutMs >= 0)
        toneFrames = std::min(toneFrames, request.cutMs * source.sampleRateHz / 1000);
    if (toneFrames <= 0)
        return {ErrorCode::Empty,
                QStringLiteral("%1: there is no sound to make a ringtone of.").arg(request.source)};

    auto opened = DecodeStream::open(request.source, 2);
    if (!opened)
        return opened.status();
    DecodeStream& stream = **opened;
    const WavFormat format{stream.channels(), stream.sampleRateHz(), 16};

    // The loudness of the kept part, measured before anything is written. A mono source
    // that the tone carries on two channels sounds 3 dB louder there.
    double gainDb = 0;
    if (request.loudness) {
        Result<soundedit::Measure> measured = soundedit::measure(request.source, toneFrames);
        if (!measured)
            return measured.status();
        if (source.channels == 1 && format.channels == 2)
            measured->lufs += 10 * std::log10(2.0);
        soundedit::Target target;
        target.lufs = request.lufs;
        gainDb = soundedit::plan(*measured, target).gainDb;
    }
    const EncodeSettings settings{codec(request.target),
                                  request.target == Target::AndroidMp3 ? request.bitRateKbps
                                                                       : DefaultBitRateKbps,
                                  request.title};
    auto sink = SoundSink::open(request.output, format, settings);
    if (!sink)
        return sink.status();
    const std::vector<ShapeFn> steps = shapingSteps(request, format, toneFrames, gainDb);
    const auto shape = [&steps](std::int16_t* samples, int frames, std::int64_t first) {
        for (const ShapeFn& step : steps)
            step(samples, frames, first);
    };
    return pumpToSink(stream, **sink, toneFrames, shape, progress, abort);
}

} // namespace ringtone
