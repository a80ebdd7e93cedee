// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/background_job.h"
#include "pagekit/page_services.h"
#include "wav/clip_range.h"

#include <QGroupBox>
#include <QKeySequence>
#include <QList>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

class ClipList;
class EditHistory;
class EditSession;
class EffectsRow;
class SongGuide;
class PeakCache;
class QItemSelectionModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QCheckBox;
class QShortcut;
class QSlider;
class QToolButton;
class SpectrogramCache;
class WaveformView;

// The clip editor, frame Frame3 "Edit Song" of the "Audio Edit" page: a double click on an
// entry opens its clip (List1_DblClick), the user plays it, seeks with SliderEdit, sets the
// marks, and "Done" crops the clip to the stretch from MarkIn to MarkOut (ClipCrop::cutRange),
// on a background job, as one step of the history.
//
// The open clip, EditMode and the marks are the EditSession's; this panel shows them and
// hands every change to it. The slider counts whole seconds; the labels Lblin, Lbltotal and
// Lblout show seconds as "hh:mm:ss" (edittime); the waveform view shows the clip with the
// marks as handles and the playhead; the boxes txtMarkIn, txtKept and txtMarkOut show the
// marks and the kept length to the millisecond ("m:ss.mmm") and take typed times.
//
// Keys while a clip is open: Space plays and stops, I and O set the marks at the playhead,
// Home and End move the playhead, P plays the kept stretch, Enter is "Done"; Ctrl+Plus,
// Ctrl+Minus, Ctrl+0 and Ctrl+E zoom the waveform in, out, to the whole clip and to the kept
// stretch, Ctrl+Shift+Up and Ctrl+Shift+Down its height (Ctrl+Up and Ctrl+Down move clips). The
// view's spectrogram comes from the panel's SpectrogramCache, asked only once the user chooses to
// see it. Only while the session is open are the editor's controls and keys enabled, so nothing
// here acts on a closed player or crops with the marks of another clip. The effects row
// (EffectsRow) sits at the foot of the frame.
//
// Places within the frame (345×206 at 344,8 of the page): Waveform 12,18 321×52 ·
// SliderEdit 12,72 321×18 · Lblin, Lbltotal, Lblout 12/132/253,90 80×16 · txtMarkIn,
// txtKept, txtMarkOut 12/132/257,107 76×21 · CmdEditPlay, CmdEditStop, CmdPlaySel
// 12/56/100,131 41×36 · CmdMarkin "Mark In" 146,131 60×25 · CmdMarkOut "Mark Out" 208,131
// 62×25 · CmdEditDone "Done" 272,131 61×25 · chkSmooth "Smooth cuts" 146,157 187×17 · the
// effects row 0,178. A larger frame goes to the waveform; the slider widens with it and
// the controls below keep to the frame's bottom (the middle time centred, the right one at
// the right).
//
// GUI thread only; everything handed in outlives the panel.
class EditorPanel : public QGroupBox {
    Q_OBJECT
public:
    // The fade at each end of a cut while "Smooth cuts" is checked.
    static constexpr int SmoothCutMs = 5;

    EditorPanel(ClipList& clips, EditHistory& history, EditSession& session, PeakCache& peaks,
                const QItemSelectionModel& selection, PageServices services,
                QWidget* parent = nullptr);
    ~EditorPanel() override;

    EffectsRow& effects() const { return *m_effects; }
    SongGuide& guide() const { return *m_guide; }
    // The row of the clip open in the editor, -1 when the editor is closed.
    int openRow() const;
    // Tooltips, then the keys' names after them (the page's start-up steps).
    void SetLng();
    void nameKeys();
    // Draws the open clip's suggestions and grid (none while it is being analysed).
    void showMusic();
    // For the exit and before the work folder is emptied: stops a running crop, effect,
    // analysis or spectrogram and drops its end.
    void cancel();
    // Puts the keyboard on the open clip's view, where the marks move by key and Return is
    // "Done"; nothing while no clip is open.
    void focusClip();

public slots:
    // Opens the selected entry's clip (nothing when none is selected): the list player is
    // stopped and closed, the clip opened in the session; the slider runs 0 to the length in
    // seconds (rounded, halves to even), Lbltotal and Lblout show the length and Lblin
    // "00:00:00". A clip that cannot be opened is named in a message and the editor stays
    // closed.
    void List1_DblClick();
    void CmdEditPlay_Click();
    void CmdEditStop_Click();
    // Plays from the slider's value (seconds).
    void SliderEdit_Click();
    // MMCEdit's status notification: Lbltotal shows the playing position and the slider
    // follows it (unless the user holds the slider).
    void MMCEdit_StatusUpdate();
    // The mark at the player's position; Lblin / Lblout show the slider's value.
    void CmdMarkin_Click();
    void CmdMarkOut_Click();
    void CmdPlaySel_Click();
    // Moves the playhead; the slider (and the labels that read it) follow, as during a play.
    void movePlayhead(std::int64_t ms);
    // Crops the open clip to the marks. Marks in the wrong order (or equal) show "Time Input
    // Error" and change nothing. Otherwise the player is stopped and closed, the editor
    // closes (EditMode "Play") and the clip becomes the stretch between the marks: its file
    // is not touched, so the cut takes no time and undo moves the stretch back. A crop that
    // cannot be made (the clip's file changed behind the list) is shown in one message
    // naming the clip, which stays as it was.
    void CmdEditDone_Click();

signals:
    // A clip was opened for editing.
    void clipOpened();
    // A crop has ended (whether it worked or not).
    void cropEnded();
    // A typed time was not taken, and why (shown at its box).
    void timeRefused(const QString& why);

protected:
    // A click on SliderEdit ends with the release of the mouse button.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addKey(const QKeySequence& key, const std::function<void()>& action);
    void setEditorEnabled(bool enabled);
    void showOpened();
    void showMarks();
    void typed(QLineEdit* box);
    void showWaveform();
    void showPeaks(const ClipRange& clip);
    void showSpectrogram();

    ClipList& m_clips;
    EditHistory& m_history;
    EditSession& m_session;
    PeakCache& m_peaks;
    const QItemSelectionModel& m_selection;
    PageServices m_services;
    QList<QShortcut*> m_keys;
    std::unique_ptr<SpectrogramCache> m_spectrograms;
    std::int64_t m_shownIn = -1;
    std::int64_t m_shownOut = -1;

    WaveformView* m_waveform = nullptr;
    QSlider* m_sliderEdit = nullptr;
    QLabel* m_lblin = nullptr;
    QLabel* m_lbltotal = nullptr;
    QLabel* m_lblout = nullptr;
    QLineEdit* m_txtMarkIn = nullptr;
    QLineEdit* m_txtKept = nullptr;
    QLineEdit* m_txtMarkOut = nullptr;
    QPushButton* m_cmdEditPlay = nullptr;
    QPushButton* m_cmdEditStop = nullptr;
    QPushButton* m_cmdPlaySel = nullptr;
    QPushButton* m_cmdMarkin = nullptr;
    QPushButton* m_cmdMarkOut = nullptr;
    QPushButton* m_cmdEditDone = nullptr;
    QCheckBox* m_chkSmooth = nullptr;
    QToolButton* m_cmdCleanUp = nullptr;
    QPushButton* m_cmdSuggest = nullptr;
    QToolButton* m_cmdSnap = nullptr;
    SongGuide* m_guide = nullptr;
    EffectsRow* m_effects = nullptr;
};
