// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/list_buttons.h"

#include "audio/media_player.h"
#include "base/app_info.h"
#include "base/settings.h"
#include "cliplist/clip_import.h"
#include "cliplist/clip_list.h"
#include "cliplist/edit_history.h"
#include "cliplist/edit_session.h"
#include "cliplist/ui/clip_list_box.h"
#include "pagekit/app_context.h"
#include "pagekit/audio_error.h"
#include "pagekit/busy_gate.h"
#include "pagekit/controls.h"
#include "pagekit/dialogs.h"

#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QUndoStack>

#include <tuple>

using controls::pictureButton;

namespace {

// The first filter names every kind of file the decoder is known to read, so a FLAC or an
// M4A shows without "All files"; the classic one follows.
const char* const OpenFilter = "All sound files|*.wav;*.mp3;*.flac;*.ogg;*.oga;*.opus;*.m4a;"
                               "*.m4r;*.aac;*.mp4;*.aif;*.aiff;*.aifc;*.wma;*.wv;*.ape;*.mka;"
                               "*.ac3;*.mp2;*.amr;*.au;*.caf;*.mod;*.xm;*.s3m;*.it"
                               "|Audio files (*.wav;*.mp3)|*.wav;*.mp3"
                               "|All files|*.*";

} // namespace

ListButtons::ListButtons(ClipList& clips, EditHistory& history, ClipImport& import,
                         EditSession& session, QItemSelectionModel& selection,
                         PageServices services, QWidget* parent)
    : QWidget(parent), m_clips(clips), m_history(history), m_import(import), m_session(session),
      m_selection(selection), m_services(services) {
    setObjectName(QStringLiteral("ListButtons"));
    resize(41, 273);
    controls::markPanel(this);
    m_cmdAdd = pictureButton(this, "CmdAdd", {0, 0, 41, 41});
    m_cmdremove = pictureButton(this, "Cmdremove", {0, 48, 41, 41});
    m_cmdUP = pictureButton(this, "CmdUP", {0, 96, 41, 41});
    m_cmdDown = pictureButton(this, "CmdDown", {0, 144, 41, 41});
    m_cmdIns =
        controls::button(this, "CmdIns", QT_TRANSLATE_NOOP("Controls", "Insert"), {0, 192, 41, 25});
    m_cmdUndo = pictureButton(this, "CmdUndo", {0, 222, 41, 25}, 18);
    m_cmdRedo = pictureButton(this, "CmdRedo", {0, 248, 41, 25}, 18);

    connect(m_cmdAdd, &QPushButton::clicked, this, &ListButtons::CmdAdd_Click);
    connect(m_cmdIns, &QPushButton::clicked, this, &ListButtons::CmdIns_Click);
    connect(m_cmdUP, &QPushButton::clicked, this, &ListButtons::CmdUP_Click);
    connect(m_cmdDown, &QPushButton::clicked, this, &ListButtons::CmdDown_Click);
    connect(m_cmdremove, &QPushButton::clicked, this, &ListButtons::Cmdremove_Click);
    connect(m_cmdUndo, &QPushButton::clicked, this, &ListButtons::CmdUndo_Click);
    connect(m_cmdRedo, &QPushButton::clicked, this, &ListButtons::CmdRedo_Click);
    m_cmdUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_cmdRedo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    auto* redoKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), this);
    connect(redoKey, &QShortcut::activated, this, &ListButtons::CmdRedo_Click);
    connect(&m_history.stack(), &QUndoStack::indexChanged, this, &ListButtons::showHistory);
    for (auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&m_clips, changed, this, &ListButtons::updateMoveButtons);
    connect(&m_clips, &QAbstractItemModel::rowsMoved, this, &ListButtons::updateMoveButtons);
    connect(&m_selection, &QItemSelectionModel::selectionChanged, this,
            &ListButtons::updateMoveButtons);
    showHistory();
    updateMoveButtons();
}

void ListButtons::SetLng() {
    m_cmdAdd->setToolTip(QCoreApplication::translate("ListButtons", "Add New"));
    m_cmdremove->setToolTip(QCoreApplication::translate("ListButtons", "Remove Form List"));
    m_cmdUP->setToolTip(QCoreApplication::translate("ListButtons", "Move UP"));
    m_cmdDown->setToolTip(QCoreApplication::translate("ListButtons", "Move Down"));
    m_cmdIns->setToolTip(
        QCoreApplication::translate("ListButtons", "Insert before the selected clip"));
}

void ListButtons::assignKeys() {
    const std::tuple<QPushButton*, QKeySequence, const char*> keys[] = {
        {m_cmdAdd, QKeySequence(Qt::CTRL | Qt::Key_O), "Ctrl+O"},
        {m_cmdremove, QKeySequence(Qt::Key_Delete), "Delete"},
        {m_cmdUP, QKeySequence(Qt::CTRL | Qt::Key_Up), "Ctrl+Up"},
        {m_cmdDown, QKeySequence(Qt::CTRL | Qt::Key_Down), "Ctrl+Down"},
    };
    for (const auto& [button, key, text] : keys) {
        button->setShortcut(key);
        const QString name = button->toolTip().isEmpty() ? button->text() : button->toolTip();
        button->setToolTip(QStringLiteral("%1 (%2)").arg(name, QLatin1String(text)));
    }
}

bool ListButtons::refuses() const {
    return m_services.busy.isBusy() || m_import.isBusy();
}

void ListButtons::CmdAdd_Click() {
    askAndAdd(-1);
}

