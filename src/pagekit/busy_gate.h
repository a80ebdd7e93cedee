// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <memory>

class FrmLoad;
class QWidget;

// Who may disable the main window and show the busy window FrmLoad, and for how long. Every
// long operation holds a Scope for as long as it runs: the window is disabled while any
// scope that disables it lives, and FrmLoad is shown while any scope that shows it lives.
// So operations that overlap (a conversion's MP3 job that ends during a decode) never undo
// each other: only the end of the last one enables the window or hides FrmLoad.
//
// GUI thread only. The window and the busy window must outlive the gate and its scopes.
class BusyGate {
public:
    enum class Window { Disable, KeepEnabled };

    class Scope {
    public:
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
        // Hides the busy window now, as far as this scope is concerned; the window stays
        // disabled until the scope goes.
        void hideBusyWindow();

    private:
        friend class BusyGate;
        Scope(BusyGate& gate, bool disables);
        BusyGate& m_gate;
        bool m_disables;
        bool m_shows = true;
    };

    // `busyWindow` gives the busy window, created at its first use.
    BusyGate(QWidget& window, std::function<FrmLoad&()> busyWindow);

    // Shows FrmLoad (with `text` when not empty, else with the text it last had) and, for
    // Window::Disable, disables the window.
    std::unique_ptr<Scope> enter(Window window, const QString& text = QString());
    // A scope that disables the window lives: no other long operation may start.
    bool isBusy() const { return m_disabling > 0; }
    FrmLoad& busyWindow() const { return m_busyWindow(); }
    QWidget& window() const { return m_window; }

private:
    void release(bool shows, bool disables);

    QWidget& m_window;
    std::function<FrmLoad&()> m_busyWindow;
    int m_showing = 0;
    int m_disabling = 0;
};
