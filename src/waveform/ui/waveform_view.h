// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "waveform/peaks.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>

class QScrollBar;

// The waveform of the clip open in the editor: its sound (as far as its peaks are ready),
// the kept stretch between mark-in and mark-out shaded, the two marks as handles that can
// be dragged, and the playhead. A click away from the handles asks to move the playhead;
// the mouse wheel zooms around the pointer; the scroll bar at the foot moves along a
// zoomed clip. Times are milliseconds of the clip's sound.
//
// The view owns no state of the editor: it shows what it is given and reports what the
// user does with the mouse (the editor then sets the marks or moves the player).
class WaveformView : public QWidget {
    Q_OBJECT
public:
    // A handle is grabbed within this many pixels of it.
    static constexpr int GrabPixels = 5;
    static constexpr int ScrollBarHeight = 8;

    explicit WaveformView(QWidget* parent = nullptr);

    // A clip of `lengthMs`, drawn from `peaks` (null: nothing to draw, and `note` says why),
    // shown whole.
    void setClip(std::shared_ptr<const Peaks> peaks, std::int64_t lengthMs,
                 const QString& note = QString());
    // No clip: an empty view, saying `note` when given.
    void clear(const QString& note = QString());
    void setMarks(std::int64_t markInMs, std::int64_t markOutMs);
    void setPlayhead(std::int64_t ms);

    std::int64_t lengthMs() const { return m_lengthMs; }
    std::int64_t markInMs() const { return m_markInMs; }
    std::int64_t markOutMs() const { return m_markOutMs; }
    std::int64_t playheadMs() const { return m_playheadMs; }
    QString note() const { return m_note; }
    // The stretch shown.
    double viewStartMs() const { return m_viewStartMs; }
    double viewLengthMs() const { return m_msPerPixel * waveWidth(); }
    // Zooms by `factor` (> 1 in) keeping the time under pixel `x` where it is.
    void zoomAt(int x, double factor);
    // The pixel of a time and the time at a pixel, in the view as it is now.
    int xOfMs(std::int64_t ms) const;
    std::int64_t msAt(int x) const;

signals:
    void markInDragged(std::int64_t ms);
    void markOutDragged(std::int64_t ms);
    void playheadClicked(std::int64_t ms);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum class Drag { None, MarkIn, MarkOut };
    int waveWidth() const { return std::max(1, width()); }
    int waveHeight() const;
    void fitWhole();
    void clampView();
    void syncScrollBar();

    std::shared_ptr<const Peaks> m_peaks;
    QString m_note;
    std::int64_t m_lengthMs = 0;
    std::int64_t m_markInMs = 0;
    std::int64_t m_markOutMs = 0;
    std::int64_t m_playheadMs = 0;
    double m_viewStartMs = 0;
    double m_msPerPixel = 1;
    Drag m_drag = Drag::None;
    QScrollBar* m_scroll = nullptr;
};
