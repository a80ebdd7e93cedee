// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/pages.h"

#include "base/settings.h"
#include "cliplist/ui/framewav.h"
#include "convert/ui/frame_convert.h"
#include "pagekit/app_context.h"
#include "pagekit/controls.h"
#include "recording/ui/frame_rec.h"
#include "shell/about_page.h"
#include "shell/settings_page.h"

#include <QCoreApplication>
#include <QGroupBox>

namespace {

// The top of every page: below the toolbar.
constexpr int PageTop = 48;

template <typename Frame>
Frame* placePage(Frame* frame, const char* name, const char* caption, int left, int width,
                 int height) {
    frame->setObjectName(QLatin1String(name));
    frame->setTitle(QCoreApplication::translate("Pages", caption));
    frame->setGeometry(left, PageTop, width, height);
    return frame;
}

} // namespace

Pages::Pages(PageServices services, RingtonePrompt& ringtonePrompt, QWidget& host) {
    m_framewav = placePage(new Framewav(services, ringtonePrompt, &host), "Framewav",
                           QT_TRANSLATE_NOOP("Pages", "Audio Edit"), 8, 705, 353);
    m_frameRec = placePage(new FrameRec(services, m_framewav->import(), &host), "FrameRec",
                           QT_TRANSLATE_NOOP("Pages", "Vioce Record"), 104, 489, 285);
    QObject::connect(m_frameRec, &FrameRec::mp3StatusCode, m_framewav, &Framewav::showStatusCode);
    m_frameConvert =
        placePage(new FrameConvert(services, m_framewav->import(), &host), "FrameConvert",
                  QT_TRANSLATE_NOOP("Pages", "Wav <-> Mp3"), 72, 609, 321);
    m_frameSetting =
        placePage(new FrameSetting(services.settings, services.context.dialogs,
                                   Settings::locateFile(services.context.appFolder), &host),
                  "FrameSetting", QT_TRANSLATE_NOOP("Pages", "Setting"), 80, 593, 321);
    m_frameAbout = placePage(new FrameAbout(&host), "FrameAbout",
                             QT_TRANSLATE_NOOP("Pages", "About"), 168, 393, 281);
    using controls::keepEdges;
    keepEdges(m_framewav, Qt::LeftEdge | Qt::RightEdge | Qt::TopEdge | Qt::BottomEdge);
    keepEdges(m_frameRec, Qt::LeftEdge | Qt::RightEdge | Qt::TopEdge);
    for (QGroupBox* centred :
         {static_cast<QGroupBox*>(m_frameConvert), static_cast<QGroupBox*>(m_frameSetting),
          static_cast<QGroupBox*>(m_frameAbout)})
        keepEdges(centred, Qt::TopEdge);
    show(m_framewav);
}

// The pages that use the list's import go before the list page that owns it.
Pages::~Pages() {
    delete m_frameAbout;
    delete m_frameSetting;
    delete m_frameConvert;
    delete m_frameRec;
    delete m_framewav;
}

QList<QGroupBox*> Pages::all() const {
    return {m_framewav, m_frameRec, m_frameConvert, m_frameSetting, m_frameAbout};
}

void Pages::show(QGroupBox* page) const {
    for (QGroupBox* frame : all())
        frame->setVisible(frame == page);
}

QGroupBox* Pages::shown() const {
    for (QGroupBox* page : all())
        if (!page->isHidden())
            return page;
    return nullptr;
}
