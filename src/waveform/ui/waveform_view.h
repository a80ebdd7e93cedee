// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wav/clip_range.h"
#include "waveform/peaks.h"
#include "waveform/sample_window.h"
#include "waveform/spectrogram.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <vector>

class QComboBox;
class QScrollBar;
class QToolButton;

// A stretch of a clip laid over the waveform (a later analysis names a song's sections):
// drawn as a translucent band of colour `colour` (an index into a small fixed palette) with
// its label at the top.
struct WaveformBand {
    std::int64_t startMs = 0;
    std::int64_t endMs = 0;
    QString label;
    int colour = 0;
};

// The waveform of the clip open in the editor: its sound (as far as its peaks are ready),
// the kept stretch between mark-in and mark-out shaded, the two marks as handles that can
// be dragged, and the playhead. A click away from the handles asks to move the playhead.
// Times are milliseconds of the clip's sound.
//
// The view lays out, inside whatever size its parent gives it: a row of zoom buttons and the
// choice of picture (from ViewButtonsHeight on), a time ruler (from RulerMinHeight on), the
// picture (waveform, spectrogram or both stacked), an overview of the whole clip with the
// visible stretch drawn on it (from OverviewMinHeight on; a click or drag there moves the
// view) and the scroll bar at the foot while zoomed. At the classic 52 pixels only the
// picture and the scroll bar show.
//
// Zoom: zoomIn/zoomOut/fit/zoomToSelection, Ctrl+wheel around the pointer; the wheel and
// the scroll bar move along. Below the finest peak level the samples themselves are read
// (SampleWindow: small reads only) and drawn, down to a line with dots. The amplitude zoom
// multiplies the picture's height. With the keyboard, Up and Down choose mark-in, the playhead
// or mark-out, Left and Right move it; a screen reader sees the three as values in
// milliseconds (waveform_accessible.h). When the playhead leaves the view after having been in
// it (a playing clip), the view turns to the page that starts at it. Everything is painted
// at device pixels.
//
// The view owns no state of the editor: it shows what it is given and reports what the
// user does with the mouse (the editor then sets the marks or moves the player). The
// spectrogram too is handed in (it is computed elsewhere); displayChanged says when one is
// wanted. GUI thread only.
class WaveformView : public QWidget {
    Q_OBJECT
public:
    enum class Display { Waveform, Spectrogram, Both };
    // The times the keyboard and a screen reader move, in their order on the screen.
    enum class Time { MarkIn, Playhead, MarkOut };

    // A handle is grabbed within this many pixels of it.
    static constexpr int GrabPixels = 5;
    static constexpr int ScrollBarHeight = 8;
    static constexpr int RulerMinHeight = 90;
    static constexpr int OverviewMinHeight = 150;
    static constexpr int ViewButtonsHeight = 150;
    // Each zoom step doubles or halves the time a pixel covers.
    static constexpr double ZoomStep = 2;
    // The finest zoom: a 44100 Hz sample about 45 pixels wide.
    static constexpr double MinMsPerPixel = 0.0005;
    static constexpr double MaxGain = 64;
    // Left and Right move the chosen time this much (Shift: a second).
    static constexpr std::int64_t KeyStepMs = 10;

    explicit WaveformView(QWidget* parent = nullptr);
    ~WaveformView() override;

    // A clip of `lengthMs`, drawn from `peaks` (null: nothing to draw, and `note` says why),
    // shown whole, without bands, grid or spectrogram. `clip` (optional) is the clip
    // the deep zoom reads samples from.
    void setClip(std::shared_ptr<const Peaks> peaks, std::int64_t lengthMs,
                 const QString& note = QString(), const ClipRange& clip = ClipRange());
    // No clip: an empty view, saying `note` when given.
    void clear(const QString& note = QString());
    void setMarks(std::int64_t markInMs, std::int64_t markOutMs);
    void setPlayhead(std::int64_t ms);
    // Overlays, drawn as given until the next setClip.
    void setBands(const QList<WaveformBand>& bands);
    void setGrid(std::vector<std::int64_t> beatsMs, std::vector<std::int64_t> barsMs);
    // The clip's spectrogram (null: none yet).
    void setSpectrogram(std::shared_ptr<const Spectrogram> spectrogram);
    void setDisplay(Display display);
    Display display() const { return m_display; }

