// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/framewav.h"

#include "audio/media_player.h"
#include "cliplist/ui/clip_list_box.h"
#include "cliplist/ui/editor_panel.h"
#include "cliplist/ui/effects_row.h"
#include "cliplist/ui/list_buttons.h"
#include "cliplist/ui/list_join.h"
#include "cliplist/ui/list_player_panel.h"
#include "cliplist/ui/list_saving.h"
#include "cliplist/ui/ringtone_saving.h"
#include "pagekit/app_context.h"
#include "pagekit/audio_error.h"
#include "pagekit/busy_gate.h"
#include "pagekit/controls.h"

#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QUndoStack>

using controls::place;

Framewav::Framewav(PageServices services, RingtonePrompt& ringtonePrompt, QWidget* parent)
    : QGroupBox(parent), m_services(services), m_clips(services.context.workFolder),
      m_history(m_clips, services.context.workFolder), m_session(services.context.MMCEdit),
      m_import(m_clips, m_history, services.context.engine, services.context.workFolder,
               [&busy = services.busy](const QString& text, bool showNow) {
                   return std::unique_ptr<JobScope>(busy.hold(text, showNow));
               }) {
    setObjectName(QStringLiteral("Framewav"));
    setTitle(QCoreApplication::translate("FrameWav", "Audio Edit"));
    m_list1 = place(new ClipListBox(this), "List1", {16, 24, 265, 273});
    m_list1->setModel(&m_clips);
    QItemSelectionModel& selection = *m_list1->selectionModel();
    m_label6 = place(new QLabel(this), "Label6", {16, 304, 193, 41});
    m_label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text1 = place(new QLineEdit(this), "Text1", {224, 312, 57, 21});
    m_text1->setReadOnly(true);
    m_text1->setAlignment(Qt::AlignRight);
    m_buttons = new ListButtons(m_clips, m_history, m_import, m_session, selection, services, this);
    m_buttons->move(288, 24);
    m_editor =
        new EditorPanel(m_clips, m_history, m_session, m_peakCache, selection, services, this);
    m_editor->setGeometry(344, 8, 345, 206);
    m_player = new ListPlayerPanel(m_clips, m_session, selection, services, this);
    m_player->setGeometry(344, 218, 345, 73);
    // A player whose sound server went away has stopped (its buttons and time say so); the
    // user is told once, and the next Play connects anew.
    QList<MediaPlayer*> players{&services.context.MMCPlayList};
    if (&services.context.MMCEdit != players.first())
        players << &services.context.MMCEdit;
    for (MediaPlayer* player : players) {
        connect(player, &MediaPlayer::failed, this, [this](const Status& failure) {
            warn(m_services.context.dialogs, &m_services.dialogParent,
                 QCoreApplication::translate("FrameWav", "Playing stopped.\n\n%1")
                     .arg(failure.message()));
        });
    }
    // Two rows of lower buttons, so that the ringtone's fits below the list's two.
    auto* cmdSaveWav =
        controls::button(this, "CmdSaveWav", QT_TRANSLATE_NOOP("Controls", "Save The List to Wav"),
                         {344, 298, 169, 24});
    auto* cmdSaveList =
        controls::button(this, "CmdSaveList", QT_TRANSLATE_NOOP("Controls", "Save The List to MP3"),
                         {520, 298, 169, 24});
    auto* cmdRingtone =
        controls::button(this, "CmdRingtone", QT_TRANSLATE_NOOP("Controls", "Save as Ringtone"),
                         {344, 325, 345, 24});
    m_join = new ListJoin(m_clips, services, this);
    m_saving = new ListSaving(m_clips, *m_join, services, this);
    m_ringtone = new RingtoneSaving(m_clips, *m_join, selection, ringtonePrompt, services, this);
    // A larger window: the list grows in height, the editor takes the rest, and what stands
    // below the editor follows its edges.
    using controls::keepEdges;
    keepEdges(m_list1, Qt::LeftEdge | Qt::TopEdge | Qt::BottomEdge);
    keepEdges(m_label6, Qt::LeftEdge | Qt::BottomEdge);
    keepEdges(m_text1, Qt::LeftEdge | Qt::BottomEdge);
    keepEdges(m_editor, Qt::LeftEdge | Qt::RightEdge | Qt::TopEdge | Qt::BottomEdge);
    keepEdges(m_player, Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);
    keepEdges(cmdSaveWav, Qt::LeftEdge | Qt::BottomEdge);
    keepEdges(cmdSaveList, Qt::RightEdge | Qt::BottomEdge);
    keepEdges(cmdRingtone, Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);
    controls::describe(
        m_list1, QT_TRANSLATE_NOOP("Controls", "Clip list"),
        QT_TRANSLATE_NOOP(
            "Controls", "The clips to play, edit and save; click to select, double click or Return "
                        "to edit"));
    controls::describe(m_text1, QT_TRANSLATE_NOOP("Controls", "Encoder status"),
                       QT_TRANSLATE_NOOP("Controls", "The status code of the last MP3 encoding"));

    connect(cmdSaveWav, &QPushButton::clicked, m_saving, &ListSaving::CmdSaveWav_Click);
    connect(cmdSaveList, &QPushButton::clicked, m_saving, &ListSaving::CmdSaveList_Click);
    connect(cmdRingtone, &QPushButton::clicked, m_ringtone, &RingtoneSaving::CmdRingtone_Click);
    connect(m_saving, &ListSaving::statusCode, this, &Framewav::showStatusCode);
    connect(&m_services.busy, &BusyGate::freed, &m_import, &ClipImport::resume);

    // On the press, as a list box reports it: the first click of a double click selects
    // before the double click acts.
    connect(m_list1, &QAbstractItemView::pressed, this, &Framewav::List1_Click);
    connect(m_list1, &ClipListBox::currentChangedByKey, this, &Framewav::List1_Click);
    connect(m_list1, &QAbstractItemView::doubleClicked, m_editor, &EditorPanel::List1_DblClick);
    // Opened by key, the clip takes the keyboard, so that its keys (and Return for "Done") act
    // on it rather than on the list.
    connect(m_list1, &ClipListBox::openRequested, this, [this] {
        m_editor->List1_DblClick();
        m_editor->focusClip();
    });
    connect(m_list1, &ClipListBox::moveRequested, m_buttons, &ListButtons::moveClip);
    connect(m_list1, &ClipListBox::moveByKey, this,
            [this](int step) { step < 0 ? m_buttons->CmdUP_Click() : m_buttons->CmdDown_Click(); });
    connect(m_list1, &ClipListBox::filesDropped, this, [this](const QStringList& paths, int row) {
        m_buttons->addFiles(paths, row >= m_clips.count() ? -1 : row, true);
    });
    connect(m_buttons, &ListButtons::releaseRequested, this, &Framewav::List1_Click);
    connect(m_editor, &EditorPanel::clipOpened, this,
            [this] { m_player->setButtonsEnabled(false); });
    m_list1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list1, &QWidget::customContextMenuRequested, this, &Framewav::showListMenu);

    // The peaks of a clip are computed when it comes into the list or changes.
    connect(&m_clips, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                for (int row = first; row <= last; ++row)
                    m_peakCache.prepare(m_clips.range(row));
            });
    connect(&m_clips, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& first, const QModelIndex& last) {
                for (int row = first.row(); row <= last.row(); ++row)
                    m_peakCache.prepare(m_clips.range(row));
            });
}

