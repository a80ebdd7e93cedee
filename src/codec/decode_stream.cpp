// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/decode_stream.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QUrl>

#include <sys/stat.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/intreadwrite.h>
#include <libavutil/time.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr int MinRateHz = 1000;
constexpr int MaxRateHz = 768000;
constexpr int MaxChannels = 32;
// An MP3 file name lifts FFmpeg's MP3 score to at least 1 whatever the bytes are, and a stray
// sync word in random data adds a little; four chained MP3 frames score 25, a longer run and
// most other formats 50 or more.
constexpr int MinProbeScore = AVPROBE_SCORE_EXTENSION / 2;
// libopenmpt reads a module whole into memory; modules are small, bigger files are not tried.
constexpr qint64 MaxModuleBytes = qint64(64) << 20;
// Single bad packets are skipped as the ffmpeg tool skips them; a run this long means the
// data is not what the stream claims to be.
constexpr int MaxErrorsInRow = 64;
constexpr std::int64_t NetworkTimeoutUs = 15'000'000;
// A codec started cold gives wrong samples until its memory fills: an MP3 frame may take its
// bits from up to two frames before it and its filter banks overlap the next, AAC and Vorbis
// blocks overlap their neighbours, Opus asks for 80 ms. A seek starts it this much earlier.
constexpr std::int64_t PrerollMs = 500;

void initFfmpeg() {
    static std::once_flag once;
    std::call_once(once, [] {
        // Failures reach the user as statuses; FFmpeg's own chatter would only go to stderr.
        av_log_set_level(AV_LOG_FATAL);
        avformat_network_init();
    });
}

QString avErrorText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

bool plausible(int channels, int rateHz) {
    return channels >= 1 && channels <= MaxChannels && rateHz >= MinRateHz && rateHz <= MaxRateHz;
}

// swresample needs an ordered layout; sources such as plain WAV only give a channel count.
void normaliseLayout(AVChannelLayout* layout, int channels) {
    if (layout->order == AV_CHANNEL_ORDER_UNSPEC || !av_channel_layout_check(layout) ||
        layout->nb_channels != channels) {
        av_channel_layout_uninit(layout);
        av_channel_layout_default(layout, channels);
    }
}

int interruptAtDeadline(void* opaque) {
    const auto deadlineUs = *static_cast<const std::int64_t*>(opaque);
    return deadlineUs > 0 && av_gettime_relative() > deadlineUs;
}

// Frame counts of files as they were when counted (DecodeStream::countFrames). A file that
// has changed since (size, time or inode) is not known any more.
class FrameCounts {
public:
    struct Key {
        std::int64_t bytes = -1;
        std::int64_t modifiedNs = 0;
        std::uint64_t inode = 0;
        bool operator==(const Key&) const = default;
    };
    // The file's key; nothing for anything but a plain file (a link is not followed).
    static std::optional<Key> keyOf(const QString& path) {
        struct stat st {};
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
            return std::nullopt;
        return Key{std::int64_t(st.st_size),
                   std::int64_t(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
                   std::uint64_t(st.st_ino)};
    }
    static FrameCounts& instance() {
        static FrameCounts counts;
        return counts;
    }
    void remember(const QString& path, const Key& key, const DecodeStream::Counted& counted) {
        std::lock_guard lock(m_mutex);
        // A long session adds clips without end; the oldest counts are simply counted again.
        if (m_counts.size() >= 4096)
            m_counts.clear();
        m_counts[path] = {key, counted};
    }
    std::optional<DecodeStream::Counted> known(const QString& path) {
        const std::optional<Key> key = keyOf(path);
        std::lock_guard lock(m_mutex);
        const auto found = m_counts.find(path);
        if (!key || found == m_counts.end() || !(found->second.first == *key))
            return std::nullopt;
        return found->second.second;
    }

private:
    std::mutex m_mutex;
    std::map<QString, std::pair<Key, DecodeStream::Counted>> m_counts;
};

} // namespace

struct DecodeStream::Impl {
    using Opened = Result<std::unique_ptr<DecodeStream>>;

    QString path;
    int maxChannels = 0;
    std::int64_t deadlineUs = 0;

    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    SwrContext* swr = nullptr;
    int streamIndex = -1;