    std::int64_t lengthMs() const { return m_lengthMs; }
    std::int64_t markInMs() const { return m_markInMs; }
    std::int64_t markOutMs() const { return m_markOutMs; }
    std::int64_t playheadMs() const { return m_playheadMs; }
    QString note() const { return m_note; }
    const ClipRange& clip() const { return m_clip; }
    // The stretch shown.
    double viewStartMs() const { return m_viewStartMs; }
    double viewLengthMs() const { return m_msPerPixel * waveWidth(); }
    double msPerPixel() const { return m_msPerPixel; }
    double gain() const { return m_gain; }
    // Zooms by `factor` (> 1 in) keeping the time under pixel `x` where it is.
    void zoomAt(int x, double factor);
    // Shows the stretch [fromMs, toMs) (clamped to the clip and the finest zoom).
    void showRange(double fromMs, double toMs);
    // The pixel of a time and the time at a pixel, in the view as it is now.
    int xOfMs(std::int64_t ms) const;
    std::int64_t msAt(int x) const;
    // Where the parts are laid out now (empty when hidden).
    QRect rulerRect() const { return m_rulerRect; }
    QRect pictureRect() const { return m_pictureRect; }
    QRect overviewRect() const { return m_overviewRect; }

    // The time the arrow keys move (Up and Down choose it), its value, and a move of it as
    // the user's drag or click would make (clamped to the clip; the marks keep their order).
    Time keyTime() const { return m_keyTime; }
    std::int64_t timeMs(Time time) const;
    void moveTime(Time time, std::int64_t ms);
    static QString timeName(Time time);

public slots:
    // A step in and out around the middle of the view (or the playhead, when it is in view).
    void zoomIn();
    void zoomOut();
    void fit();
    // The kept stretch, with a little room either side so both handles can be grabbed.
    void zoomToSelection();
    void taller();
    void shorter();

signals:
    void markInDragged(std::int64_t ms);
    void markOutDragged(std::int64_t ms);
    void playheadClicked(std::int64_t ms);
    void displayChanged(WaveformView::Display display);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Drag { None, MarkIn, MarkOut, Overview };
    int waveWidth() const { return std::max(1, width()); }
    int zoomCentre() const;
    void layoutParts();
    void viewChanged();
    void clampView();
    void syncScrollBar();
    void moveOverviewTo(int x);
    // Painting (waveform_view_paint.cpp).
    void paintRuler(QPainter& painter);
    void paintWave(QPainter& painter, const QRect& area);
    void paintSpectrogram(QPainter& painter, const QRect& area);
    void dimOutsideKept(QPainter& painter, const QRect& area);
    void paintOverlays(QPainter& painter);
    void paintOverview(QPainter& painter);
    void paintHandles(QPainter& painter);

    std::shared_ptr<const Peaks> m_peaks;
    std::shared_ptr<const Spectrogram> m_spectrogram;
    QImage m_spectrogramImage;
    QImage m_overviewImage;
    std::int64_t m_overviewReady = -1;
    SampleWindow m_samples;
    QString m_note;
    ClipRange m_clip;
    std::int64_t m_lengthMs = 0;
    std::int64_t m_markInMs = 0;
    std::int64_t m_markOutMs = 0;
    std::int64_t m_playheadMs = 0;
    QList<WaveformBand> m_bands;
    std::vector<std::int64_t> m_beatsMs;
    std::vector<std::int64_t> m_barsMs;
    double m_viewStartMs = 0;
    double m_msPerPixel = 1;
    double m_scrollUnitMs = 1;
    double m_gain = 1;
    bool m_fitted = true;
    Display m_display = Display::Waveform;
    Drag m_drag = Drag::None;
    Time m_keyTime = Time::Playhead;
    QRect m_buttonsRect;
    QRect m_rulerRect;
    QRect m_pictureRect;
    QRect m_overviewRect;
    QScrollBar* m_scroll = nullptr;
    QComboBox* m_displayChoice = nullptr;
    std::vector<QToolButton*> m_buttons;
};
