// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "cliplist/ringtone.h"
#include "pagekit/busy_gate.h"
#include "pagekit/page_services.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

class ClipList;
class ListJoin;
class QItemSelectionModel;
class RingtonePrompt;

// "Save as Ringtone" (CmdRingtone) of the "Audio Edit" page: the selected clip, or the whole
// list joined in order, written as a ringtone for the phone chosen in the ringtone prompt
// (ringtone.h: iPhone .m4r, Android .ogg or .mp3), with a fade-out at its end when chosen.
//
// Order: the ringtone prompt; the length rule of the target (for the iPhone's share sheet a
// silent cut to 29.9 s; for the Finder route, past 30 s a Yes/No warning that names the
// length, past 40 s a refusal that offers to save the first 40 s, faded out, instead); the
// save dialog in the base folder with the clip's name and the target's extension filled in
// (a name typed with another extension gets the target's, and the end says so); then, with the
// busy window "Saving......." and the main window disabled, the tone is encoded as one of the
// page's encoder jobs (EncoderJobs), which reads the whole list's clips one after another when
// it is the source, and whose end reports the failure or, in one Yes/No box, "Finish Save",
// where the tone is and whether to send it to a phone now, then enables the window. The title
// tag is the name typed in the prompt; left empty, the clip's name, for the whole list the
// chosen file's name without its extension.
//
// A cancel at any step changes nothing. An empty list, a clip that cannot be read or a job the
// encoder refuses gets one message and leaves no file behind.
//
// GUI thread only; everything handed in outlives it.
class RingtoneSaving : public QObject {
    Q_OBJECT
public:
    RingtoneSaving(const ClipList& clips, ListJoin& join, const QItemSelectionModel& selection,
                   RingtonePrompt& prompt, PageServices services, QObject* parent = nullptr);

public slots:
    void CmdRingtone_Click();

private:
    // The sound's length in ms: of one clip file, or of every clip of the list together.
    std::int64_t lengthMs(bool wholeList, int row) const;
    // The length rule; the cut to keep (-1 for all), or nothing when the user declined.
    std::optional<std::int64_t> askAboutLength(ringtone::Target target, std::int64_t length) const;
    // `renamed` says how the typed name was changed (empty: it was not).
    void encode(const ringtone::Request& job, std::unique_ptr<BusyGate::Scope> hold,
                const QString& renamed);
    void saved(const QString& tone, const QString& renamed);

    const ClipList& m_clips;
    ListJoin& m_join;
    const QItemSelectionModel& m_selection;
    RingtonePrompt& m_prompt;
    PageServices m_services;
};
