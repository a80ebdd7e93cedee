// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "cliplist/clip_list.h"
#include "cliplist/decode_worker.h"
#include "cliplist/edit_history.h"
#include "cliplist/ui/framewav_controls.h"
#include "pagekit/busy_gate.h"
#include "pagekit/page_services.h"
#include "waveform/peak_cache.h"

#include <QGroupBox>
#include <QStringList>

#include <functional>
#include <memory>

class ClipEditor;
class ClipEffects;
class ListPlayback;
class ListSaving;
class RingtonePrompt;
class RingtoneSaving;

// The "Audio Edit" page (frame Framewav): the clip list List1 with its buttons, the editor
// frame "Edit Song", the list player's frame "List Control", the two list-saving buttons and
// "Save as Ringtone".
// This class runs the list itself: adding a file, removing the selected clip and selecting a
// clip for playing; the editor (ClipEditor), list playback (ListPlayback) and list saving
// (ListSaving) work on controls(). The page creates those three and wires their signals.
//
// The list is the page's ClipList, which List1 shows. Every entry's clip file is the work
// folder's entry text + ".wav", complete and canonical (the 44-byte header plus PCM) from the
// moment the entry is put in; no two entries share a clip file.
//
// While a decode, or any other operation that disabled the window through the busy gate,
// runs, the page's commands are refused: none runs inside another.
//
// GUI thread only.
class Framewav : public QGroupBox {
    Q_OBJECT
public:
    // The end of an add: the new clip's name, or the failure, which has been shown already
    // (a cancelled decode shows nothing and ends with ErrorCode::Ended). A file the decoder
    // cannot open gets "Can't play the file" with the code and a line naming the file and
    // the reason.
    using Added = std::function<void(const Result<QString>&)>;

    Framewav(PageServices services, RingtonePrompt& ringtonePrompt, QWidget* parent = nullptr);
    ~Framewav() override;

    const PageServices& services() const { return m_services; }
    RingtonePrompt& ringtonePrompt() const { return m_ringtonePrompt; }
    ClipList& clips() { return m_clips; }
    // The peaks of the clips, computed when a clip comes into the list or changes.
    PeakCache& peakCache() { return m_peakCache; }
    // Every completed change of the list and of its clips' sound, for "Undo" and "Redo".
    EditHistory& history() { return m_history; }
    // Every control of the page, for the parts that work with them.
    const FramewavControls& controls() const { return m_controls; }
    ClipEditor& editor() const { return *m_editor; }
    ClipEffects& effects() const { return *m_effects; }
    ListPlayback& playback() const { return *m_playback; }
    ListSaving& saving() const { return *m_saving; }
    RingtoneSaving& ringtone() const { return *m_ringtone; }
    // The clip names in list order.
    QStringList clipNames() const { return m_clips.names(); }
    // The row of the selected entry, -1 when none is selected.
    int selectedIndex() const;
    // The clip file of the entry at `row`, built from the entry's text now.
    QString clipFile(int row) const { return m_clips.clipFile(row); }

    // The start-up steps of the page: the tooltips of its buttons (SetLng), and Label6's
    // text with the editor and list-playback controls disabled (startUp).
    void SetLng();
    void startUp();
    // The keys of the list's buttons: Ctrl+O "Add New", Delete "Remove Form List", Ctrl+Up
    // "Move UP", Ctrl+Down "Move Down". A key clicks its button only while the button can
    // be clicked (its page shown, the window not held by a long operation). Each tooltip
    // names its key after its text, in parentheses, also those of the editor's keys (Space,
    // I, O, P, Enter). After SetLng.
    void assignKeys();

    // What "Add New" does with a chosen file: a canonical WAV is copied, anything else goes
    // through decodeIntoClip. The new entry goes before `row` (at the end for -1); the
    // selection does not change. Refused (with nothing shown) while the page is busy.
    void addFile(const QString& path, Added done = {}, int row = -1);
    // Adds `paths` one after the other, each as addFile does, the first before `row` (-1: at
    // the end) and the others after it in their order. With `gather` the failures are not
    // shown one by one: a single message at the end lists every file that was not added,
    // each with its reason. Refused with a message while the page is busy or still adding.
    void addFiles(const QStringList& paths, int row, bool gather);
    // Files are still being added (one of them may be decoding).
    bool isAdding() const { return m_batch != nullptr; }

