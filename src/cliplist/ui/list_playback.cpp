// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/list_playback.h"

#include "audio/media_player.h"
#include "base/app_info.h"
#include "cliplist/edit_time.h"
#include "cliplist/ui/clip_editor.h"
#include "cliplist/ui/clip_list_box.h"
#include "cliplist/ui/framewav.h"
#include "pagekit/app_context.h"
#include "pagekit/dialogs.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

ListPlayback::ListPlayback(Framewav& page, const ClipEditor& editor)
    : m_page(page), m_editor(editor), m_timer1(this) {
    m_timer1.setInterval(TickMs);
    connect(&m_timer1, &QTimer::timeout, this, &ListPlayback::Timer1_Timer);
    m_timer1.start();
    connect(controls().CmdPause, &QPushButton::clicked, this, &ListPlayback::CmdPause_Click);
    connect(controls().CmdNext, &QPushButton::clicked, this, &ListPlayback::CmdNext_Click);
    connect(controls().CmdFoward, &QPushButton::clicked, this, &ListPlayback::CmdFoward_Click);
    // Any play, stop or close but the pause's own ends the pause.
    connect(&context().MMCPlayList, &MediaPlayer::stateChanged, this, [this] {
        setPaused(false);
        showPosition();
    });
    connect(controls().Check1, &QCheckBox::toggled, this, &ListPlayback::queueFollowing);
    const QAbstractItemModel* model = controls().List1->model();
    for (auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(model, changed, this, &ListPlayback::queueFollowing);
    connect(model, &QAbstractItemModel::rowsMoved, this, &ListPlayback::queueFollowing);
}

const AppContext& ListPlayback::context() const {
    return m_page.services().context;
}

const FramewavControls& ListPlayback::controls() const {
    return m_page.controls();
}

void ListPlayback::CmdPlay_Click() {
    const int row = m_page.selectedIndex();
    if (row < 0) {
        context().dialogs.message(&m_page.services().dialogParent,
                                  QStringLiteral("Please select the song to play"),
                                  QLatin1String(appinfo::Title), Dialogs::Icon::None);
        return;
    }
    m_playIndex = row;
    PlayListItem();
}

void ListPlayback::CmdStop_Click() {
    context().MMCPlayList.command(QStringLiteral("Stop"));
    setPaused(false);
}

void ListPlayback::CmdPause_Click() {
    MediaPlayer& player = context().MMCPlayList;
    if (m_paused) {
        player.command(QStringLiteral("play"));
        setPaused(false);
    } else if (player.state() == MediaPlayer::State::Playing) {
        player.command(QStringLiteral("stop"));
        setPaused(true);
    } else {
        setPaused(false);
    }
}

void ListPlayback::CmdNext_Click() {
    playBeside(+1);
}

void ListPlayback::CmdFoward_Click() {
    playBeside(-1);
}

void ListPlayback::playBeside(int step) {
    const bool open = context().MMCPlayList.state() != MediaPlayer::State::Closed;
    const int from = open && m_playing.isValid() ? m_playing.row() : m_page.selectedIndex();
    const int to = from + step;
    if (from < 0 || to < 0 || to >= controls().List1->count())
        return;
    m_playIndex = to;
    PlayListItem();
}

void ListPlayback::setPaused(bool paused) {
    m_paused = paused;
    controls().CmdPause->setChecked(paused);
}

void ListPlayback::showPosition() {
    const MediaPlayer& player = context().MMCPlayList;
    controls().lblListPos->setText(player.state() == MediaPlayer::State::Closed
                                       ? QString()
                                       : QStringLiteral("%1 of %2")
                                             .arg(edittime::minutesText(player.positionMs() / 1000),
                                                  edittime::minutesText(player.lengthMs() / 1000)));
}

void ListPlayback::PlayListItem() {
    MediaPlayer& player = context().MMCPlayList;
    if (m_playIndex >= controls().List1->count()) {
        player.command(QStringLiteral("Stop"));
        player.command(QStringLiteral("Close"));
        return;
    }
    player.setFileName(m_page.clipFile(m_playIndex));
    for (const char* word : {"stop", "close", "Open", "play"})
        player.command(QLatin1String(word));
    controls().List1->setCurrentRow(m_playIndex);
    m_playing = controls().List1->model()->index(m_playIndex, 0);
    emit clipStarted(m_playIndex);
    ++m_playIndex;
    queueFollowing();
}

void ListPlayback::MMCPlayList_Done() {
    if (!controls().Check1->isChecked())
        return;
    if (m_playing.isValid())
        m_playIndex = m_playing.row() + 1;
    const MediaPlayer& player = context().MMCPlayList;
    if (player.state() == MediaPlayer::State::Playing && m_playIndex < controls().List1->count() &&
        player.fileName() == m_page.clipFile(m_playIndex)) {
        // The player went on with the queued clip by itself.
        controls().List1->setCurrentRow(m_playIndex);
        m_playing = controls().List1->model()->index(m_playIndex, 0);
        emit clipStarted(m_playIndex);
        ++m_playIndex;
        queueFollowing();
        return;
    }
    PlayListItem();
}

void ListPlayback::queueFollowing() {
    MediaPlayer& player = context().MMCPlayList;
    if (player.state() == MediaPlayer::State::Closed)
        return;
    const int next = m_playing.isValid() ? m_playing.row() + 1 : -1;
    const bool follow = controls().Check1->isChecked() && next > 0 &&
                        next < controls().List1->count() &&
                        player.fileName() == m_page.clipFile(next - 1);
    // A clip of another format can't follow without a gap; it starts on its own at the end.
    player.queueFile(follow ? m_page.clipFile(next) : QString());
}

void ListPlayback::Timer1_Timer() {
    const int count = controls().List1->count();
    const int row = m_page.selectedIndex();
    if (m_editor.EditMode() != QLatin1String("Edit") && count > 0)
        for (QPushButton* button : {controls().CmdFoward, controls().CmdPause, controls().CmdPlay,
                                    controls().CmdStop, controls().CmdNext})
            button->setEnabled(true);
    controls().CmdNext->setEnabled(row != -1 && row + 1 != count);
    controls().CmdFoward->setEnabled(row != -1 && row != 0 && count != 0);
    showPosition();
}
