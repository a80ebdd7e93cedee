// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/write_fully.h"
#include "codec/sink_backends.h"

#include <QCoreApplication>
#include <QSaveFile>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include <cstring>
#include <vector>

namespace {

constexpr int IoBufferBytes = 64 * 1024;
// More than the resampler's flush can be off by, so that fitLength() can still cut it.
constexpr int HeldBackFrames = 256;
// Phones and music programs expect their AAC files at CD rate in stereo.
constexpr int AacRateHz = 44100;
constexpr int OpusRateHz = 48000;
// libvorbis refuses its usual bit rates far above CD rate (96000 Hz at 128 kbit/s).
constexpr int VorbisMaxRateHz = 48000;
// An Ogg page every 100 ms rather than the muxer's 1 s: FFmpeg's demuxer, and players built
// on it, drop the first 128 samples of a stream whose sound sits in one page, which a short
// tone would otherwise do.
constexpr const char* OggPageDurationUs = "100000";

struct Plan {
    AVCodecID codec;
    const char* encoder; // by name where FFmpeg has several for one codec
    const char* muxer;
    int rateHz;    // 0: the input's, kept within minRateHz and maxRateHz
    int channels;  // 0: the input's
    int minRateHz; // 0: none
    int maxRateHz; // 0: none
};

Plan planFor(Codec codec) {
    switch (codec) {
    case Codec::Aac:
        // "ipod" is FFmpeg's MP4 muxer as it writes .m4a files: brand "M4A ".
        return {AV_CODEC_ID_AAC, "aac", "ipod", AacRateHz, 2, 0, 0};
    case Codec::Vorbis:
        // Below CD rate libvorbis refuses bit rates near its usual 128 kbit/s.
        return {AV_CODEC_ID_VORBIS, "libvorbis", "ogg", 0, 0, AacRateHz, VorbisMaxRateHz};
    case Codec::Opus:
        return {AV_CODEC_ID_OPUS, "libopus", "ogg", OpusRateHz, 0, 0, 0};
    case Codec::Flac:
        return {AV_CODEC_ID_FLAC, "flac", "flac", 0, 0, 0, 0};
    case Codec::Mp3:
        break;
    }
    return {AV_CODEC_ID_NONE, nullptr, nullptr, 0, 0, 0, 0};
}

QString avError(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

class FfmpegSink : public SoundSink {
public:
    FfmpegSink(const QString& path, const WavFormat& input, Codec codec)
        : m_path(path), m_input(input), m_codec(codec), m_file(path) {}

    ~FfmpegSink() override {
        // Without finish() the QSaveFile is dropped uncommitted: nothing is left behind.
        if (m_io) {
            av_freep(&m_io->buffer);
            avio_context_free(&m_io);
        }
        avformat_free_context(m_format);
        avcodec_free_context(&m_encoder);
        swr_free(&m_swr);
        if (m_fifo)
            av_audio_fifo_free(m_fifo);
        av_frame_free(&m_frame);
        av_packet_free(&m_packet);
        if (m_converted)
            av_freep(&m_converted[0]);
        av_freep(&m_converted);
    }

    Status start(const EncodeSettings& settings) {
        const Plan plan = planFor(m_codec);
        const AVCodec* encoder = avcodec_find_encoder_by_name(plan.encoder);
        if (!encoder)
            encoder = avcodec_find_encoder(plan.codec);
        if (!encoder)
            return {ErrorCode::Codec,
                    QCoreApplication::translate("Codec", "%1: this FFmpeg has no %2 encoder.")
                        .arg(m_path, codecLabel(m_codec))};
        m_encoder = avcodec_alloc_context3(encoder);
        m_frame = av_frame_alloc();
        m_packet = av_packet_alloc();
        if (!m_encoder || !m_frame || !m_packet)
            return failed(AVERROR(ENOMEM));

        int rate = plan.rateHz ? plan.rateHz : std::max(plan.minRateHz, m_input.sampleRateHz);
        if (plan.maxRateHz)
            rate = std::min(rate, plan.maxRateHz);
        const int channels = plan.channels ? plan.channels : m_input.channels;
        m_encoder->sample_rate = rate;
        m_encoder->time_base = AVRational{1, rate};
        av_channel_layout_default(&m_encoder->ch_layout, channels);
        m_encoder->sample_fmt = encoder->sample_fmts ? encoder->sample_fmts[0] : AV_SAMPLE_FMT_S16;
        if (m_codec == Codec::Flac)
            m_encoder->sample_fmt = AV_SAMPLE_FMT_S16;
        else
            m_encoder->bit_rate = std::int64_t(settings.bitRateKbps) * 1000;
        if (m_codec == Codec::Aac)
            m_encoder->profile = FF_PROFILE_AAC_LOW;

        if (avformat_alloc_output_context2(&m_format, nullptr, plan.muxer, nullptr) < 0)
            return failed(AVERROR(ENOMEM));
        if (m_format->oformat->flags & AVFMT_GLOBALHEADER)
            m_encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        if (const int opened = avcodec_open2(m_encoder, encoder, nullptr); opened < 0)
            return {
                ErrorCode::IllegalParam,
                (channels == 1
                     ? QCoreApplication::translate(
                           "Codec", "%1: the %2 encoder refuses %3 Hz mono at %4 kbit/s (%5).")
                     : QCoreApplication::translate(
                           "Codec", "%1: the %2 encoder refuses %3 Hz stereo at %4 kbit/s (%5)."))
                    .arg(m_path, codecLabel(m_codec), QString::number(rate),
                         QString::number(settings.bitRateKbps), avError(opened))};

        AVStream* stream = avformat_new_stream(m_format, nullptr);
        if (!stream || avcodec_parameters_from_context(stream->codecpar, m_encoder) < 0)
            return failed(AVERROR(ENOMEM));
        stream->time_base = m_encoder->time_base;
        m_stream = stream;
        if (!settings.title.isEmpty()) {
            const QByteArray title = settings.title.toUtf8();
            av_dict_set(&m_format->metadata, "title", title.constData(), 0);
            // Ogg carries its comments per stream.
            av_dict_set(&stream->metadata, "title", title.constData(), 0);
        }
        if (settings.loops && std::strcmp(plan.muxer, "ogg") == 0)
            av_dict_set(&stream->metadata, "ANDROID_LOOP", "true", 0);

        if (Status s = openOutput(); !s)
            return s;
        AVDictionary* options = nullptr;
        if (m_codec == Codec::Aac) {
            // The movie's clock at the sample rate, so that the edit list, which says how much
            // of the AAC stream is sound, counts samples rather than milliseconds.
            av_dict_set_int(&options, "movie_timescale", rate, 0);
        }
        if (std::strcmp(plan.muxer, "ogg") == 0)
            av_dict_set(&options, "page_duration", OggPageDurationUs, 0);
        const int written = avformat_write_header(m_format, &options);
        av_dict_free(&options);
        if (written < 0)
            return failed(written);

        AVChannelLayout inLayout{};
        av_channel_layout_default(&inLayout, m_input.channels);
        const int made =
            swr_alloc_set_opts2(&m_swr, &m_encoder->ch_layout, m_encoder->sample_fmt, rate,
                                &inLayout, AV_SAMPLE_FMT_S16, m_input.sampleRateHz, 0, nullptr);
        av_channel_layout_uninit(&inLayout);
        if (made < 0 || swr_init(m_swr) < 0)
            return failed(made < 0 ? made : AVERROR(EINVAL));
        m_fifo = av_audio_fifo_alloc(m_encoder->sample_fmt, channels, 1);
        if (!m_fifo)
            return failed(AVERROR(ENOMEM));
        return Status::ok();
    }

    Status write(const std::int16_t* samples, int frames) override {
        const auto* in = reinterpret_cast<const std::uint8_t*>(samples);
        m_framesIn += frames;
        return convert(&in, frames);
    }

    Status finish() override {
        if (Status s = convert(nullptr, 0); !s)
            return s;
        if (Status s = fitLength(); !s)
            return s;
        if (Status s = encodeFifo(true); !s)
            return s;
        if (Status s = send(nullptr); !s)
            return s;
        if (const int written = av_write_trailer(m_format); written < 0)
            return failed(written);
        avio_flush(m_io);
        if (!m_ioStatus)
            return m_ioStatus;
        if (!m_file.commit())
            return writeFailure(m_file);
        return Status::ok();
    }

private:
    // The muxer writes into the QSaveFile, which gives the temporary name and the rename.
    Status openOutput() {
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return writeFailure(m_file);
        auto* buffer = static_cast<unsigned char*>(av_malloc(IoBufferBytes));
        m_io = buffer ? avio_alloc_context(buffer, IoBufferBytes, 1, this, nullptr,
                                           &FfmpegSink::writePacket, &FfmpegSink::seek)
                      : nullptr;
        if (!m_io) {
            av_free(buffer);
            return failed(AVERROR(ENOMEM));
        }
        m_format->pb = m_io;
        m_format->flags |= AVFMT_FLAG_CUSTOM_IO;
        return Status::ok();
    }

    static int writePacket(void* opaque, std::uint8_t* data, int size) {
        auto* sink = static_cast<FfmpegSink*>(opaque);
        if (!sink->m_ioStatus)
            return AVERROR(EIO);
        sink->m_ioStatus = writeFully(sink->m_file, data, size);
        return sink->m_ioStatus ? size : AVERROR(EIO);
    }

    static std::int64_t seek(void* opaque, std::int64_t offset, int whence) {
        auto* sink = static_cast<FfmpegSink*>(opaque);
        QSaveFile& file = sink->m_file;
        switch (whence & ~AVSEEK_FORCE) {
        case AVSEEK_SIZE:
            return file.size();
        case SEEK_SET:
            break;
        case SEEK_CUR:
            offset += file.pos();
            break;
        case SEEK_END:
            offset += file.size();
            break;
        default:
            return AVERROR(EINVAL);
        }
        return file.seek(offset) ? offset : AVERROR(EIO);
    }

    // Resamples input (or, with none, what the resampler still holds) into the FIFO and
    // encodes every whole encoder frame in it.
    Status convert(const std::uint8_t** in, int frames) {
        const int room = swr_get_out_samples(m_swr, frames);
        if (room < 0)
            return failed(room);
        if (Status s = ensureConverted(room); !s)
            return s;
        const int made = swr_convert(m_swr, m_converted, room, in, frames);
        if (made < 0)
            return failed(made);
        if (made > 0 &&
            av_audio_fifo_write(m_fifo, reinterpret_cast<void**>(m_converted), made) < made)
            return failed(AVERROR(ENOMEM));
        return encodeFifo(false);
    }

    // The resampler's flush gives a few samples more or less than the input's length at the
    // output rate; the file is to hold exactly that length, rounded to the nearest sample, so
    // the FIFO (which still holds at least HeldBackFrames) is padded with silence or cut.
    Status fitLength() {
        const std::int64_t wanted = av_rescale_rnd(m_framesIn, m_encoder->sample_rate,
                                                   m_input.sampleRateHz, AV_ROUND_NEAR_INF);
        const std::int64_t have = m_samplesSent + av_audio_fifo_size(m_fifo);
        if (have > wanted)
            return trimFifo(int(std::max<std::int64_t>(0, wanted - m_samplesSent)));
        if (have < wanted) {
            const int missing = int(wanted - have);
            if (Status s = ensureConverted(missing); !s)
                return s;
            av_samples_set_silence(m_converted, 0, missing, m_encoder->ch_layout.nb_channels,
                                   m_encoder->sample_fmt);
            if (av_audio_fifo_write(m_fifo, reinterpret_cast<void**>(m_converted), missing) <
                missing)
                return failed(AVERROR(ENOMEM));
        }
        return Status::ok();
    }

    // Keeps the first `keep` samples of the FIFO.
    Status trimFifo(int keep) {
        const int size = av_audio_fifo_size(m_fifo);
        if (Status s = ensureConverted(size); !s)
            return s;
        if (av_audio_fifo_read(m_fifo, reinterpret_cast<void**>(m_converted), size) < size)
            return failed(AVERROR(EIO));
        if (av_audio_fifo_write(m_fifo, reinterpret_cast<void**>(m_converted), keep) < keep)
            return failed(AVERROR(ENOMEM));
        return Status::ok();
    }

    // Hands the FIFO to the encoder in frames of its frame size, keeping HeldBackFrames back
    // for fitLength(); with `last` everything, the shorter rest included.
    Status encodeFifo(bool last) {
        const int frameSize = m_encoder->frame_size > 0 ? m_encoder->frame_size : 4096;
        while (av_audio_fifo_size(m_fifo) >= frameSize + (last ? 0 : HeldBackFrames) ||
               (last && av_audio_fifo_size(m_fifo) > 0)) {
            const int n = std::min(frameSize, av_audio_fifo_size(m_fifo));
            av_frame_unref(m_frame);
            m_frame->nb_samples = n;
            m_frame->format = m_encoder->sample_fmt;
            m_frame->sample_rate = m_encoder->sample_rate;
            if (av_channel_layout_copy(&m_frame->ch_layout, &m_encoder->ch_layout) < 0 ||
                av_frame_get_buffer(m_frame, 0) < 0)
                return failed(AVERROR(ENOMEM));
            if (av_audio_fifo_read(m_fifo, reinterpret_cast<void**>(m_frame->data), n) < n)
                return failed(AVERROR(EIO));
            m_frame->pts = m_samplesSent;
            m_samplesSent += n;
            if (Status s = send(m_frame); !s)
                return s;
        }
        return Status::ok();
    }

    Status ensureConverted(int frames) {
        if (frames <= m_convertedRoom)
            return Status::ok();
        if (m_converted)
            av_freep(&m_converted[0]);
        av_freep(&m_converted);
        m_convertedRoom = 0;
        if (av_samples_alloc_array_and_samples(&m_converted, nullptr,
                                               m_encoder->ch_layout.nb_channels, frames,
                                               m_encoder->sample_fmt, 0) < 0)
            return failed(AVERROR(ENOMEM));
        m_convertedRoom = frames;
        return Status::ok();
    }

    Status send(const AVFrame* frame) {
        if (const int sent = avcodec_send_frame(m_encoder, frame); sent < 0)
            return failed(sent);
        for (;;) {
            const int got = avcodec_receive_packet(m_encoder, m_packet);
            if (got == AVERROR(EAGAIN) || got == AVERROR_EOF)
                return Status::ok();
            if (got < 0)
                return failed(got);
            av_packet_rescale_ts(m_packet, m_encoder->time_base, m_stream->time_base);
            m_packet->stream_index = m_stream->index;
            if (const int written = av_interleaved_write_frame(m_format, m_packet); written < 0)
                return failed(written);
        }
    }

    Status failed(int code) const {
        // A failed write has its own message, with the reason the file system gave.
        if (!m_ioStatus)
            return m_ioStatus;
        return {ErrorCode::Create,
                QCoreApplication::translate("Codec", "%1: the %2 encoder failed (%3).")
                    .arg(m_path, codecLabel(m_codec), avError(code))};
    }

    QString m_path;
    WavFormat m_input;
    Codec m_codec;
    QSaveFile m_file;
    Status m_ioStatus;
    AVCodecContext* m_encoder = nullptr;
    AVFormatContext* m_format = nullptr;
    AVIOContext* m_io = nullptr;
    AVStream* m_stream = nullptr;
    SwrContext* m_swr = nullptr;
    AVAudioFifo* m_fifo = nullptr;
    AVFrame* m_frame = nullptr;
    AVPacket* m_packet = nullptr;
    std::uint8_t** m_converted = nullptr;
    int m_convertedRoom = 0;
    std::int64_t m_samplesSent = 0;
    std::int64_t m_framesIn = 0; // input frames written
};

} // namespace

Result<std::unique_ptr<SoundSink>> openFfmpegSink(const QString& path, const WavFormat& input,
                                                  const EncodeSettings& settings) {
    auto sink = std::make_unique<FfmpegSink>(path, input, settings.codec);
    if (Status started = sink->start(settings); !started)
        return started;
    return std::unique_ptr<SoundSink>(std::move(sink));
}