    WavFormat out;
    AVSampleFormat outSampleFormat = AV_SAMPLE_FMT_S16;
    AVChannelLayout outLayout{};
    AVSampleFormat swrInFormat = AV_SAMPLE_FMT_NONE;
    int swrInRate = 0;
    AVChannelLayout swrInLayout{};

    std::vector<std::uint8_t> converted;
    const std::uint8_t* pending = nullptr;
    ByteCount pendingBytes = 0;
    ByteCount length = -1;
    bool exactLength = false; // length is known, not estimated
    ByteCount position = 0;
    bool flushed = false; // the decoder has been told the input ended
    bool ended = false;   // decoder and converter are drained
    bool active = true;
    Status deferred; // a failure met after some samples of the same call were copied
    // Where decoded frames belong: the first frame's timestamp is frame 0 of the output;
    // frames without a timestamp follow the one before. Frames before dropUntil are dropped.
    std::int64_t originPts = AV_NOPTS_VALUE;
    std::int64_t nextFrame = 0;
    std::int64_t dropUntil = -1;

    Impl(QString p, int channelsLimit) : path(std::move(p)), maxChannels(channelsLimit) {}
    ~Impl() {
        swr_free(&swr);
        av_channel_layout_uninit(&outLayout);
        av_channel_layout_uninit(&swrInLayout);
        av_packet_free(&packet);
        av_frame_free(&frame);
        avcodec_free_context(&codec);
        avformat_close_input(&format);
    }

    Status fail(ErrorCode code, const QString& reason) const {
        //: A file's path, then what is wrong with it.
        return {code, QCoreApplication::translate("Codec", "%1: %2").arg(path, reason)};
    }

    static Opened openLocal(const QString& path, int maxChannels);
    static Opened openUrl(const QString& url, int maxChannels);
    static Opened finish(std::unique_ptr<Impl> impl) {
        return std::unique_ptr<DecodeStream>(new DecodeStream(std::move(impl)));
    }

    Status openInput(const QByteArray& url, const AVInputFormat* forced, bool network);
    Status setUp(std::int64_t exactFrames);
    int receiveFrame();
    Status takeFrame();
    Status drainConverter();
    Status runConverter(const std::uint8_t** input, int samples);
    Status refill();
    std::int64_t placeFrame();
    void dropPending(std::int64_t pendingFrame);
    Status seekTo(std::int64_t frame);
};

Status DecodeStream::Impl::openInput(const QByteArray& url, const AVInputFormat* forced,
                                     bool network) {
    format = avformat_alloc_context();
    if (!format)
        return fail(ErrorCode::OutOfMemory, QCoreApplication::translate("Codec", "out of memory."));
    format->interrupt_callback = {&interruptAtDeadline, &deadlineUs};
    AVDictionary* options = nullptr;
    if (network) {
        av_dict_set(&options, "protocol_whitelist", "http,https,tls,tcp,ftp,httpproxy", 0);
        av_dict_set_int(&options, "rw_timeout", NetworkTimeoutUs, 0);
        deadlineUs = av_gettime_relative() + 2 * NetworkTimeoutUs;
    } else {
        // A local path is never taken for a protocol ("pipe:", "concat:") and a playlist
        // inside it cannot reach the network.
        av_dict_set(&options, "protocol_whitelist", "file", 0);
    }
    const int ret = avformat_open_input(&format, url.constData(), forced, &options);
    av_dict_free(&options);
    if (ret < 0) {
        if (network)
            return fail(ErrorCode::NoNet,
                        QCoreApplication::translate("Codec", "cannot be reached (%1).")
                            .arg(avErrorText(ret)));
        if (ret == AVERROR(ENOMEM))
            return fail(ErrorCode::OutOfMemory,
                        QCoreApplication::translate("Codec", "out of memory."));
        // The file itself was readable: whatever failed was a demuxer making sense of it.
        return fail(ErrorCode::FileForm,
                    QCoreApplication::translate("Codec", "not a sound format that can be read."));
    }
    if (!forced && format->probe_score < MinProbeScore) {
        avformat_close_input(&format);
        return fail(ErrorCode::FileForm,
                    QCoreApplication::translate("Codec", "not a sound format that can be read."));
    }
    return {};
}

