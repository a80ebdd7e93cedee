// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/list_player_panel.h"

#include "audio/media_player.h"
#include "base/app_info.h"
#include "cliplist/clip_list.h"
#include "cliplist/edit_session.h"
#include "cliplist/edit_time.h"
#include "cliplist/ui/clip_list_box.h"
#include "pagekit/app_context.h"
#include "pagekit/audio_error.h"
#include "pagekit/controls.h"
#include "pagekit/dialogs.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>

using controls::pictureButton;
using controls::place;

ListPlayerPanel::ListPlayerPanel(const ClipList& clips, const EditSession& session,
                                 QItemSelectionModel& selection, PageServices services,
                                 QWidget* parent)
    : QGroupBox(QCoreApplication::translate("ListPlayer", "List Control"), parent), m_clips(clips),
      m_session(session), m_selection(selection), m_services(services), m_timer1(this) {
    setObjectName(QStringLiteral("Frame2"));
    m_cmdFoward = pictureButton(this, "CmdFoward", {12, 24, 41, 41});
    m_cmdPlay = pictureButton(this, "CmdPlay", {56, 24, 41, 41});
    m_cmdPause = pictureButton(this, "CmdPause", {100, 24, 41, 41});
    m_cmdStop = pictureButton(this, "CmdStop", {144, 24, 41, 41});
    m_cmdNext = pictureButton(this, "CmdNext", {188, 24, 41, 41});
    m_cmdPause->setCheckable(true);
    m_check1 = place(new QCheckBox(QCoreApplication::translate("ListPlayer", "Play List"), this),
                     "Check1", {240, 22, 97, 21});
    m_lblListPos = place(new QLabel(this), "lblListPos", {240, 46, 97, 17});

    m_timer1.setInterval(TickMs);
    connect(&m_timer1, &QTimer::timeout, this, &ListPlayerPanel::Timer1_Timer);
    m_timer1.start();
    connect(m_cmdPlay, &QPushButton::clicked, this, &ListPlayerPanel::CmdPlay_Click);
    connect(m_cmdStop, &QPushButton::clicked, this, &ListPlayerPanel::CmdStop_Click);
    connect(m_cmdPause, &QPushButton::clicked, this, &ListPlayerPanel::CmdPause_Click);
    connect(m_cmdNext, &QPushButton::clicked, this, &ListPlayerPanel::CmdNext_Click);
    connect(m_cmdFoward, &QPushButton::clicked, this, &ListPlayerPanel::CmdFoward_Click);
    MediaPlayer& player = m_services.context.MMCPlayList;
    connect(&player, &MediaPlayer::done, this, &ListPlayerPanel::MMCPlayList_Done);
    // Any play, stop or close but the pause's own ends the pause.
    connect(&player, &MediaPlayer::stateChanged, this, [this] {
        setPaused(false);
        showPosition();
    });
    connect(m_check1, &QCheckBox::toggled, this, &ListPlayerPanel::queueFollowing);
    for (auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&m_clips, changed, this, &ListPlayerPanel::queueFollowing);
    connect(&m_clips, &QAbstractItemModel::rowsMoved, this, &ListPlayerPanel::queueFollowing);
}

void ListPlayerPanel::SetLng() {
    const std::pair<QWidget*, const char*> tooltips[] = {
        {m_cmdFoward, QT_TRANSLATE_NOOP("ListPlayer", "Forward")},
        {m_cmdPause, QT_TRANSLATE_NOOP("ListPlayer", "Pause")},
        {m_cmdPlay, QT_TRANSLATE_NOOP("ListPlayer", "Play")},
        {m_cmdStop, QT_TRANSLATE_NOOP("ListPlayer", "Stop")},
        {m_cmdNext, QT_TRANSLATE_NOOP("ListPlayer", "Next")},
    };
    for (const auto& [control, text] : tooltips)
        control->setToolTip(QCoreApplication::translate("ListPlayer", text));
}

void ListPlayerPanel::setButtonsEnabled(bool enabled) {
    for (QPushButton* button : {m_cmdFoward, m_cmdPause, m_cmdPlay, m_cmdStop, m_cmdNext})
        button->setEnabled(enabled);
}

