// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/background_job.h"
#include "cliplist/edit_history.h"
#include "cliplist/sound_edit.h"
#include "pagekit/page_services.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

class ClipList;
class EditHistory;
class EditSession;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QShortcut;

// The effects row at the foot of "Edit Song": fade in and fade out over the seconds typed in
// txtFade, a gain of the decibels typed in txtGain, and "Normalise" to the loudness chosen
// in cboLoudness (every clip of the list with chkNormaliseAll "All" checked). The buttons
// and the keys F, Shift+F, G and N act on the clip open in the editor; the list's menu
// applies them to any clip (apply). "Clean Up" (key C) trims, denoises, declicks and levels a
// voice with the steps the user left on.
//
// Each writes a new version of its clip files on a background job while the window is held,
// and is then recorded in the history as one step, so "Undo" takes it back; the clip open
// in the editor lets go of its file meanwhile and takes the new sound back afterwards. What
// the user should know (clipped samples, a loudness held back by the true peak, silence left
// alone, a failure) is said in one message at the end. Settings that cannot be read get one
// message and change nothing.
//
// Places within the row (345×22): CmdFadeIn 12 · CmdFadeOut 38 (24 wide) · txtFade 64, 38
// wide · CmdGain 106 · txtGain 132, 40 wide · CmdNormalise 176 · cboLoudness 202, 92 wide ·
// chkNormaliseAll "All" 297, 36 wide.
//
// GUI thread only; everything handed in outlives the row.
class EffectsRow : public QWidget {
    Q_OBJECT
public:
    enum class Effect { FadeIn, FadeOut, Gain, Normalise, CleanUp };

    EffectsRow(ClipList& clips, EditHistory& history, EditSession& session, PageServices services,
               QWidget* parent = nullptr);

    // Applies `effect` to the clip at `row` (Normalise with "All" checked: to every clip).
    // Refused while the window is busy.
    void apply(Effect effect, int row);
    bool isRunning() const { return m_job.isRunning(); }
    // Stops a running job and drops its end (the exit).
    void cancel();
    // "All" of Normalise, as the list's menu sets it.
    void setNormaliseAll(bool all);
    void SetLng();
    void nameKeys();

public slots:
    void CmdFadeIn_Click();
    void CmdFadeOut_Click();
    void CmdGain_Click();
    void CmdNormalise_Click();
    // "Clean Up" (the editor's button beside "Smooth cuts"), with the steps left on in the
    // menu beside it.
    void CmdCleanUp_Click();

signals:
    void finished();

private:
    struct Task {
        int row = -1;
        ClipRange file;
        QString wav; // what the clip's file is once changed (a kept MP3 becomes a WAV)
        QString what;
        EditHistory::Version before;
        Result<soundedit::Outcome> outcome = Status{ErrorCode::Ended, QString()};
    };
    void applyToOpenClip(Effect effect);
    void end(std::vector<Task> tasks);

    ClipList& m_clips;
    EditHistory& m_history;
    EditSession& m_session;
    PageServices m_services;
    BackgroundJob m_job;
    int m_openRow = -1; // the clip open in the editor while an effect runs
    QList<QShortcut*> m_keys;

    QPushButton* m_cmdFadeIn = nullptr;
    QPushButton* m_cmdFadeOut = nullptr;
    QLineEdit* m_txtFade = nullptr;
    QPushButton* m_cmdGain = nullptr;
    QLineEdit* m_txtGain = nullptr;
    QPushButton* m_cmdNormalise = nullptr;
    QComboBox* m_cboLoudness = nullptr;
    QCheckBox* m_chkNormaliseAll = nullptr;
};
