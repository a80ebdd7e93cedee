// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/main_window.h"

#include "audio/audio_engine.h"
#include "audio/media_player.h"
#include "base/app_info.h"
#include "base/language.h"
#include "base/window_state.h"
#include "cliplist/clip_import.h"
#include "cliplist/clip_list.h"
#include "cliplist/clip_list_journal.h"
#include "cliplist/clip_names.h"
#include "cliplist/ui/framewav.h"
#include "convert/ui/frame_convert.h"
#include "pagekit/audio_error.h"
#include "pagekit/busy_window.h"
#include "pagekit/classic_layout.h"
#include "pagekit/controls.h"
#include "pagekit/screen_reader.h"
#include "pagekit/toolbar_icons.h"
#include "recording/take_recorder.h"
#include "recording/take_spool.h"
#include "recording/ui/frame_rec.h"
#include "shell/about_page.h"
#include "shell/pages.h"
#include "shell/settings_page.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>
#include <QToolBar>

namespace {

struct ToolbarButton {
    const char* key;
    const char* tooltip;
    const char* shortcut;
};

// In the order the buttons appear.
constexpr ToolbarButton ToolbarButtons[] = {
    {"Wav", QT_TRANSLATE_NOOP("Frmmain", "Open Song"), "Ctrl+1"},
    {"Rec", QT_TRANSLATE_NOOP("Frmmain", "Voice Record"), "Ctrl+2"},
    {"Convert", QT_TRANSLATE_NOOP("Frmmain", "Convert"), "Ctrl+3"},
    {"Setting", QT_TRANSLATE_NOOP("Frmmain", "Setting"), "Ctrl+4"},
    {"Help", QT_TRANSLATE_NOOP("Frmmain", "About"), "Ctrl+5"},
    {"Exit", QT_TRANSLATE_NOOP("Frmmain", "Exit"), "Ctrl+Q"},
};

// The tooltip text stays as it is; the key follows it in parentheses.
QString withKey(const QString& tooltip, const char* key) {
    return QStringLiteral("%1 (%2)").arg(tooltip, QLatin1String(key));
}

} // namespace

Frmmain::Frmmain(AppContext context, RingtonePrompt& ringtonePrompt, QWidget* parent)
    : QWidget(parent), m_context(std::move(context)), m_ringtonePrompt(ringtonePrompt),
      m_choices(Choices::fileBeside(Settings::locateFile(m_context.appFolder))),
      m_busyGate(*this, [this]() -> FrmLoad& { return frmLoad(); }),
      m_encoderJobs(m_context, m_busyGate, *this) {
    setObjectName(QStringLiteral("Frmmain"));
    setWindowTitle(QLatin1String(appinfo::Title));
    setWindowIcon(toolbaricons::programIconSet());
    resize(ClientWidth, ClientHeight);
    // Frame captions sit on the frame's border line, so the controls placed close below a
    // frame's top are not crossed by that line (some styles draw the caption above it).
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 3px; margin-top: 7px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 2px;"
        " background-color: palette(window); }"));
    m_pages = std::make_unique<Pages>(
        PageServices{m_context, m_settings, m_choices, m_busyGate, m_encoderJobs, *this},
        m_ringtonePrompt, *this);
    connect(this, &Frmmain::recordPageEntered, &m_pages->frameRec(), &FrameRec::initrec);
    connect(this, &Frmmain::pageLeaving, &m_pages->frameRec(), &FrameRec::leavePage);
    connect(&m_pages->frameSetting(), &FrameSetting::fixedSizeChosen, this,
            &Frmmain::setFixedWindowSize);
    const QString languageKey = QLatin1String(language::ChoiceKey);
    m_pages->frameSetting().showLanguage(m_choices.text(languageKey, QString()));
    connect(&m_pages->frameSetting(), &FrameSetting::languageChosen, this,
            [this, languageKey](const QString& code) { m_choices.set(languageKey, code); });
    Form_Load();
}

// The pages go first: a decode they still run ends through the busy gate and its MP3 jobs,
// which are members and go after this body.
Frmmain::~Frmmain() {
    m_journal.reset();
    m_pages.reset();
}

Framewav& Frmmain::framewav() const {
    return m_pages->framewav();
}

FrmLoad& Frmmain::frmLoad() {
    if (!m_frmLoad)
        m_frmLoad = std::make_unique<FrmLoad>();
    return *m_frmLoad;
}

QGroupBox* Frmmain::shownPage() const {
    return m_pages->shown();
}