Status DecodeStream::Impl::setUp(std::int64_t exactFrames) {
    int ret = avformat_find_stream_info(format, nullptr);
    if (ret < 0)
        return fail(ErrorCode::FileForm,
                    QCoreApplication::translate("Codec", "the stream cannot be read (%1).")
                        .arg(avErrorText(ret)));
    const AVCodec* decoder = nullptr;
    streamIndex = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
    if (streamIndex == AVERROR_STREAM_NOT_FOUND)
        return fail(ErrorCode::FileForm,
                    QCoreApplication::translate("Codec", "the file holds no sound."));
    if (streamIndex < 0 || !decoder)
        return fail(ErrorCode::Codec,
                    QCoreApplication::translate("Codec", "no decoder for its sound."));
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        if (int(i) != streamIndex)
            format->streams[i]->discard = AVDISCARD_ALL;
    }
    const AVStream* stream = format->streams[streamIndex];
    const AVCodecParameters* par = stream->codecpar;
    if ((par->ch_layout.nb_channels != 0 || par->sample_rate != 0) &&
        !plausible(par->ch_layout.nb_channels, par->sample_rate))
        return fail(ErrorCode::FileForm,
                    QCoreApplication::translate("Codec", "implausible sound parameters (%1 "
                                                         "channels, %2 Hz).")
                        .arg(par->ch_layout.nb_channels)
                        .arg(par->sample_rate));

    codec = avcodec_alloc_context3(decoder);
    frame = av_frame_alloc();
    packet = av_packet_alloc();
    if (!codec || !frame || !packet)
        return fail(ErrorCode::OutOfMemory, QCoreApplication::translate("Codec", "out of memory."));
    ret = avcodec_parameters_to_context(codec, par);
    codec->pkt_timebase = stream->time_base;
    if (ret >= 0)
        ret = avcodec_open2(codec, decoder, nullptr);
    if (ret < 0)
        return fail(ErrorCode::Codec,
                    QCoreApplication::translate("Codec", "the %1 decoder refuses it (%2).")
                        .arg(QString::fromLatin1(decoder->name), avErrorText(ret)));

    // The first frame proves that the stream decodes and fixes the output format.
    ret = receiveFrame();
    if (ret == 0)
        return fail(ErrorCode::Empty,
                    QCoreApplication::translate("Codec", "the file holds no sound."));
    if (ret < 0)
        return fail(ErrorCode::Decode,
                    QCoreApplication::translate("Codec", "its sound cannot be decoded (%1).")
                        .arg(avErrorText(ret)));
    const int sourceChannels = frame->ch_layout.nb_channels;
    if (!plausible(sourceChannels, frame->sample_rate))
        return fail(ErrorCode::FileForm,
                    QCoreApplication::translate(
                        "Codec", "implausible sound parameters (%1 channels, %2 Hz).")
                        .arg(sourceChannels)
                        .arg(frame->sample_rate));
    const bool eightBit =
        av_get_packed_sample_fmt(AVSampleFormat(frame->format)) == AV_SAMPLE_FMT_U8;
    outSampleFormat = eightBit ? AV_SAMPLE_FMT_U8 : AV_SAMPLE_FMT_S16;
    const int channels = maxChannels > 0 ? std::min(sourceChannels, maxChannels) : sourceChannels;
    out = {channels, frame->sample_rate, eightBit ? 8 : 16};
    if (channels == sourceChannels)
        av_channel_layout_copy(&outLayout, &frame->ch_layout);
    normaliseLayout(&outLayout, channels);

    std::int64_t frames = exactFrames;
    exactLength = exactFrames >= 0;
    if (frames < 0 && stream->duration != AV_NOPTS_VALUE && stream->duration > 0)
        frames = av_rescale_q(stream->duration, stream->time_base, AVRational{1, out.sampleRateHz});
    if (frames < 0 && format->duration != AV_NOPTS_VALUE && format->duration > 0)
        frames = av_rescale(format->duration, out.sampleRateHz, AV_TIME_BASE);
    length = frames >= 0 ? frames * out.blockAlign() : -1;
    deadlineUs = 0;
    originPts = frame->best_effort_timestamp;
    placeFrame();
    return takeFrame();
}

