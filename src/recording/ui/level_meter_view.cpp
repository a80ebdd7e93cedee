// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording/ui/level_meter_view.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const QColor Ground(0x20, 0x20, 0x20);
const QColor Rms(0x2e, 0x9e, 0x44);
const QColor Peak(0x8f, 0xd8, 0x8f);
const QColor Loud(0xe8, 0xb0, 0x20); // the last 6 dB before full scale
const QColor Hold(0xff, 0xff, 0xff);
const QColor ClipLit(0xe0, 0x20, 0x20);
const QColor ClipOut(0x50, 0x20, 0x20);

constexpr int ClipBox = 10;
constexpr int BarHeight = 10;

} // namespace

LevelMeterView::LevelMeterView(QWidget* parent) : QWidget(parent) {}

void LevelMeterView::setReading(const LevelMeter::Reading& reading) {
    m_reading = reading;
    update();
}

void LevelMeterView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect bar(0, 0, width() - ClipBox - 2, BarHeight);
    const auto xOf = [&bar](double db) {
        const double share =
            (std::clamp(db, LevelMeter::FloorDb, 0.0) - LevelMeter::FloorDb) / -LevelMeter::FloorDb;
        return bar.left() + int(std::lround(share * bar.width()));
    };
    painter.fillRect(bar, Ground);
    const int loudX = xOf(-6.0);
    const int peakX = xOf(m_reading.peakDb);
    const int rmsX = xOf(m_reading.rmsDb);
    painter.fillRect(
        QRect(QPoint(bar.left(), 0), QPoint(std::min(peakX, loudX) - 1, BarHeight - 1)), Peak);
    if (peakX > loudX)
        painter.fillRect(QRect(QPoint(loudX, 0), QPoint(peakX - 1, BarHeight - 1)), Loud);
    painter.fillRect(QRect(QPoint(bar.left(), 2), QPoint(rmsX - 1, BarHeight - 3)), Rms);
    if (m_reading.holdDb > LevelMeter::FloorDb) {
        const int holdX = std::min(xOf(m_reading.holdDb), bar.right());
        painter.setPen(Hold);
        painter.drawLine(holdX, 0, holdX, BarHeight - 1);
    }
    painter.fillRect(QRect(bar.right() + 3, 0, ClipBox, BarHeight),
                     m_reading.clipped ? ClipLit : ClipOut);

    QFont small = font();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() * 0.8));
    painter.setFont(small);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect text(0, BarHeight + 1, width(), height() - BarHeight - 1);
    const QString peak = m_reading.peakDb > LevelMeter::FloorDb
                             ? tr("%1 dB").arg(m_reading.peakDb, 0, 'f', 1)
                             : tr("-inf dB");
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, peak);
    if (m_reading.clipped)
        //: Shown on the level meter when the input was too loud.
        painter.drawText(text, Qt::AlignRight | Qt::AlignTop, tr("CLIP"));
}
