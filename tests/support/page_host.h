// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/choices.h"
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
class Pages;
class RingtonePrompt;

// What a page test puts in place of the main window: a plain widget that parents the pages
// and their dialogs, with the settings, the busy window, the busy gate and the encoder jobs a
// page is handed, and the pages built and wired by the same Pages composition the window
// uses.
class PageHost : public QWidget {
public:
    PageHost(AppContext context, RingtonePrompt& ringtonePrompt);
    ~PageHost() override;

    const AppContext& context() const { return m_context; }
    Settings& settings() { return m_settings; }
    FrmLoad& frmLoad();
    BusyGate& busyGate() { return m_gate; }
    PageServices services();
    const Pages& pages() const { return *m_pages; }

    Framewav& framewav();
    FrameConvert& frameConvert();
    FrameRec& frameRec();

private:
    AppContext m_context;
    Settings m_settings;
    Choices m_choices;
    std::unique_ptr<FrmLoad> m_frmLoad;
    BusyGate m_gate;
    EncoderJobs m_jobs;
    std::unique_ptr<Pages> m_pages;
};