// The output frame at which the decoded `frame` starts; moves nextFrame past it.
std::int64_t DecodeStream::Impl::placeFrame() {
    std::int64_t start = nextFrame;
    const std::int64_t pts = frame->best_effort_timestamp;
    if (pts != AV_NOPTS_VALUE && originPts != AV_NOPTS_VALUE)
        start = av_rescale_q(pts - originPts, format->streams[streamIndex]->time_base,
                             AVRational{1, out.sampleRateHz});
    nextFrame =
        start + av_rescale(frame->nb_samples, out.sampleRateHz, std::max(1, frame->sample_rate));
    return start;
}

// Drops from the pending samples, which start at output frame pendingFrame, those before
// dropUntil.
void DecodeStream::Impl::dropPending(std::int64_t pendingFrame) {
    if (dropUntil < 0)
        return;
    const std::int64_t frames = std::max<std::int64_t>(0, dropUntil - pendingFrame);
    const ByteCount drop = std::min(pendingBytes, frames * ByteCount(out.blockAlign()));
    pending += drop;
    pendingBytes -= drop;
    if (pendingBytes > 0)
        dropUntil = -1;
}

Status DecodeStream::Impl::seekTo(std::int64_t target) {
    const int block = out.blockAlign();
    const std::int64_t current = position / block;
    const std::int64_t from = target - PrerollMs * out.sampleRateHz / 1000;
    const bool seekable =
        format->pb && (format->pb->seekable & AVIO_SEEKABLE_NORMAL) && originPts != AV_NOPTS_VALUE;
    if (target >= current && (from <= current || !seekable)) {
        // Near enough ahead: decoded and dropped.
        dropUntil = target;
        dropPending(current);
    } else if (seekable) {
        const AVStream* stream = format->streams[streamIndex];
        const std::int64_t at =
            originPts + av_rescale_q(std::max<std::int64_t>(0, from),
                                     AVRational{1, out.sampleRateHz}, stream->time_base);
        const int ret = av_seek_frame(format, streamIndex, at, AVSEEK_FLAG_BACKWARD);
        if (ret < 0) {
            active = false;
            return fail(ErrorCode::Decode,
                        QCoreApplication::translate("Codec", "cannot go to %1 s (%2).")
                            .arg(double(target) / out.sampleRateHz)
                            .arg(avErrorText(ret)));
        }
        avcodec_flush_buffers(codec);
        // A resampler's held samples belong to the old place.
        swr_free(&swr);
        av_channel_layout_uninit(&swrInLayout);
        swrInFormat = AV_SAMPLE_FMT_NONE;
        pending = nullptr;
        pendingBytes = 0;
        flushed = false;
        ended = false;
        nextFrame = std::max<std::int64_t>(0, from);
        dropUntil = target;
    } else {
        return fail(
            ErrorCode::IllegalParam,
            QCoreApplication::translate("Codec", "cannot go back in a stream that cannot seek."));
    }
    active = true;
    deferred = {};
    position = target * block;
    return {};
}

// 1: a frame with samples is in `frame`; 0: the end; < 0: an AVERROR that ends decoding.
int DecodeStream::Impl::receiveFrame() {
    int errorsInRow = 0;
    for (;;) {
        int ret = avcodec_receive_frame(codec, frame);
        if (ret >= 0) {
            if (frame->nb_samples > 0)
                return 1;
            continue;
        }
        if (ret == AVERROR_EOF)
            return 0;
        if (ret != AVERROR(EAGAIN)) {
            if (++errorsInRow >= MaxErrorsInRow)
                return ret;
            continue;
        }
        if (flushed)
            return 0;
        ret = av_read_frame(format, packet);
        // A demuxer that stumbles over a cut-off tail has simply met the end of the file.
        if (ret == AVERROR_EOF || (ret < 0 && format->pb && avio_feof(format->pb))) {
            flushed = true;
            avcodec_send_packet(codec, nullptr);
            continue;
        }
        if (ret < 0)
            return ret;
        if (packet->stream_index != streamIndex) {
            av_packet_unref(packet);
            continue;
        }
        ret = avcodec_send_packet(codec, packet);
        av_packet_unref(packet);
        if (ret < 0 && ++errorsInRow >= MaxErrorsInRow)
            return ret;
    }
}

