// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ui/main_window.h"

#include "audio/audio_engine.h"
#include "audio/media_player.h"
#include "audio/mp3_encoder.h"
#include "cliplist/ui/framewav.h"
#include "convert/ui/frame_convert.h"
#include "recording/ui/frame_rec.h"
#include "shell/app_info.h"
#include "shell/path_helpers.h"
#include "shell/ui/about_page.h"
#include "shell/ui/busy_window.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/settings_page.h"
#include "shell/ui/toolbar_icons.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QToolBar>

namespace {

struct ToolbarButton {
    const char* key;
    const char* tooltip;
};

// In the order the buttons appear.
constexpr ToolbarButton ToolbarButtons[] = {
    {"Wav", "Open Song"},   {"Rec", "Voice Record"}, {"Convert", "Convert"},
    {"Setting", "Setting"}, {"Help", "About"},       {"Exit", "Exit"},
};

struct Tooltip {
    const char* control;
    const char* text;
};

// The picture buttons of the "Audio Edit" page, in the order their tooltips are given.
constexpr Tooltip ButtonTooltips[] = {
    {"CmdFoward", "Forward"}, {"CmdPause", "Pause"},    {"CmdPlay", "Play"},
    {"CmdStop", "Stop"},      {"CmdNext", "Next"},      {"CmdAdd", "Add New"},
    {"CmdEditPlay", "Play"},  {"CmdEditStop", "Stop"},  {"Cmdremove", "Remove Form List"},
    {"CmdUP", "Move UP"},     {"CmdDown", "Move Down"},
};

// Editor and list-playback controls that stay disabled until a clip is open or the list has
// entries.
constexpr const char* DisabledAtStart[] = {
    "CmdFoward",   "CmdPause",    "CmdPlay",   "CmdStop",    "CmdNext",     "SliderEdit",
    "CmdEditPlay", "CmdEditStop", "CmdMarkin", "CmdMarkOut", "CmdEditDone",
};

template <typename Frame>
Frame* placePage(Frame* frame, const char* name, const char* caption, int left, int width,
                 int height) {
    frame->setObjectName(QLatin1String(name));
    frame->setTitle(QLatin1String(caption));
    frame->setGeometry(left, Frmmain::PageTop, width, height);
    return frame;
}

} // namespace

Frmmain::Frmmain(AppContext context, QWidget* parent)
    : QWidget(parent), m_context(std::move(context)) {
    setObjectName(QStringLiteral("Frmmain"));
    setWindowTitle(QLatin1String(appinfo::Title));
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addPixmap(toolbaricons::programIcon(size));
    setWindowIcon(icon);
    setFixedSize(ClientWidth, ClientHeight);
    // Frame captions sit on the frame's border line, so the controls placed close below a
    // frame's top are not crossed by that line (some styles draw the caption above it).
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 3px; margin-top: 7px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 2px;"
        " background-color: palette(window); }"));
    createPages();
    Form_Load();
    connect(&m_context.Mp3Enc1, &Mp3Encoder::EncodeFinished, this,
            &Frmmain::Mp3Enc1_EncodeFinished);
    // A job that shows the busy window (saving the list, converting a file) shows its
    // progress there; the recording page's jobs run without it.
    connect(&m_context.Mp3Enc1, &Mp3Encoder::progress, this, [this](int percent) {
        if (m_frmLoad && m_frmLoad->isVisible())
            m_frmLoad->setProgress(percent);
    });
    connect(
        m_framewav, &Framewav::decodeEnded, this,
        [this] {
            if (m_exitAfterDecode)
                close();
        },
        Qt::QueuedConnection);
}

Frmmain::~Frmmain() = default;

FrmLoad& Frmmain::frmLoad() {
    if (!m_frmLoad)
        m_frmLoad = std::make_unique<FrmLoad>();
    return *m_frmLoad;
}

QGroupBox* Frmmain::shownPage() const {
    for (QGroupBox* page :
         {static_cast<QGroupBox*>(m_framewav), static_cast<QGroupBox*>(m_frameRec), m_frameConvert,
          static_cast<QGroupBox*>(m_frameSetting), static_cast<QGroupBox*>(m_frameAbout)})
        if (!page->isHidden())
            return page;
    return nullptr;
}

void Frmmain::createPages() {
    m_framewav = placePage(new Framewav(*this), "Framewav", "Audio Edit", 8, 705, 353);
    m_frameRec = placePage(new FrameRec(m_context.engine, m_context.Mp3Enc1, m_context.dialogs,
                                        m_context.workFolder, this),
                           "FrameRec", "Vioce Record", 104, 489, 249);
    connect(this, &Frmmain::recordPageEntered, m_frameRec, &FrameRec::initrec);
    connect(this, &Frmmain::takeReleaseRequested, m_frameRec, &FrameRec::releaseTake);
    m_frameConvert = placePage(
        new FrameConvert(
            *this,
            [this](const QString& inputPath) { return m_framewav->decodeIntoClip(inputPath); },
            this),
        "FrameConvert", "Wav <-> Mp3", 72, 609, 321);
    m_frameSetting = placePage(new FrameSetting(m_settings, m_context.dialogs,
                                                Settings::filePath(m_context.appFolder), this),
                               "FrameSetting", "Setting", 80, 593, 321);
    m_frameAbout = placePage(new FrameAbout(this), "FrameAbout", "About", 168, 393, 281);
}

