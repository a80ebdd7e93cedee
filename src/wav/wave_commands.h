// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "wav/wav_header.h"

#include <QString>

#include <functional>
#include <map>
#include <utility>
#include <vector>

// Edits WAV files through text commands, as the crop sends them:
//
//   open PATH type waveaudio alias A
//   delete A from X to Y                X, Y in ms; what followed Y moves up by Y - X
//   save A PATH
//   close A
//
// Command words and aliases are case-insensitive; words are separated by any number of
// blanks or tabs.
//
// Quoting, the one rule that carries any file name (blanks, tabs, newlines, both kinds of
// quote, backslashes, non-ASCII): a word that begins with a double quote runs to the next
// double quote that is not escaped, and that closing quote must end the word. Inside it,
// \" stands for " and \\ for \; every other character, a backslash before anything else
// included, stands for itself. A word without quotes is taken as it is, up to the next blank
// or tab, and may not hold a double quote. quoted() writes a path by this rule.
//
// X and Y are plain decimal integers (no sign) with X <= Y. Each is converted to the
// nearest whole sample frame, frame = round(ms * rate / 1000) with halves rounded up,
// and clamped to the length of the sound as it is at that moment.
//
// Nothing is loaded into memory: an alias holds the list of byte ranges of the source
// that are kept, and "save" streams them in 1 MiB blocks to a temporary file beside PATH
// that is renamed over PATH, as a canonical 44-byte-header WAV of the source's format.
// "save" handles 8- and 16-bit integer PCM sources only (others fail with Format, but
// open and delete work on them). The source must stay unchanged until "close"; "save" checks
// that its layout is still the one seen at "open". Saving over the source itself is allowed:
// the alias then goes on with the saved file.
//
// An unknown command, alias or malformed number changes nothing and returns an error.
// A path is always one word (quoted or not) and is never read as further command words.
// Not thread-safe; use from one thread.
class WaveCommands {
public:
    Status send(const QString& command);

    // `path` as one word of a command: unchanged when it holds nothing but characters that
    // need no quotes, else between double quotes with " and \ escaped.
    static QString quoted(const QString& path);
    // The frame a position of `ms` falls on in a sound of `frames` frames, by the rule above.
    static ByteCount frameAt(std::uint64_t ms, int rateHz, ByteCount frames);

    // Hears, during a "save", the percent of the kept sound written so far.
    void setProgress(std::function<void(int percent)> progress) {
        m_progress = std::move(progress);
    }

private:
    struct Sound {
        QString path;
        WavInfo info;
        std::vector<std::pair<ByteCount, ByteCount>> kept; // [begin, end) of the data
    };
    Status open(const QString& path, const QString& alias);
    Status erase(const QString& alias, const QString& from, const QString& to);
    Status save(const QString& alias, const QString& path);
    Status close(const QString& alias);

    std::map<QString, Sound> m_sounds; // by alias in lower case
    std::function<void(int percent)> m_progress;
};