void Frmmain::Form_Load() {
    m_pages->frameSetting().readSettings();
    m_context.workFolder.prepare();
    buildToolbar();
    SetLng();
    framewav().assignKeys();
    framewav().startUp();
    showPage(&framewav());
    restoreLastRun();
    m_journal = std::make_unique<ClipListJournal>(framewav().clips(), m_context.workFolder);
    m_layout = std::make_unique<ClassicLayout>(*this, QSize(ClientWidth, ClientHeight));
    m_layout->capture();
    screenreader::nameControls(*this);
    for (QGroupBox* page : m_pages->all())
        screenreader::orderTabs(*page);
    restoreWindowState();
}

QSize Frmmain::smallestSize() const {
    return m_layout->minimumSize();
}

void Frmmain::restoreWindowState() {
    m_statePath = WindowState::pathBeside(Settings::locateFile(m_context.appFolder));
    const WindowState state = WindowState::read(m_statePath);
    m_fixedSize = state.fixedSize;
    m_pages->frameSetting().showFixedSize(m_fixedSize);
    if (m_fixedSize) {
        setFixedSize(smallestSize());
    } else {
        setMinimumSize(smallestSize());
        resize(smallestSize());
    }
    if (!state.geometry.isEmpty() && restoreGeometry(state.geometry) && !isMaximized() &&
        !isFullScreen()) {
        QList<QRect> screens;
        for (const QScreen* screen : QGuiApplication::screens())
            screens << screen->availableGeometry();
        const QRect placed = WindowState::placedOnScreens(geometry(), screens);
        if (placed != geometry())
            setGeometry(placed);
    }
    m_layout->apply();
}

// A state file that cannot be written costs the next start its size and place, nothing
// more; it is not worth a message at the exit.
void Frmmain::saveWindowState() {
    WindowState state;
    state.geometry = saveGeometry();
    state.fixedSize = m_fixedSize;
    state.write(m_statePath);
}

void Frmmain::setFixedWindowSize(bool fixed) {
    m_fixedSize = fixed;
    m_pages->frameSetting().showFixedSize(fixed);
    if (fixed) {
        showNormal();
        setFixedSize(smallestSize());
    } else {
        setMinimumSize(smallestSize());
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    saveWindowState();
}

void Frmmain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_layout)
        m_layout->apply();
}

// The exit sequence empties the work folder, the journal of the clip list with it: a
// journal found now means the last run ended some other way (a crash, a kill, a power
// cut), and its clips may still be there. So may a take that was being recorded: it was
// written as it came, and goes to the end of the list when the clips come back. Declining
// them empties the folder as the exit would; but when the journal was damaged, what it
// would have said is unknown, so nothing is deleted without it and the user is told where
// the files are.
void Frmmain::restoreLastRun() {
    const WorkFolder& folder = m_context.workFolder;
    const ClipListJournal::LastRun last = ClipListJournal::restorable(folder);
    const bool journal = last.damaged || QFileInfo::exists(folder.journalFile());
    const ByteCount takeBytes = TakeSpool::recoverable(folder.takeSpool());
    if (!journal && takeBytes <= 0)
        return;
    const QString title = QString::fromLatin1(appinfo::Title);
    const ByteCount seconds = takeBytes / TakeRecorder::BytesPerSecond;
    const QString minutes = QString::number(seconds / 60);
    const QString secondsPart = QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0'));
    QString question;
    if (!last.names.isEmpty() && takeBytes > 0)
        question = tr("Restore the %1 clips and the take (%2:%3 recorded) of the last run?")
                       .arg(QString::number(last.names.size()), minutes, secondsPart);
    else if (!last.names.isEmpty())
        question = tr("Restore the %1 clips of the last run?").arg(last.names.size());
    else if (takeBytes > 0)
        question =
            tr("Restore the take (%1:%2 recorded) of the last run?").arg(minutes, secondsPart);
    const bool restore = !question.isEmpty() &&
                         m_context.dialogs.message(this, question, title, Dialogs::Icon::Question,
                                                   Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes;
    if (restore) {
        ClipList& clips = framewav().clips();
        for (const QString& name : last.names) {
            clips.append(name);
            // A stretch that no longer fits its file is not believed: the clip comes back
            // whole, its sound all there.
            if (const auto stretch = last.stretches.constFind(name);
                stretch != last.stretches.constEnd()) {
                ClipRange range = *stretch;
                range.file = clips.clipFile(clips.count() - 1);
                clips.setRange(clips.count() - 1, range);
            }
        }
        if (takeBytes > 0)
            restoreTake();
    } else if (!last.damaged) {
        if (journal)
            folder.empty();
        else
            QFile::remove(folder.takeSpool());
    } else if (!last.names.isEmpty()) {
        m_context.dialogs.message(
            this,
            tr("The clip files of the last run are left as they were in %1 until "
               "the program ends.")
                .arg(QDir::toNativeSeparators(folder.path())),
            title, Dialogs::Icon::Information);
    }
}

void Frmmain::restoreTake() {
    const WorkFolder& folder = m_context.workFolder;
    ClipList& clips = framewav().clips();
    const QString name = clipnames::uniqueClipName(tr("Take of the last run"), clips.names());
    folder.clearForClip(name);
    if (Status recovered = TakeSpool::recover(folder.takeSpool(), folder.clipFile(name));
        !recovered) {
        m_context.dialogs.message(
            this, tr("The take of the last run cannot be restored.\n\n%1").arg(recovered.message()),
            QString::fromLatin1(appinfo::Title), Dialogs::Icon::Warning);
        return;
    }
    clips.append(name);
}

// Files come in without changing the window's size, place or maximised state: only a
// minimised window is brought back, to the state it had before.
void Frmmain::addFiles(const QStringList& paths) {
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
    if (paths.isEmpty())
        return;
    ClipImport::Request request;
    request.paths = paths;
    request.gather = true;
    request.done = [this](const ClipImport::Report& report) {
        if (const auto notice = report.notice())
            tell(m_context.dialogs, this, *notice);
    };
    framewav().import().add(std::move(request));
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
        QAction* action = m_toolbar1->addAction(toolbaricons::toolbarIcon(key), QString());
        action->setObjectName(key);
        action->setData(key);
        action->setShortcut(QKeySequence(QLatin1String(button.shortcut)));
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
    }
    m_toolbar1->setGeometry(0, 0, ClientWidth, std::min(m_toolbar1->sizeHint().height(), PageTop));
    controls::keepEdges(m_toolbar1, Qt::LeftEdge | Qt::RightEdge | Qt::TopEdge);
}

