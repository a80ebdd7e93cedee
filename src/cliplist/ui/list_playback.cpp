// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/list_playback.h"

#include "audio/media_player.h"
#include "cliplist/ui/clip_editor.h"
#include "cliplist/ui/clip_list_box.h"
#include "cliplist/ui/framewav.h"
#include "shell/app_info.h"
#include "shell/ui/app_context.h"
#include "shell/ui/dialogs.h"

#include <QCheckBox>
#include <QPushButton>

ListPlayback::ListPlayback(Framewav& page, const ClipEditor& editor)
    : m_page(page), m_editor(editor), m_timer1(this) {
    m_timer1.setInterval(TickMs);
    connect(&m_timer1, &QTimer::timeout, this, &ListPlayback::Timer1_Timer);
    m_timer1.start();
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
    ++m_playIndex;
}

void ListPlayback::MMCPlayList_Done() {
    if (controls().Check1->isChecked())
        PlayListItem();
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
}
