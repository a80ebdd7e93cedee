// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cliplist/clip_import.h"
#include "cliplist/clip_list.h"
#include "cliplist/edit_history.h"
#include "cliplist/edit_session.h"
#include "pagekit/page_services.h"
#include "waveform/peak_cache.h"

#include <QGroupBox>
#include <QStringList>

class ClipListBox;
class EditorPanel;
class EffectsRow;
class ListButtons;
class ListJoin;
class ListPlayerPanel;
class ListSaving;
class QLabel;
class QLineEdit;
class QPushButton;
class RingtonePrompt;
class RingtoneSaving;

// The "Audio Edit" page (frame Framewav): the clip list List1 with its buttons (ListButtons),
// the editor frame "Edit Song" (EditorPanel, with the effects row), the list player's frame
// "List Control" (ListPlayerPanel), the two list-saving buttons and "Save as Ringtone".
//
// The page owns the state its parts share: the list (ClipList, which List1 shows), its
// history, the peaks of its clips, the clip open in the editor (EditSession) and the way
// files come in (ClipImport). The parts are handed those, never the page; this class only
// wires them together and runs the list's own clicks. Every entry's clip file is the work
// folder's entry text + ".wav", complete and canonical from the moment the entry is put in;
// no two entries share a clip file.
//
// While a long operation holds the window through the busy gate, the page's commands are
// refused: none runs inside another.
//
// Places in the page: List1 16,24 265×273 · the list's buttons 288,24 · Label6 16,304
// 193×41 · Text1 (the encoder's status code, read-only) 224,312 57×21 · Frame3 "Edit Song"
// 344,8 345×206 · Frame2 "List Control" 344,218 345×73 · CmdSaveWav "Save The List to Wav"
// 344,298 169×24 · CmdSaveList "Save The List to MP3" 520,298 169×24 · CmdRingtone "Save as
// Ringtone" 344,325 345×24. In a larger window List1 grows in height, Frame3 takes the
// extra width and height, and Frame2 and the three buttons below it follow its edges.
//
// GUI thread only.
class Framewav : public QGroupBox {
    Q_OBJECT
public:
    Framewav(PageServices services, RingtonePrompt& ringtonePrompt, QWidget* parent = nullptr);
    ~Framewav() override;

    ClipList& clips() { return m_clips; }
    EditHistory& history() { return m_history; }
    PeakCache& peakCache() { return m_peakCache; }
    EditSession& session() { return m_session; }
    // Every way files come into the list goes through this.
    ClipImport& import() { return m_import; }
    EditorPanel& editor() const { return *m_editor; }
    EffectsRow& effects() const;
    ListPlayerPanel& playback() const { return *m_player; }
    ListButtons& buttons() const { return *m_buttons; }
    ListSaving& saving() const { return *m_saving; }
    RingtoneSaving& ringtone() const { return *m_ringtone; }
    ClipListBox& list() const { return *m_list1; }
    QStringList clipNames() const { return m_clips.names(); }
    // The row of the selected entry, -1 when none is selected.
    int selectedIndex() const;

    // The start-up steps of the page: the tooltips of its buttons (SetLng), and Label6's
    // text with the editor and list-playback controls disabled (startUp); then the keys of
    // the list's buttons, each tooltip naming its key after its text (assignKeys).
    void SetLng();
    void startUp();
    void assignKeys();
    // For the exit: stops everything that writes into the work folder in the background (an
    // import, a crop, an effect, a join, the peaks' computation) and waits for it.
    void stopWork();
    // Text1: the encoder's status code of the last MP3 job started from the list or the
    // recording page.
    void showStatusCode(short code);

public slots:
    // A mouse press on an entry (also the first click of a double click) or a change of the
    // selected entry by key, never a selection made by code: stops and closes both players,
    // closes the editor and enables the list-playback buttons.
    void List1_Click();

private:
    void showListMenu(const QPoint& at);

    PageServices m_services;
    ClipList m_clips;
    EditHistory m_history;
    PeakCache m_peakCache;
    EditSession m_session;
    ClipImport m_import;
    ClipListBox* m_list1 = nullptr;
    QLabel* m_label6 = nullptr;
    QLineEdit* m_text1 = nullptr;
    ListButtons* m_buttons = nullptr;
    EditorPanel* m_editor = nullptr;
    ListPlayerPanel* m_player = nullptr;
    ListJoin* m_join = nullptr;
    ListSaving* m_saving = nullptr;
    RingtoneSaving* m_ringtone = nullptr;
};
