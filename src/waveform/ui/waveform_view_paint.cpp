// SPDX-License-Identifier: GPL-3.0-or-later
#include "waveform/ui/waveform_view.h"

#include "waveform/ruler.h"
#include "waveform/waveform_drawing.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

const QColor BandColours[] = {{0xe6, 0x9f, 0x00}, {0x56, 0xb4, 0xe9}, {0x00, 0x9e, 0x73},
                              {0xcc, 0x79, 0xa7}, {0xd5, 0x5e, 0x00}, {0x00, 0x72, 0xb2}};

QColor mix(const QColor& a, const QColor& b, double bShare) {
    const auto part = [&](float x, float y) { return x * float(1 - bShare) + y * float(bShare); };
    return QColor::fromRgbF(part(a.redF(), b.redF()), part(a.greenF(), b.greenF()),
                            part(a.blueF(), b.blueF()));
}

QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

// The editor's colours out of the desktop's palette: the picture on Base, the ruler and the
// overview on Window, the sound and the kept stretch in Highlight, the playhead and grid in
// Text. The marks and the bands' names keep their hues, made lighter on a dark ground and
// darker on a light one so that they stay readable on both.
struct Colours {
    explicit Colours(const QPalette& palette)
        : ground(palette.color(QPalette::Base)),
          kept(mix(ground, palette.color(QPalette::Highlight), 0.22)),
          wave(palette.color(QPalette::Highlight)), text(palette.color(QPalette::Text)),
          note(palette.color(QPalette::PlaceholderText)),
          rulerGround(palette.color(QPalette::Window)),
          rulerText(palette.color(QPalette::WindowText)), ticks(mix(rulerGround, rulerText, 0.6)),
          overviewWave(mix(wave, rulerGround, 0.3)), dark(ground.lightnessF() < 0.5),
          markIn(readable(QColor(0x1a, 0x8f, 0x3a))), markOut(readable(QColor(0xc0, 0x39, 0x2b))) {}

    QColor readable(const QColor& colour) const { return dark ? colour.lighter(150) : colour; }
    QColor bandText(const QColor& colour) const {
        return dark ? colour.lighter(130) : colour.darker(180);
    }

    QColor ground, kept, wave, text, note, rulerGround, rulerText, ticks, overviewWave;
    bool dark;
    QColor markIn, markOut;
};

} // namespace

void WaveformView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const Colours colours(palette());
    const QRect& picture = m_pictureRect;
    // Each pixel of the ground is filled once: at full screen a fill costs a millisecond.
    painter.fillRect(QRect(0, 0, width(), picture.top()), colours.ground);
    painter.fillRect(QRect(0, picture.bottom() + 1, width(), height() - picture.bottom() - 1),
                     colours.ground);
    const int inX = std::clamp(xOfMs(m_markInMs), 0, width());
    const int outX = std::clamp(xOfMs(m_markOutMs), inX, width());
    const bool open = m_lengthMs > 0 || !m_note.isEmpty();
    painter.fillRect(QRect(0, picture.top(), open ? inX : width(), picture.height()),
                     colours.ground);
    if (!open)
        return;
    painter.fillRect(QRect(outX, picture.top(), width() - outX, picture.height()), colours.ground);
    painter.fillRect(QRect(inX, picture.top(), outX - inX, picture.height()), colours.kept);
    paintRuler(painter);
    switch (m_display) {
    case Display::Waveform:
        paintWave(painter, picture);
        break;
    case Display::Spectrogram:
        paintSpectrogram(painter, picture);
        dimOutsideKept(painter, picture);
        break;
    case Display::Both: {
        const int half = picture.height() / 2;
        paintWave(painter, QRect(picture.left(), picture.top(), picture.width(), half));
        const QRect lower(picture.left(), picture.top() + half, picture.width(),
                          picture.height() - half);
        paintSpectrogram(painter, lower);
        dimOutsideKept(painter, lower);
        break;
    }
    }
    paintOverlays(painter);
    if (!m_note.isEmpty()) {
        painter.setPen(colours.note);
        painter.drawText(picture, Qt::AlignCenter | Qt::TextWordWrap, m_note);
    }
    paintHandles(painter);
    paintOverview(painter);
}

