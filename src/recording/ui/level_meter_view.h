// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recording/level_meter.h"

#include <QWidget>

// Draws a LevelMeter::Reading as a bar from LevelMeter::FloorDb to 0 dBFS: the RMS level
// filled dark, the peak light beyond it, the held peak as a line, and the clip mark as a
// box at the right end, red while lit. Below the bar the peak in dB. It only draws what it
// is given.
class LevelMeterView : public QWidget {
    Q_OBJECT
public:
    explicit LevelMeterView(QWidget* parent = nullptr);

    void setReading(const LevelMeter::Reading& reading);
    const LevelMeter::Reading& reading() const { return m_reading; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    LevelMeter::Reading m_reading;
};
