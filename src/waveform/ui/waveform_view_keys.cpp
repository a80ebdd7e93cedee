// SPDX-License-Identifier: GPL-3.0-or-later
#include "waveform/ui/waveform_view.h"

#include <QAccessible>
#include <QKeyEvent>

#include <algorithm>

std::int64_t WaveformView::timeMs(Time time) const {
    switch (time) {
    case Time::MarkIn:
        return m_markInMs;
    case Time::MarkOut:
        return m_markOutMs;
    case Time::Playhead:
        break;
    }
    return m_playheadMs;
}

QString WaveformView::timeName(Time time) {
    switch (time) {
    case Time::MarkIn:
        return tr("Mark-in");
    case Time::MarkOut:
        return tr("Mark-out");
    case Time::Playhead:
        break;
    }
    return tr("Playhead");
}

void WaveformView::moveTime(Time time, std::int64_t ms) {
    if (m_lengthMs <= 0)
        return;
    ms = std::clamp<std::int64_t>(ms, 0, m_lengthMs);
    switch (time) {
    case Time::MarkIn:
        m_markInMs = std::min(ms, std::max<std::int64_t>(0, m_markOutMs - 1));
        emit markInDragged(m_markInMs);
        break;
    case Time::MarkOut:
        m_markOutMs = std::max(ms, std::min(m_lengthMs, m_markInMs + 1));
        emit markOutDragged(m_markOutMs);
        break;
    case Time::Playhead:
        emit playheadClicked(ms);
        break;
    }
    update();
    QAccessibleValueChangeEvent changed(this, qlonglong(timeMs(time)));
    QAccessible::updateAccessibility(&changed);
}

void WaveformView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && event->modifiers() == Qt::NoModifier) {
        const int next = (int(m_keyTime) + (key == Qt::Key_Down ? 1 : 2)) % 3;
        m_keyTime = Time(next);
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(next);
        QAccessible::updateAccessibility(&focus);
        return event->accept();
    }
    if ((key == Qt::Key_Left || key == Qt::Key_Right) &&
        !(event->modifiers() & ~Qt::ShiftModifier)) {
        const std::int64_t step = (event->modifiers() & Qt::ShiftModifier) ? 1000 : KeyStepMs;
        moveTime(m_keyTime, timeMs(m_keyTime) + (key == Qt::Key_Left ? -step : step));
        return event->accept();
    }
    QWidget::keyPressEvent(event);
}
