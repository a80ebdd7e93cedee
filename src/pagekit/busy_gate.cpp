// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagekit/busy_gate.h"

#include "pagekit/busy_window.h"

#include <QWidget>

#include <utility>

BusyGate::BusyGate(QWidget& window, std::function<FrmLoad&()> busyWindow)
    : m_window(window), m_busyWindow(std::move(busyWindow)) {}

std::unique_ptr<BusyGate::Scope> BusyGate::enter(Window window, const QString& text) {
    const bool disables = window == Window::Disable;
    FrmLoad& busy = busyWindow();
    if (!text.isEmpty())
        busy.setStatusText(text);
    if (disables && m_disabling++ == 0)
        m_window.setEnabled(false);
    ++m_showing;
    busy.show();
    return std::unique_ptr<Scope>(new Scope(*this, disables));
}

// The window is enabled before the busy window goes, so the user never sees a window that
// is neither busy nor usable.
void BusyGate::release(bool shows, bool disables) {
    if (disables && --m_disabling == 0)
        m_window.setEnabled(true);
    if (shows && --m_showing == 0)
        busyWindow().hide();
}

BusyGate::Scope::Scope(BusyGate& gate, bool disables) : m_gate(gate), m_disables(disables) {}

BusyGate::Scope::~Scope() {
    m_gate.release(m_shows, m_disables);
}

void BusyGate::Scope::hideBusyWindow() {
    if (m_shows)
        m_gate.release(true, false);
    m_shows = false;
}
