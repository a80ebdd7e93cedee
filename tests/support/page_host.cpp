// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/page_host.h"

#include "cliplist/ui/framewav.h"
#include "convert/ui/frame_convert.h"
#include "pagekit/busy_window.h"
#include "recording/ui/frame_rec.h"
#include "support/scripted_dialogs.h"

PageHost::PageHost(AppContext context)
    : m_context(std::move(context)), m_gate(*this, [this]() -> FrmLoad& { return frmLoad(); }),
      m_jobs(m_context, m_gate, *this) {
    resize(719, 413);
    m_context.workFolder.prepare();
}

PageHost::~PageHost() {
    delete m_frameConvert;
    delete m_frameRec;
    delete m_framewav;
}

FrmLoad& PageHost::frmLoad() {
    if (!m_frmLoad)
        m_frmLoad = std::make_unique<FrmLoad>();
    return *m_frmLoad;
}

PageServices PageHost::services() {
    return PageServices{m_context, m_settings, m_gate, m_jobs, *this};
}

Framewav& PageHost::framewav() {
    if (!m_framewav) {
        m_framewav =
            new Framewav(services(), static_cast<ScriptedDialogs&>(m_context.dialogs), this);
        m_framewav->setGeometry(8, 48, 705, 353);
        m_framewav->SetLng();
        m_framewav->startUp();
    }
    return *m_framewav;
}

FrameConvert& PageHost::frameConvert() {
    if (!m_frameConvert) {
        m_frameConvert = new FrameConvert(
            services(),
            [this](const QString& input, FrameConvert::DecodeDone done) {
                framewav().decodeIntoClip(input, std::move(done));
            },
            this);
        m_frameConvert->setGeometry(72, 48, 609, 321);
    }
    return *m_frameConvert;
}

FrameRec& PageHost::frameRec() {
    if (!m_frameRec) {
        m_frameRec = new FrameRec(services(), this);
        m_frameRec->setGeometry(104, 48, 489, 249);
        QObject::connect(m_frameRec, &FrameRec::mp3StatusCode, this,
                         [this](short code) { framewav().showStatusCode(code); });
        QObject::connect(m_frameRec, &FrameRec::addToListRequested, this,
                         [this](const QString& wavPath) {
                             framewav().addFile(wavPath, [this](const Result<QString>& added) {
                                 m_frameRec->takeAdded(added);
                             });
                         });
    }
    return *m_frameRec;
}