void ListButtons::CmdIns_Click() {
    askAndAdd(selectedRow(m_selection));
}

void ListButtons::askAndAdd(int row) {
    if (refuses())
        return;
    Dialogs::FileRequest request;
    request.mode = Dialogs::FileRequest::Mode::Open;
    request.title = QCoreApplication::translate("ListButtons", "Add to the clip list");
    request.filter = QLatin1String(OpenFilter);
    request.initialFolder =
        m_import.lastFolder().isEmpty() ? m_services.settings.baseFolder() : m_import.lastFolder();
    request.flags = Dialogs::FileRequest::Explorer | Dialogs::FileRequest::FileMustExist |
                    Dialogs::FileRequest::HideReadOnly | Dialogs::FileRequest::AllowMultiple;
    const std::optional<QStringList> chosen =
        m_services.context.dialogs.chooseFiles(&m_services.dialogParent, request);
    if (!chosen || chosen->isEmpty())
        return;
    addFiles(*chosen, row, chosen->size() > 1);
}

void ListButtons::addFiles(const QStringList& paths, int row, bool gather) {
    if (paths.isEmpty())
        return;
    if (refuses()) {
        m_services.context.dialogs.message(
            &m_services.dialogParent,
            QCoreApplication::translate(
                "ListButtons",
                "Files are still being added to the list. Try again when they are in."),
            QLatin1String(appinfo::Title), Dialogs::Icon::Information);
        return;
    }
    ClipImport::Request request;
    request.paths = paths;
    request.row = row;
    request.gather = gather;
    request.done = [this](const ClipImport::Report& report) {
        if (const auto notice = report.notice())
            tell(m_services.context.dialogs, &m_services.dialogParent, *notice);
    };
    m_import.add(std::move(request));
}

void ListButtons::CmdUP_Click() {
    const int row = selectedRow(m_selection);
    if (row > 0)
        moveClip(row, row - 1);
}

void ListButtons::CmdDown_Click() {
    const int row = selectedRow(m_selection);
    if (row >= 0 && row + 1 < m_clips.count())
        moveClip(row, row + 1);
}

void ListButtons::moveClip(int from, int to) {
    if (refuses() || !m_clips.move(from, to))
        return;
    m_history.moved(from, to);
    selectRow(m_selection, to);
    updateMoveButtons();
}

void ListButtons::CmdUndo_Click() {
    stepHistory(true);
}

void ListButtons::CmdRedo_Click() {
    stepHistory(false);
}

void ListButtons::stepHistory(bool back) {
    QUndoStack& stack = m_history.stack();
    if (refuses() || !(back ? stack.canUndo() : stack.canRedo()))
        return;
    emit releaseRequested();
    back ? stack.undo() : stack.redo();
    updateMoveButtons();
}

void ListButtons::showHistory() {
    const QUndoStack& stack = m_history.stack();
    const auto tip = [](const QString& action, const QString& step, const char* key) {
        return step.isEmpty() ? QStringLiteral("%1 (%2)").arg(action, QLatin1String(key))
                              : QStringLiteral("%1 %2 (%3)").arg(action, step, QLatin1String(key));
    };
    m_cmdUndo->setEnabled(stack.canUndo());
    m_cmdRedo->setEnabled(stack.canRedo());
    m_cmdUndo->setToolTip(
        tip(QCoreApplication::translate("ListButtons", "Undo"), stack.undoText(), "Ctrl+Z"));
    m_cmdRedo->setToolTip(
        tip(QCoreApplication::translate("ListButtons", "Redo"), stack.redoText(), "Ctrl+Shift+Z"));
}

QString ListButtons::undoText() const {
    return m_cmdUndo->toolTip();
}

QString ListButtons::redoText() const {
    return m_cmdRedo->toolTip();
}

void ListButtons::updateMoveButtons() {
    const int row = selectedRow(m_selection);
    m_cmdUP->setEnabled(row > 0);
    m_cmdDown->setEnabled(row >= 0 && row + 1 < m_clips.count());
}

void ListButtons::Cmdremove_Click() {
    if (m_services.busy.isBusy())
        return;
    const AppContext& context = m_services.context;
    context.MMCEdit.command(QStringLiteral("Stop"));
    context.MMCPlayList.command(QStringLiteral("Stop"));
    context.MMCEdit.command(QStringLiteral("Close"));
    context.MMCPlayList.command(QStringLiteral("Close"));

    const int row = selectedRow(m_selection);
    if (row >= 0) {
        const QString name = m_clips.at(row).name;
        const Dialogs::Answer answer = context.dialogs.message(
            &m_services.dialogParent,
            QCoreApplication::translate("ListButtons", "Are you sure you want to delete %1 ?")
                .arg(name),
            QCoreApplication::translate("ListButtons", "Deleting"), Dialogs::Icon::None,
            Dialogs::Buttons::YesNo);
        if (answer == Dialogs::Answer::Yes) {
            const QString file = m_clips.clipFile(row);
            // The file goes into the history's keeping, so "Undo" can bring it back. A file
            // that is already gone (deleted behind the program's back) is no reason to keep
            // the entry.
            if (!m_history.remove(row))
                warn(context.dialogs, &m_services.dialogParent,
                     QCoreApplication::translate("ListButtons",
                                                 "%1 was not removed: %2 cannot be deleted.")
                         .arg(name, file));
            else
                selectRow(m_selection, -1);
        }
    }
    m_session.close();
}
