// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/edit_session.h"

#include "audio/media_player.h"

#include <QFileInfo>

#include <algorithm>

EditSession::EditSession(MediaPlayer& player, QObject* parent)
    : QObject(parent), m_player(player), m_playhead(this) {
    m_playhead.setInterval(PlayheadMs);
    connect(&m_playhead, &QTimer::timeout, this, &EditSession::followPlayer);
    connect(&m_player, &MediaPlayer::stateChanged, this, [this](MediaPlayer::State state) {
        if (state == MediaPlayer::State::Playing)
            m_playhead.start();
        followPlayer();
    });
}

QString EditSession::clipName() const {
    return QFileInfo(m_clip.file).completeBaseName();
}

std::int64_t EditSession::playheadMs() const {
    return m_player.positionMs();
}

bool EditSession::isPlaying() const {
    return m_player.state() == MediaPlayer::State::Playing;
}

Status EditSession::open(const ClipRange& clip) {
    m_player.command(QStringLiteral("Stop"));
    m_player.setFileName(clip);
    if (Status opened = m_player.command(QStringLiteral("open")); !opened) {
        m_player.command(QStringLiteral("Close"));
        close();
        return opened;
    }
    m_clip = clip;
    m_lengthMs = m_player.lengthMs();
    m_editMode = QStringLiteral("Edit");
    m_markInMs = 0;
    m_markOutMs = m_lengthMs;
    m_selectionEndMs = -1;
    m_letGo = false;
    m_open = true;
    emit opened();
    emit marksChanged();
    return Status::ok();
}

void EditSession::close() {
    m_selectionEndMs = -1;
    m_letGo = false;
    m_open = false;
    emit closed();
}

void EditSession::finish() {
    m_editMode = QStringLiteral("Play");
    close();
}

void EditSession::setMarkIn(std::int64_t ms) {
    m_markInMs = m_snap ? m_snap(ms) : ms;
    emit marksChanged();
}

void EditSession::setMarkOut(std::int64_t ms) {
    m_markOutMs = m_snap ? m_snap(ms) : ms;
    emit marksChanged();
}

void EditSession::placeMarks(std::int64_t markInMs, std::int64_t markOutMs) {
    m_markInMs = markInMs;
    m_markOutMs = markOutMs;
    emit marksChanged();
}

void EditSession::markInAtPlayhead() {
    setMarkIn(m_player.positionMs());
}

void EditSession::markOutAtPlayhead() {
    setMarkOut(m_player.positionMs());
}

void EditSession::setKept(std::int64_t ms) {
    setMarkOut(std::min(m_lengthMs, m_markInMs + ms));
}

void EditSession::play() {
    m_selectionEndMs = -1;
    m_player.command(QStringLiteral("play"));
}

void EditSession::stop() {
    m_selectionEndMs = -1;
    m_player.command(QStringLiteral("stop"));
}

void EditSession::playOrStop() {
    if (isPlaying())
        stop();
    else
        play();
}

void EditSession::playSelection() {
    if (m_markOutMs <= m_markInMs)
        return;
    m_player.setFrom(m_markInMs);
    if (m_player.command(QStringLiteral("play")))
        m_selectionEndMs = m_markOutMs;
}

void EditSession::seek(std::int64_t ms) {
    m_selectionEndMs = -1;
    if (m_player.seek(ms))
        emit playheadMoved(m_player.positionMs());
}

void EditSession::followPlayer() {
    const std::int64_t at = m_player.positionMs();
    emit playheadMoved(at);
    if (!isPlaying()) {
        m_playhead.stop();
        m_selectionEndMs = -1;
        return;
    }
    if (m_selectionEndMs < 0)
        return;
    const std::int64_t left = m_selectionEndMs - at;
    if (left <= 0) {
        stop();
        return;
    }
    // The stop comes on time, not up to a tick late.
    if (left < PlayheadMs)
        QTimer::singleShot(int(left), this, [this] {
            if (m_selectionEndMs >= 0 && m_player.positionMs() + 2 >= m_selectionEndMs)
                stop();
        });
}

void EditSession::letGo() {
    m_letGo = m_open;
    if (!m_letGo)
        return;
    m_selectionEndMs = -1;
    m_player.command(QStringLiteral("Stop"));
    m_player.command(QStringLiteral("Close"));
}

void EditSession::takeBack(const ClipRange& clip) {
    if (!std::exchange(m_letGo, false))
        return;
    if (!clip.file.isEmpty())
        m_clip = clip;
    m_player.setFileName(m_clip);
    if (!m_player.command(QStringLiteral("open"))) {
        close();
        return;
    }
    m_lengthMs = m_player.lengthMs();
    m_markInMs = std::min(m_markInMs, m_lengthMs);
    m_markOutMs = std::min(m_markOutMs, m_lengthMs);
    emit reopened();
    emit marksChanged();
}
