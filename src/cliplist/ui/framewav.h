// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audio/status.h"
#include "cliplist/ui/framewav_controls.h"
#include "convert/wav_decoder.h"

#include <QGroupBox>
#include <QStringList>

#include <memory>

class ClipEditor;
class Frmmain;
class ListPlayback;
class ListSaving;
struct AppContext;

// The "Audio Edit" page (frame Framewav): the clip list List1 with its buttons, the editor
// frame "Edit Song", the list player's frame "List Control" and the two list-saving buttons.
// This class runs the list itself: adding a file, removing the selected clip and selecting a
// clip for playing; the editor (ClipEditor), list playback (ListPlayback) and list saving
// (ListSaving) work on controls(). The page creates those three and wires their signals.
//
// Every entry's clip file is the work folder's entry text + ".wav", complete and canonical
// (the 44-byte header plus PCM) from the moment the entry is appended; no two entries share
// a clip file. The decoder state lives here for the whole run.
//
// The page works with the main window's collaborators (engine, players, dialogs, work
// folder) and its busy window; the window must outlive the page (it is the page's parent).
// GUI thread only.
class Framewav : public QGroupBox {
    Q_OBJECT
public:
    explicit Framewav(Frmmain& window);
    ~Framewav() override;

    Frmmain& window() const { return m_window; }
    // Every control of the page, for the parts that work with them.
    const FramewavControls& controls() const { return m_controls; }
    ClipEditor& editor() const { return *m_editor; }
    ListPlayback& playback() const { return *m_playback; }
    ListSaving& saving() const { return *m_saving; }
    // The entry texts of List1 in list order.
    QStringList clipNames() const;
    // The row of the selected entry, -1 when none is selected.
    int selectedIndex() const;
    // The clip file of the entry at `row`, built from the entry's text now.
    QString clipFile(int row) const;

    // Decodes any file the decoder reads into a new clip: starts the engine for decoding,
    // disables the main window and shows the busy window (whose text it leaves as it is: a
    // caller may set it first), opens the file (loadmp3), decodes it block by block into the
    // clip file of a unique clip name (convert2wav, letting the event loop run at least every
    // YieldMs), enables the window, hides the busy window, finishes the output (closewav) and
    // releases the engine. Then the clip name is appended to List1 and returned.
    //
    // Failures, each shown once and returned, with no entry added and no file left behind:
    // the engine does not start ("Can't initialize device" with its code, nothing else
    // happens); no loader opens the file ("Can't play the file" with its code); the decode
    // or the writing fails (a message naming the file). A decode cancelled by cancelDecode()
    // returns ErrorCode::Ended and shows nothing; the caller shows nothing either.
    Result<QString> decodeIntoClip(const QString& inputPath);
    // True while decodeIntoClip runs (the event loop runs inside it).
    bool isDecoding() const { return m_decoding; }
    // Asks a running decode to stop before its next block; decodeEnded() follows once
    // decodeIntoClip has cleaned up. Does nothing when no decode runs.
    void cancelDecode();

    static constexpr int YieldMs = 25;

public slots:
    // "Add New": asks for a WAV or MP3 file. A canonical WAV is copied, any other WAV and an
    // MP3 are decoded (decodeIntoClip); the new entry goes to the end of the list, the
    // selection does not change. Cancel changes nothing.
    void CmdAdd_Click();
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
    // decodeIntoClip has finished everything, the window is enabled and the engine released.
    void decodeEnded();

private:
    const AppContext& context() const;
    void addWav(const QString& path);
    void showFailure(const QString& inputPath, const Status& failure);
    void connectParts();

    Frmmain& m_window;
    FramewavControls m_controls;
    // Gone before the page's controls, which they work on.
    std::unique_ptr<ClipEditor> m_editor;
    std::unique_ptr<ListPlayback> m_playback;
    std::unique_ptr<ListSaving> m_saving;
    WavDecoder m_decoder;
    bool m_decoding = false;
    bool m_cancelled = false;
};
