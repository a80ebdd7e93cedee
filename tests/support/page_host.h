// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/settings.h"
#include "pagekit/app_context.h"
#include "pagekit/busy_gate.h"
#include "pagekit/encoder_jobs.h"
#include "pagekit/page_services.h"

#include <QWidget>

#include <memory>

class FrameConvert;
class FrameRec;
class Framewav;
class FrmLoad;

// What a page test puts in place of the main window: a plain widget that parents the
// page and its dialogs, with the settings, the busy window, the busy gate and the MP3 jobs
// a page is handed. Each page is built at its first use, at the place the window gives it;
// the conversion page decodes through the "Audio Edit" page, and the recording page's MP3
// status code goes to that page's Text1 and its "Add to List" to that page's list, as in
// the window.
class PageHost : public QWidget {
public:
    explicit PageHost(AppContext context);
    ~PageHost() override;

    const AppContext& context() const { return m_context; }
    Settings& settings() { return m_settings; }
    FrmLoad& frmLoad();
    BusyGate& busyGate() { return m_gate; }
    PageServices services();

    Framewav& framewav();
    FrameConvert& frameConvert();
    FrameRec& frameRec();

private:
    AppContext m_context;
    Settings m_settings;
    std::unique_ptr<FrmLoad> m_frmLoad;
    BusyGate m_gate;
    EncoderJobs m_jobs;
    Framewav* m_framewav = nullptr;
    FrameConvert* m_frameConvert = nullptr;
    FrameRec* m_frameRec = nullptr;
};
