// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ringtone.h"

#include "cliplist/sound_edit.h"
#include "codec/frame_source.h"
#include "wav/fade.h"
#include "wav/wav_header.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <numbers>
#include <vector>

namespace ringtone {

QString label(Target target) {
    switch (target) {
    case Target::IPhoneShare:
        return QCoreApplication::translate("Ringtone", "iPhone, share sheet (under 30 s)");
    case Target::IPhoneFinder:
        return QCoreApplication::translate("Ringtone", "iPhone, Finder (up to 40 s)");
    case Target::AndroidOgg:
        return QCoreApplication::translate("Ringtone", "Android (.ogg)");
    case Target::AndroidMp3:
        return QCoreApplication::translate("Ringtone", "Android (.mp3)");
    }
    return {};
}

QString extension(Target target) {
    switch (target) {
    case Target::IPhoneShare:
    case Target::IPhoneFinder:
        return QStringLiteral("m4r");
    case Target::AndroidOgg:
        return QStringLiteral("ogg");
    case Target::AndroidMp3:
        return QStringLiteral("mp3");
    }
    return {};
}

QString withExtension(const QString& path, Target target) {
    const QString wanted = extension(target);
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    if (suffix.compare(wanted, Qt::CaseInsensitive) == 0)
        return path;
    static const QRegularExpression AnExtension(QStringLiteral("^[A-Za-z][A-Za-z0-9]{0,4}$"));
    const QString kept =
        AnExtension.match(suffix).hasMatch() ? path.left(path.size() - suffix.size() - 1) : path;
    return kept + QLatin1Char('.') + wanted;
}

QString fileFilter(Target target) {
    const QString kind = codec(target) == Codec::Aac
                             ? QCoreApplication::translate("Ringtone", "iPhone ringtone")
                             : QCoreApplication::translate("Ringtone", "Android ringtone");
    return QStringLiteral("%1 (*.%2)|*.%2").arg(kind, extension(target));
}

Codec codec(Target target) {
    switch (target) {
    case Target::IPhoneShare:
    case Target::IPhoneFinder:
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
    for (Target target : {Target::IPhoneShare, Target::AndroidOgg, Target::AndroidMp3})
        if (suffix == extension(target))
            return target;
    return std::nullopt;
}

std::int64_t limitMs(Target target) {
    switch (target) {
    case Target::IPhoneShare:
        return IPhoneShareLimitMs;
    case Target::IPhoneFinder:
        return IPhoneFinderLimitMs;
    case Target::AndroidOgg:
    case Target::AndroidMp3:
        break;
    }
    return -1;
}

Length checkLength(Target target, std::int64_t lengthMs) {
    switch (target) {
    case Target::IPhoneShare:
        return lengthMs <= IPhoneShareLimitMs ? Length::Fits : Length::Cut;
    case Target::IPhoneFinder:
        if (lengthMs <= IPhoneWarnMs)
            return Length::Fits;
        return lengthMs <= IPhoneFinderLimitMs ? Length::Long : Length::TooLong;
    case Target::AndroidOgg:
    case Target::AndroidMp3:
        break;
    }
    return Length::Fits;
}

QString lengthText(std::int64_t lengthMs) {
    if (lengthMs % 1000 == 0)
        return QStringLiteral("%1 s").arg(lengthMs / 1000);
    return QStringLiteral("%1 s").arg(double(lengthMs) / 1000.0, 0, 'f', 1);
}

namespace {

// Where a loop ends and what its crossfade brings into its head, in frames of the source.
struct LoopPlan {
    std::int64_t frames = 0;    // the loop's length
    std::int64_t tailFrom = 0;  // the first frame brought into the head
    std::int64_t crossfade = 0; // frames crossfaded
};

// start: the stretch's first frame in the source; the plan counts from there.
LoopPlan planLoop(const Request& request, std::int64_t start, std::int64_t available,
                  std::int64_t wanted, int rateHz) {
    std::int64_t lastBar = 0;
    for (std::int64_t barMs : request.barsMs) {
        const std::int64_t bar = barMs * rateHz / 1000 - start;
        if (bar <= wanted)
            lastBar = std::max(lastBar, bar);
    }
    const std::int64_t end = lastBar > 0 ? lastBar : wanted;
    const std::int64_t crossfade = std::min(LoopCrossfadeMs * rateHz / 1000, end / 4);
    if (end + crossfade <= available)
        return {end, end, crossfade};
    return {end - crossfade, end - crossfade, crossfade};
}

// The request's sound: its source, or its files joined.
Result<std::unique_ptr<FrameSource>> openSound(const Request& request) {
    if (request.joined.isEmpty())
        return FrameSource::open(request.source);
    return FrameSource::join({request.joined.begin(), request.joined.end()});
}

// What the messages name the sound by.
QString soundName(const Request& request) {
    return request.joined.isEmpty() ? request.source.file : request.joined.first().file;
}

// `count` frames of the request's sound from frame `from` on.
Result<std::unique_ptr<FrameSource>> openStretch(const Request& request, std::int64_t from,
                                                 std::int64_t count) {
    auto opened = openSound(request);
    if (!opened)
        return opened.status();
    if (Status limited = (*opened)->limit(from, count); !limited)
        return limited;
    return opened;
}

// `count` frames of the sound from frame `from` on, silence past its end.
Result<std::vector<std::int16_t>> readFrames(const Request& request, std::int64_t from,
                                             std::int64_t count) {
    auto opened = openStretch(request, from, count);
    if (!opened)
        return opened.status();
    std::vector<std::int16_t> frames;
    if (const Result<std::int64_t> got = (*opened)->readFully(frames, count); !got)
        return got.status();
    frames.resize(std::size_t(count * (*opened)->channels()));
    return frames;
}

// The loudness of `count` frames of the sound from frame `from` on, read once.
Result<soundedit::Measure> measureStretch(const Request& request, std::int64_t from,
                                          std::int64_t count) {
    auto opened = openStretch(request, from, count);
    if (!opened)
        return opened.status();
    FrameSource& source = **opened;
    const auto read = [&](std::vector<std::int16_t>& block) -> Result<std::int64_t> {
        block.resize(std::size_t((1 << 16) * source.channels()));
        return source.read(block.data(), 1 << 16);
    };
    return soundedit::measure(source.channels(), source.sampleRateHz(), read, soundName(request));
}

Result<soundedit::Measure> measureHeld(const std::vector<std::int16_t>& samples, int channels,
                                       int rateHz, const QString& path) {
    const auto open = [&](std::int64_t from, std::int64_t count) -> Result<soundedit::ReadBlock> {
        auto at = std::make_shared<std::size_t>(std::size_t(from * channels));
        const std::size_t end = std::size_t((from + count) * channels);
        return soundedit::ReadBlock(
            [&samples, at, end, channels](std::vector<std::int16_t>& block) {
                const std::size_t n = std::min<std::size_t>(end - *at, std::size_t(channels) << 16);
                block.assign(samples.begin() + std::ptrdiff_t(*at),
                             samples.begin() + std::ptrdiff_t(*at + n));
                *at += n;
                return Result<std::int64_t>(std::int64_t(n) / channels);
            });
    };
    return soundedit::measure(channels, rateHz, std::int64_t(samples.size()) / channels, open,
                              path);
}

// Hands the tone's frames, shaped, to the sink, and finishes it.
Status pump(FrameSource& source, SoundSink& sink, std::int64_t toneFrames, const ShapeFn& shape,
            const PercentFn& progress, const std::atomic<bool>* abort) {
    constexpr std::int64_t BlockFrames = 4096;
    std::vector<std::int16_t> pcm(std::size_t(BlockFrames * source.channels()));
    int percent = -1;
    for (std::int64_t done = 0; done < toneFrames;) {
        if (abort && *abort)
            return {ErrorCode::Ended,
                    QCoreApplication::translate("Ringtone", "encoding was stopped.")};
        const Result<std::int64_t> got =
            source.read(pcm.data(), std::min(BlockFrames, toneFrames - done));
        if (!got)
            return got.status();
        if (*got == 0)
            break;
        shape(pcm.data(), int(*got), done);
        if (Status written = sink.write(pcm.data(), int(*got)); !written)
            return written;
        done += *got;
        if (progress && int(done * 100 / toneFrames) != percent)
            progress(percent = int(done * 100 / toneFrames));
    }
    return sink.finish();
}

// The shared start of render() and repeatedImage(): the source opened for reading, the
// tone's length, and the changes its samples go through between the source and the encoder.
struct Pipeline {
    std::unique_ptr<FrameSource> source; // at the tone's first frame
    std::int64_t toneFrames = 0;
    std::vector<ShapeFn> steps;

    void shape(std::int16_t* samples, int frames, std::int64_t first) const {
        for (const ShapeFn& step : steps)
            step(samples, frames, first);
    }
};

// The loop's head: each frame a mix, at equal power, of itself fading in and the frames
// after the wrap fading out, so that the last frame is followed by what followed it.
ShapeFn crossfadeStep(std::vector<std::int16_t> tail, std::int64_t length, int channels) {
    return [tail = std::move(tail), length, channels](std::int16_t* samples, int frames,
                                                      std::int64_t first) {
        for (std::int64_t i = 0; i < frames && first + i < length; ++i) {
            const double angle = std::numbers::pi / 2 * (double(first + i) + 0.5) / length;
            const double in = std::sin(angle);
            const double out = std::cos(angle);
            for (int c = 0; c < channels; ++c) {
                std::int16_t& sample = samples[std::size_t(i) * channels + c];
                const double mixed =
                    sample * in + tail[std::size_t(first + i) * channels + c] * out;
                sample = std::int16_t(std::clamp(std::lround(mixed), -32768L, 32767L));
            }
        }
    };
}

Result<Pipeline> prepare(const Request& request) {
    auto opened = openSound(request);
    if (!opened)
        return opened.status();
    Pipeline pipeline;
    pipeline.source = std::move(*opened);
    FrameSource& source = *pipeline.source;
    const int rateHz = source.sampleRateHz();
    const int channels = source.channels();
    const std::int64_t start = std::max<std::int64_t>(0, request.startMs) * rateHz / 1000;
    // The sound from the stretch's start to the source's end.
    const std::int64_t available = std::max<std::int64_t>(0, source.frames() - start);
    pipeline.toneFrames = available;
    if (request.lengthMs >= 0)
        pipeline.toneFrames = std::min(available, request.lengthMs * rateHz / 1000);
    if (request.cutMs >= 0)
        pipeline.toneFrames = std::min(pipeline.toneFrames, request.cutMs * rateHz / 1000);
    if (checkLength(request.target, std::numeric_limits<std::int64_t>::max()) == Length::Cut)
        pipeline.toneFrames =
            std::min(pipeline.toneFrames, limitMs(request.target) * rateHz / 1000);
    if (pipeline.toneFrames <= 0)
        return Status{
            ErrorCode::Empty,
            QCoreApplication::translate("Ringtone", "%1: there is no sound to make a ringtone of.")
                .arg(soundName(request))};
    LoopPlan loop;
    if (request.loop) {
        loop = planLoop(request, start, available, pipeline.toneFrames, rateHz);
        pipeline.toneFrames = loop.frames;
    }

    if (loop.crossfade > 0) {
        auto tail = readFrames(request, start + loop.tailFrom, loop.crossfade);
        if (!tail)
            return tail.status();
        pipeline.steps.push_back(crossfadeStep(std::move(*tail), loop.crossfade, channels));
    }
    if (Status sought = source.seek(start); !sought)
        return sought;
    // A tone's worth of decoded sound is kept in memory between its measuring and its
    // encoding rather than decoded twice.
    constexpr std::int64_t MaxHeldBytes = std::int64_t(16) << 20;
    if (request.loudness && source.decodes() &&
        pipeline.toneFrames * channels * 2 <= MaxHeldBytes) {
        if (Status held = source.hold(pipeline.toneFrames); !held)
            return held;
    }
    // The loudness of the kept part, measured before anything is written.
    if (request.loudness) {
        Result<soundedit::Measure> measured =
            source.held().empty()
                ? measureStretch(request, start, pipeline.toneFrames)
                : measureHeld(source.held(), channels, rateHz, soundName(request));
        if (!measured)
            return measured.status();
        soundedit::Target target;
        target.lufs = request.lufs;
        const double gainDb = soundedit::plan(*measured, target).gainDb;
        if (gainDb != 0) {
            const double factor = std::pow(10.0, gainDb / 20);
            pipeline.steps.push_back([=](std::int16_t* samples, int frames, std::int64_t) {
                for (int i = 0; i < frames * channels; ++i)
                    samples[i] =
                        std::int16_t(std::clamp(std::lround(samples[i] * factor), -32768L, 32767L));
            });
        }
    }
    // A tone cut short always fades (a cut mid-sound would end on a click), unless it loops:
    // its end then runs into its head instead.
    const std::int64_t fadeOutMs =
        request.cutMs >= 0 && request.fadeOutMs <= 0 ? DefaultFadeOutMs : request.fadeOutMs;
    if (!request.loop && fadeOutMs > 0) {
        const std::int64_t fadeFrames = fadeOutMs * rateHz / 1000;
        const std::int64_t toneFrames = pipeline.toneFrames;
        pipeline.steps.push_back([=](std::int16_t* samples, int frames, std::int64_t first) {
            fade::applyFadeOut(samples, frames, channels, first, toneFrames, fadeFrames);
        });
    }
    return pipeline;
}

// Keeps what it is given, for a tone that is played rather than saved.
class PcmCollector : public SoundSink {
public:
    Status write(const std::int16_t* samples, int frames) override {
        m_pcm.append(reinterpret_cast<const char*>(samples),
                     qsizetype(frames) * m_channels * qsizetype(sizeof(std::int16_t)));
        return Status::ok();
    }
    Status finish() override { return Status::ok(); }

    explicit PcmCollector(int channels) : m_channels(channels) {}
    const QByteArray& pcm() const { return m_pcm; }

private:
    int m_channels;
    QByteArray m_pcm;
};

} // namespace

Status render(const Request& request, const PercentFn& progress, const std::atomic<bool>* abort) {
    Result<Pipeline> pipeline = prepare(request);
    if (!pipeline)
        return pipeline.status();
    FrameSource& source = *pipeline->source;
    const WavFormat format{source.channels(), source.sampleRateHz(), 16};
    EncodeSettings settings{codec(request.target), DefaultBitRateKbps, request.title};
    if (request.target == Target::AndroidMp3)
        settings.bitRateKbps = request.bitRateKbps;
    settings.loops = request.loop;
    auto sink = SoundSink::open(request.output, format, settings);
    if (!sink)
        return sink.status();
    const Pipeline& steps = *pipeline;
    return pump(
        source, **sink, steps.toneFrames,
        [&steps](std::int16_t* samples, int frames, std::int64_t first) {
            steps.shape(samples, frames, first);
        },
        progress, abort);
}

Result<QByteArray> repeatedImage(const Request& request, int times) {
    Result<Pipeline> pipeline = prepare(request);
    if (!pipeline)
        return pipeline.status();
    FrameSource& source = *pipeline->source;
    const WavFormat format{source.channels(), source.sampleRateHz(), 16};
    PcmCollector collector(format.channels);
    const Pipeline& steps = *pipeline;
    if (Status pumped = pump(
            source, collector, steps.toneFrames,
            [&steps](std::int16_t* samples, int frames, std::int64_t first) {
                steps.shape(samples, frames, first);
            },
            {}, nullptr);
        !pumped)
        return pumped;
    const ByteCount dataBytes = ByteCount(collector.pcm().size()) * std::max(times, 1);
    if (dataBytes > WavHeader::MaxDataBytes)
        return Status{ErrorCode::TooLarge,
                      QCoreApplication::translate("Ringtone",
                                                  "%1: the tone is too long to be played %2 times.")
                          .arg(soundName(request))
                          .arg(times)};
    WavHeader header = WavHeader::forFormat(format);
    header.setDataSize(dataBytes);
    const auto headerBytes = header.bytes();
    QByteArray image(headerBytes.data(), qsizetype(headerBytes.size()));
    image.reserve(qsizetype(WavHeader::Size + dataBytes));
    for (int i = 0; i < std::max(times, 1); ++i)
        image.append(collector.pcm());
    return image;
}

} // namespace ringtone
