// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagekit/busy_gate.h"

#include "pagekit/busy_window.h"

#include <QTimer>
#include <QWidget>

#include <utility>

BusyGate::BusyGate(QWidget& window, std::function<FrmLoad&()> busyWindow)
    : m_window(window), m_busyWindow(std::move(busyWindow)) {}

BusyGate::~BusyGate() = default;

std::unique_ptr<BusyGate::Scope> BusyGate::enter(Window window, const QString& text) {
    const bool disables = window == Window::Disable;
    if (!text.isEmpty())
        busyWindow().setStatusText(text);
    if (disables && m_disabling++ == 0)
        m_window.setEnabled(false);
    auto scope = std::unique_ptr<Scope>(new Scope(*this, disables, false));
    scope->show();
    return scope;
}

std::unique_ptr<BusyGate::Scope> BusyGate::hold(const QString& text, bool showNow) {
    if (isBusy())
        return nullptr;
    if (showNow)
        return enter(Window::Disable, text);
    if (m_disabling++ == 0)
        m_window.setEnabled(false);
    auto scope = std::unique_ptr<Scope>(new Scope(*this, true, false));
    scope->m_laterText = text;
    scope->m_showLater = std::make_unique<QTimer>();
    scope->m_showLater->setSingleShot(true);
    Scope* raw = scope.get();
    QObject::connect(scope->m_showLater.get(), &QTimer::timeout, [raw] { raw->showNow(); });
    scope->m_showLater->start(BlinkMs);
    return scope;
}

// The window is enabled before the busy window goes, so the user never sees a window that
// is neither busy nor usable.
void BusyGate::release(bool shows, bool disables) {
    if (disables && --m_disabling == 0)
        m_window.setEnabled(true);
    if (shows && --m_showing == 0)
        busyWindow().hide();
    if (disables && m_disabling == 0)
        emit freed();
}

BusyGate::Scope::Scope(BusyGate& gate, bool disables, bool shows)
    : m_gate(gate), m_disables(disables), m_shows(shows) {}

BusyGate::Scope::~Scope() {
    m_showLater.reset();
    m_gate.release(m_shows, m_disables);
}

void BusyGate::Scope::show() {
    if (m_shows)
        return;
    m_shows = true;
    ++m_gate.m_showing;
    m_gate.busyWindow().show();
}

void BusyGate::Scope::hideBusyWindow() {
    m_showLater.reset();
    if (m_shows)
        m_gate.release(true, false);
    m_shows = false;
}

// Called from the timer's own signal too: the timer goes later, not under its own feet.
void BusyGate::Scope::showNow() {
    if (!m_showLater)
        return;
    m_showLater->stop();
    m_showLater.release()->deleteLater();
    if (!m_laterText.isEmpty())
        m_gate.busyWindow().setStatusText(m_laterText);
    show();
}

void BusyGate::Scope::progress(int percent) {
    if (m_shows)
        m_gate.busyWindow().setProgress(percent);
}
