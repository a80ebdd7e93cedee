// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/background_job.h"
#include "base/status.h"
#include "pagekit/dialogs.h"
#include "pagekit/page_services.h"

#include <QGroupBox>

#include <functional>

class ClipImport;
class QLineEdit;
class QPushButton;

// The conversion page (frame "Wav <-> Mp3"): one file at a time from WAV to MP3 (frame
// "Wav -> Mp3") or from MP3 to WAV (frame "MP3 -> Wav"). Each direction has a source and a
// target path box, a "..." chooser beside each, and a convert button. The boxes take typed
// or pasted paths as well; surrounding blanks and quotes and a file:// prefix are dropped.
//
// The four choosers share the one file dialog ComFileOpen: each sets the filter, an empty
// file name and its own settings, so whatever it does not set stays as the chooser before
// left it (the "file must exist" flag of an open chooser stays for a later save chooser, the
// initial folder of a save chooser for a later open chooser). A cancelled chooser empties
// its box. Nothing on the page is ever disabled.
//
// "Convert to Wav" decodes the source into a new clip of the clip list (ClipImport), showing
// the busy window with "Converting.......", copies the clip file to the target on a
// background job and says "Convert Finish". "Convert to MP3" starts an MP3 job on both paths, shows
// its status code in Text2 and the busy window with whatever text it last had (the window stays
// enabled); the job's end hides it and reports. Either does nothing while a path box is empty, and
// nothing while a long operation holds the window. A failure is shown once, naming the file, and
// leaves the target as it was.
//
// GUI thread only.
class FrameConvert : public QGroupBox {
    Q_OBJECT
public:
    // `import` is the clip list's: the decoded file becomes a clip of the list.
    FrameConvert(PageServices services, ClipImport& import, QWidget* parent = nullptr);

    // The shared file dialog's settings as the last chooser left them.
    const Dialogs::FileRequest& comFileOpen() const { return m_comFileOpen; }

public slots:
    void Cmdopenwav_Click();
    void CmdSaveMP3_Click();
    void CmdopenMp3_Click();
    void CmdSavewav2_Click();
    void CmdconvertWav_Click();
    void CmdConvertMP3_Click();

private:
    // Shows ComFileOpen and puts the chosen path, or nothing after a cancel, into `box`.
    void choose(QLineEdit* box);

    PageServices m_services;
    ClipImport& m_import;
    BackgroundJob m_copy;
    Dialogs::FileRequest m_comFileOpen;
    QLineEdit* m_txtopenwav = nullptr;
    QLineEdit* m_txtsavemp3 = nullptr;
    QLineEdit* m_txtopenmp3 = nullptr;
    QLineEdit* m_txtsavewav = nullptr;
    QLineEdit* m_text2 = nullptr;
};