Status DecodeStream::Impl::takeFrame() {
    const auto sampleFormat = AVSampleFormat(frame->format);
    const int channels = frame->ch_layout.nb_channels;
    const int block = out.blockAlign();
    if (frame->sample_rate == out.sampleRateHz && channels == out.channels &&
        av_get_packed_sample_fmt(sampleFormat) == outSampleFormat &&
        (!av_sample_fmt_is_planar(sampleFormat) || channels == 1)) {
        pending = frame->extended_data[0];
        pendingBytes = ByteCount(frame->nb_samples) * block;
        return {};
    }
    if (!swr || swrInFormat != sampleFormat || swrInRate != frame->sample_rate ||
        av_channel_layout_compare(&swrInLayout, &frame->ch_layout) != 0) {
        swr_free(&swr);
        av_channel_layout_uninit(&swrInLayout);
        av_channel_layout_copy(&swrInLayout, &frame->ch_layout);
        swrInFormat = sampleFormat;
        swrInRate = frame->sample_rate;
        AVChannelLayout inLayout{};
        av_channel_layout_copy(&inLayout, &frame->ch_layout);
        normaliseLayout(&inLayout, channels);
        int ret = swr_alloc_set_opts2(&swr, &outLayout, outSampleFormat, out.sampleRateHz,
                                      &inLayout, sampleFormat, frame->sample_rate, 0, nullptr);
        av_channel_layout_uninit(&inLayout);
        if (ret >= 0)
            ret = swr_init(swr);
        if (ret < 0) {
            swr_free(&swr);
            return fail(ErrorCode::Format, QCoreApplication::translate(
                                               "Codec", "its samples cannot be converted (%1).")
                                               .arg(avErrorText(ret)));
        }
    }
    return runConverter(const_cast<const std::uint8_t**>(frame->extended_data), frame->nb_samples);
}

// A resampler keeps a few samples back until it is told that no more input comes.
Status DecodeStream::Impl::drainConverter() {
    if (!swr)
        return {};
    return runConverter(nullptr, 0);
}

// Converts `samples` input samples (none: what the resampler still holds) into `converted`
// and makes them the pending output.
Status DecodeStream::Impl::runConverter(const std::uint8_t** input, int samples) {
    const int block = out.blockAlign();
    const int capacity = swr_get_out_samples(swr, samples);
    if (capacity <= 0)
        return {};
    if (converted.size() < std::size_t(capacity) * block)
        converted.resize(std::size_t(capacity) * block);
    std::uint8_t* target = converted.data();
    const int made = swr_convert(swr, &target, capacity, input, samples);
    if (made < 0)
        return fail(ErrorCode::Decode,
                    QCoreApplication::translate("Codec", "its samples cannot be converted (%1).")
                        .arg(avErrorText(made)));
    pending = converted.data();
    pendingBytes = ByteCount(made) * block;
    return {};
}

Status DecodeStream::Impl::refill() {
    pending = nullptr;
    pendingBytes = 0;
    while (!ended) {
        const int ret = receiveFrame();
        if (ret < 0) {
            ended = true;
            return fail(ErrorCode::Decode,
                        QCoreApplication::translate("Codec", "decoding failed midway (%1).")
                            .arg(avErrorText(ret)));
        }
        if (ret == 0) {
            ended = true;
            return drainConverter();
        }
        const std::int64_t start = placeFrame();
        if (dropUntil >= 0 && nextFrame <= dropUntil)
            continue;
        if (Status s = takeFrame(); !s)
            return s;
        dropPending(start);
        if (pendingBytes > 0)
            return {};
    }
    return {};
}

