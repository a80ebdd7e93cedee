// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "codec/sound_sink.h"

#include <QString>

#include <optional>

namespace cli {

// 56, 96, 128 or 256 from the text; nothing for any other value.
std::optional<int> parseBitRate(const QString& text);

// What OUT's name asks a command to write: a WAV (no codec), or a codec by the extension
// (.mp3, .m4r/.m4a, .ogg, .opus, .flac) with its bit rate: --bitrate K, 128 when absent.
// MP3 takes 56, 96, 128 or 256; AAC, Vorbis and Opus any whole number of kbit/s (the
// encoder says whether it takes it); WAV and FLAC none.
struct OutputPlan {
    std::optional<Codec> codec;
    int bitRateKbps = 128;
};
// Nothing, after the usage line is printed, when OUT's extension is none of these or the
// bit rate is wrong or given where it does not apply.
std::optional<OutputPlan> planOutput(const QString& command, const QString& output,
                                     const std::optional<QString>& bitRateText);

// Encodes input (any readable file) with `settings`, waiting for the job to end: MP3 on the
// program's encoder as the window runs it, the others on this thread.
int encodeTo(const QString& input, const QString& output, const EncodeSettings& settings);
int encodeToMp3(const QString& input, const QString& output, int bitRate);
// Decodes input to a canonical WAV at output.
int decodeToWav(const QString& input, const QString& output);
// Decodes input, or encodes it when the plan names a codec.
int writeAs(const QString& input, const QString& output, const OutputPlan& plan);

} // namespace cli