void ListPlayerPanel::CmdPlay_Click() {
    const int row = selectedRow(m_selection);
    if (row < 0) {
        m_services.context.dialogs.message(
            &m_services.dialogParent,
            QCoreApplication::translate("ListPlayer", "Please select the song to play"),
            QLatin1String(appinfo::Title), Dialogs::Icon::None);
        return;
    }
    m_playIndex = row;
    PlayListItem();
}

void ListPlayerPanel::CmdStop_Click() {
    m_services.context.MMCPlayList.command(QStringLiteral("Stop"));
    setPaused(false);
}

void ListPlayerPanel::CmdPause_Click() {
    MediaPlayer& player = m_services.context.MMCPlayList;
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

void ListPlayerPanel::CmdNext_Click() {
    playBeside(+1);
}

void ListPlayerPanel::CmdFoward_Click() {
    playBeside(-1);
}

void ListPlayerPanel::playBeside(int step) {
    const bool open = m_services.context.MMCPlayList.state() != MediaPlayer::State::Closed;
    const int from = open && m_playing.isValid() ? m_playing.row() : selectedRow(m_selection);
    const int to = from + step;
    if (from < 0 || to < 0 || to >= m_clips.count())
        return;
    m_playIndex = to;
    PlayListItem();
}

void ListPlayerPanel::setPaused(bool paused) {
    m_paused = paused;
    m_cmdPause->setChecked(paused);
}

void ListPlayerPanel::showPosition() {
    const MediaPlayer& player = m_services.context.MMCPlayList;
    m_lblListPos->setText(player.state() == MediaPlayer::State::Closed
                              ? QString()
                              : QCoreApplication::translate("ListPlayer", "%1 of %2")
                                    .arg(edittime::minutesText(player.positionMs() / 1000),
                                         edittime::minutesText(player.lengthMs() / 1000)));
}

void ListPlayerPanel::showPlaying(int row) {
    selectRow(m_selection, row);
    m_playing = m_clips.index(row, 0);
    emit clipStarted(row);
    m_playIndex = row + 1;
    queueFollowing();
}

void ListPlayerPanel::PlayListItem() {
    MediaPlayer& player = m_services.context.MMCPlayList;
    if (m_playIndex >= m_clips.count()) {
        player.command(QStringLiteral("Stop"));
        player.command(QStringLiteral("Close"));
        return;
    }
    if (const Status same = m_clips.unchanged(m_playIndex); !same) {
        player.command(QStringLiteral("Stop"));
        player.command(QStringLiteral("Close"));
        warn(m_services.context.dialogs, &m_services.dialogParent, same.message());
        return;
    }
    player.setFileName(m_clips.range(m_playIndex));
    for (const char* word : {"stop", "close", "Open", "play"})
        player.command(QLatin1String(word));
    showPlaying(m_playIndex);
}

void ListPlayerPanel::MMCPlayList_Done() {
    if (!m_check1->isChecked())
        return;
    if (m_playing.isValid())
        m_playIndex = m_playing.row() + 1;
    const MediaPlayer& player = m_services.context.MMCPlayList;
    if (player.state() == MediaPlayer::State::Playing && m_playIndex < m_clips.count() &&
        player.clip() == m_clips.range(m_playIndex)) {
        // The player went on with the queued clip by itself.
        showPlaying(m_playIndex);
        return;
    }
    PlayListItem();
}

void ListPlayerPanel::queueFollowing() {
    MediaPlayer& player = m_services.context.MMCPlayList;
    if (player.state() == MediaPlayer::State::Closed)
        return;
    const int next = m_playing.isValid() ? m_playing.row() + 1 : -1;
    // A clip changed behind the program's back is refused when its turn comes.
    const bool follow = m_check1->isChecked() && next > 0 && next < m_clips.count() &&
                        player.clip() == m_clips.range(next - 1) && m_clips.unchanged(next).isOk();
    // A clip of another format can't follow without a gap; it starts on its own at the end.
    player.queueFile(follow ? m_clips.range(next) : ClipRange());
}

void ListPlayerPanel::Timer1_Timer() {
    const int count = m_clips.count();
    const int row = selectedRow(m_selection);
    if (m_session.EditMode() != QLatin1String("Edit") && count > 0)
        setButtonsEnabled(true);
    m_cmdNext->setEnabled(row != -1 && row + 1 != count);
    m_cmdFoward->setEnabled(row != -1 && row != 0 && count != 0);
    showPosition();
}