DecodeStream::Impl::Opened DecodeStream::Impl::openLocal(const QString& path, int maxChannels) {
    const QFileInfo info(path);
    if (!info.exists())
        return Status{ErrorCode::FileOpen,
                      QCoreApplication::translate("Codec", "%1: no such file.").arg(path)};
    if (!info.isFile())
        return Status{ErrorCode::NotFile,
                      QCoreApplication::translate("Codec", "%1: not a file.").arg(path)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Status{ErrorCode::FileOpen, QStringLiteral("%1: %2.").arg(path, file.errorString())};
    const qint64 size = file.size();
    if (size == 0)
        return Status{ErrorCode::Empty,
                      QCoreApplication::translate("Codec", "%1: the file is empty.").arg(path)};
    const QByteArray head = file.read(12);
    file.close();

    // FFmpeg's WAV reader takes zero channels, a zero block align or an absurd fmt chunk
    // further than it should; the program's own reader turns those away first. A sample
    // format it does not know (ADPCM and the like) is left to FFmpeg.
    std::int64_t exactFrames = -1;
    if (head.startsWith("RIFF") && head.mid(8, 4) == "WAVE") {
        const auto wav = readWavInfo(path);
        if (!wav && wav.status().code() != ErrorCode::Format)
            return wav.status();
        if (wav)
            exactFrames = wav->dataBytes / wav->format.blockAlign();
    } else {
        if (const auto counted = FrameCounts::instance().known(path))
            exactFrames = counted->frames;
    }

    const QByteArray url = "file:" + QFile::encodeName(info.absoluteFilePath());
    auto impl = std::make_unique<Impl>(path, maxChannels);
    Status status = impl->openInput(url, nullptr, false);
    if (status) {
        status = impl->setUp(exactFrames);
        if (status)
            return finish(std::move(impl));
    }
    const AVInputFormat* music = av_find_input_format("libopenmpt");
    if (music && size <= MaxModuleBytes) {
        auto module = std::make_unique<Impl>(path, maxChannels);
        if (module->openInput(url, music, false) && module->setUp(-1))
            return finish(std::move(module));
    }
    return status;
}

DecodeStream::Impl::Opened DecodeStream::Impl::openUrl(const QString& url, int maxChannels) {
    auto impl = std::make_unique<Impl>(url, maxChannels);
    if (Status s = impl->openInput(url.toUtf8(), nullptr, true); !s)
        return s;
    if (Status s = impl->setUp(-1); !s)
        return s;
    return finish(std::move(impl));
}

Result<std::unique_ptr<DecodeStream>> DecodeStream::open(const QString& path, int maxChannels) {
    initFfmpeg();
    static const QRegularExpression scheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]+)://"));
    const auto match = scheme.match(path);
    if (!match.hasMatch())
        return Impl::openLocal(path, maxChannels);
    if (match.captured(1).compare(QLatin1String("file"), Qt::CaseInsensitive) == 0)
        return Impl::openLocal(QUrl(path).toLocalFile(), maxChannels);
    return Impl::openUrl(path, maxChannels);
}

Result<DecodeStream::Counted> DecodeStream::countFrames(const QString& path) {
    if (const auto counted = FrameCounts::instance().known(path))
        return *counted;
    const std::optional<FrameCounts::Key> before = FrameCounts::keyOf(path);
    // The stream proves the file is sound the decoder takes, and gives the output rate.
    auto opened = open(path);
    if (!opened)
        return opened.status();
    const DecodeStream& stream = **opened;
    const QString name = QFileInfo(path).absoluteFilePath();
    const auto cannotCount = [&] {
        return Status{
            ErrorCode::FileForm,
            QCoreApplication::translate("Codec", "%1: its length cannot be counted.").arg(path)};
    };
    AVFormatContext* format = nullptr;
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    const QByteArray url = "file:" + QFile::encodeName(name);
    const int ret = avformat_open_input(&format, url.constData(), nullptr, &options);
    av_dict_free(&options);
    if (ret < 0)
        return cannotCount();
    const auto closing = qScopeGuard([&] { avformat_close_input(&format); });
    if (avformat_find_stream_info(format, nullptr) < 0)
        return cannotCount();
    const int index = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (index < 0 || index != stream.d->streamIndex)
        return cannotCount();
    const AVStream* audio = format->streams[index];
    // Where the packets' lengths are known to add up to the decode. AAC in MP4 keeps its
    // priming in an edit list, Vorbis's first packets and Opus's pre-skip count otherwise.
    const AVCodecID codecId = audio->codecpar->codec_id;
    if (codecId != AV_CODEC_ID_MP3 && codecId != AV_CODEC_ID_FLAC)
        return cannotCount();
    const int codecRate = audio->codecpar->sample_rate;
    if (codecRate != stream.sampleRateHz())
        return cannotCount();
    AVPacket* packet = av_packet_alloc();
    if (!packet)
        return Status{ErrorCode::OutOfMemory,
                      QCoreApplication::translate("Codec", "out of memory.")};
    const auto freeing = qScopeGuard([&] { av_packet_free(&packet); });
    std::int64_t ticks = 0;
    std::int64_t skipped = 0;
    bool lengthless = false;
    int read = 0;
    while ((read = av_read_frame(format, packet)) >= 0) {
        if (packet->stream_index == index) {
            lengthless = lengthless || packet->duration <= 0;
            ticks += packet->duration;
            std::size_t size = 0;
            if (const std::uint8_t* skip =
                    av_packet_get_side_data(packet, AV_PKT_DATA_SKIP_SAMPLES, &size);
                skip && size >= 8)
                skipped += std::int64_t(AV_RL32(skip)) + std::int64_t(AV_RL32(skip + 4));
        }
        av_packet_unref(packet);
    }
    // A read that failed before the end (not the end itself) would count the file short.
    if (lengthless || read != AVERROR_EOF)
        return cannotCount();
    const std::int64_t frames = std::max<std::int64_t>(
        0, av_rescale_q(ticks, audio->time_base, AVRational{1, codecRate}) - skipped);
    const Counted counted{stream.outputFormat(), frames};
    if (const std::optional<FrameCounts::Key> after = FrameCounts::keyOf(path);
        before && after && *before == *after)
        FrameCounts::instance().remember(path, *after, counted);
    return counted;
}

