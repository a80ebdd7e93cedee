// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "wav/clip_range.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>

class MediaPlayer;

// The clip open in the editor and what the user has set on it, without a widget: the clip
// file open in the edit player MMCEdit, EditMode, the marks MarkIn and MarkOut (milliseconds
// of the clip's sound, the kept stretch between them), the playhead, and a played selection
// that stops at MarkOut. Every change of the marks comes through here, whether from a
// button, a key, a dragged handle or a typed time; the editor's views follow the signals.
//
// The session is open from open() until close() or finish() (Done): only then do the marks
// belong to the open clip. EditMode is "Edit" while open, "Play" after Done, empty until the
// first open; the marks stay as they were when the session closes.
//
// While the player plays, the playhead is read every PlayheadMs and a played selection is
// stopped on time at its end. GUI thread only; the player must outlive the session.
class EditSession : public QObject {
    Q_OBJECT
public:
    static constexpr int PlayheadMs = 15;

    explicit EditSession(MediaPlayer& player, QObject* parent = nullptr);

    const QString& EditMode() const { return m_editMode; }
    bool isOpen() const { return m_open; }
    // The clip opened last (still set after close()), and its name (the file's base name).
    const QString& clipFile() const { return m_clip.file; }
    // The clip opened last, as its stretch of its file.
    const ClipRange& clip() const { return m_clip; }
    QString clipName() const;
    std::int64_t lengthMs() const { return m_lengthMs; }
    std::int64_t MarkIn() const { return m_markInMs; }
    std::int64_t MarkOut() const { return m_markOutMs; }
    std::int64_t playheadMs() const;
    bool isPlaying() const;
    MediaPlayer& player() const { return m_player; }

    // Opens `clipFile` in the player (which is stopped first): MarkIn 0, MarkOut the length,
    // EditMode "Edit", then opened(). A clip that cannot be opened leaves the player closed
    // and the session closed, and the player's status says why.
    Status open(const ClipRange& clip);
    // The editor closes (whether it was open or not): closed(). The player is left as it is.
    void close();
    // Done has cropped the clip: EditMode "Play", and the session closes.
    void finish();

    // Where a mark the user sets lands (the editor's snap); empty: exactly where it is put.
    using SnapFn = std::function<std::int64_t(std::int64_t ms)>;
    void setSnap(SnapFn snap) { m_snap = std::move(snap); }
    // Both marks exactly where given (a suggestion, already on its bars), not snapped; one
    // marksChanged().
    void placeMarks(std::int64_t markInMs, std::int64_t markOutMs);
    // The marks, as the user sets them (snapped); each change emits marksChanged().
    void setMarkIn(std::int64_t ms);
    void setMarkOut(std::int64_t ms);
    // Mark In / Mark Out: the mark at the player's position now.
    void markInAtPlayhead();
    void markOutAtPlayhead();
    // A typed kept length: MarkOut moves to MarkIn + ms, at most to the end.
    void setKept(std::int64_t ms);

    void play();
    void stop();
    void playOrStop();
    // Plays from MarkIn and stops at MarkOut; nothing for marks in the wrong order.
    void playSelection();
    // Moves the playhead; a playing clip goes on from there.
    void seek(std::int64_t ms);
    // The playhead follows the player; a played selection stops at its end. The timer calls
    // it; tests call it directly.
    void followPlayer();

    // Around a new version of the open clip written by someone else (an effect): the player
    // lets go of the file, then takes the new one back with the same marks as far as they
    // fit: `clipFile` when the clip's file has changed its name (a kept MP3 that became a
    // WAV), else the file it had. A clip that can no longer be opened closes the session.
    void letGo();
    void takeBack(const ClipRange& clip = ClipRange());

signals:
    void opened();
    // The clip was taken back after a rewrite (takeBack): its length may have changed.
    void reopened();
    void marksChanged();
    void closed();
    // Where the playhead is now, while it moves.
    void playheadMoved(std::int64_t ms);

private:
    MediaPlayer& m_player;
    QString m_editMode;
    ClipRange m_clip;
    SnapFn m_snap;
    bool m_open = false;
    bool m_letGo = false;
    std::int64_t m_lengthMs = 0;
    std::int64_t m_markInMs = 0;
    std::int64_t m_markOutMs = 0;
    std::int64_t m_selectionEndMs = -1; // where a played selection stops
    QTimer m_playhead;
};
