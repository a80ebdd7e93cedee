// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "codec/sound_sink.h"

// The two makers behind SoundSink::open: LAME for MP3, FFmpeg's encoders and muxers for the
// rest. Same contract as SoundSink::open.
Result<std::unique_ptr<SoundSink>> openLameSink(const QString& path, const WavFormat& input,
                                                const EncodeSettings& settings);
Result<std::unique_ptr<SoundSink>> openFfmpegSink(const QString& path, const WavFormat& input,
                                                  const EncodeSettings& settings);