void Frmmain::Form_Load() {
    m_frameSetting->readSettings();
    m_context.workFolder.prepare();
    buildToolbar();
    SetLng();
    if (auto* label6 = findChild<QLabel*>(QStringLiteral("Label6")))
        label6->setText(QStringLiteral("Click to Select Play\r\nDouble Click to Select Edit"));
    for (const char* name : DisabledAtStart)
        if (auto* control = findChild<QWidget*>(QLatin1String(name)))
            control->setEnabled(false);
    showPage(m_framewav);
}

void Frmmain::buildToolbar() {
    m_toolbar1 = new QToolBar(this);
    m_toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar1->setMovable(false);
    m_toolbar1->setFloatable(false);
    m_toolbar1->setIconSize(QSize(toolbaricons::ToolbarSize, toolbaricons::ToolbarSize));
    m_toolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ToolbarButton& button : ToolbarButtons) {
        const QString key = QLatin1String(button.key);
        QAction* action =
            m_toolbar1->addAction(QIcon(toolbaricons::toolbarPicture(key)), QString());
        action->setObjectName(key);
        action->setData(key);
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
    }
    m_toolbar1->setGeometry(0, 0, ClientWidth, std::min(m_toolbar1->sizeHint().height(), PageTop));
}

void Frmmain::SetLng() {
    for (const Tooltip& tooltip : ButtonTooltips)
        if (auto* control = findChild<QWidget*>(QLatin1String(tooltip.control)))
            control->setToolTip(QLatin1String(tooltip.text));
    for (const ToolbarButton& button : ToolbarButtons)
        if (auto* action = m_toolbar1->findChild<QAction*>(QLatin1String(button.key)))
            action->setToolTip(QLatin1String(button.tooltip));
}

void Frmmain::showPage(QGroupBox* page) {
    for (QGroupBox* frame :
         {static_cast<QGroupBox*>(m_framewav), static_cast<QGroupBox*>(m_frameRec), m_frameConvert,
          static_cast<QGroupBox*>(m_frameSetting), static_cast<QGroupBox*>(m_frameAbout)})
        frame->setVisible(frame == page);
}

void Frmmain::Toolbar1_ButtonClick(const QString& key) {
    m_context.engine.releaseAll();
    emit takeReleaseRequested();
    m_context.MMCEdit.command(QStringLiteral("stop"));
    m_context.MMCPlayList.command(QStringLiteral("Close"));

    if (key == QLatin1String("Wav")) {
        showPage(m_framewav);
    } else if (key == QLatin1String("Rec")) {
        showPage(m_frameRec);
        emit recordPageEntered();
    } else if (key == QLatin1String("Convert")) {
        showPage(m_frameConvert);
    } else if (key == QLatin1String("Setting")) {
        showPage(m_frameSetting);
    } else if (key == QLatin1String("Help")) {
        showPage(m_frameAbout);
        m_frameAbout->fill();
    } else if (key == QLatin1String("Exit")) {
        exitSequence();
    }
}

void Frmmain::Mp3Enc1_EncodeFinished(bool ok, const QString& message, const QString&) {
    if (m_frmLoad)
        m_frmLoad->hide();
    if (ok)
        m_context.dialogs.message(this, QStringLiteral("Finish Save"),
                                  QString::fromLatin1(appinfo::Title), Dialogs::Icon::None);
    else
        m_context.dialogs.message(this, message, QString::fromLatin1(appinfo::Title),
                                  Dialogs::Icon::Warning);
    m_context.MMCEdit.command(QStringLiteral("stop"));
    m_context.MMCPlayList.command(QStringLiteral("Stop"));
    if (paths::FileExists(m_context.workFolder.concatWav()))
        QFile::remove(m_context.workFolder.concatWav());
    setEnabled(true);
}

void Frmmain::closeEvent(QCloseEvent* event) {
    exitSequence();
    if (m_exitAfterDecode)
        event->ignore();
    else
        event->accept();
}

// A decode writes into the work folder while it lets the event loop run; emptying the folder
// then would pull the file from under it. The decode is cancelled instead, and the window
// closes once the decode has cleaned up.
void Frmmain::exitSequence() {
    if (m_framewav->isDecoding()) {
        m_exitAfterDecode = true;
        m_framewav->cancelDecode();
        return;
    }
    m_exitAfterDecode = false;
    if (m_exiting)
        return;
    m_exiting = true;
    m_context.MMCEdit.command(QStringLiteral("stop"));
    m_context.MMCPlayList.command(QStringLiteral("stop"));
    m_context.MMCEdit.command(QStringLiteral("close"));
    m_context.MMCPlayList.command(QStringLiteral("close"));
    m_context.workFolder.empty();
    QCoreApplication::exit(0);
}
