// SPDX-License-Identifier: GPL-3.0-or-later
#include "waveform/ui/waveform_view.h"

#include "waveform/waveform_drawing.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

const QColor Ground(0xf4, 0xf4, 0xf4);
const QColor KeptGround(0xdd, 0xea, 0xf8);
const QColor Wave(0x1f, 0x5f, 0xa8);
const QColor InHandle(0x1a, 0x8f, 0x3a);
const QColor OutHandle(0xc0, 0x39, 0x2b);
const QColor Playhead(0x20, 0x20, 0x20);

// The shortest stretch a zoom shows: a few milliseconds across the whole view.
constexpr double MinMsPerPixel = 0.02;

} // namespace

WaveformView::WaveformView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    m_scroll = new QScrollBar(Qt::Horizontal, this);
    m_scroll->setObjectName(QStringLiteral("WaveformScroll"));
    m_scroll->hide();
    connect(m_scroll, &QScrollBar::valueChanged, this, [this](int value) {
        m_viewStartMs = value;
        update();
    });
}

void WaveformView::setClip(std::shared_ptr<const Peaks> peaks, std::int64_t lengthMs,
                           const QString& note) {
    m_peaks = std::move(peaks);
    m_note = note;
    m_lengthMs = std::max<std::int64_t>(0, lengthMs);
    m_markInMs = 0;
    m_markOutMs = m_lengthMs;
    m_playheadMs = 0;
    fitWhole();
}

void WaveformView::clear(const QString& note) {
    setClip(nullptr, 0, note);
}

void WaveformView::setMarks(std::int64_t markInMs, std::int64_t markOutMs) {
    m_markInMs = markInMs;
    m_markOutMs = markOutMs;
    update();
}

void WaveformView::setPlayhead(std::int64_t ms) {
    if (ms == m_playheadMs)
        return;
    m_playheadMs = ms;
    update();
}

int WaveformView::waveHeight() const {
    return height() - (m_scroll->isVisible() ? ScrollBarHeight : 0);
}

void WaveformView::fitWhole() {
    m_viewStartMs = 0;
    m_msPerPixel =
        std::max(MinMsPerPixel, double(std::max<std::int64_t>(1, m_lengthMs)) / waveWidth());
    syncScrollBar();
    update();
}

void WaveformView::zoomAt(int x, double factor) {
    if (m_lengthMs <= 0 || factor <= 0)
        return;
    const double at = m_viewStartMs + x * m_msPerPixel;
    const double whole = double(m_lengthMs) / waveWidth();
    m_msPerPixel = std::clamp(m_msPerPixel / factor, MinMsPerPixel, std::max(whole, MinMsPerPixel));
    m_viewStartMs = at - x * m_msPerPixel;
    clampView();
    syncScrollBar();
    update();
}

void WaveformView::clampView() {
    const double room = std::max(0.0, double(m_lengthMs) - viewLengthMs());
    m_viewStartMs = std::clamp(m_viewStartMs, 0.0, room);
}

void WaveformView::syncScrollBar() {
    const double room = std::max(0.0, double(m_lengthMs) - viewLengthMs());
    const bool zoomed = room >= 1;
    if (zoomed != m_scroll->isVisible())
        m_scroll->setVisible(zoomed);
    m_scroll->setGeometry(0, height() - ScrollBarHeight, width(), ScrollBarHeight);
    const QSignalBlocker quiet(m_scroll);
    m_scroll->setRange(0, int(std::lround(room)));
    m_scroll->setPageStep(std::max(1, int(std::lround(viewLengthMs()))));
    m_scroll->setSingleStep(std::max(1, int(std::lround(viewLengthMs() / 10))));
    m_scroll->setValue(int(std::lround(m_viewStartMs)));
}

int WaveformView::xOfMs(std::int64_t ms) const {
    return int(std::lround((double(ms) - m_viewStartMs) / m_msPerPixel));
}

std::int64_t WaveformView::msAt(int x) const {
    const auto ms = std::int64_t(std::lround(m_viewStartMs + x * m_msPerPixel));
    return std::clamp<std::int64_t>(ms, 0, m_lengthMs);
}

void WaveformView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect wave(0, 0, width(), waveHeight());
    painter.fillRect(wave, Ground);
    if (m_lengthMs <= 0 && m_note.isEmpty())
        return;
    const int inX = xOfMs(m_markInMs);
    const int outX = xOfMs(m_markOutMs);
    painter.fillRect(
        QRect(QPoint(std::max(0, inX), 0), QPoint(std::min(width(), outX), wave.bottom())),
        KeptGround);
    if (m_peaks) {
        const double framesPerMs = m_peaks->format().sampleRateHz / 1000.0;
        waveform::draw(painter, wave, *m_peaks, m_viewStartMs * framesPerMs,
                       m_msPerPixel * framesPerMs, Wave);
    }
    if (!m_note.isEmpty()) {
        painter.setPen(Qt::darkGray);
        painter.drawText(wave, Qt::AlignCenter | Qt::TextWordWrap, m_note);
    }
    for (const auto& [x, color] : {std::pair{inX, InHandle}, std::pair{outX, OutHandle}}) {
        painter.setPen(QPen(color, 2));
        painter.drawLine(x, 0, x, wave.bottom());
        painter.setBrush(color);
        painter.setPen(Qt::NoPen);
        const int side = color == InHandle ? 1 : -1;
        const QPoint flag[] = {{x, 0}, {x + side * 7, 0}, {x, 7}};
        painter.drawPolygon(flag, 3);
    }
    painter.setPen(QPen(Playhead, 1));
    const int playX = xOfMs(m_playheadMs);
    painter.drawLine(playX, 0, playX, wave.bottom());
}

void WaveformView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_lengthMs <= 0)
        return QWidget::mousePressEvent(event);
    const int x = int(event->position().x());
    const int toIn = std::abs(x - xOfMs(m_markInMs));
    const int toOut = std::abs(x - xOfMs(m_markOutMs));
    if (std::min(toIn, toOut) <= GrabPixels)
        m_drag =
            toIn < toOut || (toIn == toOut && x < xOfMs(m_markInMs)) ? Drag::MarkIn : Drag::MarkOut;
    else
        emit playheadClicked(msAt(x));
    event->accept();
}

void WaveformView::mouseMoveEvent(QMouseEvent* event) {
    const int x = int(event->position().x());
    if (m_drag == Drag::None) {
        const bool near = m_lengthMs > 0 && (std::abs(x - xOfMs(m_markInMs)) <= GrabPixels ||
                                             std::abs(x - xOfMs(m_markOutMs)) <= GrabPixels);
        setCursor(near ? Qt::SizeHorCursor : Qt::ArrowCursor);
        return;
    }
    // A handle never passes the other: the kept stretch stays at least a millisecond.
    const std::int64_t ms = msAt(x);
    if (m_drag == Drag::MarkIn) {
        m_markInMs = std::min(ms, std::max<std::int64_t>(0, m_markOutMs - 1));
        emit markInDragged(m_markInMs);
    } else {
        m_markOutMs = std::max(ms, std::min(m_lengthMs, m_markInMs + 1));
        emit markOutDragged(m_markOutMs);
    }
    update();
}

void WaveformView::mouseReleaseEvent(QMouseEvent* event) {
    if (m_drag != Drag::None) {
        mouseMoveEvent(event);
        m_drag = Drag::None;
    }
}

void WaveformView::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0)
        return;
    zoomAt(int(event->position().x()), std::pow(1.5, steps));
    event->accept();
}

void WaveformView::resizeEvent(QResizeEvent*) {
    fitWhole();
}