// Ticks as the ruler core places them, at device pixels so they stay one pixel thin.
void WaveformView::paintRuler(QPainter& painter) {
    if (m_rulerRect.isEmpty() || m_lengthMs <= 0)
        return;
    const QRect& r = m_rulerRect;
    const Colours colours(palette());
    painter.fillRect(r, colours.rulerGround);
    const int rate = m_peaks ? m_peaks->format().sampleRateHz : 44100;
    const ruler::Scale scale = ruler::ticks(m_viewStartMs, m_msPerPixel, width(), rate);
    painter.setPen(QPen(colours.ticks, 0));
    std::vector<QLineF> lines;
    for (const ruler::Tick& tick : scale.ticks) {
        const double x = (tick.ms - m_viewStartMs) / m_msPerPixel;
        const double length = tick.major ? r.height() / 2.0 : r.height() / 5.0;
        lines.emplace_back(x, r.bottom() + 1 - length, x, r.bottom() + 1);
    }
    painter.drawLines(lines.data(), int(lines.size()));
    painter.setPen(colours.rulerText);
    for (const ruler::Tick& tick : scale.ticks)
        if (tick.major) {
            const int x = int(std::lround((tick.ms - m_viewStartMs) / m_msPerPixel));
            painter.drawText(QRect(x + 3, r.top(), ruler::MinLabelGapPx, r.height() / 2 + 4),
                             Qt::AlignLeft | Qt::AlignVCenter, tick.label);
        }
    if (scale.samples)
        painter.drawText(r.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignTop,
                         //: The ruler counts samples rather than time.
                         tr("samples"));
}

// The sound at device pixels: peaks where a device pixel holds at least a fine block, else
// the samples themselves while they are few enough to read at once.
void WaveformView::paintWave(QPainter& painter, const QRect& area) {
    if (!m_peaks || area.isEmpty())
        return;
    const double dpr = devicePixelRatioF();
    const double framesPerMs = m_peaks->format().sampleRateHz / 1000.0;
    const double firstFrame = m_viewStartMs * framesPerMs;
    const double framesPerPixel = m_msPerPixel * framesPerMs / dpr;
    const QRect device(
        QPoint(int(area.left() * dpr), int(area.top() * dpr)),
        QSize(int(std::ceil(area.width() * dpr)), int(std::ceil(area.height() * dpr))));
    const QColor wave = Colours(palette()).wave;
    painter.save();
    painter.scale(1 / dpr, 1 / dpr);
    const auto shownFrames = std::int64_t(std::ceil(device.width() * framesPerPixel)) + 4;
    if (framesPerPixel < Peaks::FineBlock && !m_clip.file.isEmpty() &&
        m_samples.cover(m_clip, std::int64_t(firstFrame) - 2, shownFrames))
        waveform::drawSamples(painter, device, m_samples.samples(), m_samples.channels(),
                              m_samples.firstFrame(), firstFrame, framesPerPixel, wave, m_gain);
    else
        waveform::draw(painter, device, *m_peaks, firstFrame, framesPerPixel, wave, m_gain);
    painter.restore();
}

void WaveformView::paintSpectrogram(QPainter& painter, const QRect& area) {
    // An empty view (no clip, only its note) has no spectrogram to wait for.
    if (m_lengthMs <= 0)
        return;
    if (m_spectrogramImage.isNull()) {
        painter.fillRect(area, QColor(spectrogram::colour(0)));
        painter.setPen(Qt::lightGray);
        painter.drawText(area, Qt::AlignCenter, tr("Spectrogram being made…"));
        return;
    }
    const double msPerColumn = m_spectrogram->hopFrames * 1000.0 / m_spectrogram->sampleRateHz;
    const QRectF source(m_viewStartMs / msPerColumn, 0, viewLengthMs() / msPerColumn,
                        m_spectrogramImage.height());
    painter.drawImage(QRectF(area), m_spectrogramImage, source);
}

