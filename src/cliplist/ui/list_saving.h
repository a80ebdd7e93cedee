// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "pagekit/page_services.h"

#include <QObject>
#include <QString>

#include <optional>

class ClipList;
class ListJoin;

// Saving the clip list of the "Audio Edit" page as one file: "Save The List to Wav"
// (CmdSaveWav) and "Save The List to MP3" (CmdSaveList). Both join every clip, in list
// order (ClipJoiner: clips of another format converted to the first clip's): the WAV command
// into the chosen file (ListJoin), the MP3 command into the encoder Mp3Enc1's job, which
// encodes the clips as it reads them.
//
// Nothing is written when the list is empty or a clip cannot be joined (missing, shorter
// than a header, too large together); one message names the clip. A target file is written
// under a temporary name and renamed over an older one, so a failure leaves the older file.
// The MP3 job is one of the page's EncoderJobs: its end hides the busy window, reports and
// enables the window again.
//
// GUI thread only; the list and the join outlive it.
class ListSaving : public QObject {
    Q_OBJECT
public:
    ListSaving(const ClipList& clips, ListJoin& join, PageServices services,
               QObject* parent = nullptr);

    // Sets the encoder's bit rate from the setting, when the setting names one.
    static void applyBitRate(const PageServices& services);

public slots:
    // Asks for a WAV file (cancel changes nothing), then joins the list into the chosen name
    // as typed, on a background job while the window is held; "Finish Save" once it is
    // written.
    void CmdSaveWav_Click();
    // Asks for an MP3 file (cancel changes nothing), shows the busy window with
    // "Saving......." and disables the main window, and starts the encoder on the clips at
    // the bit-rate setting, with the chosen file's name (without its extension) as the MP3's
    // ID3v2 title; statusCode() gives the encoder's StatusCode. When a clip cannot be joined
    // or the encoder refuses the job, the busy window is hidden, the window enabled and the
    // failure shown instead.
    void CmdSaveList_Click();

signals:
    // The encoder's answer to an MP3 job (the page shows it in Text1).
    void statusCode(short code);

private:
    bool listIsEmpty() const;
    // Says so when a clip's file changed behind the program's back (ClipList::unchanged).
    bool listHasChanged() const;
    std::optional<QString> askTarget(const QString& filter) const;

    const ClipList& m_clips;
    ListJoin& m_join;
    PageServices m_services;
};
