// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/background_job.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class FrmLoad;
class QTimer;
class QWidget;

// Who may disable the main window and show the busy window FrmLoad, and for how long. Every
// long operation holds a Scope for as long as it runs: the window is disabled while any
// scope that disables it lives, and FrmLoad is shown while any scope that shows it lives.
// So operations that overlap (a conversion's MP3 job that ends during a decode) never undo
// each other: only the end of the last one enables the window or hides FrmLoad, and then
// freed() says so.
//
// A scope is the JobScope of a BackgroundJob: the job's progress shows on FrmLoad.
//
// GUI thread only. The window and the busy window must outlive the gate and its scopes.
class BusyGate : public QObject {
    Q_OBJECT
public:
    // Work shorter than this never shows the busy window when held by hold(text, false).
    static constexpr int BlinkMs = 300;

    enum class Window { Disable, KeepEnabled };

    class Scope : public JobScope {
    public:
        ~Scope() override;
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
        // Hides the busy window now, as far as this scope is concerned; the window stays
        // disabled until the scope goes.
        void hideBusyWindow();
        void progress(int percent) override;
        void showNow() override;

    private:
        friend class BusyGate;
        Scope(BusyGate& gate, bool disables, bool shows);
        void show();
        BusyGate& m_gate;
        bool m_disables;
        bool m_shows;
        std::unique_ptr<QTimer> m_showLater;
        QString m_laterText;
    };

    // `busyWindow` gives the busy window, created at its first use.
    BusyGate(QWidget& window, std::function<FrmLoad&()> busyWindow);
    ~BusyGate() override;

    // Shows FrmLoad (with `text` when not empty, else with the text it last had) and, for
    // Window::Disable, disables the window.
    std::unique_ptr<Scope> enter(Window window, const QString& text = QString());
    // For a background job: disables the window, and shows FrmLoad at once (`showNow`) or
    // only once the work has lasted BlinkMs. Nothing while the window is busy already.
    std::unique_ptr<Scope> hold(const QString& text, bool showNow);
    // A scope that disables the window lives: no other long operation may start.
    bool isBusy() const { return m_disabling > 0; }
    FrmLoad& busyWindow() const { return m_busyWindow(); }
    QWidget& window() const { return m_window; }

signals:
    // The last scope that disabled the window has gone.
    void freed();

private:
    void release(bool shows, bool disables);

    QWidget& m_window;
    std::function<FrmLoad&()> m_busyWindow;
    int m_showing = 0;
    int m_disabling = 0;
};
