// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/background_job.h"
#include "base/notice.h"
#include "base/status.h"
#include "base/work_folder.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

class AudioEngine;
class ClipList;
class EditHistory;
struct WavInfo;

// Brings sound files into the clip list, one after the other: a canonical WAV (the 44-byte
// header and its PCM, nothing else) and an MP3 or FLAC file (whose exact length is counted
// without a decode) are copied byte for byte, anything else the decoder reads is decoded into
// a canonical clip. Each file gets a clip name of its own
// (clipnames::uniqueClipName), its clip file is complete before its entry goes into the list,
// and each entry is one step of the history. Every way in goes through here: "Add New",
// "Insert" and files dropped on the list, the files given at start or by a second start,
// "Add to List" of the recording page and "Convert to Wav" of the conversion page.
//
// The file work (the header read, the copy, the decode) runs on a background job while the
// window is held (HoldWindow); the engine is started for a decode before it and released
// after it. Requests wait their turn: one runs at a time, in the order they came, and one
// whose turn has come while another long operation holds the window waits for resume().
//
// Failures never leave an entry or a file behind. What the user is to be told is in the
// request's Report (notice()); a cancelled request (the exit) reports nothing.
//
// GUI thread only; the list, the history and the engine must outlive it.
class ClipImport : public QObject {
    Q_OBJECT
public:
    struct Failure {
        enum class Stage {
            Engine, // the engine did not start for decoding
            Open,   // no loader opens the file
            Write,  // the copy or the decode failed midway, or the clip file can't be written
        };
        QString path;
        Status status;
        Stage stage = Stage::Write;
    };
    struct Report {
        QStringList added; // the new clips' names, in the order they went in
        QList<Failure> failures;
        bool gathered = false; // the failures of several files go into one message
        // One message for the failures, nothing when every file went in.
        std::optional<Notice> notice() const;
    };
    using Done = std::function<void(const Report&)>;

    struct Request {
        QStringList paths;
        int row = -1;        // the first clip goes before this row; -1: at the end
        bool gather = false; // see Report::gathered
        bool decode = false; // decode even a canonical WAV (a conversion)
        QString busyText;    // for the busy window; empty: the text it has
        Done done;           // once, when every file has been tried
    };

    // The window held for one file's work, or nothing while another long operation holds
    // it. `showNow`: show the busy window at once (a decode) or only when the work lasts
    // longer than a blink (a copy).
    using HoldWindow =
        std::function<std::unique_ptr<JobScope>(const QString& busyText, bool showNow)>;

    ClipImport(ClipList& clips, EditHistory& history, AudioEngine& engine, WorkFolder folder,
               HoldWindow holdWindow, QObject* parent = nullptr);
    ~ClipImport() override;

    // Queues the request; it starts at once when nothing runs and the window is free.
    void add(Request request);
    // A request runs or waits.
    bool isBusy() const { return m_current != nullptr || !m_waiting.empty(); }
    // The window was let go by another operation: a waiting request starts.
    void resume();
    // For the exit: stops the file being written, waits for it, forgets every request (no
    // Done runs) and releases the engine when a decode held it.
    void cancel();
    // The folder of the last file that went in; empty before any.
    const QString& lastFolder() const { return m_lastFolder; }

signals:
    // Every request has ended.
    void idle();

private:
    struct Outcome;
    void next();
    void startFile();
    void startKeep(const QString& target);
    void copyEnded(Outcome outcome);
    void startDecode();
    void fileEnded(Outcome outcome);
    void finishRequest();

    ClipList& m_clips;
    EditHistory& m_history;
    AudioEngine& m_engine;
    WorkFolder m_folder;
    HoldWindow m_holdWindow;
    BackgroundJob m_job;
    std::unique_ptr<JobScope> m_hold; // the window, held for the file being brought in
    std::deque<Request> m_waiting;
    std::unique_ptr<Request> m_current;
    Report m_report;
    QString m_name; // of the file being brought in
    bool m_decoding = false;
    bool m_waitingForWindow = false; // the current file waits for resume()
    QString m_lastFolder;
};
