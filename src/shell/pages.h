// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pagekit/page_services.h"

#include <QList>

class FrameAbout;
class FrameConvert;
class FrameRec;
class Framewav;
class FrameSetting;
class QGroupBox;
class QWidget;
class RingtonePrompt;

// The five pages and how they work together, built once for the main window and once for
// each page test, so that both run the same wiring:
//   Framewav "Audio Edit"     8,48 705×353, the clip list and its import
//   FrameRec "Vioce Record"   104,48 489×285; "Add to List" goes through the list's import,
//                             and the status code of its MP3 jobs shows in the list page's Text1
//   FrameConvert "Wav <-> Mp3" 72,48 609×321; "Convert to Wav" goes through the list's import
//   FrameSetting "Setting"    80,48 593×321
//   FrameAbout "About"        168,48 393×281
// The pages are children of `host`, all hidden but the first; the host shows one at a time.
// When the host grows (ClassicLayout), "Audio Edit" takes all the extra room, "Vioce Record"
// the extra width, and the other pages stay centred below the toolbar.
// GUI thread only; what the services reference outlives the pages.
class Pages {
public:
    Pages(PageServices services, RingtonePrompt& ringtonePrompt, QWidget& host);
    ~Pages();
    Pages(const Pages&) = delete;
    Pages& operator=(const Pages&) = delete;

    Framewav& framewav() const { return *m_framewav; }
    FrameRec& frameRec() const { return *m_frameRec; }
    FrameConvert& frameConvert() const { return *m_frameConvert; }
    FrameSetting& frameSetting() const { return *m_frameSetting; }
    FrameAbout& frameAbout() const { return *m_frameAbout; }
    // In the order above.
    QList<QGroupBox*> all() const;
    // Shows `page` and hides the others.
    void show(QGroupBox* page) const;
    QGroupBox* shown() const;

private:
    Framewav* m_framewav;
    FrameRec* m_frameRec;
    FrameConvert* m_frameConvert;
    FrameSetting* m_frameSetting;
    FrameAbout* m_frameAbout;
};
