// SPDX-License-Identifier: GPL-3.0-or-later
#include "waveform/ui/waveform_view.h"

#include "waveform/ui/waveform_accessible.h"

#include <QAccessible>
#include <QComboBox>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolButton>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

QString timeText(std::int64_t ms) {
    return QStringLiteral("%1:%2.%3")
        .arg(ms / 60000)
        .arg(ms / 1000 % 60, 2, 10, QChar(u'0'))
        .arg(ms % 1000, 3, 10, QChar(u'0'));
}

} // namespace

WaveformView::WaveformView(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(waveformaccess::factory);
        return true;
    }();
    Q_UNUSED(installed);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    m_scroll = new QScrollBar(Qt::Horizontal, this);
    m_scroll->setObjectName(QStringLiteral("WaveformScroll"));
    m_scroll->setAccessibleName(tr("Stretch shown"));
    m_scroll->hide();
    connect(m_scroll, &QScrollBar::valueChanged, this, [this](int value) {
        m_viewStartMs = value * m_scrollUnitMs;
        m_fitted = false;
        clampView();
        update();
    });

    const struct {
        const char* name;
        const char* text;
        const char* tip;
        const char* key;
        void (WaveformView::*slot)();
    } buttons[] = {
        {"WaveformZoomIn", "+", QT_TR_NOOP("Zoom in"), "Ctrl+Plus", &WaveformView::zoomIn},
        {"WaveformZoomOut", "\u2212", QT_TR_NOOP("Zoom out"), "Ctrl+Minus", &WaveformView::zoomOut},
        {"WaveformFit", QT_TR_NOOP("Fit"), QT_TR_NOOP("Show the whole clip"), "Ctrl+0",
         &WaveformView::fit},
        {"WaveformZoomSel", QT_TR_NOOP("Sel"), QT_TR_NOOP("Zoom to the kept stretch"), "Ctrl+E",
         &WaveformView::zoomToSelection},
        {"WaveformTaller", "A+", QT_TR_NOOP("Taller waveform"), "Ctrl+Shift+Up",
         &WaveformView::taller},
        {"WaveformShorter", "A\u2212", QT_TR_NOOP("Shorter waveform"), "Ctrl+Shift+Down",
         &WaveformView::shorter},
    };
    for (const auto& b : buttons) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(b.name));
        button->setText(tr(b.text));
        // The key follows the words in parentheses, as on the toolbar; the name is the words.
        button->setToolTip(QStringLiteral("%1 (%2)").arg(tr(b.tip), QLatin1String(b.key)));
        button->setAccessibleName(tr(b.tip));
        button->setFocusPolicy(Qt::TabFocus);
        button->hide();
        connect(button, &QToolButton::clicked, this, b.slot);
        m_buttons.push_back(button);
    }
    m_displayChoice = new QComboBox(this);
    m_displayChoice->setObjectName(QStringLiteral("WaveformDisplay"));
    m_displayChoice->addItems({tr("Waveform"), tr("Spectrogram"), tr("Both")});
    m_displayChoice->setToolTip(tr("What the editor shows of the sound"));
    m_displayChoice->setAccessibleName(tr("Picture of the sound"));
    m_displayChoice->hide();
    connect(m_displayChoice, &QComboBox::currentIndexChanged, this,
            [this](int index) { setDisplay(Display(index)); });
}

WaveformView::~WaveformView() = default;

void WaveformView::setClip(std::shared_ptr<const Peaks> peaks, std::int64_t lengthMs,
                           const QString& note, const ClipRange& clip) {
    m_peaks = std::move(peaks);
    m_note = note;
    m_clip = clip;
    m_lengthMs = std::max<std::int64_t>(0, lengthMs);
    m_markInMs = 0;
    m_markOutMs = m_lengthMs;
    m_playheadMs = 0;
    m_bands.clear();
    m_beatsMs.clear();
    m_barsMs.clear();
    m_spectrogram.reset();
    m_spectrogramImage = QImage();
    m_overviewImage = QImage();
    m_overviewReady = -1;
    m_samples.reset();
    fit();
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
    const double endMs = m_viewStartMs + viewLengthMs();
    const bool wasShown = m_playheadMs >= m_viewStartMs && m_playheadMs <= endMs;
    m_playheadMs = ms;
    // A playhead that runs off the view turns the page; one the user scrolled away from is
    // left alone.
    if (wasShown && !m_fitted && (ms < m_viewStartMs || ms > endMs)) {
        m_viewStartMs = double(ms);
        viewChanged();
        return;
    }
    update();
}

void WaveformView::setBands(const QList<WaveformBand>& bands) {
    m_bands = bands;
    update();
}