void Frmmain::SetLng() {
    framewav().SetLng();
    for (const ToolbarButton& button : ToolbarButtons)
        if (auto* action = m_toolbar1->findChild<QAction*>(QLatin1String(button.key)))
            action->setToolTip(withKey(tr(button.tooltip), button.shortcut));
}

void Frmmain::showPage(QGroupBox* page) {
    m_pages->show(page);
}

void Frmmain::Toolbar1_ButtonClick(const QString& key) {
    // A page switch inside a decode or a list save would pull the engine and the players
    // from under it; only the exit, which stops a decode first, may act then.
    if (m_busyGate.isBusy() && key != QLatin1String("Exit"))
        return;
    emit pageLeaving();
    m_context.engine.releaseAll();
    m_context.MMCEdit.command(QStringLiteral("stop"));
    m_context.MMCPlayList.command(QStringLiteral("Close"));

    if (key == QLatin1String("Wav")) {
        showPage(&framewav());
    } else if (key == QLatin1String("Rec")) {
        showPage(&m_pages->frameRec());
        emit recordPageEntered();
    } else if (key == QLatin1String("Convert")) {
        showPage(&m_pages->frameConvert());
    } else if (key == QLatin1String("Setting")) {
        showPage(&m_pages->frameSetting());
    } else if (key == QLatin1String("Help")) {
        showPage(&m_pages->frameAbout());
        m_pages->frameAbout().fill();
    } else if (key == QLatin1String("Exit")) {
        exitSequence();
    }
}

void Frmmain::closeEvent(QCloseEvent* event) {
    exitSequence();
    event->accept();
}

// A decode writes into the work folder on its worker thread; emptying the folder under it
// would lose the file half-way. The decode is stopped and waited for first: it stops
// before its next block, so the wait is short.
void Frmmain::exitSequence() {
    framewav().stopWork();
    if (m_exiting)
        return;
    m_exiting = true;
    saveWindowState();
    m_context.MMCEdit.command(QStringLiteral("stop"));
    m_context.MMCPlayList.command(QStringLiteral("stop"));
    m_context.MMCEdit.command(QStringLiteral("close"));
    m_context.MMCPlayList.command(QStringLiteral("close"));
    // No change of the list may write the journal again once the folder is empty.
    m_journal.reset();
    m_context.workFolder.empty();
    QCoreApplication::exit(0);
}
