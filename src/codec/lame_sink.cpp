// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/write_fully.h"
#include "codec/sink_backends.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <lame/lame.h>

#include <vector>

namespace {

// The lame tool's own default (-q 3): same sound, and the same time for the same file.
constexpr int LameQuality = 3;
// LAME's documented worst case for one call is 1.25 bytes per sample plus 7200; blocks of
// any size are cut into calls of at most this many frames.
constexpr int CallFrames = 1152 * 32;
constexpr int Mp3BufferBytes = CallFrames * 5 / 4 + 7200;
// The Info tag is one MP3 frame; the longest frame (320 kbit/s at 32000 Hz) is 1441 bytes.
constexpr int TagBufferBytes = 2880;

int mp3RateFor(int inputRateHz) {
    for (int rate : {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000}) {
        if (rate >= inputRateHz)
            return rate;
    }
    return 48000;
}

struct LameCloser {
    void operator()(lame_global_flags* flags) const { lame_close(flags); }
};

// The title as ID3v2 text: UTF-16 with its byte-order mark, ended by a zero, which is what
// LAME's UTF-16 setter takes (its plain one takes Latin-1 only).
std::vector<unsigned short> utf16Text(const QString& text) {
    std::vector<unsigned short> units{0xFEFF};
    for (QChar c : text)
        units.push_back(c.unicode());
    units.push_back(0);
    return units;
}

class LameSink : public SoundSink {
public:
    LameSink(const QString& path, int channels)
        : m_path(path), m_channels(channels), m_file(path) {}

    Status start(const WavFormat& input, const EncodeSettings& settings) {
        m_lame.reset(lame_init());
        if (!m_lame)
            return failed(QCoreApplication::translate("Codec", "out of memory."));
        lame_global_flags* lame = m_lame.get();
        lame_set_num_channels(lame, input.channels);
        lame_set_in_samplerate(lame, input.sampleRateHz);
        lame_set_out_samplerate(lame, mp3RateFor(input.sampleRateHz));
        lame_set_VBR(lame, vbr_off);
        lame_set_brate(lame, settings.bitRateKbps);
        lame_set_quality(lame, LameQuality);
        if (input.channels == 1)
            lame_set_mode(lame, MONO);
        lame_set_bWriteVbrTag(lame, 1);
        // The tags are written here, not by LAME, so that the Info tag frame can be found
        // again right after the ID3v2 tag when it is rewritten at the end.
        lame_set_write_id3tag_automatic(lame, 0);
        if (!settings.title.isEmpty()) {
            id3tag_init(lame);
            id3tag_v2_only(lame);
            id3tag_set_textinfo_utf16(lame, "TIT2", utf16Text(settings.title).data());
        }
        if (lame_init_params(lame) < 0)
            return {ErrorCode::IllegalParam,
                    QCoreApplication::translate(
                        "Codec", "%1: the MP3 encoder refuses %2 Hz, %3 channels, %4 kbit/s.")
                        .arg(m_path)
                        .arg(input.sampleRateHz)
                        .arg(input.channels)
                        .arg(settings.bitRateKbps)};
        // Unbuffered: each block is one write(2), and a full disk shows at that write.
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return writeFailure(m_file);
        m_mp3.resize(Mp3BufferBytes);
        if (!settings.title.isEmpty()) {
            const std::size_t size = lame_get_id3v2_tag(lame, nullptr, 0);
            std::vector<unsigned char> tag(size);
            if (size > 0 && lame_get_id3v2_tag(lame, tag.data(), size) == size) {
                if (Status written = writeFully(m_file, tag.data(), qint64(size)); !written)
                    return written;
                m_infoTagOffset = qint64(size);
            }
        }
        return Status::ok();
    }

    Status write(const std::int16_t* samples, int frames) override {
        for (int at = 0; at < frames; at += CallFrames) {
            const int n = std::min(CallFrames, frames - at);
            const std::int16_t* block = samples + std::size_t(at) * m_channels;
            const int made =
                m_channels == 1
                    ? lame_encode_buffer(m_lame.get(), block, nullptr, n, m_mp3.data(),
                                         Mp3BufferBytes)
                    : lame_encode_buffer_interleaved(m_lame.get(), const_cast<std::int16_t*>(block),
                                                     n, m_mp3.data(), Mp3BufferBytes);
            if (made < 0)
                return failed(
                    QCoreApplication::translate("Codec", "the MP3 encoder failed (code %1).")
                        .arg(made));
            if (Status written = writeFully(m_file, m_mp3.data(), made); !written)
                return written;
        }
        return Status::ok();
    }

    Status finish() override {
        const int flushed = lame_encode_flush(m_lame.get(), m_mp3.data(), Mp3BufferBytes);
        if (flushed < 0)
            return failed(QCoreApplication::translate("Codec", "the MP3 encoder failed (code %1).")
                              .arg(flushed));
        if (Status written = writeFully(m_file, m_mp3.data(), flushed); !written)
            return written;
        // What lame_mp3_tags_fid does on a FILE*: the placeholder frame LAME wrote first is
        // replaced by the final Info tag.
        unsigned char tag[TagBufferBytes];
        const std::size_t tagBytes = lame_get_lametag_frame(m_lame.get(), tag, sizeof tag);
        if (tagBytes > sizeof tag)
            return failed(
                QCoreApplication::translate("Codec", "the MP3 encoder's tag does not fit."));
        if (tagBytes > 0 && !m_file.seek(m_infoTagOffset))
            return writeFailure(m_file);
        if (Status written = writeFully(m_file, tag, qint64(tagBytes)); !written)
            return written;
        if (!m_file.commit())
            return writeFailure(m_file);
        return Status::ok();
    }

private:
    Status failed(const QString& reason) const {
        //: A file's path, then what is wrong with it.
        return {ErrorCode::Create,
                QCoreApplication::translate("Codec", "%1: %2").arg(m_path, reason)};
    }

    QString m_path;
    int m_channels;
    QSaveFile m_file;
    std::unique_ptr<lame_global_flags, LameCloser> m_lame;
    std::vector<unsigned char> m_mp3;
    qint64 m_infoTagOffset = 0;
};

} // namespace

Result<std::unique_ptr<SoundSink>> openLameSink(const QString& path, const WavFormat& input,
                                                const EncodeSettings& settings) {
    auto sink = std::make_unique<LameSink>(path, input.channels);
    if (Status started = sink->start(input, settings); !started)
        return started;
    return std::unique_ptr<SoundSink>(std::move(sink));
}