void WaveformView::setGrid(std::vector<std::int64_t> beatsMs, std::vector<std::int64_t> barsMs) {
    m_beatsMs = std::move(beatsMs);
    m_barsMs = std::move(barsMs);
    update();
}

void WaveformView::setSpectrogram(std::shared_ptr<const Spectrogram> spectrogram) {
    m_spectrogram = std::move(spectrogram);
    m_spectrogramImage = m_spectrogram ? spectrogram::picture(*m_spectrogram) : QImage();
    update();
}

void WaveformView::setDisplay(Display display) {
    if (display == m_display)
        return;
    m_display = display;
    {
        const QSignalBlocker quiet(m_displayChoice);
        m_displayChoice->setCurrentIndex(int(display));
    }
    update();
    emit displayChanged(display);
}

void WaveformView::layoutParts() {
    const int w = width();
    int top = 0;
    int bottom = height();
    const bool zoomed = m_lengthMs > viewLengthMs() + m_scrollUnitMs;
    const int scrollHeight = height() >= OverviewMinHeight
                                 ? style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                                 : ScrollBarHeight;
    if (zoomed != m_scroll->isVisible())
        m_scroll->setVisible(zoomed);
    if (zoomed) {
        bottom -= scrollHeight;
        m_scroll->setGeometry(0, bottom, w, scrollHeight);
    }
    const bool roomy = height() >= ViewButtonsHeight;
    m_buttonsRect = QRect();
    if (roomy) {
        const int rowHeight = m_displayChoice->sizeHint().height();
        m_buttonsRect = QRect(0, 0, w, rowHeight);
        int x = 0;
        for (QToolButton* button : m_buttons) {
            const int side = std::max(rowHeight, button->sizeHint().width());
            button->setGeometry(x, 0, side, rowHeight);
            x += side + 2;
        }
        m_displayChoice->setGeometry(w - m_displayChoice->sizeHint().width(), 0,
                                     m_displayChoice->sizeHint().width(), rowHeight);
        top += rowHeight + 2;
    }
    for (QToolButton* button : m_buttons)
        button->setVisible(roomy);
    m_displayChoice->setVisible(roomy);
    m_rulerRect = QRect();
    if (height() >= RulerMinHeight) {
        m_rulerRect = QRect(0, top, w, fontMetrics().height() + 8);
        top = m_rulerRect.bottom() + 1;
    }
    m_overviewRect = QRect();
    if (height() >= OverviewMinHeight) {
        const int overview = std::clamp(height() / 10, 24, 48);
        m_overviewRect = QRect(0, bottom - overview, w, overview);
        bottom = m_overviewRect.top() - 2;
    }
    m_pictureRect = QRect(0, top, w, std::max(1, bottom - top));
}

void WaveformView::fit() {
    m_fitted = true;
    m_viewStartMs = 0;
    m_msPerPixel =
        std::max(MinMsPerPixel, double(std::max<std::int64_t>(1, m_lengthMs)) / waveWidth());
    viewChanged();
}

int WaveformView::zoomCentre() const {
    const int playX = xOfMs(m_playheadMs);
    return playX >= 0 && playX < width() ? playX : width() / 2;
}

void WaveformView::zoomIn() {
    zoomAt(zoomCentre(), ZoomStep);
}

void WaveformView::zoomOut() {
    zoomAt(zoomCentre(), 1 / ZoomStep);
}

void WaveformView::zoomToSelection() {
    const double kept = double(std::max<std::int64_t>(1, m_markOutMs - m_markInMs));
    showRange(m_markInMs - kept / 20, m_markOutMs + kept / 20);
}

void WaveformView::showRange(double fromMs, double toMs) {
    if (m_lengthMs <= 0 || toMs <= fromMs)
        return;
    const double whole = double(m_lengthMs) / waveWidth();
    m_msPerPixel =
        std::clamp((toMs - fromMs) / waveWidth(), MinMsPerPixel, std::max(whole, MinMsPerPixel));
    m_fitted = m_msPerPixel >= whole;
    m_viewStartMs = (fromMs + toMs) / 2 - viewLengthMs() / 2;
    viewChanged();
}

void WaveformView::taller() {
    m_gain = std::min(MaxGain, m_gain * 2);
    update();
}

void WaveformView::shorter() {
    m_gain = std::max(1.0, m_gain / 2);
    update();
}

void WaveformView::zoomAt(int x, double factor) {
    if (m_lengthMs <= 0 || factor <= 0)
        return;
    const double at = m_viewStartMs + x * m_msPerPixel;
    const double whole = double(m_lengthMs) / waveWidth();
    m_msPerPixel = std::clamp(m_msPerPixel / factor, MinMsPerPixel, std::max(whole, MinMsPerPixel));
    m_fitted = m_msPerPixel >= whole;
    m_viewStartMs = at - x * m_msPerPixel;
    viewChanged();
}

