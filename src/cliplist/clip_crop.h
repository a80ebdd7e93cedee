// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "base/work_folder.h"
#include "wav/clip_range.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

class WaveCommands;

// The cut of a clip file (tunecarver-cli crop): it keeps the sound from the mark-in to the
// mark-out and drops the rest, through five command strings sent to WaveCommands in order
// ("Done" in the window writes nothing: cutRange gives the clip the stretch they would keep):
//
//   open <source scratch> type waveaudio alias voice1
//   delete voice1 from 0 to <MarkIn>
//   delete voice1 from <MarkOut - MarkIn> to <L - MarkIn>
//   save  voice1 <result scratch>
//   close voice1
//
// L is the clip's length as the edit player reports it. The first delete removes the head, so
// the sound then starts at the old mark-in and the tail command removes what lay after the
// old mark-out. Numbers are plain decimal integers in ms; paths are written by
// WaveCommands::quoted, so any file name goes through.
//
// The scratch files (WorkFolder::cropSource, the clip as it was, and WorkFolder::cropResult,
// the cut sound) live in the work folder, under names no clip file can have; stale ones are
// replaced. The clip file is never written in place: the result is renamed over it, so a
// failure at any step leaves it exactly as it was. Scratch files are gone afterwards, also after a
// failure.
//
// Runs on the caller's thread, to its end; not thread-safe.
class ClipCrop {
public:
    // Both references must outlive the ClipCrop.
    ClipCrop(const WorkFolder& folder, WaveCommands& commands);

    // Ok when markInMs < markOutMs; else the status whose message is exactly
    // "Time Input Error" (code Position), which the page shows as it is.
    static Status checkMarks(std::int64_t markInMs, std::int64_t markOutMs);
    // The stretch of `clip` (of clipFrames frames, at rateHz) that "Done" keeps: the sound
    // from the mark-in to the mark-out, each mark on the frame the commands would cut at,
    // faded in and out over fadeFrames. The clip's file is not touched.
    static ClipRange cutRange(const ClipRange& clip, std::int64_t clipFrames, int rateHz,
                              std::int64_t markInMs, std::int64_t markOutMs,
                              std::int64_t fadeFrames);
    // "delete voice1 from " + (markOut - markIn) + " to " + (length - markIn).
    static QString tailCommand(std::int64_t markInMs, std::int64_t markOutMs,
                               std::int64_t lengthMs);

    QString sourceScratch() const;
    QString resultScratch() const;
    // The five command strings, in order, for these marks and length and the scratch files.
    QStringList commandsFor(std::int64_t markInMs, std::int64_t markOutMs,
                            std::int64_t lengthMs) const;

    // Cuts clipFile in place.
    Status crop(const QString& clipFile, std::int64_t markInMs, std::int64_t markOutMs,
                std::int64_t lengthMs);
    // Cuts sourceFile into targetFile (which may be the same file). A kept MP3 or FLAC
    // (WorkFolder::keptSuffixes) is not cut by the commands: the stretch between the marks is
    // decoded into a 16-bit WAV (no commands are sent). targetFile must be on the
    // work folder's file system, as the result is renamed onto it; when it is a symbolic link
    // the file it points to is replaced and the link stays.
    //
    // Failures, each leaving both files as they were: "Time Input Error" (see checkMarks),
    // Position (a negative mark-in or a mark-out past lengthMs), FileOpen/NotFile (no clip
    // file), Create (the scratch copy or the final rename fails), or the status of the
    // command that failed, its message prefixed with the clip file. When "open" succeeded,
    // "close voice1" is sent whatever failed after it.
    Status crop(const QString& sourceFile, const QString& targetFile, std::int64_t markInMs,
                std::int64_t markOutMs, std::int64_t lengthMs);

    // A fade of `ms` at the head and at the tail of every cut from now on (edgefade), so the
    // cut clip starts and ends without a click; 0 (the default) keeps exactly the frames
    // between the marks.
    void setEdgeFadeMs(int ms) { m_edgeFadeMs = ms; }
    // Hears the percent of the cut sound written so far.
    void setProgress(std::function<void(int percent)> progress);

    // The command strings the last crop() sent, in order, also when it failed midway.
    const QStringList& sentCommands() const { return m_sent; }

private:
    Status sendAll(const QString& clipFile, const QStringList& commands);
    Status decodeCut(const QString& sourceFile, const QString& result, std::int64_t markInMs,
                     std::int64_t markOutMs);

    const WorkFolder& m_folder;
    WaveCommands& m_commands;
    QStringList m_sent;
    int m_edgeFadeMs = 0;
    std::function<void(int percent)> m_progress;
};