// The spectrogram covers the kept stretch's shading: what will be cut is dimmed instead.
void WaveformView::dimOutsideKept(QPainter& painter, const QRect& area) {
    const QColor dim(0, 0, 0, 110);
    const int inX = std::clamp(xOfMs(m_markInMs), area.left(), area.right() + 1);
    const int outX = std::clamp(xOfMs(m_markOutMs), area.left(), area.right() + 1);
    painter.fillRect(QRect(area.left(), area.top(), inX - area.left(), area.height()), dim);
    painter.fillRect(QRect(outX, area.top(), area.right() + 1 - outX, area.height()), dim);
}

void WaveformView::paintOverlays(QPainter& painter) {
    const QRect& picture = m_pictureRect;
    const Colours colours(palette());
    for (const WaveformBand& band : m_bands) {
        const int from = std::max(0, xOfMs(band.startMs));
        const int to = std::min(width(), xOfMs(band.endMs));
        if (to <= from)
            continue;
        QColor colour = BandColours[std::size_t(std::abs(band.colour)) % std::size(BandColours)];
        colour.setAlpha(60);
        const QRect shade(from, picture.top(), to - from, picture.height());
        painter.fillRect(shade, colour);
        colour.setAlpha(255);
        painter.setPen(colours.bandText(colour));
        painter.drawText(shade.adjusted(3, 1, -1, 0), Qt::AlignLeft | Qt::AlignTop, band.label);
    }
    const double dpr = devicePixelRatioF();
    for (const auto& [times, strength] : {std::pair{&m_beatsMs, 50}, std::pair{&m_barsMs, 140}}) {
        painter.setPen(QPen(withAlpha(colours.text, strength), 1 / dpr));
        std::vector<QLineF> lines;
        for (const std::int64_t ms : *times) {
            const double x = (ms - m_viewStartMs) / m_msPerPixel;
            if (x >= 0 && x <= width())
                lines.emplace_back(x, picture.top(), x, picture.bottom() + 1);
        }
        painter.drawLines(lines.data(), int(lines.size()));
    }
}

void WaveformView::paintHandles(QPainter& painter) {
    const QRect& picture = m_pictureRect;
    const Colours colours(palette());
    for (const auto& [x, color, side] : {std::tuple{xOfMs(m_markInMs), colours.markIn, 1},
                                         std::tuple{xOfMs(m_markOutMs), colours.markOut, -1}}) {
        painter.setPen(QPen(color, 2));
        painter.drawLine(x, picture.top(), x, picture.bottom());
        painter.setBrush(color);
        painter.setPen(Qt::NoPen);
        const QPoint flag[] = {
            {x, picture.top()}, {x + side * 7, picture.top()}, {x, picture.top() + 7}};
        painter.drawPolygon(flag, 3);
    }
    painter.setPen(QPen(colours.text, 1));
    const int playX = xOfMs(m_playheadMs);
    painter.drawLine(playX, picture.top(), playX, picture.bottom());
}

// The whole clip small, redrawn only while its peaks grow or its size changes, and the
// stretch in view over it.
void WaveformView::paintOverview(QPainter& painter) {
    if (m_overviewRect.isEmpty() || m_lengthMs <= 0)
        return;
    const QRect& r = m_overviewRect;
    const Colours colours(palette());
    const double dpr = devicePixelRatioF();
    const QSize size(int(r.width() * dpr), int(r.height() * dpr));
    const std::int64_t ready = m_peaks ? m_peaks->readyFrames() : 0;
    if (m_overviewImage.size() != size || ready != m_overviewReady) {
        m_overviewImage = QImage(size, QImage::Format_RGB32);
        m_overviewImage.fill(colours.rulerGround);
        if (m_peaks) {
            QPainter small(&m_overviewImage);
            waveform::draw(small, m_overviewImage.rect(), *m_peaks, 0,
                           double(m_peaks->frames()) / std::max(1, size.width()),
                           colours.overviewWave);
        }
        m_overviewReady = ready;
    }
    painter.drawImage(QRectF(r), m_overviewImage);
    const double scale = double(r.width()) / m_lengthMs;
    const QRectF shown(r.left() + m_viewStartMs * scale, r.top(),
                       std::max(2.0, viewLengthMs() * scale), r.height() - 1);
    painter.setPen(QPen(colours.text, 1));
    painter.setBrush(withAlpha(colours.ground, 90));
    painter.drawRect(shown);
    painter.setBrush(Qt::NoBrush);
}
