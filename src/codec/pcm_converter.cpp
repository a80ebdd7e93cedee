// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/pcm_converter.h"

#include <QCoreApplication>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/error.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <vector>

namespace {

constexpr int MaxChannels = 64;
// swr_convert counts frames in int; bigger pushes are fed in slices of this many frames.
constexpr ByteCount MaxFramesPerCall = 1 << 20;

bool usable(const WavFormat& f) {
    return (f.bitsPerSample == 8 || f.bitsPerSample == 16) && f.channels >= 1 &&
           f.channels <= MaxChannels && f.sampleRateHz > 0;
}

AVSampleFormat sampleFormatOf(const WavFormat& f) {
    return f.bitsPerSample == 8 ? AV_SAMPLE_FMT_U8 : AV_SAMPLE_FMT_S16;
}

QString describe(const WavFormat& f) {
    return QCoreApplication::translate("Codec", "%1 Hz, %2 channels, %3 bits")
        .arg(f.sampleRateHz)
        .arg(f.channels)
        .arg(f.bitsPerSample);
}

QString avErrorText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

// FFmpeg's own mono up-mix lowers the level by 3 dB and its down-mix weighs channels by
// their position; a clip joined to others should keep its loudness, so a single channel is
// copied as it is and a down-mix to one channel is a plain average.
int setPlainMatrix(SwrContext* swr, int inChannels, int outChannels) {
    if (inChannels == outChannels || (inChannels != 1 && outChannels != 1))
        return 0;
    const double weight = inChannels == 1 ? 1.0 : 1.0 / inChannels;
    const std::vector<double> matrix(std::size_t(inChannels) * outChannels, weight);
    return swr_set_matrix(swr, matrix.data(), inChannels);
}

} // namespace

struct PcmConverter::Impl {
    WavFormat from;
    WavFormat to;
    SwrContext* swr = nullptr;
    QByteArray partial; // the start of an input frame whose rest comes with the next push
    bool flushed = false;

    ~Impl() { swr_free(&swr); }

    // Appends to `out` what the resampler makes of `frames` input frames; without data it
    // drains what the resampler holds.
    Status convert(const char* data, ByteCount frames, QByteArray& out) {
        const int outBlock = to.blockAlign();
        for (;;) {
            const int slice = int(std::min(frames, MaxFramesPerCall));
            const int capacity = swr_get_out_samples(swr, slice);
            if (capacity < 0)
                return failure(capacity);
            const qsizetype before = out.size();
            out.resize(before + qsizetype(capacity) * outBlock);
            auto* target = reinterpret_cast<std::uint8_t*>(out.data() + before);
            const auto* source = reinterpret_cast<const std::uint8_t*>(data);
            const int made =
                swr_convert(swr, &target, capacity, data ? &source : nullptr, data ? slice : 0);
            if (made < 0) {
                out.resize(before);
                return failure(made);
            }
            out.resize(before + qsizetype(made) * outBlock);
            if (!data) {
                if (made == 0)
                    return Status::ok();
                continue;
            }
            data += ByteCount(slice) * from.blockAlign();
            frames -= slice;
            if (frames == 0)
                return Status::ok();
        }
    }

    Status failure(int code) const {
        return {ErrorCode::Decode, QCoreApplication::translate(
                                       "Codec", "Samples of %1 cannot be converted to %2 (%3).")
                                       .arg(describe(from), describe(to), avErrorText(code))};
    }
};

PcmConverter::PcmConverter(std::unique_ptr<Impl> impl) : d(std::move(impl)) {}

PcmConverter::~PcmConverter() = default;

Result<std::unique_ptr<PcmConverter>> PcmConverter::create(const WavFormat& from,
                                                           const WavFormat& to) {
    if (!usable(from) || !usable(to))
        return Status{ErrorCode::Format,
                      QCoreApplication::translate(
                          "Codec", "Samples of %1 cannot be converted to %2: only 8- and "
                                   "16-bit sound with 1 to %3 channels is handled.")
                          .arg(describe(from), describe(to))
                          .arg(MaxChannels)};
    auto impl = std::make_unique<Impl>();
    impl->from = from;
    impl->to = to;

    AVChannelLayout inLayout{};
    AVChannelLayout outLayout{};
    av_channel_layout_default(&inLayout, from.channels);
    av_channel_layout_default(&outLayout, to.channels);
    int ret = swr_alloc_set_opts2(&impl->swr, &outLayout, sampleFormatOf(to), to.sampleRateHz,
                                  &inLayout, sampleFormatOf(from), from.sampleRateHz, 0, nullptr);
    av_channel_layout_uninit(&inLayout);
    av_channel_layout_uninit(&outLayout);
    if (ret >= 0)
        ret = setPlainMatrix(impl->swr, from.channels, to.channels);
    if (ret >= 0)
        ret = swr_init(impl->swr);
    if (ret < 0)
        return impl->failure(ret);
    return std::unique_ptr<PcmConverter>(new PcmConverter(std::move(impl)));
}

const WavFormat& PcmConverter::from() const {
    return d->from;
}

const WavFormat& PcmConverter::to() const {
    return d->to;
}

ByteCount PcmConverter::maxOutputBytes(ByteCount inputBytes) const {
    const ByteCount frames = (d->partial.size() + inputBytes) / d->from.blockAlign();
    ByteCount total = 0;
    for (ByteCount left = frames;; left -= MaxFramesPerCall) {
        const int slice = int(std::min(left, MaxFramesPerCall));
        total += std::max(0, swr_get_out_samples(d->swr, slice));
        if (left <= MaxFramesPerCall)
            break;
    }
    return total * d->to.blockAlign();
}

Status PcmConverter::push(const char* data, ByteCount bytes, QByteArray& out) {
    out.resize(0);
    if (d->flushed)
        return {ErrorCode::IllegalParam,
                QCoreApplication::translate("Codec", "The conversion has already ended.")};
    const int block = d->from.blockAlign();
    if (!d->partial.isEmpty()) {
        const ByteCount take = std::min<ByteCount>(block - d->partial.size(), bytes);
        d->partial.append(data, qsizetype(take));
        data += take;
        bytes -= take;
        if (d->partial.size() < block)
            return Status::ok();
        const Status s = d->convert(d->partial.constData(), 1, out);
        d->partial.resize(0);
        if (!s)
            return s;
    }
    const ByteCount frames = bytes / block;
    if (frames > 0) {
        if (const Status s = d->convert(data, frames, out); !s)
            return s;
    }
    d->partial.append(data + frames * block, qsizetype(bytes - frames * block));
    return Status::ok();
}

Status PcmConverter::flush(QByteArray& out) {
    out.resize(0);
    if (d->flushed)
        return {ErrorCode::IllegalParam,
                QCoreApplication::translate("Codec", "The conversion has already ended.")};
    d->flushed = true;
    d->partial.resize(0);
    return d->convert(nullptr, 0, out);
}
