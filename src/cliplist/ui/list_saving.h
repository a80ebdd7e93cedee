// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"

#include <QObject>
#include <QString>

#include <optional>

class Framewav;
struct AppContext;

// Saving the clip list of the "Audio Edit" page as one file: "Save The List to Wav"
// (CmdSaveWav) and "Save The List to MP3" (CmdSaveList). Both join every clip, in list
// order, into the work folder's concat.wav (ClipJoiner: the first clip's header with both
// sizes rewritten, clips of another format converted to the first clip's), then the WAV
// command copies it to the chosen file and the MP3 command hands it to the encoder Mp3Enc1.
//
// Nothing is written when the list is empty or a clip cannot be joined (missing, shorter
// than a header, too large together); one message names the clip. A target file is written
// under a temporary name and renamed over an older one, so a failure leaves the older file.
// The MP3 job is one of the page's EncoderJobs: its end hides the busy window, reports, deletes
// concat.wav and enables the window again.
//
// The page creates it and wires the two buttons; the page must outlive it. GUI thread only.
class ListSaving : public QObject {
    Q_OBJECT
public:
    explicit ListSaving(Framewav& page);

public slots:
    // Asks for a WAV file (cancel changes nothing), closes both players, joins the list and
    // copies concat.wav to the chosen name as typed; "Finish Save" once it is written.
    // concat.wav stays in the work folder.
    void CmdSaveWav_Click();
    // Asks for an MP3 file (cancel changes nothing), shows the busy window with
    // "Saving......." and disables the main window, closes both players, joins the list and
    // starts the encoder on concat.wav at the bit-rate setting, with the chosen file's name
    // (without its extension) as the MP3's ID3v2 title; Text1 shows the encoder's
    // StatusCode. Returns while the encoder works. When the join fails or the encoder refuses
    // the job, the busy window is hidden, the window enabled and the failure shown instead.
    void CmdSaveList_Click();

public:
    // Sets the encoder's bit rate from the setting, when the setting names one.
    void applyBitRate() const;

private:
    const AppContext& context() const;
    bool listIsEmpty() const;
    std::optional<QString> askTarget(const QString& filter) const;
    Status join() const;
    void showFailure(const QString& text) const;

    Framewav& m_page;
};
