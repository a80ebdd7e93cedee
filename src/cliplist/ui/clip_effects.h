// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cliplist/sound_edit.h"
#include "pagekit/busy_gate.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <thread>
#include <vector>

class ClipEditor;
class Framewav;

// The effects of the "Audio Edit" page on clips' sound: fade in and fade out over the
// seconds typed in txtFade, a gain of the decibels typed in txtGain, and "Normalise" to the
// loudness chosen in cboLoudness (every clip of the list with chkNormaliseAll checked).
//
// Each is written as a new version of its clip file on a thread of its own while the busy
// gate holds the window, and then recorded in the page's history as one step, so "Undo"
// takes it back; a clip open in the editor is opened again on its new sound. What the user
// should know (clipped samples, a loudness held back by the true peak, silence left alone,
// a failure) is said in one message at the end. Settings that cannot be read get one
// message and change nothing.
//
// GUI thread only; the destructor waits for a running job.
class ClipEffects : public QObject {
    Q_OBJECT
public:
    enum class Effect { FadeIn, FadeOut, Gain, Normalise };

    ClipEffects(Framewav& page, ClipEditor& editor);
    ~ClipEffects() override;

    // Applies `effect` to the clip at `row` (Normalise with "All" checked: to every clip).
    // Refused while the page is busy.
    void apply(Effect effect, int row);
    bool isRunning() const { return m_thread.joinable(); }
    // Waits for a running job and drops its end (the exit).
    void cancel();

public slots:
    // The effects row's buttons: on the clip open in the editor.
    void CmdFadeIn_Click();
    void CmdFadeOut_Click();
    void CmdGain_Click();
    void CmdNormalise_Click();

signals:
    void finished();

private:
    struct Task {
        int row = -1;
        QString file;
        QString what;
        QString before;
        Result<soundedit::Outcome> outcome = Status{ErrorCode::Ended, QString()};
    };
    std::optional<double> readNumber(const QString& text) const;
    void applyToOpenClip(Effect effect);
    void end();

    Framewav& m_page;
    ClipEditor& m_editor;
    std::thread m_thread;
    std::vector<Task> m_tasks;
    std::unique_ptr<BusyGate::Scope> m_busy;
    unsigned m_generation = 0;
};