void WaveformView::viewChanged() {
    clampView();
    layoutParts();
    syncScrollBar();
    update();
}

void WaveformView::clampView() {
    const double room = std::max(0.0, double(m_lengthMs) - viewLengthMs());
    m_viewStartMs = std::clamp(m_viewStartMs, 0.0, room);
}

void WaveformView::syncScrollBar() {
    // Steps of a hundredth of a millisecond (coarser for clips of many hours, so the range
    // fits an int): a deep zoom still scrolls smoothly.
    m_scrollUnitMs = std::max(0.01, double(m_lengthMs) / 1e9);
    const double room = std::max(0.0, double(m_lengthMs) - viewLengthMs());
    const QSignalBlocker quiet(m_scroll);
    m_scroll->setRange(0, int(std::lround(room / m_scrollUnitMs)));
    m_scroll->setPageStep(std::max(1, int(std::lround(viewLengthMs() / m_scrollUnitMs))));
    m_scroll->setSingleStep(std::max(1, int(std::lround(viewLengthMs() / 10 / m_scrollUnitMs))));
    m_scroll->setValue(int(std::lround(m_viewStartMs / m_scrollUnitMs)));
}

int WaveformView::xOfMs(std::int64_t ms) const {
    return int(std::lround((double(ms) - m_viewStartMs) / m_msPerPixel));
}

std::int64_t WaveformView::msAt(int x) const {
    const auto ms = std::int64_t(std::lround(m_viewStartMs + x * m_msPerPixel));
    return std::clamp<std::int64_t>(ms, 0, m_lengthMs);
}

void WaveformView::moveOverviewTo(int x) {
    if (m_overviewRect.isEmpty() || m_lengthMs <= 0)
        return;
    const double ms = double(x - m_overviewRect.left()) / m_overviewRect.width() * m_lengthMs;
    m_viewStartMs = ms - viewLengthMs() / 2;
    m_fitted = false;
    viewChanged();
}

void WaveformView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_lengthMs <= 0)
        return QWidget::mousePressEvent(event);
    const QPoint at = event->position().toPoint();
    if (m_overviewRect.contains(at)) {
        m_drag = Drag::Overview;
        moveOverviewTo(at.x());
        return event->accept();
    }
    const int x = at.x();
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
    if (m_drag == Drag::Overview)
        return moveOverviewTo(x);
    if (m_drag == Drag::None) {
        const bool near = m_lengthMs > 0 && !m_overviewRect.contains(event->position().toPoint()) &&
                          (std::abs(x - xOfMs(m_markInMs)) <= GrabPixels ||
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

// Ctrl+wheel zooms around the pointer; the wheel alone (either way) moves along the clip.
void WaveformView::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        if (delta.y() != 0)
            zoomAt(int(event->position().x()), std::pow(ZoomStep, delta.y() / 120.0));
    } else {
        const int along = delta.x() != 0 ? delta.x() : delta.y();
        m_viewStartMs -= along / 120.0 * viewLengthMs() / 10;
        m_fitted = m_fitted && m_msPerPixel * waveWidth() >= m_lengthMs;
        viewChanged();
    }
    event->accept();
}

// A fitted view stays fitted; a zoomed one keeps its scale and start.
void WaveformView::resizeEvent(QResizeEvent*) {
    if (m_fitted)
        fit();
    else
        viewChanged();
}

// Each time the view shows says what it is.
bool WaveformView::event(QEvent* event) {
    // A new desktop theme: the overview is drawn again in its colours (the rest is drawn
    // from the palette at every paint).
    if (event->type() == QEvent::PaletteChange) {
        m_overviewReady = -1;
        update();
    }
    if (event->type() != QEvent::ToolTip || m_lengthMs <= 0)
        return QWidget::event(event);
    const QPoint at = static_cast<QHelpEvent*>(event)->pos();
    const std::pair<std::int64_t, Time> times[] = {
        {m_markInMs, Time::MarkIn}, {m_markOutMs, Time::MarkOut}, {m_playheadMs, Time::Playhead}};
    QString tip;
    for (const auto& [ms, what] : times)
        if (tip.isEmpty() && std::abs(at.x() - xOfMs(ms)) <= GrabPixels)
            //: A mark's or the playhead's name, then its time.
            tip = tr("%1 %2").arg(timeName(what), timeText(ms));
    if (tip.isEmpty() && m_pictureRect.contains(at))
        tip = tr("%1 (kept length %2)")
                  .arg(timeText(msAt(at.x())), timeText(m_markOutMs - m_markInMs));
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
    return true;
}
