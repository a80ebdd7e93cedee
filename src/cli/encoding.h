// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace cli {

// 56, 96, 128 or 256 from the text; nothing for any other value.
std::optional<int> parseBitRate(const QString& text);
// What OUT's name asks `command` to write: 0 for a WAV, else the MP3 bit rate (the
// --bitrate value, 128 when absent). Nothing, after the usage line is printed, when OUT
// ends in neither .wav nor .mp3 or the bit rate is wrong or given for a WAV.
std::optional<int> targetBitRate(const QString& command, const QString& output,
                                 const std::optional<QString>& bitRateText);
// Encodes input (any readable file) to an MP3 at bitRate, waiting for the job to end.
int encodeToMp3(const QString& input, const QString& output, int bitRate);
// Decodes input to a canonical WAV at output.
int decodeToWav(const QString& input, const QString& output);

} // namespace cli
