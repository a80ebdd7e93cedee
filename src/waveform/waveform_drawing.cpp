// SPDX-License-Identifier: GPL-3.0-or-later
#include "waveform/waveform_drawing.h"

#include <QPainter>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace waveform {

namespace {

// Fewer frames than this to a pixel are drawn as a line through them: columns that few
// samples tall would look like scattered dashes.
constexpr double PolylineBelow = 4;

// The y of a sample in a lane centred on `middle`, `half` pixels each way, clipped there.
double yOf(double sample, double middle, double half, double gain) {
    return middle - std::clamp(sample * gain / 32768.0, -1.0, 1.0) * half;
}

} // namespace

void draw(QPainter& painter, const QRect& area, const Peaks& peaks, double firstFrame,
          double framesPerPixel, const QColor& color, double gain) {
    const int channels = peaks.format().channels;
    if (channels <= 0 || area.isEmpty() || framesPerPixel <= 0)
        return;
    painter.save();
    painter.setPen(QPen(color, 0));
    const double lane = double(area.height()) / channels;
    // One call for all the columns: drawing line by line costs most of a repaint.
    std::vector<QLine> lines;
    lines.reserve(std::size_t(area.width() * channels));
    for (int c = 0; c < channels; ++c) {
        const double middle = area.top() + lane * (c + 0.5);
        const double half = lane / 2 - 1;
        for (int x = 0; x < area.width(); ++x) {
            const auto from = std::int64_t(std::floor(firstFrame + x * framesPerPixel));
            const auto to =
                std::max(from + 1, std::int64_t(std::floor(firstFrame + (x + 1) * framesPerPixel)));
            if (from < 0)
                continue;
            if (from >= peaks.frames())
                break;
            if (to > peaks.readyFrames() && !peaks.complete())
                break;
            const auto [lo, hi] = peaks.range(c, from, to);
            const int top = int(std::lround(yOf(hi, middle, half, gain)));
            const int bottom = int(std::lround(yOf(lo, middle, half, gain)));
            lines.emplace_back(area.left() + x, top, area.left() + x, std::max(top, bottom));
        }
    }
    painter.drawLines(lines.data(), int(lines.size()));
    painter.restore();
}

void drawSamples(QPainter& painter, const QRect& area, const std::vector<std::int16_t>& samples,
                 int channels, std::int64_t samplesFirstFrame, double firstFrame,
                 double framesPerPixel, const QColor& color, double gain) {
    if (channels <= 0 || area.isEmpty() || framesPerPixel <= 0 || samples.empty())
        return;
    const auto frames = std::int64_t(samples.size()) / channels;
    const auto sample = [&](std::int64_t frame, int c) {
        return samples[std::size_t((frame - samplesFirstFrame) * channels + c)];
    };
    const std::int64_t last = samplesFirstFrame + frames;
    painter.save();
    painter.setPen(QPen(color, 0));
    const double lane = double(area.height()) / channels;
    for (int c = 0; c < channels; ++c) {
        const double middle = area.top() + lane * (c + 0.5);
        const double half = lane / 2 - 1;
        if (framesPerPixel >= PolylineBelow) {
            std::vector<QLine> lines;
            for (int x = 0; x < area.width(); ++x) {
                const auto from = std::int64_t(std::floor(firstFrame + x * framesPerPixel));
                const auto to =
                    std::min(last, std::max(from + 1, std::int64_t(std::floor(
                                                          firstFrame + (x + 1) * framesPerPixel))));
                if (from < samplesFirstFrame)
                    continue;
                if (from >= last)
                    break;
                // From the column's previous sample on, so the columns join into one trace.
                std::int16_t lo = sample(from, c), hi = lo;
                for (std::int64_t f = std::max(samplesFirstFrame, from - 1); f < to; ++f) {
                    lo = std::min(lo, sample(f, c));
                    hi = std::max(hi, sample(f, c));
                }
                lines.emplace_back(area.left() + x, int(std::lround(yOf(hi, middle, half, gain))),
                                   area.left() + x, int(std::lround(yOf(lo, middle, half, gain))));
            }
            painter.drawLines(lines.data(), int(lines.size()));
            continue;
        }
        // One frame before and after the view, so the line runs to the edges.
        const std::int64_t from =
            std::max(samplesFirstFrame, std::int64_t(std::floor(firstFrame)) - 1);
        const std::int64_t to =
            std::min(last, std::int64_t(std::ceil(firstFrame + area.width() * framesPerPixel)) + 2);
        std::vector<QPointF> points;
        for (std::int64_t f = from; f < to; ++f)
            points.emplace_back(area.left() + (double(f) - firstFrame) / framesPerPixel,
                                yOf(sample(f, c), middle, half, gain));
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.drawPolyline(points.data(), int(points.size()));
        // Dots only where samples stand apart: closer, they would merge into a thick line.
        if (1 / framesPerPixel >= 6) {
            painter.setBrush(color);
            for (const QPointF& point : points)
                painter.drawEllipse(point, 2.0, 2.0);
        }
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setBrush(Qt::NoBrush);
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
