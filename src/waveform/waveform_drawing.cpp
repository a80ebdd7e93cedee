// SPDX-License-Identifier: GPL-3.0-or-later
#include "waveform/waveform_drawing.h"

#include <QPainter>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace waveform {

void draw(QPainter& painter, const QRect& area, const Peaks& peaks, double firstFrame,
          double framesPerPixel, const QColor& color) {
    const int channels = peaks.format().channels;
    if (channels <= 0 || area.isEmpty() || framesPerPixel <= 0)
        return;
    painter.save();
    painter.setPen(QPen(color, 1));
    const double lane = double(area.height()) / channels;
    for (int c = 0; c < channels; ++c) {
        const double middle = area.top() + lane * (c + 0.5);
        const double half = lane / 2 - 1;
        for (int x = 0; x < area.width(); ++x) {
            const auto from = std::int64_t(std::floor(firstFrame + x * framesPerPixel));
            const auto to =
                std::max(from + 1, std::int64_t(std::floor(firstFrame + (x + 1) * framesPerPixel)));
            if (from >= peaks.frames())
                break;
            if (to > peaks.readyFrames() && !peaks.complete())
                break;
            const auto [lo, hi] = peaks.range(c, from, to);
            const int top = int(std::lround(middle - hi / 32768.0 * half));
            const int bottom = int(std::lround(middle - lo / 32768.0 * half));
            painter.drawLine(area.left() + x, top, area.left() + x, std::max(top, bottom));
        }
    }
    painter.restore();
}

QImage picture(const Peaks& peaks, int width, int height) {
    QImage image(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const double framesPerPixel = std::max(1.0, double(peaks.frames()) / image.width());
    draw(painter, image.rect(), peaks, 0, framesPerPixel, QColor(0x1f, 0x5f, 0xa8));
    return image;
}

QByteArray json(const Peaks& peaks) {
    const PeakLevel& level = peaks.fine();
    QByteArray out;
    out.reserve(qsizetype(level.data.size() * 7 + 200));
    out += "{\"version\":2,\"channels\":" + QByteArray::number(level.channels) +
           ",\"sample_rate\":" + QByteArray::number(peaks.format().sampleRateHz) +
           ",\"samples_per_pixel\":" + QByteArray::number(level.framesPerBlock) +
           ",\"bits\":16,\"length\":" + QByteArray::number(level.blocks()) + ",\"data\":[";
    // An hour's outline is millions of numbers: written in place, not one string each.
    const qsizetype head = out.size();
    out.resize(head + qsizetype(level.data.size()) * 7 + 3);
    char* at = out.data() + head;
    char* const end = out.data() + out.size();
    for (std::size_t i = 0; i < level.data.size(); ++i) {
        if (i > 0)
            *at++ = ',';
        at = std::to_chars(at, end, level.data[i]).ptr;
    }
    out.resize(at - out.data());
    out += "]}\n";
    return out;
}

} // namespace waveform
