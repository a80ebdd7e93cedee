// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/sound_filter.h"

#include <QCoreApplication>

extern "C" {
#include <libavfilter/avfilter.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/channel_layout.h>
#include <libavutil/frame.h>
#include <libavutil/opt.h>
}

#include <cstring>
#include <mutex>

namespace {

QString avError(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

} // namespace

struct SoundFilter::Impl {
    AVFilterGraph* graph = nullptr;
    AVFilterContext* source = nullptr;
    AVFilterContext* sink = nullptr;
    AVFrame* frame = nullptr;
    AVChannelLayout layout{};
    int sampleRateHz = 0;
    Samples input = Samples::Int16;
    QString chain;
    std::int64_t pts = 0;
    bool finished = false;

    ~Impl() {
        av_frame_free(&frame);
        avfilter_graph_free(&graph);
        av_channel_layout_uninit(&layout);
    }

    // `text` names the filter as %1 and the library's reason as %2.
    Status failure(const QString& text, int code) const {
        return {ErrorCode::Decode, text.arg(chain, avError(code))};
    }
};

SoundFilter::SoundFilter(std::unique_ptr<Impl> impl) : d(std::move(impl)) {}
SoundFilter::~SoundFilter() = default;

Result<std::unique_ptr<SoundFilter>> SoundFilter::create(int channels, int sampleRateHz,
                                                         Samples input, const QString& chain) {
    static std::once_flag quiet;
    // Failures reach the user as statuses; the filters' own chatter would only go to stderr.
    std::call_once(quiet, [] { av_log_set_level(AV_LOG_FATAL); });
    auto d = std::make_unique<Impl>();
    d->sampleRateHz = sampleRateHz;
    d->input = input;
    d->chain = chain;
    const auto refused = [&](int code) {
        return Status{
            ErrorCode::IllegalParam,
            QCoreApplication::translate("Codec", "The sound filter \"%1\" cannot be set up (%2).")
                .arg(chain, avError(code))};
    };
    if (channels < 1 || sampleRateHz < 1)
        return refused(AVERROR(EINVAL));
    av_channel_layout_default(&d->layout, channels);
    char layoutName[128] = {};
    av_channel_layout_describe(&d->layout, layoutName, sizeof layoutName);

    d->graph = avfilter_graph_alloc();
    d->frame = av_frame_alloc();
    if (!d->graph || !d->frame)
        return Status{ErrorCode::OutOfMemory,
                      QCoreApplication::translate("Codec", "Out of memory!")};

    const AVSampleFormat inputFormat =
        input == Samples::Int16 ? AV_SAMPLE_FMT_S16 : AV_SAMPLE_FMT_FLT;
    const QByteArray sourceArgs =
        QStringLiteral("sample_rate=%1:sample_fmt=%2:channel_layout=%3:time_base=1/%1")
            .arg(sampleRateHz)
            .arg(QString::fromLatin1(av_get_sample_fmt_name(inputFormat)),
                 QString::fromLatin1(layoutName))
            .toUtf8();
    int code = avfilter_graph_create_filter(&d->source, avfilter_get_by_name("abuffer"), "in",
                                            sourceArgs.constData(), nullptr, d->graph);
    if (code < 0)
        return refused(code);
    code = avfilter_graph_create_filter(&d->sink, avfilter_get_by_name("abuffersink"), "out",
                                        nullptr, nullptr, d->graph);
    if (code < 0)
        return refused(code);
    // The sink asks for the input's rate and channels as float: FFmpeg converts back whatever
    // a filter of the chain changed on the way.
    const AVSampleFormat outputFormats[] = {AV_SAMPLE_FMT_FLT, AV_SAMPLE_FMT_NONE};
    const int rates[] = {sampleRateHz, -1};
    if ((code = av_opt_set_int_list(d->sink, "sample_fmts", outputFormats, AV_SAMPLE_FMT_NONE,
                                    AV_OPT_SEARCH_CHILDREN)) < 0 ||
        (code = av_opt_set_int_list(d->sink, "sample_rates", rates, -1, AV_OPT_SEARCH_CHILDREN)) <
            0 ||
        (code = av_opt_set(d->sink, "ch_layouts", layoutName, AV_OPT_SEARCH_CHILDREN)) < 0)
        return refused(code);

    AVFilterInOut* outputs = avfilter_inout_alloc();
    AVFilterInOut* inputs = avfilter_inout_alloc();
    if (!outputs || !inputs) {
        avfilter_inout_free(&outputs);
        avfilter_inout_free(&inputs);
        return Status{ErrorCode::OutOfMemory,
                      QCoreApplication::translate("Codec", "Out of memory!")};
    }
    outputs->name = av_strdup("in");
    outputs->filter_ctx = d->source;
    inputs->name = av_strdup("out");
    inputs->filter_ctx = d->sink;
    code =
        avfilter_graph_parse_ptr(d->graph, chain.toUtf8().constData(), &inputs, &outputs, nullptr);
    avfilter_inout_free(&outputs);
    avfilter_inout_free(&inputs);
    if (code < 0 || (code = avfilter_graph_config(d->graph, nullptr)) < 0)
        return refused(code);
    return std::unique_ptr<SoundFilter>(new SoundFilter(std::move(d)));
}

Status SoundFilter::push(const std::int16_t* samples, std::int64_t frames, const Take& take) {
    if (d->input != Samples::Int16)
        return {ErrorCode::Format,
                QCoreApplication::translate("Codec", "The sound filter takes float samples.")};
    return pushFrame(samples, frames, 2, take);
}

Status SoundFilter::push(const float* samples, std::int64_t frames, const Take& take) {
    if (d->input != Samples::Float)
        return {ErrorCode::Format,
                QCoreApplication::translate("Codec", "The sound filter takes 16-bit samples.")};
    return pushFrame(samples, frames, 4, take);
}

Status SoundFilter::pushFrame(const void* samples, std::int64_t frames, int bytesPerSample,
                              const Take& take) {
    if (frames <= 0)
        return Status::ok();
    if (d->finished)
        return d->failure(
            QCoreApplication::translate(
                "Codec", "The sound filter \"%1\" failed after the end of the sound (%2)."),
            AVERROR(EINVAL));
    AVFrame* frame = av_frame_alloc();
    if (!frame)
        return {ErrorCode::OutOfMemory, QCoreApplication::translate("Codec", "Out of memory!")};
    frame->format = d->input == Samples::Int16 ? AV_SAMPLE_FMT_S16 : AV_SAMPLE_FMT_FLT;
    frame->sample_rate = d->sampleRateHz;
    frame->nb_samples = int(frames);
    frame->pts = d->pts;
    int code = av_channel_layout_copy(&frame->ch_layout, &d->layout);
    if (code >= 0)
        code = av_frame_get_buffer(frame, 0);
    if (code >= 0) {
        std::memcpy(frame->data[0], samples,
                    std::size_t(frames) * std::size_t(d->layout.nb_channels) *
                        std::size_t(bytesPerSample));
        code = av_buffersrc_add_frame(d->source, frame);
    }
    av_frame_free(&frame);
    if (code < 0)
        return d->failure(QCoreApplication::translate(
                              "Codec", "The sound filter \"%1\" failed on the sound (%2)."),
                          code);
    d->pts += frames;
    return drain(take);
}

Status SoundFilter::finish(const Take& take) {
    if (!d->finished) {
        d->finished = true;
        if (const int code = av_buffersrc_add_frame(d->source, nullptr); code < 0)
            return d->failure(
                QCoreApplication::translate(
                    "Codec", "The sound filter \"%1\" failed at the end of the sound (%2)."),
                code);
    }
    return drain(take);
}

// Hands out every frame the sink has ready: all that is left once the end was fed in.
Status SoundFilter::drain(const Take& take) {
    for (;;) {
        const int code = av_buffersink_get_frame(d->sink, d->frame);
        if (code == AVERROR(EAGAIN) || code == AVERROR_EOF)
            return Status::ok();
        if (code < 0)
            return d->failure(QCoreApplication::translate(
                                  "Codec", "The sound filter \"%1\" failed on the sound (%2)."),
                              code);
        const Status taken =
            take(reinterpret_cast<const float*>(d->frame->data[0]), d->frame->nb_samples);
        av_frame_unref(d->frame);
        if (!taken)
            return taken;
    }
}

Status SoundFilter::command(const QString& target, const QString& command,
                            const QString& argument) {
    char answer[256] = {};
    const int code = avfilter_graph_send_command(
        d->graph, target.toUtf8().constData(), command.toUtf8().constData(),
        argument.toUtf8().constData(), answer, sizeof answer, 0);
    if (code < 0)
        return {ErrorCode::IllegalParam,
                QCoreApplication::translate("Codec",
                                            "The sound filter \"%1\" does not take \"%2 %3\" (%4).")
                    .arg(target, command, argument, avError(code))};
    return Status::ok();
}