DecodeStream::DecodeStream(std::unique_ptr<Impl> impl) : d(std::move(impl)) {}
DecodeStream::~DecodeStream() = default;

int DecodeStream::channels() const {
    return d->out.channels;
}
int DecodeStream::sampleRateHz() const {
    return d->out.sampleRateHz;
}
bool DecodeStream::isEightBit() const {
    return d->out.bitsPerSample == 8;
}
WavFormat DecodeStream::outputFormat() const {
    return d->out;
}
QString DecodeStream::codecName() const {
    return QString::fromLatin1(avcodec_get_name(d->codec->codec_id));
}
QString DecodeStream::title() const {
    // Ogg keeps its comments with the stream, the other containers with the file.
    for (AVDictionary* tags : {d->format->metadata, d->format->streams[d->streamIndex]->metadata})
        if (const AVDictionaryEntry* title = av_dict_get(tags, "title", nullptr, 0))
            return QString::fromUtf8(title->value);
    return {};
}
ByteCount DecodeStream::lengthBytes() const {
    return d->length;
}
bool DecodeStream::lengthIsExact() const {
    return d->exactLength;
}
ByteCount DecodeStream::positionBytes() const {
    return d->position;
}
bool DecodeStream::isActive() const {
    return d->active;
}

Status DecodeStream::seek(std::int64_t frame) {
    return d->seekTo(std::max<std::int64_t>(0, frame));
}

Result<ByteCount> DecodeStream::getData(void* buffer, ByteCount maxBytes) {
    const int block = d->out.blockAlign();
    if (!buffer || maxBytes < block)
        return Status{
            ErrorCode::IllegalParam,
            QCoreApplication::translate("Codec", "%1: a read of %2 bytes holds no whole frame.")
                .arg(d->path)
                .arg(maxBytes)};
    if (!d->deferred.isOk()) {
        d->active = false;
        return std::exchange(d->deferred, Status{});
    }
    if (!d->active)
        return ByteCount(0);

    const ByteCount wanted = maxBytes - maxBytes % block;
    auto* target = static_cast<std::uint8_t*>(buffer);
    ByteCount copied = 0;
    while (copied < wanted) {
        if (d->pendingBytes == 0) {
            if (d->ended) {
                d->active = false;
                break;
            }
            if (Status s = d->refill(); !s) {
                if (copied == 0) {
                    d->active = false;
                    return s;
                }
                d->deferred = s;
                break;
            }
            continue;
        }
        const ByteCount n = std::min(d->pendingBytes, wanted - copied);
        std::memcpy(target + copied, d->pending, std::size_t(n));
        d->pending += n;
        d->pendingBytes -= n;
        copied += n;
    }
    d->position += copied;
    if (!d->active)
        d->length = d->position;
    return copied;
}
