// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pagekit/page_services.h"

#include <QGroupBox>
#include <QPersistentModelIndex>
#include <QTimer>

class ClipList;
class EditSession;
class QCheckBox;
class QItemSelectionModel;
class QLabel;
class QPushButton;

// List playback, frame Frame2 "List Control" of the "Audio Edit" page: plays the selected
// clip through the list player MMCPlayList, or with Check1 ("Play List") checked every clip
// from the selected one to the end of the list, one after the other. It also keeps its five
// buttons in step with the list and the editor (Timer1_Timer, every TickMs for the whole run).
//
// "Pause" holds the list player where it is and the next press goes on from there; "Next"
// and "Forward" play the entry after or before the one playing (or, when none plays, the
// selected one) and the list goes on from there as after "Play". While the list player has
// a clip open, lblListPos shows its position ("m:ss of m:ss").
//
// While "Play List" is checked, the clip after the one that plays is queued in the list
// player, which goes on with it without a gap; the end of a clip then only moves the
// selection and queues the clip after. Unchecking "Play List" or changing the list queues
// anew.
//
// The clip that plays is shown selected in the list; the page runs its single click only for
// a mouse press or a key move, so that selection leaves the list player playing. MMCPlayList
// emits done() once for each play that reached the end, never for a stop, close or open, so
// the list goes on only after a clip has played out.
//
// Places within the frame (345×73 at 344,218 of the page): CmdFoward, CmdPlay, CmdPause,
// CmdStop, CmdNext 12/56/100/144/188,24 41×41 · Check1 "Play List" 240,22 97×21 ·
// lblListPos 240,46 97×17.
//
// GUI thread only; everything handed in outlives the panel.
class ListPlayerPanel : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int TickMs = 500;

    ListPlayerPanel(const ClipList& clips, const EditSession& session,
                    QItemSelectionModel& selection, PageServices services,
                    QWidget* parent = nullptr);

    // The row of the next clip to play.
    int PlayIndex() const { return m_playIndex; }
    void SetLng();
    // Enables the five buttons (a single click on the list) or disables them (the editor
    // opened a clip, and at start).
    void setButtonsEnabled(bool enabled);

public slots:
    // Plays from the selected entry; with nothing selected asks "Please select the song to
    // play" and does nothing else.
    void CmdPlay_Click();
    // Stops the list player; PlayIndex stays and the player stays open.
    void CmdStop_Click();
    // Pauses a playing list player, or resumes a paused one from the same place; the button
    // is shown pressed exactly while paused.
    void CmdPause_Click();
    // Plays the entry after (Next) or before (Forward) the one that plays or, when the list
    // player is closed, the selected one; nothing at either end of the list.
    void CmdNext_Click();
    void CmdFoward_Click();
    // Plays entry PlayIndex, selects it and moves PlayIndex on; past the last entry stops
    // and closes the list player instead. A clip file that cannot be played plays nothing
    // and is not reported.
    void PlayListItem();
    // The end of a clip: the list goes on while Check1 is checked.
    void MMCPlayList_Done();
    // With n entries and i the selected row (-1 for none): outside the editor (EditMode not
    // "Edit") and with n > 0 all five buttons are enabled; then CmdNext is enabled exactly
    // when an entry other than the last is selected, CmdFoward exactly when one other than
    // the first is. Nothing here disables CmdPlay, CmdStop or CmdPause.
    void Timer1_Timer();

signals:
    // The clip of entry `row` has started to play, by a command or going on from the one
    // before.
    void clipStarted(int row);

private:
    void queueFollowing();
    void playBeside(int step);
    void setPaused(bool paused);
    void showPosition();
    void showPlaying(int row);

    const ClipList& m_clips;
    const EditSession& m_session;
    QItemSelectionModel& m_selection;
    PageServices m_services;
    int m_playIndex = 0;
    // The entry whose clip the list player has open; it follows the entry when clips are
    // moved, inserted or removed, so the list goes on after the right one.
    QPersistentModelIndex m_playing;
    bool m_paused = false;
    QTimer m_timer1;

    QPushButton* m_cmdFoward = nullptr;
    QPushButton* m_cmdPlay = nullptr;
    QPushButton* m_cmdPause = nullptr;
    QPushButton* m_cmdStop = nullptr;
    QPushButton* m_cmdNext = nullptr;
    QCheckBox* m_check1 = nullptr;
    QLabel* m_lblListPos = nullptr;
};
