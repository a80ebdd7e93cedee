// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QProgressBar;
class QTimer;

// The busy window shown, modeless, while a long operation runs (decoding, saving the list as
// MP3). It has no commands: callers set the status text, show it and hide it again.
//
// A row of six pictures Picture1_0 .. Picture1_5 at its top grows by one picture every tick
// of Timer1 (500 ms, running from construction whether the window is shown or not): {0},
// {0,1}, ... {0..4}, then back to {0}; picture 5 is never seen. Label1 keeps the last text
// given. GUI thread only.
class FrmLoad : public QWidget {
    Q_OBJECT
public:
    static constexpr int PictureCount = 6;
    static constexpr int TickMs = 500;

    // Parentless on purpose: callers disable the main window while this one is shown, and a
    // child window would be greyed out with it.
    explicit FrmLoad(QWidget* parent = nullptr);

    void setStatusText(const QString& text);
    QString statusText() const;
    // How far the long operation has come, 0-100, shown as a bar under the status text; a
    // negative value hides the bar. Hiding the window hides the bar too, so each operation
    // starts without one until it reports.
    void setProgress(int percent);
    int progress() const;

    // Whether picture `index` is set to be seen (independent of the window being shown).
    bool isPictureShown(int index) const;

protected:
    void hideEvent(QHideEvent* event) override;

public slots:
    // One step of the picture row; the timer calls it, and tests call it directly.
    void Timer1_Timer();

private:
    std::array<QLabel*, PictureCount> m_pictures{};
    QLabel* m_label1 = nullptr;
    QProgressBar* m_progress = nullptr;
    QTimer* m_timer1 = nullptr;
};