Framewav::~Framewav() {
    stopWork();
}

EffectsRow& Framewav::effects() const {
    return m_editor->effects();
}

void Framewav::SetLng() {
    m_player->SetLng();
    m_buttons->SetLng();
    m_editor->SetLng();
}

void Framewav::startUp() {
    m_label6->setText(QCoreApplication::translate(
        "FrameWav", "Click to Select Play\r\nDouble Click to Select Edit"));
    m_player->setButtonsEnabled(false);
    m_session.close();
}

void Framewav::assignKeys() {
    m_buttons->assignKeys();
    m_editor->nameKeys();
}

int Framewav::selectedIndex() const {
    return m_list1->selectedRow();
}

void Framewav::showStatusCode(short code) {
    m_text1->setText(QString::number(code));
}

void Framewav::stopWork() {
    m_import.cancel();
    m_join->cancel();
    m_editor->cancel();
    m_peakCache.clear();
}

// The effects and the history on the clip under the pointer; each item is enabled only
// while it can act.
void Framewav::showListMenu(const QPoint& at) {
    const int row = m_list1->indexAt(at).row();
    if (row >= 0)
        m_list1->setCurrentRow(row);
    EffectsRow& effects = m_editor->effects();
    const bool free = !m_services.busy.isBusy() && !m_import.isBusy() && !effects.isRunning();
    using Effect = EffectsRow::Effect;
    QMenu menu(this);
    const auto item = [&](const QString& text, bool enabled, std::function<void()> act) {
        QAction* action = menu.addAction(text);
        action->setEnabled(enabled && free);
        connect(action, &QAction::triggered, this, std::move(act));
    };
    for (const auto& [text, effect] :
         {std::pair{"Fade In (F)", Effect::FadeIn},
          std::pair{"Fade Out (Shift+F)", Effect::FadeOut}, std::pair{"Gain (G)", Effect::Gain},
          std::pair{"Normalise (N)", Effect::Normalise},
          std::pair{"Clean Up (C)", Effect::CleanUp}})
        item(QLatin1String(text), row >= 0, [&effects, row, effect = effect] {
            effects.setNormaliseAll(false);
            effects.apply(effect, row);
        });
    item(QCoreApplication::translate("FrameWav", "Normalise all"), m_clips.count() > 0, [&effects] {
        effects.setNormaliseAll(true);
        effects.apply(Effect::Normalise, 0);
    });
    menu.addSeparator();
    item(m_buttons->undoText(), m_history.stack().canUndo(),
         [this] { m_buttons->CmdUndo_Click(); });
    item(m_buttons->redoText(), m_history.stack().canRedo(),
         [this] { m_buttons->CmdRedo_Click(); });
    menu.exec(m_list1->viewport()->mapToGlobal(at));
}

void Framewav::List1_Click() {
    const AppContext& context = m_services.context;
    context.MMCEdit.command(QStringLiteral("Stop"));
    context.MMCPlayList.command(QStringLiteral("Stop"));
    context.MMCEdit.command(QStringLiteral("close"));
    context.MMCPlayList.command(QStringLiteral("close"));
    m_session.close();
    m_player->setButtonsEnabled(true);
}
