// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "waveform/peaks.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdint>

class QPainter;

// The picture of a clip's sound, drawn the same way by the editor's view and by the command
// line: each channel in a lane of its own, one vertical line per pixel column from the
// lowest to the highest sample of the frames the column covers. Frames not ready yet are
// left out.
namespace waveform {

// Draws the frames from `firstFrame` on, `framesPerPixel` to a column, into `area`.
void draw(QPainter& painter, const QRect& area, const Peaks& peaks, double firstFrame,
          double framesPerPixel, const QColor& color);
// The whole clip on a white ground, `width` columns.
QImage picture(const Peaks& peaks, int width, int height);
// The fine level in the JSON layout browser waveform players read: version 2, channels,
// sample_rate, samples_per_pixel (the fine block), bits 16, length (columns), and data as
// min, max pairs, channels interleaved in each column.
QByteArray json(const Peaks& peaks);

} // namespace waveform
