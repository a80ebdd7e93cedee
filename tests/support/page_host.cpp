// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/page_host.h"

#include "cliplist/ui/framewav.h"
#include "pagekit/busy_window.h"
#include "shell/pages.h"

PageHost::PageHost(AppContext context, RingtonePrompt& ringtonePrompt)
    : m_context(std::move(context)), m_gate(*this, [this]() -> FrmLoad& { return frmLoad(); }),
      m_jobs(m_context, m_gate, *this) {
    resize(719, 413);
    m_context.workFolder.prepare();
    m_pages = std::make_unique<Pages>(services(), ringtonePrompt, *this);
    m_pages->framewav().SetLng();
    m_pages->framewav().startUp();
}

PageHost::~PageHost() {
    m_pages.reset();
}

FrmLoad& PageHost::frmLoad() {
    if (!m_frmLoad)
        m_frmLoad = std::make_unique<FrmLoad>();
    return *m_frmLoad;
}

PageServices PageHost::services() {
    return PageServices{m_context, m_settings, m_choices, m_gate, m_jobs, *this};
}

Framewav& PageHost::framewav() {
    return m_pages->framewav();
}

FrameConvert& PageHost::frameConvert() {
    return m_pages->frameConvert();
}

FrameRec& PageHost::frameRec() {
    return m_pages->frameRec();
}