    // Decodes any file the decoder reads into a new clip: starts the engine for decoding,
    // disables the main window and shows the busy window (whose text it leaves as it is: a
    // caller may set it first) with the decode's progress, decodes on a worker thread into
    // the clip file of a unique clip name, then enables the window, hides the busy window,
    // releases the engine, appends the clip name to the list and calls `done`.
    //
    // Failures, each shown once and passed to `done`, with no entry added and no file left
    // behind: the engine does not start ("Can't initialize device" with its code); no loader
    // opens the file ("Can't play the file" with its code); the decode or the writing fails
    // (a message naming the file).
    void decodeIntoClip(const QString& inputPath, Added done = {}, int row = -1);
    bool isDecoding() const { return m_decodeBusy != nullptr; }
    // For the exit: stops a running decode, waits for it and cleans up; its `done` never
    // runs. Does nothing when no decode runs.
    void cancelDecode();
    // For the exit: stops everything that writes into the work folder in the background
    // (a decode, an effect, the peaks' computation) and waits for it.
    void stopWork();
    // Text1: the encoder's status code of the last MP3 job started from the list or the
    // recording page.
    void showStatusCode(short code);
    // A long operation holds the window: commands are refused.
    bool isBusy() const { return m_services.busy.isBusy(); }

public slots:
    // "Add New": asks for one or more sound files and adds them at the end (addFiles; the
    // failures of several files are gathered into one message). Cancel changes nothing.
    // The dialog opens in the folder of the last file added, at first in the base folder.
    void CmdAdd_Click();
    // "Insert": as "Add New", but the clips go before the selected entry (at the end when
    // none is selected).
    void CmdIns_Click();
    // "Move UP" / "Move Down" (also Ctrl+Up / Ctrl+Down): the selected clip changes places
    // with its neighbour; the selection follows it. The clip files stay as they are. Each
    // button is enabled only while the selected entry can move that way.
    void CmdUP_Click();
    void CmdDown_Click();
    // Moves the clip at `from` to row `to` and selects it there (a drag within the list).
    void moveClip(int from, int to);
    // "Undo" (Ctrl+Z) and "Redo" (Ctrl+Shift+Z, Ctrl+Y): both players stop and close and the
    // editor closes, then the last step is taken back or made again. Each button is enabled
    // only while there is a step to take, and its tooltip names it ("Undo Crop of song").
    void CmdUndo_Click();
    void CmdRedo_Click();
    // Files dropped onto the list before `row`: added as by "Add New", failures gathered.
    void dropFiles(const QStringList& paths, int row);
    // "Remove Form List": stops and closes both players, asks "Are you sure you want to
    // delete <name> ?" when an entry is selected and on Yes deletes its clip file (a missing
    // one is no error) and the entry; then disables the editor's controls (the editor is
    // closed).
    void Cmdremove_Click();
    // A mouse press on an entry (also the first click of a double click) or a change of the
    // selected entry by key, never a selection made by code: stops and closes both players,
    // disables the editor's controls (the editor is closed) and enables the list-playback
    // buttons.
    void List1_Click();

signals:
    // A decode has finished everything: the window is enabled and the engine released.
    void decodeEnded();

private:
    struct Batch;
    void addWav(const QString& path, const Added& done, int row);
    void showFailure(const QString& inputPath, const Status& failure);
    void showLoadFailure(const QString& inputPath, const Status& failure);
    void showEngineFailure(const Status& failure);
    void askAndAdd(int row);
    void addNextOfBatch();
    void updateMoveButtons();
    void stepHistory(bool back);
    void showListMenu(const QPoint& at);
    void showHistory();
    void connectParts();

    PageServices m_services;
    RingtonePrompt& m_ringtonePrompt;
    ClipList m_clips;
    EditHistory m_history;
    PeakCache m_peakCache;
    FramewavControls m_controls;
    // Gone before the page's controls, which they work on.
    std::unique_ptr<ClipEditor> m_editor;
    std::unique_ptr<ClipEffects> m_effects;
    std::unique_ptr<ListPlayback> m_playback;
    std::unique_ptr<ListSaving> m_saving;
    std::unique_ptr<RingtoneSaving> m_ringtone;
    DecodeWorker m_worker;
    std::unique_ptr<BusyGate::Scope> m_decodeBusy; // lives while a decode runs
    std::unique_ptr<Batch> m_batch;                // lives while files are being added
    QString m_lastAddFolder;
};
