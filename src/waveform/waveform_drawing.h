// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "waveform/peaks.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdint>
#include <vector>

class QPainter;

// The picture of a clip's sound, drawn the same way by the editor's view and by the command
// line: each channel in a lane of its own, one vertical line per pixel column from the
// lowest to the highest sample of the frames the column covers. Frames not ready yet are
// left out.
namespace waveform {

// Draws the frames from `firstFrame` on, `framesPerPixel` to a column, into `area`, the
// samples multiplied by `gain` (>= 1: a taller picture, clipped at the lane's edges).
void draw(QPainter& painter, const QRect& area, const Peaks& peaks, double firstFrame,
          double framesPerPixel, const QColor& color, double gain = 1);
// Draws samples themselves (interleaved 16-bit, `channels` of them, frame 0 of them being
// frame `samplesFirstFrame` of the clip) in the same lanes: a column from lowest to highest
// where a pixel holds several frames (four or more), else a line through the samples with a
// dot on each once they are far enough apart to tell.
void drawSamples(QPainter& painter, const QRect& area, const std::vector<std::int16_t>& samples,
                 int channels, std::int64_t samplesFirstFrame, double firstFrame,
                 double framesPerPixel, const QColor& color, double gain = 1);
// The whole clip on a white ground, `width` columns.
QImage picture(const Peaks& peaks, int width, int height);
// The fine level in the JSON layout browser waveform players read: version 2, channels,
// sample_rate, samples_per_pixel (the fine block), bits 16, length (columns), and data as
// min, max pairs, channels interleaved in each column.
QByteArray json(const Peaks& peaks);

} // namespace waveform
